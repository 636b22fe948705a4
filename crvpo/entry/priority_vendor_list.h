// The vendors of an item in priority order, as a part of a form: a list of
// the item's vendor-item records (INVendor) with the vendor's number and
// name, the price per unit and the minimum order, and the buttons Select,
// Add and Change.
//
// Select (or Enter or a double click on a row) reads the highlighted
// record into INV and hands it to the form, which decides what taking that
// vendor means. Add and Change open UpdateINVendor for the item (Add on a
// cleared INV) and read the list again. A form that only shows its record
// locks the list: the buttons go and the rows cannot be taken.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "host/framework/ui/row_list_model.h"
#include "host/framework/ui/window_component.h"
#include "host/framework/values/scalars.h"
#include "host/framework/values/text.h"

namespace crv::ui {
class Control;
class Window;
}  // namespace crv::ui

namespace crvpo {

class PriorityVendorList final : public crv::ui::WindowComponent {
 public:
  // Called with the chosen record in INV; answers the event's level.
  using Taken = std::function<crv::ui::Level()>;

  explicit PriorityVendorList(Taken taken);

  // The list (equate "?PriorityList") and its buttons ("?Select", "?Add",
  // "?Change") inside `group`.
  void addControls(crv::ui::Window& window, crv::ui::Control& group);

  // Reads the vendor-item records of `item` afresh; none for a blank item.
  void show(std::string_view item);
  void lock();

  crv::ui::Level takeEvent(crv::ui::WindowManager& manager, const crv::ui::Event& event) override;

 private:
  bool readHighlighted();
  crv::ui::Level take();
  crv::ui::Level edit(crv::ui::WindowManager& manager, bool add);

  Taken taken_;
  crv::ui::RowListModel rows_;
  std::vector<crv::Id> records_;  // INV RecordIDs in list order
  crv::Text<15> item_;
  bool locked_ = false;
};

}  // namespace crvpo

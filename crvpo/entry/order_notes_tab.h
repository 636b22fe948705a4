// The header form's tab "Notes": the order's dated notes (a tag column,
// "Date", "Heading", "Note"), "&Add", "&Change" and "&Delete" through
// UpdateNotes, tagging ("&Tag", "&Untag all", "Tag &all"), "&Print"
// through LimitPrintNotes (all notes or the tagged ones) and a send button
// that hands the list to the send-to facility.
//
// Tagged notes are kept in TAGQUE2 (TAGQUE holds the tagged orders of the
// order list that may have opened this form); it is emptied when the form
// opens.
#pragma once

#include <functional>
#include <string>

#include "host/framework/ui/browse_class.h"
#include "host/framework/ui/browse_component.h"
#include "host/framework/ui/window.h"
#include "host/framework/ui/window_component.h"

namespace crvpo {

class OrderNotesList final : public crv::ui::BrowseClass {
 public:
  OrderNotesList();

 protected:
  void setQueueRecord(crv::ui::BrowseRow& row) override;
  // A new note belongs to the order.
  void primeRecord() override;

 private:
  int tag_ = 0;
};

class OrderNotesTab final : public crv::ui::WindowComponent {
 public:
  // `vendorName` answers the order's vendor's name for the send-to title.
  explicit OrderNotesTab(std::function<std::string()> vendorName);

  void build(crv::ui::Window& window, crv::ui::Control& tab);
  bool empty() const { return list_.rowCount() == 0; }
  void setReadOnly(bool readOnly);

  crv::ui::Level takeEvent(crv::ui::WindowManager& manager, const crv::ui::Event& event) override;
  void reset(crv::ui::WindowManager& manager) override;
  void kill(crv::ui::WindowManager& manager) override;

 private:
  void syncTags();
  void print();
  void send(crv::ui::WindowManager& manager);

  std::function<std::string()> vendorName_;
  OrderNotesList list_;
  crv::ui::BrowseComponent component_;
  crv::ui::Window* window_ = nullptr;
};

}  // namespace crvpo

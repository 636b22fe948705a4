// The priority-vendor list window.
#include "crvpo/entry/browse_priority_q.h"

#include "crvpo/entry/entry_state.h"
#include "host/framework/ui/row_list_model.h"
#include "host/framework/ui/window_manager.h"
#include "host/framework/values/picture.h"

namespace crvpo {
namespace {

using crv::Picture;
using crv::ui::ButtonRole;
using crv::ui::ListCell;

template <class T>
std::string formatted(std::string_view picture, const T& value) {
  return Picture::parse(picture).format(value);
}

class BrowsePriorityQWindow final : public crv::ui::WindowManager {
 public:
  BrowsePriorityQWindow()
      : WindowManager("BrowsePriorityQ"), list_({"Priority", "Vendor", "", "Price", "Min. Order Qty."}) {
    crv::ui::Window& w = window();
    w.setTitle("Higher Priority Vendors");
    const auto& queue = entryState().priorityQueue;
    for (std::size_t i = 0; i < queue.size(); ++i) {
      const PriorityVendorRow& row = queue[i];
      const std::optional<std::uint32_t> background = stripeBackground(static_cast<int>(i));
      std::vector<ListCell> cells{
          {formatted("@n6", row.priority), {}, {}, background},
          {formatted("@n6", row.vendorId), {}, {}, background},
          {formatted("@s40", std::string_view(row.vendorName)), {}, {}, background},
          {formatted("@s35", std::string_view(row.priceText)), {}, {}, background},
          {formatted("@n13", row.minimumOrder), {}, {}, background},
      };
      list_.addRow(std::move(cells));
    }
    w.addList("?List", &list_)
        .setColumns({{"Priority", 6, {}},
                     {"Vendor", 6, {}},
                     {"", 40, {}},
                     {"Price", 35, {}},
                     {"Min. Order Qty.", 13, {}}});
    w.addButton("?Close", "Close", ButtonRole::Close).setDefault();
  }

 private:
  crv::ui::RowListModel list_;
};

}  // namespace

void browsePriorityQ() {
  BrowsePriorityQWindow procedure;
  procedure.run();
}

}  // namespace crvpo

extern "C" void BrowsePriorityQ() { crvpo::browsePriorityQ(); }

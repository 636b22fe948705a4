// The order list sorted by its headers.
#include "crvpo/entry/browse_po_master_new.h"

#include <array>
#include <string>

#include "crvpo/entry/order_list_window.h"
#include "crvpo/entry/order_requests.h"
#include "host/data/tables/purchasing_tables.h"

namespace crvpo {
namespace {

using crv::ui::Event;
using crv::ui::EventKind;
using crv::ui::Level;

// The columns with a key, and the key.
struct SortColumn {
  const char* field;
  const crv::KeyDef* key;
};
const std::array<SortColumn, 3> sortColumns{{{"PONumber", &crv::POMasterRecord::KeyPONumber},
                                             {"VendorID", &crv::POMasterRecord::KeyVendorID},
                                             {"DefaultJob", &crv::POMasterRecord::KeyJobID}}};

bool notFullyReconciled() { return crv::POM.Reconciled < 2; }

OrderRowOptions rowOptions() {
  OrderRowOptions options;
  options.reconcileIcon = false;
  options.unknownVendor = "Unknown Vendor";
  options.tagIconsCapitalised = true;
  return options;
}

class BrowsePOMasterNewWindow final : public OrderListWindow {
 public:
  BrowsePOMasterNewWindow() : OrderListWindow("BrowsePOMasterNew", rowOptions(), true) {
    // Sort order s = column * 4 + descending * 2 + (open orders only).
    for (const SortColumn& column : sortColumns)
      for (bool descending : {false, true}) {
        rows().addSort(crv::ui::BrowseSort(*column.key).descending(descending));
        if (column.key == &crv::POMasterRecord::KeyPONumber)
          rows().addSort(crv::ui::BrowseSort(crv::POMasterRecord::KeyRecTFPONum)
                             .fix(crv::Flag{0})
                             .descending(descending));
        else
          rows().addSort(crv::ui::BrowseSort(*column.key).filter(notFullyReconciled).descending(descending));
      }
    addShowReconciled();
    addList();
    addTotals();
    addButtons(false, true);
    sortChanged();
  }

 protected:
  void sortChanged() override {
    rows().setSort(column_ * 4 + (descending_ ? 2 : 0) + (showReconciled_ != 0 ? 0 : 1));
    for (int c = 0; c < rows().columnCount(); ++c) {
      std::string header = plainHeader(c);
      if (sortColumnOf(c) == column_ && !header.empty()) header += descending_ ? "[-]" : "[+]";
      rows().setHeader(c, header);
    }
    window().touch();
  }

  Level takeEvent(const Event& event) override {
    if (event.kind == EventKind::HeaderClicked) {
      const int column = sortColumnOf(event.index);
      if (column < 0) return Level::Benign;
      descending_ = column == column_ && !descending_;
      column_ = column;
      sortChanged();
      return Level::Notify;
    }
    if (event.kind == EventKind::AlertKey && event.key == crv::ui::Key::Space) {
      rows().toggleTag();
      rows().scroll(1);
      tagsChanged();
      return Level::Notify;
    }
    return OrderListWindow::takeEvent(event);
  }

  void deleteOrders() override {
    OrderChoice chosen = choice();
    if (chosen.tagged.empty()) {
      if (chosen.highlighted != 0) deleteOrder(chosen.highlighted, OrderRequestTexts::brokenLines());
      return;
    }
    chosen.tagged.assign(chosen.tagged.rbegin(), chosen.tagged.rend());
    deleteTaggedOrders(chosen);
  }

 private:
  // The sort column a list column sorts by; -1 for a column without a key.
  int sortColumnOf(int listColumn) const {
    if (listColumn < 0 || listColumn >= rows().columnCount()) return -1;
    const std::string& field = rows().column(listColumn).field;
    for (std::size_t i = 0; i < sortColumns.size(); ++i)
      if (field == sortColumns[i].field) return static_cast<int>(i);
    return -1;
  }

  std::string plainHeader(int column) const {
    std::string header = rows().column(column).header;
    const std::size_t mark = header.find('[');
    return mark == std::string::npos ? header : header.substr(0, mark);
  }

  int column_ = 0;
  bool descending_ = false;
};

}  // namespace

void browsePOMasterNew() {
  BrowsePOMasterNewWindow window;
  window.run();
}

}  // namespace crvpo

extern "C" void BrowsePOMasterNew() { crvpo::browsePOMasterNew(); }

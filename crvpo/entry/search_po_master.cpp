// The order search.
#include "crvpo/entry/search_po_master.h"

#include <set>
#include <string>

#include "crvpo/entry/entry_state.h"
#include "crvpo/entry/order_list_rows.h"
#include "host/data/tables/payables_tables.h"
#include "host/data/tables/purchasing_tables.h"
#include "host/framework/table/private_table.h"
#include "host/framework/ui/browse_component.h"
#include "host/framework/ui/window_manager.h"
#include "host/framework/values/text.h"

namespace crvpo {
namespace {

using crv::ui::Binding;
using crv::ui::ButtonRole;
using crv::ui::Level;

std::string upper(std::string_view text) { return crv::toUpperAscii(crv::clip(text)); }

// The orders that hold the search text in their number or their vendor's
// name.
class SearchRows final : public crv::ui::BrowseClass {
 public:
  explicit SearchRows(bool includeReconciled) : BrowseClass(crv::POMaster, 14) {
    addColumn("PO Number", "PONumber", "@s15");
    vendor_ = addComputedColumn("Vendor Name", "@s60");
    auto matches = [this] { return matches_(); };
    addSort(includeReconciled ? crv::ui::BrowseSort(crv::POMasterRecord::KeyPONumber).filter(matches)
                              : crv::ui::BrowseSort(crv::POMasterRecord::KeySortPONumber).filter(matches));
  }

  // Takes a new search text; the caller reloads the list.
  void search(std::string_view text) {
    text_ = upper(text);
    vendors_.clear();
    if (text_.empty()) return;
    crv::PrivateTable<crv::APVendorRecord> vendors(crv::POMaster);
    if (!vendors.isOpen() || vendors.table.set(crv::APVendorRecord::KeyVendorID) != crv::TableStatus::Ok)
      return;
    while (vendors.table.next() == crv::TableStatus::Ok)
      if (upper(vendors.rec.VendorName.view()).find(text_) != std::string::npos)
        vendors_.insert(vendors.rec.VendorID);
  }

 protected:
  void setQueueRecord(crv::ui::BrowseRow& row) override {
    BrowseClass::setQueueRecord(row);
    row.setText(vendor_, names_.of(crv::POM.VendorID));
  }

 private:
  bool matches_() const {
    if (text_.empty()) return true;
    return vendors_.count(crv::POM.VendorID) != 0 ||
           upper(crv::POM.PONumber.view()).find(text_) != std::string::npos;
  }

  std::string text_;
  std::set<crv::Id> vendors_;
  int vendor_ = -1;
  VendorNames names_{{}};
};

class SearchPOMasterWindow final : public crv::ui::WindowManager {
 public:
  SearchPOMasterWindow()
      : WindowManager("SearchPOMaster"), rows_(entryState().SearchIncludeReconciled), list_(rows_, "?List") {
    crv::ui::Window& w = window();
    w.setTitle("Search the Purchase Order File");
    w.setIcon("search");
    w.setHelp("html/PO_Enter_Purchase_Orders.htm", "search");
    w.addField("Search Text:", "?SearchText", Binding::local(text_, "SearchText"), "@s20");
    w.addButton("?Search", "&Search");
    w.addList("?List", &rows_);
    w.addButton("?OK", "&OK").setDefault();
    w.addButton("?Cancel", "&Cancel", ButtonRole::Cancel);
    addTable(crv::POMaster);
    addComponent(list_);
    useTypeAhead("SearchPOMaster", {"?SearchText"});
    onAccepted("?SearchText", [this] { return search(); });
    onAccepted("?Search", [this] { return search(); });
    onAccepted("?OK", [this] { return choose(); });
  }

 private:
  Level search() {
    rows_.search(text_.view());
    rows_.home();
    select("?List");
    window().touch();
    return Level::Notify;
  }

  Level choose() {
    const crv::ui::BrowseRow* row = rows_.highlighted();
    if (row) entryState().SearchPOID = static_cast<const crv::POMasterRecord&>(*row->record).POID;
    complete(crv::RequestCompleted);
    return Level::Notify;
  }

  SearchRows rows_;
  crv::ui::BrowseComponent list_;
  crv::Text<20> text_;
};

}  // namespace

void searchPOMaster() {
  SearchPOMasterWindow window;
  window.run();
}

}  // namespace crvpo

extern "C" void SearchPOMaster() { crvpo::searchPOMaster(); }

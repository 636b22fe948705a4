// A customer's ship-to addresses.
#include "host/siblings/CRVAR/browse_ar_ship_to.h"

#include <memory>

#include "host/data/shared_values.h"
#include "host/data/tables/receivables_tables.h"

namespace crv::siblings {
namespace {

// The customer is taken when the list is made: GlobalReportLimit is a
// hand-over value the caller sets back once the call returns.
std::unique_ptr<ui::BrowseClass> shipToList(Id customer) {
  auto list = std::make_unique<ui::BrowseClass>(ARShipTo, LookupList::pageRows);
  list->addColumn("Name", "Name", "@s40");
  list->addColumn("Address", "Address", "@s30");
  list->addColumn("City", "City", "@s20");
  list->addColumn("State", "State", "@s2");
  list->addSort(ui::BrowseSort(ARShipToRecord::KeyCustomerID, "by Name").fix(customer));
  return list;
}

}  // namespace

BrowseARShipToWindow::BrowseARShipToWindow()
    : LookupList("BrowseARShipTo", shipToList(GlobalReportLimit),
                 {"Ship-To Addresses", "Select a Ship-To Address"}) {}

}  // namespace crv::siblings

void BrowseARShipTo() { crv::siblings::BrowseARShipToWindow().run(); }

// The customer list.
#include "host/siblings/CRVAR/browse_ar_cust.h"

#include <memory>

#include "host/data/tables/receivables_tables.h"

namespace crv::siblings {
namespace {

std::unique_ptr<ui::BrowseClass> customerList() {
  auto list = std::make_unique<ui::BrowseClass>(ARCust, LookupList::pageRows);
  list->addColumn("Customer Name", "Name", "@s40");
  list->addColumn("Customer ID", "CustomerID", "@n_6");
  list->addColumn("City", "City", "@s20");
  list->addColumn("Phone", "Phone", "@s20");
  list->addSort(ui::BrowseSort(ARCustRecord::KeyName, "by Name"));
  list->addSort(ui::BrowseSort(ARCustRecord::KeyCustomerID, "by Customer ID"));
  return list;
}

}  // namespace

BrowseARCustWindow::BrowseARCustWindow()
    : LookupList("BrowseARCust", customerList(), {"Customers", "Select a Customer"},
                 {"&Name", "&Customer ID"}) {
  window().setIcon("customers");
}

}  // namespace crv::siblings

void BrowseARCust() { crv::siblings::BrowseARCustWindow().run(); }

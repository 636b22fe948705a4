// The vendor list over the second buffer of the vendor table.
#include "host/siblings/CRVAP/browse_ap_vendor_alias.h"

#include <memory>

#include "host/data/tables/payables_tables.h"

namespace crv::siblings {
namespace {

std::unique_ptr<ui::BrowseClass> vendorList() {
  auto list = std::make_unique<ui::BrowseClass>(APVendorAlias, LookupList::pageRows);
  list->addColumn("Vendor Name", "VendorName", "@s40");
  list->addColumn("Vendor ID", "VendorID", "@n_6");
  list->addColumn("City", "City", "@s20");
  list->addSort(ui::BrowseSort(APVendorRecord::KeyVendorName, "by Name"));
  list->addSort(ui::BrowseSort(APVendorRecord::KeyVendorID, "by Vendor ID"));
  return list;
}

}  // namespace

BrowseAPVendorAliasWindow::BrowseAPVendorAliasWindow()
    : LookupList("BrowseAPVendorAlias", vendorList(), {"Vendors", "Select a Ship-To Vendor"},
                 {"&Name", "&Vendor ID"}) {}

}  // namespace crv::siblings

void BrowseAPVendorAlias() { crv::siblings::BrowseAPVendorAliasWindow().run(); }

// The item list.
#include "host/siblings/CRVIN/browse_in_master.h"

#include <memory>

#include "host/data/tables/inventory_tables.h"

namespace crv::siblings {
namespace {

std::unique_ptr<ui::BrowseClass> itemList() {
  auto list = std::make_unique<ui::BrowseClass>(INMaster, LookupList::pageRows);
  list->addColumn("Item ID", "ItemID", "@s15");
  list->addColumn("Description", "Description", "@s40");
  list->addColumn("Unit", "UnitName", "@s8");
  list->addColumn("Price", "Price", "@n-15.5");
  list->addColumn("On Hand", "QtyOnHand", "@n-15.4");
  list->addSort(ui::BrowseSort(INMasterRecord::KeyItemID, "by Item ID"));
  list->addSort(ui::BrowseSort(INMasterRecord::KeyDescription, "by Description"));
  return list;
}

}  // namespace

BrowseINMasterWindow::BrowseINMasterWindow()
    : LookupList("BrowseINMaster", itemList(), {"Inventory Items", "Select an Item"},
                 {"&Item ID", "&Description"}) {}

}  // namespace crv::siblings

void BrowseINMaster() { crv::siblings::BrowseINMasterWindow().run(); }

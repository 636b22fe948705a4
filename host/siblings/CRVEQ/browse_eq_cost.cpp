// The cost categories of a piece of equipment.
#include "host/siblings/CRVEQ/browse_eq_cost.h"

#include <memory>

#include "host/data/shared_values.h"
#include "host/data/tables/equipment_tables.h"

namespace crv::siblings {
namespace {

std::unique_ptr<ui::BrowseClass> categoryList() {
  auto list = std::make_unique<ui::BrowseClass>(EQCost, LookupList::pageRows);
  list->addColumn("Category", "CostCategory", "@s10");
  list->addColumn("Description", "Description", "@s40");
  list->addColumn("Budget", "Budget", "@n-14.2");
  list->addColumn("Cost to Date", "CostToDate", "@n-14.2");
  // Read whenever the list resets: the equipment the caller named just
  // before the call.
  list->addSort(ui::BrowseSort(EQCostRecord::KeyCostCategory, "by Category").fix([] { return EQUIPFIELD; }));
  return list;
}

}  // namespace

BrowseEQCostWindow::BrowseEQCostWindow()
    : LookupList("BrowseEQCost", categoryList(), {"Equipment Cost Categories", "Select a Cost Category"}) {}

}  // namespace crv::siblings

void BrowseEQCost() { crv::siblings::BrowseEQCostWindow().run(); }

// The equipment list.
#include "host/siblings/CRVEQ/browse_eq_header.h"

#include <memory>

#include "host/data/tables/equipment_tables.h"

namespace crv::siblings {
namespace {

std::unique_ptr<ui::BrowseClass> equipmentList() {
  auto list = std::make_unique<ui::BrowseClass>(EQHeader, LookupList::pageRows);
  list->addColumn("Equipment ID", "EquipmentID", "@s10");
  list->addColumn("Description", "Description", "@s40");
  list->addColumn("Make", "Make", "@s20");
  list->addColumn("Model", "Model", "@s20");
  list->addSort(ui::BrowseSort(EQHeaderRecord::KeyEquipmentID, "by Equipment ID"));
  list->addSort(ui::BrowseSort(EQHeaderRecord::KeyDescription, "by Description"));
  return list;
}

}  // namespace

BrowseEQHeaderWindow::BrowseEQHeaderWindow()
    : LookupList("BrowseEQHeader", equipmentList(), {"Equipment", "Select Equipment"},
                 {"&Equipment ID", "&Description"}) {}

}  // namespace crv::siblings

void BrowseEQHeader() { crv::siblings::BrowseEQHeaderWindow().run(); }

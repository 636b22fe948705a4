// The location list.
#include "host/siblings/CRVIN/browse_in_loc.h"

#include <memory>

#include "host/data/tables/inventory_tables.h"

namespace crv::siblings {
namespace {

std::unique_ptr<ui::BrowseClass> locationList() {
  auto list = std::make_unique<ui::BrowseClass>(INLoc, LookupList::pageRows);
  list->addColumn("Location", "LocationID", "@s10");
  list->addColumn("Description", "Description", "@s40");
  list->addColumn("City", "City", "@s20");
  list->addSort(ui::BrowseSort(INLocRecord::KeyLocationID, "by Location"));
  return list;
}

}  // namespace

BrowseINLocWindow::BrowseINLocWindow()
    : LookupList("BrowseINLoc", locationList(), {"Locations", "Select a Location"}) {
  openAt(INL.LocationID.str());
}

}  // namespace crv::siblings

void BrowseINLoc() { crv::siblings::BrowseINLocWindow().run(); }

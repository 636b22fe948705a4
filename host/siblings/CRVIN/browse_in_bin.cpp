// The bin list.
#include "host/siblings/CRVIN/browse_in_bin.h"

#include <memory>

#include "host/data/shared_values.h"
#include "host/data/tables/inventory_tables.h"
#include "host/framework/values/text.h"

namespace crv::siblings {
namespace {

std::unique_ptr<ui::BrowseClass> binList(const std::string& location) {
  auto list = std::make_unique<ui::BrowseClass>(INBin, LookupList::pageRows);
  list->addColumn("Location", "LocationID", "@s10");
  list->addColumn("Area", "BinID", "@s10");
  list->addColumn("Description", "Description", "@s40");
  if (location.empty())
    list->addSort(ui::BrowseSort(INBinRecord::KeyBinID, "by Area"));
  else
    list->addSort(ui::BrowseSort(INBinRecord::KeyLocBin, "by Area").fix(location));
  return list;
}

LookupList::Titles titlesFor(const std::string& location) {
  if (location.empty()) return {"Areas", "Select an Area"};
  return {"Areas of " + location, "Select an Area of " + location};
}

std::string location() { return std::string(trim(JOBFIELD)); }

}  // namespace

BrowseINBinWindow::BrowseINBinWindow()
    : LookupList("BrowseINBin", binList(location()), titlesFor(location())) {
  openAt(INBN.BinID.str());
}

}  // namespace crv::siblings

void BrowseINBin() { crv::siblings::BrowseINBinWindow().run(); }

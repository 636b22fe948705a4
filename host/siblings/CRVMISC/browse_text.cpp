// The stored texts of an owner.
#include "host/siblings/CRVMISC/browse_text.h"

#include <memory>
#include <string>

#include "host/data/shared_values.h"
#include "host/data/tables/suite_tables.h"

namespace crv::siblings {
namespace {

// The owner is taken when the list is made: REPORTFILTER is a hand-over
// value that callers blank again once the call returns.
std::unique_ptr<ui::BrowseClass> textList(std::string owner) {
  auto list = std::make_unique<ui::BrowseClass>(Notes, LookupList::pageRows);
  list->addColumn("Heading", "Heading", "@s20");
  list->addColumn("Text", "Text", "@s60");
  list->addSort(ui::BrowseSort(NotesRecord::KeyFilename, "by Heading").fix(std::move(owner)));
  return list;
}

}  // namespace

BrowseTextWindow::BrowseTextWindow()
    : LookupList("BrowseText", textList(REPORTFILTER.str()), {"Stored Texts", "Select a Stored Text"}) {}

}  // namespace crv::siblings

void BrowseText() { crv::siblings::BrowseTextWindow().run(); }

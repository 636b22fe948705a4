// The field lists of the source form: numbering, spreadsheet column names
// and start positions, moving an entry, the stored layout string (an entry
// that names no field left out) and the contents each record offers.
#include "crvpo/importexport/import_field_list.h"

#include <gtest/gtest.h>

#include "crvpo/importexport/import_item_window.h"
#include "host/data/shared_values.h"
#include "host/siblings/CRVMISC/get_column_name.h"

namespace crvpo {
namespace {

std::vector<std::string> contents(const ImportFieldList& list) {
  std::vector<std::string> out;
  for (const auto& entry : list.entries()) out.push_back(entry.contents);
  return out;
}

TEST(ImportFieldListTest, EntriesMoveAndTheLayoutIsRebuiltFromThem) {
  ImportFieldList header(false);
  ImportFieldList detail(true);
  header.add();
  header.entry(0) = {"PO Number", 15};
  header.add();
  header.entry(1) = {"Vendor ID", 6};
  header.add();  // left at "Not Used": no cell
  EXPECT_EQ(layoutString(header, detail), "PN15VI06####");

  header.setFixed(true);
  EXPECT_EQ(header.model().row(1)[0].text + " " + header.model().row(1)[1].text + " " +
                header.model().row(1)[4].text,
            "2 B 16")
      << "field 2, column B, starting after the 15 characters of field 1";
  header.setFixed(false);
  EXPECT_EQ(header.entries()[1].length, 6) << "lengths are kept when the format changes";

  ImportFieldList five(true);
  for (const char* name : {"Text", "Item ID", "Description", "Unit Name", "Account"})
    five.entry(five.add()).contents = name;
  EXPECT_EQ(five.moveToTop(2), 0);
  EXPECT_EQ(contents(five),
            (std::vector<std::string>{"Description", "Text", "Item ID", "Unit Name", "Account"}));
  EXPECT_EQ(five.moveToBottom(0), 4);
  EXPECT_EQ(contents(five),
            (std::vector<std::string>{"Text", "Item ID", "Unit Name", "Account", "Description"}));
  EXPECT_EQ(five.moveUp(0), 0) << "nothing above the first";
  EXPECT_EQ(five.moveDown(3), 4);
  EXPECT_EQ(five.entries()[3].contents, "Description");

  EXPECT_EQ(crv::siblings::getColumnName(26), "Z");
  EXPECT_EQ(crv::siblings::getColumnName(27), "AA");
  EXPECT_EQ(crv::siblings::getColumnName(703), "AAA");
}

TEST(ImportFieldListTest, EachRecordOffersItsOwnContents) {
  crv::GENERIC = 0;
  EXPECT_EQ(detailItemChoices(true).front(), "Record Type (D)");
  const auto twoFiles = detailItemChoices(false);
  EXPECT_EQ(twoFiles[0] + "|" + twoFiles[1], "POID|PO Number");
  EXPECT_EQ(headerItemChoices().back(), "Unused");
  crv::GENERIC = 1;
  for (const auto& choice : detailItemChoices(true))
    EXPECT_NE(choice, "Job ID") << "no job cost in generic mode";
  EXPECT_EQ(detailItemChoices(false).size(), 16u);
  crv::GENERIC = 0;
}

}  // namespace
}  // namespace crvpo

// The equipment lookups: the equipment list and the cost categories of the
// piece in EQUIPFIELD.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "host/data/tables/equipment_tables.h"
#include "host/siblings/CRVEQ/browse_eq_cost.h"
#include "host/siblings/CRVEQ/browse_eq_header.h"
#include "host/siblings/demo_lookup_test.h"

namespace crv::test {
namespace {

using ui::HeadlessDriver;

std::vector<std::string> firstCells(const std::vector<std::string>& rows) {
  std::vector<std::string> cells;
  for (const std::string& row : rows) cells.push_back(row.substr(0, row.find(" | ")));
  return cells;
}

class EquipmentLookups : public DemoLookupTest {};

TEST_F(EquipmentLookups, EquipmentListLeavesTheChosenPiece) {
  HeadlessDriver person;
  choose(person, BrowseEQHeader, "Select Equipment");
  EXPECT_EQ(firstCells(person.rows("?Browse")),
            (std::vector<std::string>{"EX-200", "FL-01", "PU-12", "SK-01", "TR-05"}));
  person.type("?Locator", "SK");
  person.press("?Select");
  EXPECT_EQ(person.response(), RequestCompleted);
  EXPECT_EQ(EQH.EquipmentID, "SK-01");
}

TEST_F(EquipmentLookups, CostCategoriesAreThoseOfTheEquipmentInEquipField) {
  EQUIPFIELD = std::string(demo::excavator);
  HeadlessDriver person;
  choose(person, BrowseEQCost, "Select a Cost Category");
  EXPECT_EQ(firstCells(person.rows("?Browse")),
            (std::vector<std::string>{"FUEL", "PARTS", "REPAIR", "TIRES"}));
  person.type("?Locator", "REP");
  person.press("?Select");
  EXPECT_EQ(person.response(), RequestCompleted);
  EXPECT_EQ(EQC.EquipmentID, demo::excavator);
  EXPECT_EQ(EQC.CostCategory, demo::repairCategory);

  EQUIPFIELD = "SK-01";
  choose(person, BrowseEQCost, "Select a Cost Category");
  EXPECT_EQ(firstCells(person.rows("?Browse")), (std::vector<std::string>{"FUEL", "PARTS", "REPAIR"}));
  person.press("?Close");

  EQUIPFIELD.clear();
  choose(person, BrowseEQCost, "Select a Cost Category");
  EXPECT_TRUE(person.rows("?Browse").empty());
  person.press("?Close");
  EXPECT_EQ(person.response(), RequestCancelled);
}

}  // namespace
}  // namespace crv::test

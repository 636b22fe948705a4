// The inventory lookups and the vendor-item form: items by id and
// description, an item's vendors or a vendor's items as REPORTFILTER asks,
// locations and the areas of one location, each opened on the current one,
// and adding and changing vendor-item records with their checks.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "host/data/tables/inventory_tables.h"
#include "host/data/tables/payables_tables.h"
#include "host/siblings/CRVIN/browse_in_bin.h"
#include "host/siblings/CRVIN/browse_in_loc.h"
#include "host/siblings/CRVIN/browse_in_master.h"
#include "host/siblings/CRVIN/browse_in_vendor.h"
#include "host/siblings/CRVIN/update_in_vendor.h"
#include "host/siblings/demo_lookup_test.h"

namespace crv::test {
namespace {

using ui::HeadlessDriver;

std::string firstCell(const std::string& row) { return row.substr(0, row.find(" | ")); }

std::vector<std::string> firstCells(const std::vector<std::string>& rows) {
  std::vector<std::string> cells;
  for (const std::string& row : rows) cells.push_back(firstCell(row));
  return cells;
}

class InventoryLookups : public DemoLookupTest {
 protected:
  static void loadItem(std::string_view item) {
    INMaster.open();
    INM.clear();
    INM.ItemID = item;
    ASSERT_EQ(INMaster.fetch(INMasterRecord::KeyItemID), TableStatus::Ok);
    INMaster.close();
  }
  static bool findItemVendor(std::string_view item, Id vendor) {
    INVendor.open();
    INV.clear();
    INV.ItemID = item;
    INV.VendorID = vendor;
    const bool found = INVendor.fetch(INVendorRecord::KeyItemVendor) == TableStatus::Ok;
    INVendor.close();
    return found;
  }
};

TEST_F(InventoryLookups, ItemListLocatesByIdAndDescription) {
  HeadlessDriver person;
  choose(person, BrowseINMaster, "Select an Item");
  person.type("?Locator", "GEN");
  EXPECT_EQ(firstCell(person.shown("?Browse")), demo::serializedItem);
  person.pick("?Sorts", "&Description");
  person.type("?Locator", "drywall");
  EXPECT_EQ(firstCell(person.shown("?Browse")), "DRYWALL-58");
  person.press("?Select");
  EXPECT_EQ(person.response(), RequestCompleted);
  EXPECT_EQ(INM.ItemID, "DRYWALL-58");
}

TEST_F(InventoryLookups, VendorFilterListsThatVendorsItemsAndLeavesTheChosenRecord) {
  REPORTFILTER = "Vendor 111";
  HeadlessDriver person;
  choose(person, BrowseINVendor, "Select an Item from Vendor 111");
  EXPECT_EQ(firstCells(person.rows("?Browse")),
            (std::vector<std::string>{"CONC-MIX-80", "GEN-7500", "PIPE-PVC-4", "SCR-DECK-3"}));
  EXPECT_NE(person.rows("?Browse")[2].find("PVC"), std::string::npos) << "with the item's description";
  person.highlight("?Browse", 2);
  person.press("?Select");
  EXPECT_EQ(person.response(), RequestCompleted);
  EXPECT_EQ(INV.VendorID, 111u);
  EXPECT_EQ(INV.ItemID, "PIPE-PVC-4");
  EXPECT_EQ(INV.VendorCatalogID, "TCH-PVC4-10");

  REPORTFILTER = "Vendor 999";
  choose(person, BrowseINVendor, "Select an Item from Vendor 999");
  EXPECT_TRUE(person.rows("?Browse").empty());
  person.press("?Close");
  EXPECT_EQ(person.response(), RequestCancelled);
}

TEST_F(InventoryLookups, WithoutVendorFilterTheItemsVendorsShowInPriorityOrder) {
  loadItem(demo::boxedItem);
  APV.clear();
  APV.VendorID = 999;  // the caller's own vendor record stays in the buffer
  REPORTFILTER = "PODetail";
  HeadlessDriver person;
  choose(person, BrowseINVendor, "Select a Vendor of Item SCR-DECK-3");
  const auto rows = person.rows("?Browse");
  ASSERT_EQ(rows.size(), 3u);
  EXPECT_EQ(firstCells(rows), (std::vector<std::string>{"1", "2", "3"}));
  EXPECT_NE(rows[0].find("Cascade Fastener"), std::string::npos) << rows[0];
  person.press("?Close");
  EXPECT_EQ(INM.ItemID, demo::boxedItem);
  EXPECT_EQ(APV.VendorID, 999u);

  EXPECT_EQ(siblings::BrowseINVendorWindow::vendorFrom("Vendor 110"), 110u);
  EXPECT_EQ(siblings::BrowseINVendorWindow::vendorFrom("Vendor abc"), 0u);
  EXPECT_FALSE(siblings::BrowseINVendorWindow::vendorFrom("PODetail").has_value());
}

TEST_F(InventoryLookups, AddingAVendorForTheItemChecksVendorUnitAndDuplicates) {
  loadItem("WIRE-12-2");  // stocked in FT, bought by the ROLL
  HeadlessDriver person;
  person.request(InsertRecord);
  person.start([] { UpdateINVendor(); });
  person.expectWindow("Adding an Item Vendor");
  EXPECT_EQ(person.shown("?INV:ItemID"), "WIRE-12-2");
  EXPECT_TRUE(person.control("?INV:ItemID").readOnly());
  EXPECT_EQ(person.shown("?INV:UnitName"), "FT");
  EXPECT_EQ(person.shown("?INV:Priority"), "2") << "after the item's one vendor";

  person.type("?INV:VendorID", "999");
  person.press("?OK");
  person.expectMessage("Unknown Vendor", "There is no vendor 999.");
  person.answer(1);
  EXPECT_EQ(person.focus(), "?INV:VendorID");
  person.type("?INV:VendorID", "108");  // already the item's first vendor
  EXPECT_EQ(person.shown("?VendorName").empty(), false);
  person.press("?OK");
  person.expectMessage("Duplicate Vendor");
  person.answer(1);
  person.type("?INV:VendorID", "110");
  person.type("?INV:UnitName", "BOX");
  person.press("?OK");
  person.expectMessage("Unknown Unit");
  person.answer(1);
  EXPECT_EQ(person.focus(), "?INV:UnitName");
  person.type("?INV:UnitName", "ROLL");
  person.type("?INV:Price", "121.5");
  person.type("?INV:VendorCatalogID", "CF-W122");
  person.press("?OK");
  person.expectFinished();
  EXPECT_EQ(person.response(), RequestCompleted);

  ASSERT_TRUE(findItemVendor("WIRE-12-2", 110));
  EXPECT_EQ(INV.UnitName, "ROLL");
  EXPECT_DOUBLE_EQ(INV.Price, 121.5);
  EXPECT_EQ(INV.Priority, 2);
  EXPECT_EQ(INV.VendorCatalogID, "CF-W122");
}

TEST_F(InventoryLookups, ChangingAVendorItemRecordWritesIt) {
  loadItem(demo::boxedItem);
  ASSERT_TRUE(findItemVendor(demo::boxedItem, 111));
  HeadlessDriver person;
  person.request(ChangeRecord);
  person.start([] { UpdateINVendor(); });
  person.expectWindow("Changing an Item Vendor");
  EXPECT_FALSE(person.shown("?VendorName").empty());
  person.type("?INV:Price", "8.95");
  person.type("?INV:MinimumOrder", "12");
  person.press("?OK");
  EXPECT_EQ(person.response(), RequestCompleted);
  ASSERT_TRUE(findItemVendor(demo::boxedItem, 111));
  EXPECT_DOUBLE_EQ(INV.Price, 8.95);
  EXPECT_EQ(INV.MinimumOrder, Quantity(12));
  EXPECT_EQ(INV.Priority, 2);
}

// Locations and areas open on the caller's current one, areas of the
// location in JOBFIELD only (of all locations when it is blank).
TEST_F(InventoryLookups, LocationsAndAreasOpenOnTheCurrentOneAndLeaveTheChoice) {
  INL.clear();
  INL.LocationID = "TRUCK1";
  HeadlessDriver person;
  choose(person, BrowseINLoc, "Select a Location");
  EXPECT_EQ(firstCell(person.shown("?Browse")), "TRUCK1");
  person.scroll("?Browse", 1);
  person.press("?Select");
  EXPECT_EQ(person.response(), RequestCompleted);
  EXPECT_EQ(INL.LocationID, "YARD");
  EXPECT_EQ(INL.Description, "Storage Yard");

  JOBFIELD = "MAIN";
  INBN.clear();
  INBN.BinID = "A2";
  choose(person, BrowseINBin, "Select an Area of MAIN");
  EXPECT_EQ(person.rows("?Browse").size(), 3u);
  EXPECT_EQ(person.shown("?Browse"), "MAIN | A2 | Aisle A, shelf 2");
  person.press("?Select");
  EXPECT_EQ(INBN.LocationID, "MAIN");
  EXPECT_EQ(INBN.BinID, "A2");

  JOBFIELD = "";
  INBN.clear();
  choose(person, BrowseINBin, "Select an Area");
  EXPECT_EQ(person.rows("?Browse").size(), 7u);
  person.press("?Close");
  EXPECT_EQ(person.response(), RequestCancelled);
}

}  // namespace
}  // namespace crv::test

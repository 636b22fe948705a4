// The listing formats as a person keeps them on the demo company: the list
// (print, preview or printer, duplicate with list values, favourites,
// locked formats, a favourite opened alone, an empty list) and the form
// (a format made field by field and listed, list values edited, defaults,
// Save and Print, the date limit switched off, and what a cancelled or
// deleted format leaves behind).
#include <gtest/gtest.h>

#include "crvpo/reports/browse_po_list_limits.h"
#include "crvpo/reports/update_po_list_limits.h"
#include "host/framework/table/private_table.h"
#include "host/framework/ui/headless/headless_driver.h"
#include "tests/crvpo/reports/listing_fixture.h"

namespace crvpo {
namespace {

using namespace crv;
using ui::HeadlessDriver;

constexpr std::string_view byJob = "Cedar Hills orders by job";  // RTK's, with job list 2401
constexpr std::string_view openOrders = "Open orders by PO number";

class ListingFormatsTest : public test::ListingTest {
 protected:
  void openList(HeadlessDriver& person) {
    person.start([] { BrowsePOListLimits(); }, "BrowsePOListLimits");
    person.expectWindow("Purchase Order Listing");
  }

  std::optional<POLimitsRecord> formatTitled(std::string_view title) {
    PrivateTable<POLimitsRecord> formats(POLimits);
    formats.rec.Report = "PO Listing";
    formats.rec.ReportTitle = title;
    if (!formats.fetch(POLimitsRecord::KeyReport)) return std::nullopt;
    return formats.rec;
  }

  template <class R>
  int rowsOf(Table& table, const KeyDef& key, const std::function<bool(const R&)>& match) {
    PrivateTable<R> rows(table);
    int count = 0;
    if (rows.table.set(key) == TableStatus::Ok)
      while (rows.table.next() == TableStatus::Ok) count += match(rows.rec) ? 1 : 0;
    return count;
  }
  int listValues(Id limit) {
    return rowsOf<LimListRecord>(LimList, LimListRecord::KeyRecordID,
                                 [limit](const LimListRecord& r) { return r.LimitID == limit; });
  }
  int favourites(Id limit) {
    return rowsOf<MemLimitRecord>(MemLimit, MemLimitRecord::KeyMemLimitID,
                                  [limit](const MemLimitRecord& r) { return r.LimitID == limit; });
  }

  void lock(std::string_view title) {
    auto format = formatTitled(title);
    ASSERT_TRUE(format);
    PrivateTable<POLimitsRecord> formats(POLimits);
    formats.rec = *format;
    ASSERT_TRUE(formats.fetch(POLimitsRecord::KeyLimitID));
    formats.rec.Locked = 1;
    ASSERT_EQ(formats.table.update(), TableStatus::Ok);
  }

  // The orders a format lists, by PO number.
  std::vector<std::string> listed(std::string_view title) {
    std::vector<std::string> lines;
    listingText(formatTitled(title)->LimitID, &lines);
    std::vector<std::string> numbers;
    for (const std::string& line : lines) {
      const auto tab = line.find('\t');
      if (tab != std::string::npos && tab > 0 && line.find_first_not_of("0123456789") == tab)
        numbers.push_back(line.substr(tab + 1, line.find('\t', tab + 1) - tab - 1));
    }
    return numbers;
  }
};

TEST_F(ListingFormatsTest, PrintPreviewsTheHighlightedFormatOrSendsItToThePrinter) {
  HeadlessDriver person;
  openList(person);
  ASSERT_EQ(person.rows("?Browse").size(), 2u);
  EXPECT_EQ(person.rows("?Browse")[0].substr(0, byJob.size() + 9), std::string(byJob) + " | RTK | ");
  person.type("?Locator", "Open");
  EXPECT_EQ(person.shown("?Browse").substr(0, openOrders.size()), openOrders);
  GLO.PrintPreview = 1;
  person.press("?Print");
  person.expectWindow("Purchase Order Listing");
  EXPECT_EQ(person.shown("?PageNo"), "Page 1 of 1");
  person.press("?Close");
  person.expectWindow("Purchase Order Listing");
  EXPECT_FALSE(person.isHidden("?Locator"));

  person.popup("?Print");
  EXPECT_EQ(person.dialog().popup.items,
            "Preview the Report to Screen|Print Report Directly to Default Printer|Cancel");
  person.answer("Print Report Directly to Default Printer");
  if (person.hasDialog()) {  // no default printer here
    person.expectMessage("WARNING!");
    person.answer(1);
  }
  EXPECT_EQ(GLO.PrintPreview, 1) << "previewing is on again after printing directly";
  person.press("?Close");
  person.expectFinished();
}

TEST_F(ListingFormatsTest, ALockedFormatOfAnotherUserCannotBeDeletedAndOpensReadOnly) {
  lock(byJob);
  HeadlessDriver person;
  openList(person);
  person.pick("?Browse", std::string(byJob));
  person.press("?Delete");
  person.expectMessage("Report Cannot Be Deleted",
                       "This report is locked and can only be modified or deleted by user RTK.");
  person.answer(1);
  person.press("?Change");
  person.expectWindow("Changing a Purchase Order Listing  (" + std::string(byJob) + ")");
  EXPECT_TRUE(person.isDisabled("?POL:ReportTitle"));
  EXPECT_TRUE(person.isDisabled("?OK"));
  EXPECT_FALSE(person.isDisabled("?Cancel"));
  person.press("?Cancel");
  person.expectWindow("Purchase Order Listing");
  person.press("?Close");
  EXPECT_TRUE(formatTitled(byJob).has_value());
}

TEST_F(ListingFormatsTest, DuplicateCopiesTheFormatAndItsListValuesForTheCurrentUser) {
  const std::string longTitle = "Cedar Hills orders by job, whole year";  // 37 characters
  PrivateTable<POLimitsRecord> formats(POLimits);
  formats.rec = *formatTitled(byJob);
  ASSERT_TRUE(formats.fetch(POLimitsRecord::KeyLimitID));
  formats.rec.ReportTitle = longTitle;
  formats.rec.Locked = 1;
  ASSERT_EQ(formats.table.update(), TableStatus::Ok);

  HeadlessDriver person;
  openList(person);
  person.pick("?Browse", longTitle);
  person.press("?Duplicate");
  const std::string copyTitle = ("Copy of " + longTitle).substr(0, 40);
  EXPECT_EQ(person.shown("?Browse").substr(0, copyTitle.size()), copyTitle) << "the copy is highlighted";
  person.press("?Close");

  const auto copy = formatTitled(copyTitle);
  ASSERT_TRUE(copy);
  EXPECT_EQ(copy->UserID, "JMS");
  EXPECT_EQ(copy->Locked, 0);
  EXPECT_EQ(copy->ModifyDate, Date::today());
  EXPECT_EQ(listValues(copy->LimitID), 1) << "its job list came along";
  EXPECT_EQ(listed(copyTitle), (std::vector<std::string>{"1001", "1002"}));
}

TEST_F(ListingFormatsTest, AFormatIsAddedToTheFavouritesOnce) {
  const Id limit = formatTitled(byJob)->LimitID;
  HeadlessDriver person;
  openList(person);
  person.pick("?Browse", std::string(byJob));
  person.press("?Favorite");
  person.expectMessage("Report Added", "This report has now been added to your Favorite Report list");
  person.answer(1);
  person.press("?Favorite");
  person.expectMessage("Report Already Added",
                       "This report has already been added to your Favorite Report list.");
  person.answer(1);
  person.press("?Close");
  EXPECT_EQ(favourites(limit), 1);
}

TEST_F(ListingFormatsTest, AFavouriteOpensAloneAndAnEmptyListCannotPrint) {
  GlobalReportLimit = formatTitled(openOrders)->LimitID;
  HeadlessDriver person;
  openList(person);
  EXPECT_EQ(person.rows("?Browse").size(), 1u);
  EXPECT_TRUE(person.isHidden("?Insert"));
  EXPECT_TRUE(person.isHidden("?Delete"));
  EXPECT_TRUE(person.isHidden("?Favorite"));
  person.press("?Close");

  GlobalReportLimit = 4242;
  openList(person);
  person.press("?Print");
  person.expectMessage(
      "No Report Format Selected",
      "This report cannot be printed without first creating |a 'Report Format' with the desired "
      "report limits.|Press the Insert button to create a report format.");
  person.answer(1);
  person.press("?Close");
}

TEST_F(ListingFormatsTest, AFormatMadeFieldByFieldListsItsOrders) {
  HeadlessDriver person;
  openList(person);
  person.press("?Insert");
  person.expectWindow("Adding a Purchase Order Listing  (New)");
  EXPECT_EQ(person.shown("?POL:UserID"), "JMS");
  EXPECT_EQ(person.shown("?POL:SelectedCat"), "Detailed");
  EXPECT_EQ(person.shown("?POL:DateLimitType"), "Issue Date");
  person.type("?POL:ReportTitle", "Lumber and concrete vendors");
  person.pick("?POL:SelectedCat", "Summary");
  person.pick("?Pages", "&Orders and Vendors");
  EXPECT_TRUE(person.isDisabled("?VendorEditList"));
  person.pick("?POL:SelectedVendors", "List");
  EXPECT_TRUE(person.isDisabled("?POL:VendorFrom"));
  person.press("?VendorEditList");
  person.expectWindow("Vendor List");
  person.type("?Value", "103");
  person.press("?Add");
  person.type("?Value", "999");
  person.press("?Add");
  person.expectMessage("Not Found", "Vendor ID 999 was not found.");
  person.answer(1);
  person.type("?Value", "105");
  person.press("?Add");
  person.type("?Value", "103");
  person.press("?Add");
  person.expectMessage("Already Listed", "Vendor ID 103 is already in the list.");
  person.answer(1);
  EXPECT_EQ(person.rows("?List"),
            (std::vector<std::string>{"103 | Columbia Lumber Supply", "105 | Pacific Ready-Mix Concrete"}));
  person.press("?Close");
  person.expectWindow("Adding a Purchase Order Listing  (New)");
  person.pick("?POL:DateLimitType", "No Date Limit");
  EXPECT_TRUE(person.isDisabled("?POL:DateFrom"));
  person.pick("?Pages", "&Jobs and Equipment");
  person.pick("?POL:SelectedJobs", "Range");
  person.type("?POL:JobFrom", "cedar");  // the start of a name: the one open job so named
  EXPECT_EQ(person.shown("?POL:JobFrom"), demo::mainJob);
  person.pick("?POL:SelectedRef", "Non-Jobs Only");
  EXPECT_EQ(person.shown("?POL:SelectedJobs"), "All");
  EXPECT_TRUE(person.isDisabled("?POL:SelectedJobs"));
  person.pick("?POL:SelectedRef", "Both");
  person.press("?OK");
  person.expectWindow("Purchase Order Listing");
  person.press("?Close");

  const auto format = formatTitled("Lumber and concrete vendors");
  ASSERT_TRUE(format);
  EXPECT_EQ(format->SelectedDates, 0);
  EXPECT_TRUE(format->DateLimitType.empty()) << "No Date Limit stores a blank type";
  EXPECT_EQ(format->ModifyDate, Date::today());
  EXPECT_EQ(format->SelectedCat, 2);
  EXPECT_EQ(listed("Lumber and concrete vendors"), (std::vector<std::string>{"1001", "1002"}));
}

TEST_F(ListingFormatsTest, LoadDefaultsAndSaveAndPrint) {
  HeadlessDriver person;
  openList(person);
  person.pick("?Browse", std::string(openOrders));
  person.press("?Change");
  person.pick("?POL:Sequence", "by Job then Vendor");
  person.press("?LoadDefaults");
  person.expectMessage("Confirm Loading Default Limits",
                       "Are you sure you want to replace the displayed|limits with default limits?");
  person.answer("&Yes");
  EXPECT_EQ(person.shown("?POL:Sequence"), "by PO Number");
  EXPECT_EQ(person.shown("?POL:ReportTitle"), openOrders);
  EXPECT_EQ(person.shown("?POL:FullyReconciled"), "on");
  GLO.PrintPreview = 1;
  person.press("?SavePrint");
  person.expectWindow("Purchase Order Listing");
  person.press("?Close");
  person.expectWindow("Changing a Purchase Order Listing  (" + std::string(openOrders) + ")");
  person.press("?Cancel");
  person.press("?Close");
  EXPECT_EQ(formatTitled(openOrders)->FullyReconciled, 1) << "saved before printing";
}

TEST_F(ListingFormatsTest, AGivenUpOrDeletedFormatTakesItsListValuesAndFavouritesAlong) {
  HeadlessDriver person;
  openList(person);
  person.press("?Insert");
  person.type("?POL:ReportTitle", "Given up");
  person.pick("?Pages", "&Jobs and Equipment");
  person.pick("?POL:SelectedJobs", "List");
  person.press("?JobEditList");
  person.type("?Value", "2402");
  person.press("?Add");
  person.press("?Close");
  person.press("?Cancel");
  person.expectWindow("Purchase Order Listing");
  EXPECT_EQ(rowsOf<LimListRecord>(LimList, LimListRecord::KeyRecordID,
                                  [](const LimListRecord& r) { return r.TextValue == "2402"; }),
            0);

  const Id limit = formatTitled(byJob)->LimitID;
  person.pick("?Browse", std::string(byJob));
  person.press("?Favorite");
  person.answer(1);
  person.press("?Delete");
  person.expectWindow("Changing a Purchase Order Listing  (" + std::string(byJob) + ")");
  person.press("?OK");
  person.expectMessage("Confirm Delete");
  person.answer("&Yes");
  person.expectWindow("Purchase Order Listing");
  person.press("?Close");
  EXPECT_FALSE(formatTitled(byJob).has_value());
  EXPECT_EQ(listValues(limit), 0);
  EXPECT_EQ(favourites(limit), 0);
}

TEST_F(ListingFormatsTest, WithoutJobCostOrLocksTheFormHidesTheirControls) {
  GENERIC = 1;
  PURCHASELEVEL = 1;
  HeadlessDriver person;
  openList(person);
  person.press("?Insert");
  EXPECT_TRUE(person.isHidden("?POL:Locked"));
  EXPECT_TRUE(person.isHidden("?POL:SelectedRef"));
  EXPECT_TRUE(person.isHidden("?POL:SelectedJobs"));
  person.press("?Cancel");
  person.press("?Close");
  GENERIC = 0;
}

}  // namespace
}  // namespace crvpo

// The printing-limits window played through the headless driver on the
// demo company: one "Generate POs" record with its range cleared on every
// opening, the range switch, typed numbers checked against the orders, and
// printing the range, the dummy order and the training video.
#include "crvpo/reports/limit_print_pos.h"

#include <gtest/gtest.h>

#include <fstream>

#include "crvpo/reports/create_po_print.h"
#include "host/framework/ui/headless/headless_driver.h"
#include "tests/crvpo/reports/listing_fixture.h"

namespace crvpo {
namespace {

using namespace crv;

class LimitPrintPOsTest : public test::ListingTest {
 protected:
  std::vector<POLimitsRecord> generateRecords() {
    std::vector<POLimitsRecord> rows;
    POLimits.open();
    POL.clear();
    POL.Report = generatePOsReport;
    if (POLimits.setFrom(POL.KeyReport, 1) == TableStatus::Ok)
      while (POLimits.next() == TableStatus::Ok && POL.Report == generatePOsReport) rows.push_back(POL);
    POLimits.close();
    return rows;
  }

  std::vector<std::string> batchNumbers() {
    std::vector<std::string> numbers;
    POPrint.open();
    POP.clear();
    POP.UserID = UserID.view();
    if (POPrint.setRange(POP.KeyUserID, 1) == TableStatus::Ok)
      while (POPrint.next() == TableStatus::Ok) numbers.push_back(POP.PONumber.str());
    POPrint.close();
    return numbers;
  }

  void open(ui::HeadlessDriver& person) {
    person.start([] { LimitPrintPOs(); }, "LimitPrintPOs");
    person.expectWindow("Purchase Order Printing Limits");
  }
};

TEST_F(LimitPrintPOsTest, EveryOpeningLeavesOneGenerateRecordWithItsRangeCleared) {
  POLimits.open();
  POL.clear();
  ASSERT_EQ(POLimits.primeAutoInc(), TableStatus::Ok);
  POL.Report = generatePOsReport;
  POL.ReportTitle = "Second";
  POL.SelectedPONumbers = 1;
  POL.POFrom = "1001";
  ASSERT_EQ(POLimits.insert(), TableStatus::Ok);
  POLimits.close();
  ASSERT_EQ(generateRecords().size(), 2u);

  ui::HeadlessDriver person;
  for (int opening = 0; opening < 2; ++opening) {
    open(person);
    EXPECT_EQ(person.shown("?POL:SelectedPONumbers"), "off");
    EXPECT_TRUE(person.isDisabled("?POL:POFrom"));
    EXPECT_EQ(person.shown("?PrintCondition"), "Unprinted Purchase Orders Only");
    EXPECT_EQ(person.shown("?AssignPONumber"), "Assign Numbers to Purchase Orders with a Blank PO # Field");
    EXPECT_EQ(person.shown("?SetPrintedFlag"), "on");
    EXPECT_EQ(person.shown("?PONumber"), std::to_string(demo::nextPONumber)) << "the running number";
    person.tick("?POL:SelectedPONumbers", true);
    person.type("?POL:POFrom", "1002");
    person.press("?Cancel");
    EXPECT_EQ(person.response(), RequestCancelled);
    const auto rows = generateRecords();
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].SelectedPONumbers, 0);
    EXPECT_TRUE(rows[0].POFrom.empty());
  }
}

TEST_F(LimitPrintPOsTest, TheRangeSwitchAndTypedNumbers) {
  ui::HeadlessDriver person;
  open(person);
  person.tick("?POL:SelectedPONumbers", true);
  EXPECT_FALSE(person.isDisabled("?POL:POTo:Lookup"));
  person.type("?POL:POFrom", "1002");
  // A number no order has opens the pick list: closed, the field is
  // selected again; a pick puts the picked order's number in.
  person.type("?POL:POTo", "4242");
  person.expectWindow("Purchase Orders");
  person.press("?Close");
  person.expectWindow("Purchase Order Printing Limits");
  EXPECT_EQ(person.focus(), "?POL:POTo");
  person.type("?POL:POTo", "4243");
  person.expectWindow("Purchase Orders");
  person.type("?POLocator", "1003");
  person.press("?Select");
  person.expectWindow("Purchase Order Printing Limits");
  EXPECT_EQ(person.shown("?POL:POTo"), "1003");
  person.tick("?POL:SelectedPONumbers", false);
  EXPECT_EQ(person.shown("?POL:POFrom"), "");
  EXPECT_EQ(person.shown("?POL:POTo"), "");
  EXPECT_TRUE(person.isDisabled("?POL:POTo"));
  person.press("?Cancel");
}

TEST_F(LimitPrintPOsTest, PrintSavesTheRangeAndPrintsItsOrders) {
  GLO.PrintPreview = 1;
  ui::HeadlessDriver person;
  open(person);
  person.tick("?POL:SelectedPONumbers", true);
  person.type("?POL:POFrom", "1002");
  person.type("?POL:POTo", "1004");
  person.pick("?PrintCondition", "All Purchase Orders");
  person.tick("?SetPrintedFlag", false);
  person.press("?Print");
  person.expectWindow("Print Preview");
  person.press("?Close");
  person.expectFinished();
  EXPECT_EQ(person.response(), RequestCompleted);
  EXPECT_EQ(batchNumbers(), (std::vector<std::string>{"1002", "1003", "1004"}));
  const auto rows = generateRecords();
  ASSERT_EQ(rows.size(), 1u);
  EXPECT_EQ(rows[0].SelectedPONumbers, 1);
  EXPECT_EQ(rows[0].POFrom, "1002");
  EXPECT_EQ(rows[0].POTo, "1004");
}

TEST_F(LimitPrintPOsTest, TheDummyOrderAndTheTrainingVideo) {
  GLO.PrintPreview = 1;
  ui::HeadlessDriver person;
  open(person);
  person.press("?Dummy");
  person.expectWindow("Print Preview");
  person.press("?Close");
  person.expectWindow("Purchase Order Printing Limits");
  EXPECT_EQ(batchNumbers(), std::vector<std::string>{"JG-2991349"}) << "the sample order";

  IniPath = folder.path().string();
  person.press("?Training");
  person.expectMessage("Training Video",
                       "No training video is installed for POPrint.|Training videos go in " +
                           (folder / "Training").string() + ", named after their topic.");
  person.answer(1);
  std::filesystem::create_directories(folder / "Training");
  std::ofstream(folder / "Training" / "POPrint.mp4") << "video";
  person.press("?Training");
  ASSERT_FALSE(person.hasDialog());
  person.press("?Cancel");
  EXPECT_NE(person.transcriptText().find("POPrint.mp4"), std::string::npos) << person.transcriptText();
}

}  // namespace
}  // namespace crvpo

// The over-budget comparison and its warning: the strict edge, the
// committed cost an edited or moved line is compared against, Cancel and
// Continue, a missing cost line; and the priority list's rows and colours.
#include "crvpo/entry/over_budget_warning.h"

#include <gtest/gtest.h>

#include "crvpo/entry/browse_priority_q.h"
#include "crvpo/entry/entry_state.h"
#include "host/framework/ui/headless/headless_driver.h"
#include "host/framework/ui/list_model.h"
#include "line_form_fixture.h"

namespace crvpo::test {
namespace {

using crv::ui::HeadlessDriver;

class OverBudgetTest : public LineFormTest {
 protected:
  void SetUp() override {
    LineFormTest::SetUp();
    setBudget("2401", "06-100M", "1000.00", "600.00", "300.00");
    crv::POD.clear();
    crv::POD.DetailType = "Job";
    crv::POD.JobID = "2401";
    crv::POD.CostCode = "06-100M";
    crv::JCCost.open();
  }
  void TearDown() override {
    crv::JCCost.close();
    LineFormTest::TearDown();
  }

  // Runs the check as OK does; `passed` is its answer once it returns.
  void check(HeadlessDriver& person) {
    person.start([this] { passed = overBudgetCheckPasses(); }, "OK");
  }

  bool passed = false;
};

TEST_F(OverBudgetTest, NewLineUpToTheBudgetPassesAndOneCentMoreWarns) {
  crv::POD.TotalAmount = *crv::Amount::parse("100.00");
  {
    HeadlessDriver person;
    check(person);
    person.expectFinished();
    EXPECT_TRUE(passed);
  }
  crv::POD.TotalAmount = *crv::Amount::parse("100.01");
  HeadlessDriver person;
  check(person);
  person.expectWindow("Over Budget!");
  EXPECT_EQ(person.shown("?JCC:JobID"), "2401");
  EXPECT_EQ(person.shown("?JCC:CurrentBudget"), "1,000.00");
  EXPECT_EQ(person.shown("?CurrentCommitted"), "300.00");
  EXPECT_EQ(person.shown("?POD:TotalAmount"), "100.01");
  EXPECT_EQ(person.shown("?TotalCost"), "1,000.01");
  person.press("?Continue");
  person.expectFinished();
  EXPECT_TRUE(passed);
  EXPECT_EQ(entryState().OverBudgetPending, 0);
}

TEST_F(OverBudgetTest, CancelRefusesAndPutsBackTheCommittedCost) {
  entryState().CurrentCommitted = *crv::Amount::parse("12.34");
  crv::POD.TotalAmount = *crv::Amount::parse("500.00");
  HeadlessDriver person;
  check(person);
  person.expectWindow("Over Budget!");
  EXPECT_EQ(person.shown("?CurrentCommitted"), "300.00");
  person.press("?Cancel");
  person.expectFinished();
  EXPECT_FALSE(passed);
  EXPECT_EQ(entryState().OverBudgetPending, 1);
  EXPECT_EQ(entryState().CurrentCommitted, *crv::Amount::parse("12.34"));
}

TEST_F(OverBudgetTest, AnEditedLineCountsOnlyItsNewAmount) {
  // Opened on a line of 100.00 already in the 400.00 committed.
  setBudget("2401", "06-100M", "1000.00", "600.00", "400.00");
  crv::JCCost.open();
  entryState().CurrentCommitted = *crv::Amount::parse("300.00");
  entryState().CommittedJobID = "2401";
  entryState().CommittedCostCode = "06-100M";
  crv::POD.TotalAmount = *crv::Amount::parse("100.00");
  {
    HeadlessDriver person;
    check(person);
    person.expectFinished();
    EXPECT_TRUE(passed);
  }
  crv::POD.TotalAmount = *crv::Amount::parse("150.00");
  HeadlessDriver person;
  check(person);
  person.expectWindow("Over Budget!");
  EXPECT_EQ(person.shown("?CurrentCommitted"), "300.00");
  EXPECT_EQ(person.shown("?TotalCost"), "1,050.00");
  person.press("?Cancel");
  person.expectFinished();
}

TEST_F(OverBudgetTest, ALineMovedToAnotherCostCodeCountsThatCodesFullCommittedCost) {
  setBudget("2401", "06-100L", "1000.00", "600.00", "350.00");
  crv::JCCost.open();
  entryState().CurrentCommitted = *crv::Amount::parse("200.00");
  entryState().CommittedJobID = "2401";
  entryState().CommittedCostCode = "06-100M";
  crv::POD.CostCode = "06-100L";
  crv::POD.TotalAmount = *crv::Amount::parse("60.00");
  HeadlessDriver person;
  check(person);
  person.expectWindow("Over Budget!");
  EXPECT_EQ(person.shown("?CurrentCommitted"), "350.00");
  person.press("?Cancel");
  person.expectFinished();
  EXPECT_EQ(entryState().CurrentCommitted, *crv::Amount::parse("200.00"));
}

TEST_F(OverBudgetTest, NoCostLineMeansNoWarning) {
  crv::POD.CostCode = "99-999M";
  crv::POD.TotalAmount = *crv::Amount::parse("999999.00");
  HeadlessDriver person;
  check(person);
  person.expectFinished();
  EXPECT_TRUE(passed);
}

TEST(BrowsePriorityQTest, ShowsTheQueueWithAlternatingBackgrounds) {
  entryState().reset();
  entryState().priorityQueue = {{1, 110, "Cascade Fastener & Supply", "$8.25 per BOX", crv::Quantity(10)},
                                {2, 111, "Tri-County Hardware", "$8.60 per BOX", crv::Quantity(5)},
                                {3, 112, "Bolt House", "$0.19 per EA", crv::Quantity(100)}};
  HeadlessDriver person;
  person.start([] { browsePriorityQ(); }, "BrowsePriorityQ");
  person.expectWindow("Higher Priority Vendors");
  const crv::ui::ListModel* list = person.control("?List").model();
  ASSERT_NE(list, nullptr);
  ASSERT_EQ(list->rowCount(), 3);
  EXPECT_NE(list->cell(1, 2).text.find("Tri-County Hardware"), std::string::npos);
  EXPECT_NE(list->cell(2, 4).text.find("100"), std::string::npos);
  EXPECT_FALSE(list->cell(0, 0).background.has_value());
  EXPECT_EQ(list->cell(1, 0).background.value_or(0), buttonFaceColour);
  EXPECT_FALSE(list->cell(2, 3).background.has_value());
  person.press("?Close");
  person.expectFinished();
  entryState().reset();
}

}  // namespace
}  // namespace crvpo::test

// The recalculation window played by the headless driver: Proceed runs it
// and ends with the completion message, Close leaves everything as it was,
// and a run without a transaction says so. The command line's "recalc"
// prints what moved.
#include "crvpo/reconcile/recalc_committed_window.h"

#include <cstdio>
#include <cstdlib>

#include "host/app/demo_company.h"
#include "host/framework/services/global_request.h"
#include "host/framework/ui/headless/headless_driver.h"
#include "tests/crvpo/entry/commitment_fixture.h"

namespace crvpo {
namespace {

using namespace crv;

class RecalcCommittedWindowTest : public test::CommitmentFixture {
 protected:
  void SetUp() override {
    CommitmentFixture::SetUp();
    addCostLine("2401", "06-100M", amt("5.00"));
    const Id order = addOrder("1001");
    jobLine(order, 1, "2401", "06-100M", "10", 5.00);
    insertLine();
  }
};

TEST_F(RecalcCommittedWindowTest, ProceedRebuildsAndClosesAfterTheCompletionMessage) {
  ui::HeadlessDriver ui;
  ui.start(RecalcCommitted, "RecalcCommitted");
  ui.expectWindow("Recalculate Committed Costs");
  EXPECT_EQ(ui.shown("?Intro"),
            "This procedure will recalculate all committed costs to open jobs from currently open Purchase "
            "Orders.");
  EXPECT_EQ(ui.shown("?Percent"), "0%");
  EXPECT_EQ(ui.control("?Progress").progress(), 0);

  ui.press("?Proceed");
  ui.expectMessage("Process Complete", "The recalculation process has been completed.");
  ui.answer("&OK");
  ui.expectFinished();
  EXPECT_EQ(ui.response(), RequestCompleted);
  EXPECT_EQ(committed("2401", "06-100M"), amt("50.00"));
}

TEST_F(RecalcCommittedWindowTest, CloseDoesNothing) {
  ui::HeadlessDriver ui;
  ui.start(RecalcCommitted, "RecalcCommitted");
  ui.press("?Close");
  ui.expectFinished();
  EXPECT_EQ(ui.response(), RequestCancelled);
  EXPECT_EQ(committed("2401", "06-100M"), amt("5.00"));
}

TEST_F(RecalcCommittedWindowTest, TheCompletionMessageSaysWhenThereWasNoTransaction) {
  committed("2401", "06-100M");
  JCC.Committed = amt("50.00");  // already right: the run reads and need not write
  ASSERT_EQ(JCCost.update(), TableStatus::Ok);
  auto other = company->connect();
  ASSERT_FALSE(other->begin(std::chrono::milliseconds(0)).failed());
  ui::HeadlessDriver ui;
  ui.start(RecalcCommitted, "RecalcCommitted");
  ui.press("?Proceed");  // waits the 5 seconds for the other station
  const MessageRequest box = ui.expectMessage("Process Complete");
  other->rollback();
  EXPECT_NE(box.text.find("without a transaction (File Is Already Locked (32))"), std::string::npos)
      << box.text;
  ui.answer("&OK");
  ui.expectFinished();
}

TEST(RecalcCommandTest, PrintsTheProgressAndWhatMoved) {
  crv::test::TempFolder folder;
  createDemoCompany(folder / "demo");
  {
    auto company = Company::open(folder / "demo");
    JCCost.open();
    JCC.JobID = demo::mainJob;
    JCC.CostCode = "06-100M";
    ASSERT_EQ(JCCost.fetch(JCC.KeyJobCodeType), TableStatus::Ok);
    JCC.Committed += Amount(1000);
    ASSERT_EQ(JCCost.update(), TableStatus::Ok);
    JCCost.close();
  }
  const std::string output = (folder / "out.txt").string();
  const std::string command = std::string("ASAN_OPTIONS=detect_leaks=0 ") + CRV_TEST_BIN_DIR +
                              "/crvhost recalc " + (folder / "demo").string() + " > " + output + " 2>&1";
  EXPECT_EQ(std::system(command.c_str()), 0);
  std::FILE* file = std::fopen(output.c_str(), "r");
  ASSERT_NE(file, nullptr);
  std::string text;
  char buffer[4096];
  for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, file)) > 0;) text.append(buffer, n);
  std::fclose(file);
  EXPECT_NE(text.find("Progress: 50%"), std::string::npos) << text;
  EXPECT_NE(text.find("Cost line 2401 06-100M: committed "), std::string::npos) << text;
  EXPECT_NE(text.find("Cost lines: 1 of 33 changed"), std::string::npos) << text;
  EXPECT_NE(text.find("The recalculation process has been completed."), std::string::npos) << text;
}

}  // namespace
}  // namespace crvpo

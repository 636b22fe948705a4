// The recalculation window played by the headless driver: Proceed runs it
// and ends with the completion message, Close leaves everything as it was,
// and while another station writes it waits, saying so, until that station
// is done or the person cancels. The command line's "recalc" prints what
// moved, and gives up after its wait.
#include "crvpo/reconcile/recalc_committed_window.h"

#include "host/app/demo_company.h"
#include "host/framework/services/global_request.h"
#include "host/framework/ui/headless/headless_driver.h"
#include "host/storage/sqlite/sqlite_backend.h"
#include "support/command_run.h"
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

TEST_F(RecalcCommittedWindowTest, WaitsWhileAnotherStationWritesUntilItIsDoneOrCancelled) {
  for (const bool cancel : {true, false}) {
    auto other = company->connect();
    ASSERT_FALSE(other->begin(std::chrono::milliseconds(0)).failed());
    ui::HeadlessDriver ui;
    ui.holdTimers(true);
    ui.start(RecalcCommitted, "RecalcCommitted");
    ui.press("?Proceed");
    ui.runTimer();
    EXPECT_FALSE(ui.isHidden("?Waiting"));
    EXPECT_NE(
        ui.shown("?Waiting").find("Waiting for another station to finish writing (File Is Already Locked"),
        std::string::npos)
        << ui.shown("?Waiting");
    EXPECT_EQ(committed("2401", "06-100M"), amt("5.00")) << "nothing ran without the transaction";
    if (cancel) {
      ui.press("?Cancel");
      ui.expectFinished();
      other->rollback();
      EXPECT_EQ(ui.response(), RequestCancelled);
      EXPECT_EQ(committed("2401", "06-100M"), amt("5.00"));
      continue;
    }
    other->rollback();
    ui.runTimer();
    ui.expectMessage("Process Complete", "The recalculation process has been completed.");
    ui.answer("&OK");
    ui.expectFinished();
    EXPECT_EQ(committed("2401", "06-100M"), amt("50.00"));
  }
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
  const crv::test::CommandRun run =
      crv::test::runCommand(crv::test::crvhost("recalc " + crv::test::quoted(folder / "demo")));
  EXPECT_EQ(run.code, 0);
  const std::string& text = run.output;
  EXPECT_NE(text.find("Progress: 50%"), std::string::npos) << text;
  EXPECT_NE(text.find("Cost line 2401 06-100M: committed "), std::string::npos) << text;
  EXPECT_NE(text.find("Cost lines: 1 of 33 changed"), std::string::npos) << text;
  EXPECT_NE(text.find("The recalculation process has been completed."), std::string::npos) << text;
}

TEST(RecalcCommandTest, GivesUpAfterItsWaitWhileAnotherStationWrites) {
  crv::test::TempFolder folder;
  createDemoCompany(folder / "demo");
  auto other =
      SqliteBackend().open((folder / "demo" / Company::databaseFileName).string(), Company::schema(), false);
  ASSERT_FALSE(other->begin(std::chrono::milliseconds(0)).failed());
  const crv::test::CommandRun run =
      crv::test::runCommand(crv::test::crvhost("recalc " + crv::test::quoted(folder / "demo") + " --wait 2"));
  other->rollback();
  EXPECT_EQ(run.code, 1) << run.output;
  EXPECT_NE(run.output.find("Waiting up to 2 seconds for another station to finish writing"),
            std::string::npos)
      << run.output;
  EXPECT_NE(run.output.find("Gave up after 2 seconds"), std::string::npos) << run.output;
  EXPECT_EQ(run.output.find("Orders:"), std::string::npos) << run.output;
}

}  // namespace
}  // namespace crvpo

// The progress window of a report run: records go in ticks of 25 with the
// percentage shown, and Cancel or Escape stop the run only after the
// questions (sure? preview what was made?). Driven with the timers held so
// the person can act halfway; also through the print entry, where a
// cancelled run shows nothing and leaves no PDF behind.
#include "crvpo/reports/report_progress.h"

#include "crvpo/reports/po_delivery.h"
#include "crvpo/reports/purchase_order_print.h"
#include "host/framework/services/global_request.h"
#include "host/framework/ui/headless/headless_driver.h"
#include "tests/crvpo/reports/print_fixture.h"

namespace crvpo {
namespace {

using namespace crv;

// 100 records, a page for every ten.
class CountingWork final : public ReportWork {
 public:
  std::int64_t records() const override { return 100; }
  bool next() override {
    if (done == 100) return false;
    ++done;
    return true;
  }
  int pages() const override { return done / 10; }
  int done = 0;
};

struct ProgressRun {
  CountingWork work;
  ReportRunEnd end = ReportRunEnd::Finished;
  ui::HeadlessDriver driver;

  void start(bool previewing) {
    driver.holdTimers(true);
    driver.start([this, previewing] { end = runWithProgress(work, previewing, ReportTexts{}); }, "report");
  }
};

TEST(ReportProgress, RunsEveryRecordInTicksWhenLeftAlone) {
  CountingWork work;
  ReportRunEnd end = ReportRunEnd::Abandoned;
  ui::HeadlessDriver driver;
  driver.start([&] { end = runWithProgress(work, true, ReportTexts{}); }, "report");
  driver.expectFinished();
  EXPECT_EQ(end, ReportRunEnd::Finished);
  EXPECT_EQ(work.done, 100);
}

TEST(ReportProgress, CancelAsksAndCanGoOnOrShowThePagesMadeSoFar) {
  ProgressRun run;
  run.start(true);
  run.driver.expectWindow("Generating Report");
  EXPECT_EQ(run.driver.shown("?Progress:PctText"), "0% Completed");
  run.driver.runTimer(2);
  EXPECT_EQ(run.work.done, 2 * recordsPerTick);
  EXPECT_EQ(run.driver.shown("?Progress:PctText"), "50% Completed");
  EXPECT_EQ(run.driver.control("?Progress:Thermometer").progress(), 50);

  // No: the run goes on where it was.
  run.driver.press("?Progress:Cancel");
  run.driver.expectMessage("Question", "Are you sure you want to CANCEL this Report?");
  run.driver.answer("&No");
  run.driver.expectWindow("Generating Report");
  // Yes, then Ignore: still going.
  run.driver.press("?Progress:Cancel");
  run.driver.answer("&Yes");
  run.driver.expectMessage("Question", "Report Cancellation Requested!||Preview Report generated so far?");
  run.driver.answer("&Ignore");
  run.driver.runTimer();
  EXPECT_EQ(run.work.done, 3 * recordsPerTick);
  // Escape cancels like the button; Yes twice shows what was made.
  run.driver.key("Escape");
  run.driver.answer("&Yes");
  run.driver.answer("&Yes");
  run.driver.expectFinished();
  EXPECT_EQ(run.end, ReportRunEnd::Partial);
  EXPECT_EQ(run.work.done, 3 * recordsPerTick);
}

TEST(ReportProgress, CancelAbandonsWhenNotPreviewingOrNoPageExistsOrTheRestIsRefused) {
  for (const bool previewing : {false, true}) {
    ProgressRun run;
    run.start(previewing);
    run.driver.expectWindow(previewing ? "Generating Report" : "Printing Report");
    if (!previewing) run.driver.runTimer();  // pages exist, but printing never offers them
    run.driver.press("?Progress:Cancel");
    run.driver.answer("&Yes");
    run.driver.expectFinished();  // previewing with no page yet: nothing to offer
    EXPECT_EQ(run.end, ReportRunEnd::Abandoned);
  }
  ProgressRun refused;
  refused.start(true);
  refused.driver.runTimer();
  refused.driver.press("?Progress:Cancel");
  refused.driver.answer("&Yes");
  refused.driver.answer("&No");
  refused.driver.expectFinished();
  EXPECT_EQ(refused.end, ReportRunEnd::Abandoned);
}

class PrintProgressTest : public test::PrintFixture {
 protected:
  void SetUp() override {
    test::PrintFixture::SetUp();
    deliveryState() = DeliveryState{};
    GLO.PrintPreview = 1;
    GLO.PreviewZoom = 0;
    addSystems();
    addVendor(10, "Stone Supply");
    poid_ = addOrder("1300");
    addLine(poid_, 1, "BLK", "Concrete block", Amount(10));
    DecimalVariable = Amount(static_cast<std::int64_t>(poid_));
  }
  void TearDown() override {
    GLO.PrintPreview = 0;
    deliveryState() = DeliveryState{};
    test::PrintFixture::TearDown();
  }
  Id poid_ = 0;
};

TEST_F(PrintProgressTest, ACancelledPrintShowsNothingAndLeavesNoFile) {
  ui::HeadlessDriver driver;
  driver.holdTimers(true);
  driver.start([] { PrintPurchaseOrderServer(); }, "PrintPurchaseOrderServer");
  driver.expectWindow("Generating Report");
  driver.press("?Progress:Cancel");
  driver.answer("&Yes");
  driver.expectFinished();
  EXPECT_EQ(driver.response(), crv::RequestCancelled);
  for (const auto& entry : std::filesystem::directory_iterator(folder.path()))
    EXPECT_NE(entry.path().extension(), ".pdf") << entry.path();

  // Left to run, the same order reaches the previewer.
  driver.start([] { PrintPurchaseOrderServer(); }, "PrintPurchaseOrderServer");
  driver.expectWindow("Generating Report");
  driver.runTimer();
  driver.expectWindow("Print Preview");
  EXPECT_EQ(driver.shown("?PageNo"), "Page 1 of 1");
  driver.press("?Close");
  driver.expectFinished();
}

}  // namespace
}  // namespace crvpo

// Printing a committed-cost recalculation.
#include "crvpo/reconcile/recalc_committed_console.h"

#include <chrono>

#include "crvpo/reconcile/committed_cost_recalculation.h"
#include "host/data/company.h"

namespace crvpo {
namespace {

class PrintingObserver final : public RecalcObserver {
 public:
  explicit PrintingObserver(std::ostream& out) : out_(out) {}

  void progress(std::int64_t read, std::int64_t total) override {
    // Every tenth percent keeps the output readable over a long run.
    const int percent = percentOf(read, total) / 10 * 10;
    if (percent == shown_) return;
    shown_ = percent;
    out_ << "Progress: " << percent << "% (" << read << " of " << total << " records)\n";
  }
  void costLineChanged(const CostLineChange& c) override {
    out_ << "Cost line " << c.jobId.view() << " " << c.costCode.view() << ": committed " << c.committedBefore
         << " -> " << c.committedAfter << ", on change orders " << c.coCommittedBefore << " -> "
         << c.coCommittedAfter << "\n";
  }
  void coDetailChanged(const CODetailChange& c) override {
    out_ << "Change-order detail " << c.codId << " (" << c.jobId.view() << " " << c.costCode.view()
         << "): committed " << c.committedBefore << " -> " << c.committedAfter << "\n";
  }
  void orderChanged(const OrderChange& c) override {
    out_ << "Order " << c.poNumber.view() << " (POID " << c.poid << "): quantity reconciled "
         << c.quantityBefore << " -> " << c.quantityAfter << ", amount reconciled " << c.amountBefore
         << " -> " << c.amountAfter << "\n";
  }
  void stopped(const std::string& why) override {
    out_ << "Error: " << why << "\n"
         << "The recalculation was stopped and rolled back: nothing was changed.\n";
  }

 private:
  std::ostream& out_;
  int shown_ = -1;
};

// Takes the recalculation's lock, waiting up to `waitSeconds` a second at a
// time while another station writes.
bool waitForLock(CommittedCostRecalculation& recalculation, int waitSeconds, std::ostream& out) {
  const auto slice = std::chrono::seconds(1);
  if (recalculation.lock(slice)) return true;
  out << "Waiting up to " << waitSeconds << " seconds for another station to finish writing ("
      << recalculation.lockError().describe() << ")...\n";
  for (int waited = 1; waited < waitSeconds; ++waited)
    if (recalculation.lock(slice)) return true;
  out << "Gave up after " << waitSeconds
      << " seconds: another station is still writing. Nothing was changed.\n";
  return false;
}

}  // namespace

int recalcCommittedConsole(std::ostream& out, int waitSeconds) {
  crv::Company* company = crv::Company::current();
  if (!company) {
    out << "No company is open.\n";
    return 1;
  }
  CommittedCostRecalculation recalculation(company->connection());
  if (!waitForLock(recalculation, waitSeconds, out)) return 1;
  PrintingObserver observer(out);
  const RecalcSummary s = recalculation.run(observer);
  if (!s.completed) return 1;
  out << "Cost lines: " << s.costLinesChanged << " of " << s.costLines << " changed\n"
      << "Change-order details: " << s.coDetailsChanged << " of " << s.coDetails << " changed\n"
      << "Orders: " << s.ordersChanged << " of " << s.orders << " changed (" << s.lines << " lines, "
      << s.linesCommitted << " committing)\n"
      << "The recalculation process has been completed.\n";
  return 0;
}

}  // namespace crvpo

int RecalcCommittedConsole(std::ostream* out, int waitSeconds) {
  return crvpo::recalcCommittedConsole(*out, waitSeconds);
}

// Printing a committed-cost recalculation.
#include "crvpo/reconcile/recalc_committed_console.h"

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
  void tableError(const std::string& text) override { out_ << "Error: " << text << "\n"; }

 private:
  std::ostream& out_;
  int shown_ = -1;
};

}  // namespace

int recalcCommittedConsole(std::ostream& out) {
  crv::Company* company = crv::Company::current();
  if (!company) {
    out << "No company is open.\n";
    return 1;
  }
  PrintingObserver observer(out);
  const RecalcSummary s = CommittedCostRecalculation(company->connection()).run(observer);
  if (!s.inTransaction)
    out << "Ran without a transaction: " << s.transactionError.describe()
        << " (another station was writing; its changes during the run may not be counted).\n";
  out << "Cost lines: " << s.costLinesChanged << " of " << s.costLines << " changed\n"
      << "Change-order details: " << s.coDetailsChanged << " of " << s.coDetails << " changed\n"
      << "Orders: " << s.ordersChanged << " of " << s.orders << " changed (" << s.lines << " lines, "
      << s.linesCommitted << " committing)\n";
  if (s.errors > 0) out << "Table errors: " << s.errors << "\n";
  out << "The recalculation process has been completed.\n";
  return s.errors == 0 ? 0 : 1;
}

}  // namespace crvpo

int RecalcCommittedConsole(std::ostream* out) { return crvpo::recalcCommittedConsole(*out); }

// The committed-cost recalculation.
#include "crvpo/reconcile/committed_cost_recalculation.h"

#include <array>
#include <cstring>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "host/data/tables/job_cost_tables.h"
#include "host/data/tables/purchasing_tables.h"
#include "host/framework/table/private_table.h"
#include "host/framework/table/table_steps.h"

namespace crvpo {
namespace {

// A job and cost code as the fetch by KeyJobCodeType compares them: each
// padded to its width.
using CostKey = std::array<char, 24>;

struct CostKeyHash {
  std::size_t operator()(const CostKey& key) const noexcept {
    return std::hash<std::string_view>()(std::string_view(key.data(), key.size()));
  }
};

CostKey costKey(const crv::Text<10>& job, const crv::Text<14>& costCode) {
  CostKey key;
  std::memcpy(key.data(), job.data(), 10);
  std::memcpy(key.data() + 10, costCode.data(), 14);
  return key;
}

struct NewFigures {
  crv::Amount committed;
  crv::Amount coCommitted;
};

// Table errors go to the observer, counted, and the run goes on.
class ErrorCounter final : public crv::StepFailureSink {
 public:
  ErrorCounter(RecalcObserver& observer, RecalcSummary& summary) : observer_(observer), summary_(summary) {}
  void stepFailed(const crv::StepFailure& failure) override {
    ++summary_.errors;
    observer_.tableError(failure.text());
  }

 private:
  RecalcObserver& observer_;
  RecalcSummary& summary_;
};

class Run {
 public:
  Run(crv::Connection& connection, RecalcObserver& observer, RecalcSummary& summary)
      : observer_(observer),
        summary_(summary),
        errors_(observer, summary),
        steps_(errors_),
        costs_(connection),
        details_(connection),
        orders_(connection),
        lines_(connection) {}

  void go() {
    total_ = 2 * (costs_.table.records() + details_.table.records()) + orders_.table.records();
    observer_.progress(0, total_);
    gatherCostLines();
    gatherDetails();
    rebuildOrders();
    writeCostLines();
    writeDetails();
  }

 private:
  void tick() {
    ++read_;
    if (read_ > total_) total_ = read_;
    observer_.progress(read_, total_);
  }

  bool readNext(crv::Table& table) { return steps_.next(table); }

  // The cost line a fetch by job and cost code finds is the first in key
  // order; later duplicates are only cleared.
  void gatherCostLines() {
    costs_.table.set(crv::JCCostRecord::KeyJobCodeType);
    while (readNext(costs_.table)) {
      costIndex_.try_emplace(costKey(costs_.rec.JobID, costs_.rec.CostCode), costIndex_.size());
      tick();
    }
    costFigures_.assign(costIndex_.size(), NewFigures{});
  }

  void gatherDetails() {
    details_.table.set(crv::JCCODRecord::KeyCODID);
    while (readNext(details_.table)) {
      detailFigures_.emplace(details_.rec.CODID, crv::Amount());
      tick();
    }
  }

  // Orders and their lines side by side, both in POID order.
  void rebuildOrders() {
    crv::POMasterRecord& order = orders_.rec;
    crv::PODetailRecord& line = lines_.rec;
    orders_.table.set(crv::POMasterRecord::KeyPOID);
    lines_.table.set(crv::PODetailRecord::KeyPOID);
    bool haveLine = readNext(lines_.table);
    while (readNext(orders_.table)) {
      ++summary_.orders;
      crv::Quantity quantity;
      crv::Amount amount;
      while (haveLine && line.POID < order.POID) haveLine = readNext(lines_.table);
      while (haveLine && line.POID == order.POID) {
        ++summary_.lines;
        quantity += line.QtyInvoiced;
        amount += line.AmountInvoiced;
        commitLine(line);
        haveLine = readNext(lines_.table);
      }
      const crv::Amount quantityAfter = quantity.rescale<crv::Amount::places>();
      if (quantityAfter != order.QuantityReconciled || amount != order.AmountReconciled) {
        OrderChange change{order.POID,    order.PONumber,         order.QuantityReconciled,
                           quantityAfter, order.AmountReconciled, amount};
        order.QuantityReconciled = quantityAfter;
        order.AmountReconciled = amount;
        if (steps_.update(orders_.table)) {
          ++summary_.ordersChanged;
          observer_.orderChanged(change);
        }
      }
      tick();
    }
  }

  void commitLine(const crv::PODetailRecord& line) {
    if (line.Reconciliation == 2 || line.QtyOrdered == line.QtyInvoiced) return;
    if (line.TextFlag != 0 || line.DetailType != "Job") return;
    const auto cost = costIndex_.find(costKey(line.JobID, line.CostCode));
    if (cost == costIndex_.end()) return;
    ++summary_.linesCommitted;
    const crv::Amount open = line.TotalAmount - line.AmountInvoiced;
    NewFigures& figures = costFigures_[cost->second];
    figures.committed += open;
    if (line.CODetailID == 0) return;
    const auto detail = detailFigures_.find(line.CODetailID);
    if (detail == detailFigures_.end()) return;
    detail->second += open;
    figures.coCommitted += open;
  }

  void writeCostLines() {
    std::vector<bool> taken(costFigures_.size(), false);
    crv::JCCostRecord& cost = costs_.rec;
    costs_.table.set(crv::JCCostRecord::KeyJobCodeType);
    while (readNext(costs_.table)) {
      ++summary_.costLines;
      NewFigures figures;
      const std::size_t slot = costIndex_.at(costKey(cost.JobID, cost.CostCode));
      if (!taken[slot]) {
        taken[slot] = true;
        figures = costFigures_[slot];
      }
      if (figures.committed != cost.Committed || figures.coCommitted != cost.COCommitted) {
        CostLineChange change{cost.JobID,        cost.CostCode,    cost.Committed,
                              figures.committed, cost.COCommitted, figures.coCommitted};
        cost.Committed = figures.committed;
        cost.COCommitted = figures.coCommitted;
        if (steps_.update(costs_.table)) {
          ++summary_.costLinesChanged;
          observer_.costLineChanged(change);
        }
      }
      tick();
    }
  }

  void writeDetails() {
    crv::JCCODRecord& detail = details_.rec;
    details_.table.set(crv::JCCODRecord::KeyCODID);
    while (readNext(details_.table)) {
      ++summary_.coDetails;
      const auto found = detailFigures_.find(detail.CODID);
      const crv::Amount after = found == detailFigures_.end() ? crv::Amount() : found->second;
      if (after != detail.Committed) {
        CODetailChange change{detail.CODID, detail.JobID, detail.CostCode, detail.Committed, after};
        detail.Committed = after;
        if (steps_.update(details_.table)) {
          ++summary_.coDetailsChanged;
          observer_.coDetailChanged(change);
        }
      }
      tick();
    }
  }

  RecalcObserver& observer_;
  RecalcSummary& summary_;
  ErrorCounter errors_;
  crv::TableSteps steps_;
  crv::PrivateTable<crv::JCCostRecord> costs_;
  crv::PrivateTable<crv::JCCODRecord> details_;
  crv::PrivateTable<crv::POMasterRecord> orders_;
  crv::PrivateTable<crv::PODetailRecord> lines_;
  std::unordered_map<CostKey, std::size_t, CostKeyHash> costIndex_;
  std::vector<NewFigures> costFigures_;
  std::unordered_map<crv::Id, crv::Amount> detailFigures_;
  std::int64_t total_ = 0;
  std::int64_t read_ = 0;
};

}  // namespace

int percentOf(std::int64_t read, std::int64_t total) {
  if (total <= 0) return 100;
  if (read >= total) return 100;
  return static_cast<int>(read * 100 / total);
}

RecalcSummary CommittedCostRecalculation::run(RecalcObserver& observer) {
  RecalcSummary summary;
  crv::Transaction transaction(*connection_, wait_);
  summary.inTransaction = transaction.started();
  if (!summary.inTransaction) summary.transactionError = transaction.error();
  Run(*connection_, observer, summary).go();
  if (summary.inTransaction && transaction.commit() != crv::TableStatus::Ok) {
    ++summary.errors;
    observer.tableError(transaction.error().describe() + " Committing the recalculation");
  }
  return summary;
}

}  // namespace crvpo

// The committed-cost recalculation.
#include "crvpo/reconcile/committed_cost_recalculation.h"

#include <array>
#include <cstring>
#include <initializer_list>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "crvpo/entry/line_commitment.h"
#include "host/data/tables/job_cost_tables.h"
#include "host/data/tables/purchasing_tables.h"
#include "host/data/tables/suite_tables.h"
#include "host/framework/storage/batch_update.h"
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

// Writes rebuilt figures of one table a group of rows at a time; a failure
// stops the run, naming the table.
class FigureWriter {
 public:
  FigureWriter(crv::Connection& connection, crv::Table& table, crv::TableSteps& steps,
               std::initializer_list<std::string_view> fields)
      : table_(&table),
        steps_(&steps),
        batch_(connection.batchUpdate(table.def(), table.def().layout().indexesOf(fields))) {}

  // The figures the table's buffer holds now, for the row it read last.
  void write() { check(batch_->add({table_->currentRow(), table_->currentVersion()}, table_->buffer())); }
  void finish() { check(batch_->finish()); }

 private:
  void check(const crv::TableError& error) {
    if (error.failed()) steps_->fail(crv::StepFailure{error, crv::TableOp::Saving, table_->name()});
  }

  crv::Table* table_;
  crv::TableSteps* steps_;
  std::unique_ptr<crv::BatchUpdate> batch_;
};

// A line whose amounts do not fit the figures: the run stops with the order
// and line named.
struct OutOfRange {
  std::string text;
};

class Run {
 public:
  enum class Scope { Everything, CommittedCostsOnly };

  Run(crv::Connection& connection, crv::TableSteps& steps, RecalcObserver& observer, RecalcSummary& summary,
      Scope scope = Scope::Everything)
      : scope_(scope),
        connection_(connection),
        observer_(observer),
        summary_(summary),
        steps_(steps),
        costs_(connection),
        details_(connection),
        orders_(connection),
        lines_(connection) {}

  // Each pass reads only the fields it works with, and writes only the
  // figures.
  void go() {
    orders_.table.readOnly({"POID", "PONumber", "QuantityReconciled", "AmountReconciled"});
    readOnlyTheRuleFields(lines_.table);
    costs_.table.readOnly({"JobID", "CostCode", "Committed", "COCommitted"});
    details_.table.readOnly({"CODID", "JobID", "CostCode", "Committed"});
    total_ = 2 * (costs_.table.records() + details_.table.records()) + orders_.table.records();
    observer_.progress(0, total_);
    gatherCostLines();
    gatherDetails();
    rebuildOrders();
    writeCostLines();
    writeDetails();
    rebuilds_ = countRebuild();
  }

  crv::Id rebuilds() const { return rebuilds_; }

 private:
  void tick() {
    ++read_;
    if (read_ > total_) total_ = read_;
    observer_.progress(read_, total_);
  }

  bool readNext(crv::Table& table) { return steps_.next(table); }

  crv::Id countRebuild() {
    crv::PrivateTable<crv::SystemsRecord> systems(connection_);
    systems.table.set(crv::SystemsRecord::KeySystemID);
    if (!readNext(systems.table)) return 0;
    systems.rec.CommitmentsRebuilt += 1;
    steps_.update(systems.table);
    return systems.rec.CommitmentsRebuilt;
  }

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
    FigureWriter writer(connection_, orders_.table, steps_, {"QuantityReconciled", "AmountReconciled"});
    orders_.table.set(crv::POMasterRecord::KeyPOID);
    lines_.table.set(crv::PODetailRecord::KeyPOID);
    bool haveLine = readNext(lines_.table);
    while (readNext(orders_.table)) {
      ++summary_.orders;
      // An order still being entered has a reserved row without a number
      // until its first save, which posts its lines: until then they
      // commit nothing, here as in the running figures.
      const bool saved = !order.PONumber.empty();
      crv::Quantity quantity;
      crv::Amount amount;
      while (haveLine && line.POID < order.POID) haveLine = readNext(lines_.table);
      while (haveLine && line.POID == order.POID) {
        ++summary_.lines;
        try {
          quantity += line.QtyInvoiced;
          amount += line.AmountInvoiced;
          if (saved) commitLine(line);
        } catch (const std::exception& error) {
          throw outOfRange(order, &line, error);
        }
        haveLine = readNext(lines_.table);
      }
      crv::Amount quantityAfter;
      try {
        quantityAfter = quantity.rescale<crv::Amount::places>();
      } catch (const std::exception& error) {
        throw outOfRange(order, nullptr, error);
      }
      if (scope_ == Scope::Everything &&
          (quantityAfter != order.QuantityReconciled || amount != order.AmountReconciled)) {
        OrderChange change{order.POID,    order.PONumber,         order.QuantityReconciled,
                           quantityAfter, order.AmountReconciled, amount};
        order.QuantityReconciled = quantityAfter;
        order.AmountReconciled = amount;
        writer.write();
        ++summary_.ordersChanged;
        observer_.orderChanged(change);
      }
      tick();
    }
    writer.finish();
  }

  static OutOfRange outOfRange(const crv::POMasterRecord& order, const crv::PODetailRecord* line,
                               const std::exception& error) {
    std::string text = "Order " + std::string(crv::clip(order.PONumber.view()));
    if (line)
      text +=
          ", line " + std::to_string(line->SequenceNo) + " (DetailID " + std::to_string(line->DetailID) + ")";
    return {text + ": an amount is out of range (" + error.what() + ")"};
  }

  // What the line commits by the rule every save and deletion posts with.
  void commitLine(const crv::PODetailRecord& line) {
    const std::optional<Commitment> entry = commitmentOf(line, 1.0);
    if (!entry || entry->kind != LineKind::Job || entry->amount.isZero()) return;
    const auto cost = costIndex_.find(costKey(line.JobID, line.CostCode));
    if (cost == costIndex_.end()) return;
    ++summary_.linesCommitted;
    NewFigures& figures = costFigures_[cost->second];
    figures.committed += entry->amount;
    if (entry->coDetailId == 0) return;
    const auto detail = detailFigures_.find(entry->coDetailId);
    if (detail == detailFigures_.end()) return;
    detail->second += entry->amount;
    figures.coCommitted += entry->amount;
  }

  void writeCostLines() {
    std::vector<bool> taken(costFigures_.size(), false);
    crv::JCCostRecord& cost = costs_.rec;
    FigureWriter writer(connection_, costs_.table, steps_, {"Committed", "COCommitted"});
    costs_.table.set(crv::JCCostRecord::KeyJobCodeType);
    while (readNext(costs_.table)) {
      ++summary_.costLines;
      // A cost line the gathering pass did not see (another program added
      // or re-coded it meanwhile) had no lines counted: it is left as it is.
      const auto found = costIndex_.find(costKey(cost.JobID, cost.CostCode));
      if (found == costIndex_.end()) {
        tick();
        continue;
      }
      NewFigures figures;
      const std::size_t slot = found->second;
      if (!taken[slot]) {
        taken[slot] = true;
        figures = costFigures_[slot];
      }
      if (figures.committed != cost.Committed || figures.coCommitted != cost.COCommitted) {
        CostLineChange change{cost.JobID,        cost.CostCode,    cost.Committed,
                              figures.committed, cost.COCommitted, figures.coCommitted};
        cost.Committed = figures.committed;
        cost.COCommitted = figures.coCommitted;
        writer.write();
        ++summary_.costLinesChanged;
        observer_.costLineChanged(change);
      }
      tick();
    }
    writer.finish();
  }

  void writeDetails() {
    crv::JCCODRecord& detail = details_.rec;
    FigureWriter writer(connection_, details_.table, steps_, {"Committed"});
    details_.table.set(crv::JCCODRecord::KeyCODID);
    while (readNext(details_.table)) {
      ++summary_.coDetails;
      const auto found = detailFigures_.find(detail.CODID);
      const crv::Amount after = found == detailFigures_.end() ? crv::Amount() : found->second;
      if (after != detail.Committed) {
        CODetailChange change{detail.CODID, detail.JobID, detail.CostCode, detail.Committed, after};
        detail.Committed = after;
        writer.write();
        ++summary_.coDetailsChanged;
        observer_.coDetailChanged(change);
      }
      tick();
    }
    writer.finish();
  }

  Scope scope_;
  crv::Connection& connection_;
  RecalcObserver& observer_;
  RecalcSummary& summary_;
  crv::TableSteps& steps_;
  crv::PrivateTable<crv::JCCostRecord> costs_;
  crv::PrivateTable<crv::JCCODRecord> details_;
  crv::PrivateTable<crv::POMasterRecord> orders_;
  crv::PrivateTable<crv::PODetailRecord> lines_;
  std::unordered_map<CostKey, std::size_t, CostKeyHash> costIndex_;
  std::vector<NewFigures> costFigures_;
  std::unordered_map<crv::Id, crv::Amount> detailFigures_;
  std::int64_t total_ = 0;
  std::int64_t read_ = 0;
  crv::Id rebuilds_ = 0;
};

}  // namespace

int percentOf(std::int64_t read, std::int64_t total) {
  if (total <= 0) return 100;
  if (read >= total) return 100;
  return static_cast<int>(read * 100 / total);
}

crv::Id committedCostRebuilds(crv::Connection& connection, crv::TableSteps& steps) {
  crv::PrivateTable<crv::SystemsRecord> systems(connection);
  systems.table.set(crv::SystemsRecord::KeySystemID);
  return steps.next(systems.table) ? systems.rec.CommitmentsRebuilt : 0;
}

crv::Id rebuildIfRebuiltSince(crv::Connection& connection, crv::TableSteps& steps,
                              std::optional<crv::Id> seen) {
  const crv::Id rebuilds = committedCostRebuilds(connection, steps);
  if (!seen || *seen == rebuilds) return rebuilds;
  RecalcObserver quiet;
  RecalcSummary summary;
  Run run(connection, steps, quiet, summary, Run::Scope::CommittedCostsOnly);
  try {
    run.go();
  } catch (const OutOfRange& stop) {
    throw std::runtime_error(stop.text);
  }
  return run.rebuilds();
}

bool CommittedCostRecalculation::lock(std::chrono::milliseconds wait) {
  if (transaction_ && transaction_->started()) return true;
  transaction_.emplace(*connection_, wait);
  lockError_ = transaction_->error();
  return transaction_->started();
}

RecalcSummary CommittedCostRecalculation::run(RecalcObserver& observer) {
  RecalcSummary summary;
  std::optional<crv::StepFailure> failure;
  if (!lock()) {
    failure = crv::StepFailure{lockError_, crv::TableOp::Saving, "the recalculation"};
  } else {
    try {
      failure = crv::runAtomically(*transaction_, "the recalculation", crv::TableOp::Saving,
                                   [&](crv::TableSteps& steps) {
                                     Run(*connection_, steps, observer, summary).go();
                                     return true;
                                   });
    } catch (const OutOfRange& stop) {
      summary.failure = stop.text;
    }
  }
  transaction_.reset();
  if (failure) summary.failure = failure->text();
  summary.completed = summary.failure.empty();
  if (!summary.completed) observer.stopped(summary.failure);
  return summary;
}

}  // namespace crvpo

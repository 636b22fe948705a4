// Rebuilding committed costs from scratch: change-order details, a line on
// a change-order detail that is gone, reconciled totals of fully invoiced
// orders, fully reconciled lines, stale figures on cost lines that hold no
// committed cost (cleared now), progress over many records (it moves now),
// a run without a transaction, and table errors that are reported while
// the run goes on.
#include "crvpo/reconcile/committed_cost_recalculation.h"

#include "host/storage/sqlite/sqlite_backend.h"
#include "support/independent_rebuild.h"
#include "tests/crvpo/entry/commitment_fixture.h"

namespace crvpo {
namespace {

using namespace crv;

struct Recorder final : RecalcObserver {
  void progress(std::int64_t read, std::int64_t total) override {
    percents.push_back(percentOf(read, total));
  }
  void costLineChanged(const CostLineChange& change) override { costs.push_back(change); }
  void orderChanged(const OrderChange& change) override { orders.push_back(change); }
  void tableError(const std::string& text) override { errors.push_back(text); }
  std::vector<int> percents;
  std::vector<CostLineChange> costs;
  std::vector<OrderChange> orders;
  std::vector<std::string> errors;
};

class RecalculationTest : public test::CommitmentFixture {
 protected:
  Id addDetail(std::string_view job, std::string_view costCode, Amount committed = {}) {
    JCCOD.clear();
    JCCOD.COID = 1;
    JCCOD.JobID = job;
    JCCOD.CostCode = costCode;
    JCCOD.Committed = committed;
    EXPECT_EQ(JCCODTable.insert(), TableStatus::Ok);
    return JCCOD.CODID;
  }
  Amount detailCommitted(Id codId) {
    JCCOD.CODID = codId;
    EXPECT_EQ(JCCODTable.fetch(JCCOD.KeyCODID), TableStatus::Ok);
    return JCCOD.Committed;
  }
  Amount coCommitted(std::string_view job, std::string_view costCode) {
    committed(job, costCode);
    return JCC.COCommitted;
  }
  RecalcSummary recalc(Recorder& recorder) {
    return CommittedCostRecalculation(company->connection()).run(recorder);
  }
};

TEST_F(RecalculationTest, RebuildsCostLinesChangeOrderDetailsAndReconciledTotals) {
  addCostLine("2401", "03-300M", amt("999.00"), amt("999.00"));
  addCostLine("2401", "03-300S", amt("1.00"));
  const Id detail = addDetail("2401", "03-300M", amt("999.00"));

  const Id open = addOrder("1002");
  jobLine(open, 1, "2401", "03-300M", "10", 100.00);  // 1,000.00 on change order
  POD.CODetailID = detail;
  POD.QtyInvoiced = qty("2");
  POD.AmountInvoiced = amt("210.00");  // invoiced at a different price: 790.00 open
  insertLine();
  jobLine(open, 2, "2401", "03-300S", "5", 20.00);  // 100.00 on a change-order detail that is gone
  POD.CODetailID = 4242;
  insertLine();
  jobLine(open, 3, "2401", "03-300S", "3", 10.00);  // fully reconciled: adds its invoiced values only
  POD.Reconciliation = 2;
  POD.QtyInvoiced = qty("1");
  POD.AmountInvoiced = amt("10.00");
  insertLine();
  jobLine(open, 4, "2401", "03-300S", "4", 10.00);  // all invoiced, amounts differ: commits nothing
  POD.QtyInvoiced = qty("4");
  POD.AmountInvoiced = amt("39.00");
  insertLine();
  inventoryLine(open, 5, "SCR-DECK-3", "7", "7", 1);  // not a job line
  insertLine();

  const Id invoiced = addOrder("1005");
  jobLine(invoiced, 1, "2401", "03-300S", "2", 50.00);
  POD.QtyInvoiced = qty("2.125");
  POD.AmountInvoiced = amt("100.00");
  POD.Reconciliation = 2;
  insertLine();

  Recorder recorder;
  const RecalcSummary summary = recalc(recorder);
  EXPECT_TRUE(summary.inTransaction);
  EXPECT_TRUE(recorder.errors.empty());
  EXPECT_EQ(committed("2401", "03-300M"), amt("790.00"));
  EXPECT_EQ(coCommitted("2401", "03-300M"), amt("790.00"));
  EXPECT_EQ(detailCommitted(detail), amt("790.00"));
  EXPECT_EQ(committed("2401", "03-300S"), amt("100.00"));
  EXPECT_EQ(coCommitted("2401", "03-300S"), Amount()) << "the missing detail adds to Committed only";

  fetchOrder(open);
  EXPECT_EQ(POM.QuantityReconciled, amt("7.00"));
  EXPECT_EQ(POM.AmountReconciled, amt("259.00"));
  fetchOrder(invoiced);
  EXPECT_EQ(POM.QuantityReconciled, amt("2.13"));
  EXPECT_EQ(POM.AmountReconciled, amt("100.00"));
  EXPECT_EQ(summary.ordersChanged, 2);
  EXPECT_EQ(summary.costLinesChanged, 2);

  Recorder again;
  const RecalcSummary second = recalc(again);
  EXPECT_EQ(second.costLinesChanged + second.coDetailsChanged + second.ordersChanged, 0)
      << "a rebuild is stable";
}

TEST_F(RecalculationTest, ClearsChangeOrderFiguresOfCostLinesWithoutCommittedCost) {
  addCostLine("2402", "02-200S", Amount(), amt("6200.00"));
  const Id detail = addDetail("2402", "02-200S", amt("6200.00"));
  addDetail("2999", "01-100L", amt("12.00"));  // a detail without a cost line

  Recorder recorder;
  recalc(recorder);
  EXPECT_EQ(coCommitted("2402", "02-200S"), Amount());
  EXPECT_EQ(detailCommitted(detail), Amount());
  JCCODTable.set(JCCOD.KeyCODID);
  while (JCCODTable.next() == TableStatus::Ok) EXPECT_EQ(JCCOD.Committed, Amount()) << JCCOD.CODID;
  ASSERT_EQ(recorder.costs.size(), 1u);
  EXPECT_EQ(recorder.costs[0].coCommittedBefore, amt("6200.00"));
}

TEST_F(RecalculationTest, ProgressShowsTheShareOfRecordsReadOverManyRecords) {
  for (int i = 0; i < 120; ++i) addCostLine("2401", "C" + std::to_string(1000 + i) + "L");
  for (int i = 0; i < 60; ++i) addOrder(std::to_string(3000 + i));

  Recorder recorder;
  recalc(recorder);
  ASSERT_FALSE(recorder.percents.empty());
  EXPECT_EQ(recorder.percents.front(), 0);
  EXPECT_EQ(recorder.percents.back(), 100);
  EXPECT_TRUE(std::is_sorted(recorder.percents.begin(), recorder.percents.end()));
  EXPECT_GT(std::set<int>(recorder.percents.begin(), recorder.percents.end()).size(), 50u);
}

TEST_F(RecalculationTest, GoesOnWithoutATransactionWhenAnotherStationHoldsOne) {
  addCostLine("2401", "06-100M");
  const Id order = addOrder("1001");
  jobLine(order, 1, "2401", "06-100M", "1", 1);
  POD.Reconciliation = 2;
  insertLine();
  auto other = SqliteBackend().open(company->databaseFile().string(), Company::schema(), false);
  ASSERT_FALSE(other->begin(std::chrono::milliseconds(0)).failed());

  Recorder recorder;
  CommittedCostRecalculation recalculation(company->connection());
  recalculation.setWait(std::chrono::milliseconds(50));
  const RecalcSummary summary = recalculation.run(recorder);
  other->rollback();
  EXPECT_FALSE(summary.inTransaction);
  EXPECT_EQ(summary.transactionError.code, ErrorCode::FileLocked);
  EXPECT_EQ(summary.orders, 1);
  EXPECT_TRUE(recorder.errors.empty());
}

TEST_F(RecalculationTest, AFailedWriteIsReportedAndTheRunGoesOn) {
  addCostLine("2401", "01-100L", amt("7.00"));
  addCostLine("2401", "02-200M", amt("9.00"));
  const Id order = addOrder("1001");
  jobLine(order, 1, "2401", "02-200M", "4", 10.00);
  insertLine();

  Recorder recorder;
  storage.failNth(crv::test::StorageOp::Write, 1, crv::test::Fault::DiskFull, "JCCost");
  const RecalcSummary summary = recalc(recorder);
  storage.disarm();
  EXPECT_EQ(summary.errors, 1);
  ASSERT_EQ(recorder.errors.size(), 1u);
  EXPECT_EQ(recorder.errors[0], "Disk Full: database or disk is full (89) Saving JCCost");
  EXPECT_EQ(committed("2401", "01-100L"), amt("7.00")) << "the failed write";
  EXPECT_EQ(committed("2401", "02-200M"), amt("40.00")) << "written after it";
  EXPECT_EQ(summary.costLinesChanged, 1);

  recalc(recorder);
  EXPECT_EQ(crv::test::figureDifferences(folder.path()), std::vector<std::string>{});
}

TEST_F(RecalculationTest, AFailedCommitIsReported) {
  addCostLine("2401", "01-100L", amt("7.00"));
  Recorder recorder;
  storage.failNth(crv::test::StorageOp::Commit, 1, crv::test::Fault::IoError);
  const RecalcSummary summary = recalc(recorder);
  storage.disarm();
  EXPECT_EQ(summary.errors, 1);
  ASSERT_EQ(recorder.errors.size(), 1u);
  EXPECT_EQ(recorder.errors[0], "disk I/O error (10) Committing the recalculation");
  EXPECT_EQ(committed("2401", "01-100L"), amt("7.00")) << "rolled back";
}

}  // namespace
}  // namespace crvpo

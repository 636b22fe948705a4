// Rebuilding committed costs from scratch: change-order details, a line on
// a change-order detail that is gone, reconciled totals of fully invoiced
// orders, fully reconciled lines, stale figures on cost lines that hold no
// committed cost (cleared now), progress over many records (it moves now);
// a run never goes without its transaction, and any failure (a read, a
// write, the commit, an amount out of range) stops it with nothing written.
#include "crvpo/reconcile/committed_cost_recalculation.h"

#include <limits>
#include <optional>

#include "host/framework/table/private_table.h"
#include "support/independent_rebuild.h"
#include "tests/crvpo/entry/commitment_fixture.h"

namespace crvpo {
namespace {

using namespace crv;

struct Recorder : RecalcObserver {
  void progress(std::int64_t read, std::int64_t total) override {
    percents.push_back(percentOf(read, total));
  }
  void costLineChanged(const CostLineChange& change) override { costs.push_back(change); }
  void orderChanged(const OrderChange& change) override { orders.push_back(change); }
  void stopped(const std::string& why) override { stops.push_back(why); }
  std::vector<int> percents;
  std::vector<CostLineChange> costs;
  std::vector<OrderChange> orders;
  std::vector<std::string> stops;
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
  EXPECT_TRUE(summary.completed);
  EXPECT_TRUE(recorder.stops.empty());
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

TEST_F(RecalculationTest, WaitsForAnotherStationInsteadOfRunningWithoutItsTransaction) {
  addCostLine("2401", "06-100M", amt("5.00"));
  const Id order = addOrder("1001");
  jobLine(order, 1, "2401", "06-100M", "10", 5.00);
  insertLine();
  auto other = company->connect();
  ASSERT_FALSE(other->begin(std::chrono::milliseconds(0)).failed());

  CommittedCostRecalculation recalculation(company->connection());
  EXPECT_FALSE(recalculation.lock(std::chrono::milliseconds(50)));
  EXPECT_EQ(recalculation.lockError().code, ErrorCode::FileLocked);
  other->rollback();
  ASSERT_TRUE(recalculation.lock(std::chrono::milliseconds(50)));
  Recorder recorder;
  EXPECT_TRUE(recalculation.run(recorder).completed);
  EXPECT_EQ(committed("2401", "06-100M"), amt("50.00"));
}

TEST_F(RecalculationTest, AnyFailureStopsTheRunAndWritesNothing) {
  addCostLine("2401", "01-100L", amt("7.00"));
  addCostLine("2401", "02-200M", amt("9.00"));
  const Id first = addOrder("1001");
  jobLine(first, 1, "2401", "02-200M", "4", 10.00);
  insertLine();
  const Id second = addOrder("1002");
  jobLine(second, 1, "2401", "01-100L", "1", 3.00);
  POD.QtyInvoiced = qty("1");
  POD.AmountInvoiced = amt("3.00");
  insertLine();
  jobLine(second, 2, "2401", "02-200M", "1", 1.00);
  POD.TotalAmount = Amount::fromRaw(std::numeric_limits<std::int64_t>::max());
  POD.AmountInvoiced = amt("-1.00");
  const Id outOfRange = insertLine();

  using crv::test::Fault;
  using crv::test::StorageOp;
  struct Case {
    std::optional<StorageOp> op;  // none: the line out of range stops the run
    int nth;
    Fault fault;
    const char* table;
    std::string said;
  };
  const Case cases[] = {
      {std::nullopt, 0, Fault::IoError, "",
       "Order 1002, line 2 (DetailID " + std::to_string(outOfRange) +
           "): an amount is out of range (Decimal: subtraction overflow)"},
      {StorageOp::Read, 2, Fault::IoError, "JCCost", "disk I/O error (10) Reading JCCost"},
      {StorageOp::Read, 2, Fault::IoError, "PODetail", "disk I/O error (10) Reading PODetail"},
      {StorageOp::Write, 1, Fault::DiskFull, "JCCost",
       "Disk Full: database or disk is full (89) Saving JCCost"},
      // The figures of each table are written as a batch of their own,
      // committed inside the run: the orders', the cost lines', the run's.
      {StorageOp::Commit, 1, Fault::IoError, "", "disk I/O error (10) Saving POMaster"},
      {StorageOp::Commit, 3, Fault::IoError, "", "disk I/O error (10) Saving the recalculation"},
  };
  for (const Case& c : cases) {
    if (c.op) {
      fetchLine(outOfRange);
      POD.TotalAmount = amt("1.00");
      POD.AmountInvoiced = Amount();
      ASSERT_EQ(PODetail.update(), TableStatus::Ok);
      storage.failNth(*c.op, c.nth, c.fault, c.table);
    }
    Recorder recorder;
    const RecalcSummary summary = recalc(recorder);
    EXPECT_EQ(storage.fired(), c.op.has_value()) << c.said;
    storage.disarm();
    EXPECT_FALSE(summary.completed) << c.said;
    EXPECT_EQ(recorder.stops, std::vector<std::string>{c.said});
    EXPECT_EQ(committed("2401", "01-100L"), amt("7.00")) << c.said;
    EXPECT_EQ(committed("2401", "02-200M"), amt("9.00")) << c.said;
    fetchOrder(second);
    EXPECT_EQ(POM.AmountReconciled, Amount()) << c.said;
  }
  Recorder recorder;
  EXPECT_TRUE(recalc(recorder).completed);
  EXPECT_EQ(crv::test::figureDifferences(folder.path()), std::vector<std::string>{});
}

// Another program adds a cost line while the run is between its passes
// (an engine without the lock this one takes would allow it).
TEST_F(RecalculationTest, ACostLineAddedDuringTheRunIsLeftAsItIs) {
  addCostLine("2401", "01-100L", amt("7.00"));
  const Id order = addOrder("1001");
  jobLine(order, 1, "2401", "01-100L", "2", 10.00);
  insertLine();
  struct Adding final : Recorder {
    Connection* connection = nullptr;
    bool added = false;
    void orderChanged(const OrderChange& change) override {
      Recorder::orderChanged(change);
      if (added) return;
      added = true;
      PrivateTable<JCCostRecord> line(*connection);
      line.rec.JobID = "2401";
      line.rec.CostCode = "09-900L";
      line.rec.RecordID = JCCostRecord::recordIdFor("2401", "09-900L", 6);
      line.rec.Committed = amt("3.00");
      EXPECT_EQ(line.table.tryInsert(), TableStatus::Ok);
    }
  } adding;
  adding.connection = &company->connection();
  POMaster.set(POM.KeyPOID);
  ASSERT_EQ(POMaster.next(), TableStatus::Ok);
  POM.AmountReconciled = amt("1.00");  // so that the order changes and tells
  ASSERT_EQ(POMaster.update(), TableStatus::Ok);

  EXPECT_TRUE(recalc(adding).completed);
  EXPECT_TRUE(adding.added);
  EXPECT_EQ(committed("2401", "01-100L"), amt("20.00"));
  EXPECT_EQ(committed("2401", "09-900L"), amt("3.00"));
}

}  // namespace
}  // namespace crvpo

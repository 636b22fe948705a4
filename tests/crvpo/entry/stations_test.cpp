// Several stations on one company at once, each a thread with a connection
// of its own: new orders with job lines saved side by side (no number twice,
// none skipped, the counter one past the last, committed costs as a rebuild
// gives them), and a recalculation while another station saves. On both
// engines; the same with separate crvhost processes is in
// tests/host/app/station_processes_test.cpp.
#include <set>
#include <thread>

#include "crvpo/entry/purchase_order_save.h"
#include "crvpo/reconcile/committed_cost_recalculation.h"
#include "host/framework/services/global_request.h"
#include "support/independent_rebuild.h"
#include "tests/crvpo/entry/commitment_fixture.h"

namespace crvpo {
namespace {

using namespace crv;

// One station: its own connection, order and line buffers, and counter.
struct Station {
  Station(const Company& company, int number)
      : connection(company.connect()),
        orders(POMasterRecord::table(), order),
        lines(PODetailRecord::table(), line),
        counter(*connection) {
    connection->setStation("station " + std::to_string(number));
    orders.attach(connection.get());
    orders.open();
    lines.attach(connection.get());
    lines.open();
  }

  // A new order with two job lines, saved as the header form saves it; the
  // number it got, or empty when the save failed.
  std::string saveNewOrder() {
    order.clear();
    if (orders.primeAutoInc() != TableStatus::Ok) return {};
    order.VendorID = 103;
    counter.prime(order);
    for (Id sequence = 1; sequence <= 2; ++sequence) {
      line.clear();
      line.POID = order.POID;
      line.SequenceNo = sequence;
      line.DetailType = "Job";
      line.JobID = "2401";
      line.CostCode = sequence == 1 ? "06-100M" : "09-200M";
      line.QtyOrdered = Quantity(2);
      line.UnitPrice = 5.25;
      line.TotalAmount = *Amount::parse("10.50");
      if (lines.insert() != TableStatus::Ok) return {};
    }
    order.PreTaxAmount = *Amount::parse("21.00");
    order.POAmount = order.PreTaxAmount;
    OpeningCommitments none;
    PurchaseOrderSave save(orders);
    return save.save(InsertRecord, none, &counter).done ? order.PONumber.str() : std::string();
  }

  std::unique_ptr<Connection> connection;
  POMasterRecord order;
  PODetailRecord line;
  Table orders;
  Table lines;
  PONumberCounter counter;
};

class StationsTest : public test::CommitmentFixture {
 protected:
  void SetUp() override {
    CommitmentFixture::SetUp();
    addCostLine("2401", "06-100M");
    addCostLine("2401", "09-200M");
    setCounter(7000);
  }

  std::vector<std::string> saveAtOnce(int stations, int ordersEach) {
    std::vector<std::vector<std::string>> numbers(static_cast<std::size_t>(stations));
    std::vector<std::thread> threads;
    for (int s = 0; s < stations; ++s)
      threads.emplace_back([&, s] {
        Station station(*company, s + 1);
        for (int i = 0; i < ordersEach; ++i)
          numbers[static_cast<std::size_t>(s)].push_back(station.saveNewOrder());
      });
    for (auto& thread : threads) thread.join();
    std::vector<std::string> all;
    for (const auto& list : numbers) all.insert(all.end(), list.begin(), list.end());
    return all;
  }
};

TEST_F(StationsTest, TwoAndEightStationsSavingAtOnceUseEveryNumberOnceAndCommitWhatARebuildGives) {
  crv::Id next = 7000;
  for (const int stations : {2, 8}) {
    const auto numbers = saveAtOnce(stations, 4);
    std::set<std::string> distinct(numbers.begin(), numbers.end());
    std::set<std::string> expected;
    for (std::size_t n = 0; n < numbers.size(); ++n) expected.insert(std::to_string(next + n));
    EXPECT_EQ(distinct, expected) << stations << " stations: every number once, none skipped, none failed";
    next += static_cast<crv::Id>(numbers.size());
    EXPECT_EQ(counter(), next) << "the counter ends one past the last number used";
  }
  EXPECT_EQ(committed("2401", "06-100M"), amt("420.00"));
  EXPECT_EQ(crv::test::figureDifferences(folder.path()), std::vector<std::string>{});
}

TEST_F(StationsTest, ARecalculationWhileAnotherStationSavesLeavesTheFiguresARebuildGives) {
  saveAtOnce(1, 3);
  addCostLine("2401", "03-300M", amt("999.00"));  // a stale figure for the recalculation to mend
  std::vector<std::string> saved;
  RecalcSummary summary;
  std::thread saving([&] {
    Station station(*company, 2);
    for (int i = 0; i < 6; ++i) saved.push_back(station.saveNewOrder());
  });
  std::thread recalculating([&] {
    auto connection = company->connect();
    RecalcObserver quiet;
    summary = CommittedCostRecalculation(*connection).run(quiet);
  });
  saving.join();
  recalculating.join();

  EXPECT_TRUE(summary.completed) << summary.failure;
  EXPECT_EQ(std::count(saved.begin(), saved.end(), std::string()), 0) << "every save went through";
  EXPECT_EQ(committed("2401", "03-300M"), Amount());
  EXPECT_EQ(crv::test::figureDifferences(folder.path()), std::vector<std::string>{});
}

}  // namespace
}  // namespace crvpo

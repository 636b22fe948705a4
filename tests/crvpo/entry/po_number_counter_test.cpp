// Order numbers from the company counter: priming, a number taken by
// another station before OK, a retyped number, and several stations
// saving new orders at once on connections of their own.
#include "crvpo/entry/po_number_counter.h"

#include <set>
#include <thread>

#include "crvpo/entry/purchase_order_save.h"
#include "host/framework/services/global_request.h"
#include "host/storage/sqlite/sqlite_backend.h"
#include "tests/crvpo/entry/commitment_fixture.h"

namespace crvpo {
namespace {

using namespace crv;

// One station: its own connection to the company and its own order buffer.
struct Station {
  explicit Station(const Company& company)
      : connection(SqliteBackend().open(company.databaseFile().string(), Company::schema(), false)),
        orders(POMasterRecord::table(), order),
        counter(*connection) {
    orders.attach(connection.get());
    orders.open();
  }

  void prime() {
    order.clear();
    ASSERT_EQ(orders.primeAutoInc(), TableStatus::Ok);
    order.VendorID = 103;
    counter.prime(order);
  }

  OperationOutcome ok() {
    OpeningCommitments none;
    return PurchaseOrderSave(orders).save(InsertRecord, none, &counter);
  }

  std::unique_ptr<Connection> connection;
  POMasterRecord order;
  Table orders;
  PONumberCounter counter;
};

class PONumberCounterTest : public test::CommitmentFixture {};

TEST_F(PONumberCounterTest, PrimingGivesTheCounterAsDigitsAndLeavesItWhereItIs) {
  setCounter(1024);
  PONumberCounter numbers(company->connection());
  POM.clear();
  EXPECT_EQ(numbers.prime(POM), 1024u);
  EXPECT_EQ(POM.PONumber.str(), "1024");
  EXPECT_EQ(counter(), 1024u);

  setCounter(0);
  EXPECT_EQ(numbers.prime(POM), 0u);
  EXPECT_EQ(POM.PONumber.str(), "");

  setCounter(1024, 0);
  POM.PONumber = "typed";
  EXPECT_EQ(numbers.prime(POM), 0u);
  EXPECT_EQ(POM.PONumber.str(), "typed") << "without automatic numbers the user types the number";
}

TEST_F(PONumberCounterTest, ANumberTakenMeanwhileIsReplacedAfterTheMessageAndTheCounterMovesPastIt) {
  setCounter(1024);
  Station first(*company);
  Station second(*company);
  first.prime();
  second.prime();
  EXPECT_EQ(first.order.PONumber.str(), "1024");
  EXPECT_EQ(second.order.PONumber.str(), "1024");

  const OperationOutcome firstSaved = first.ok();
  ASSERT_TRUE(firstSaved.done);
  EXPECT_TRUE(firstSaved.notices.empty());
  const OperationOutcome secondSaved = second.ok();
  ASSERT_TRUE(secondSaved.done);

  const auto& told = secondSaved.notices;
  ASSERT_EQ(told.size(), 1u);
  EXPECT_EQ(told[0].title, "Purchase Order Number Change");
  EXPECT_EQ(told[0].text,
            "The automatically assigned Purchase Order Number will be changed |from 1024 to 1025.");
  EXPECT_EQ(told[0].icon, Icon::Information);
  EXPECT_EQ(second.order.PONumber.str(), "1025");
  EXPECT_EQ(counter(), 1026u);

  fetchOrder(second.order.POID);
  EXPECT_EQ(POM.PONumber.str(), "1025");
  EXPECT_EQ(POM.SortPONumber.str(), "1025");
}

TEST_F(PONumberCounterTest, ARetypedNumberLeavesTheCounterAlone) {
  setCounter(1024);
  Station station(*company);
  station.prime();
  station.order.PONumber = "J-2401-7";
  ASSERT_TRUE(station.ok().done);
  EXPECT_EQ(counter(), 1024u);
  EXPECT_TRUE(messages.shown().empty());
}

TEST_F(PONumberCounterTest, AFailedSaveLeavesTheCounterAndTheNumberForTheNextTry) {
  setCounter(1024);
  Station station(*company);
  station.prime();
  auto blocker = SqliteBackend().open(company->databaseFile().string(), Company::schema(), false);
  ASSERT_FALSE(blocker->begin(std::chrono::milliseconds(0)).failed());
  OpeningCommitments none;
  PurchaseOrderSave save(station.orders);
  save.setWait(std::chrono::milliseconds(50));
  EXPECT_FALSE(save.save(InsertRecord, none, &station.counter).done);
  blocker->rollback();
  EXPECT_EQ(counter(), 1024u);

  ASSERT_TRUE(station.ok().done);
  EXPECT_EQ(station.order.PONumber.str(), "1024");
  EXPECT_EQ(counter(), 1025u);
}

TEST_F(PONumberCounterTest, StationsSavingAtOnceNeverShareANumber) {
  setCounter(5000);
  constexpr int stations = 4;
  constexpr int ordersEach = 8;
  std::vector<std::vector<std::string>> numbers(stations);
  std::vector<std::thread> threads;
  for (int s = 0; s < stations; ++s)
    threads.emplace_back([&, s] {
      Station station(*company);
      for (int i = 0; i < ordersEach; ++i) {
        station.prime();
        if (station.ok().done) numbers[s].push_back(station.order.PONumber.str());
      }
    });
  for (auto& thread : threads) thread.join();

  std::set<std::string> distinct;
  std::size_t saved = 0;
  for (const auto& list : numbers) {
    saved += list.size();
    distinct.insert(list.begin(), list.end());
  }
  EXPECT_EQ(saved, std::size_t{stations * ordersEach});
  EXPECT_EQ(distinct.size(), saved) << "two orders got the same number";
  EXPECT_EQ(counter(), 5000u + saved) << "the counter ends one past the last number used";
  std::set<std::string> expected;
  for (std::size_t n = 0; n < saved; ++n) expected.insert(std::to_string(5000 + n));
  EXPECT_EQ(distinct, expected) << "numbers are used without gaps";
}

}  // namespace
}  // namespace crvpo

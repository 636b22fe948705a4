// What every storage engine must do alike, run on both: key order of plain
// and case-insensitive text, readings that cross many pages, auto-numbers,
// row versions, batch updates of a few fields, failed writes inside a
// transaction, and schema versions with their migrations.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "host/data/tables/payables_tables.h"
#include "host/data/tables/purchasing_tables.h"
#include "host/framework/storage/batch_update.h"
#include "host/framework/table/transaction.h"
#include "support/temp_folder.h"
#include "support/test_engine.h"

namespace crv {
namespace {

class StorageEngineTest : public ::testing::Test {
 protected:
  void SetUp() override {
    company = test::openTestCompany(folder.path());
    for (Table* table : {&APVendor, &POMaster, &PODetail}) table->open();
  }
  void TearDown() override { company.reset(); }

  void addVendor(Id id, std::string_view name) {
    APV.clear();
    APV.VendorID = id;
    APV.VendorName = name;
    ASSERT_EQ(APVendor.insert(), TableStatus::Ok);
  }

  Id addOrder(std::string_view number) {
    POM.clear();
    POM.PONumber = number;
    EXPECT_EQ(POMaster.insert(), TableStatus::Ok);
    return POM.POID;
  }

  // Another station: a connection of its own and a POMaster buffer on it.
  struct OtherStation {
    std::unique_ptr<Connection> connection;
    POMasterRecord rec;
    Table table{POMasterRecord::table(), rec};
  };
  std::unique_ptr<OtherStation> otherStation(const std::string& name) {
    auto other = std::make_unique<OtherStation>();
    other->connection = company->connect();
    other->connection->setStation(name);
    other->table.attach(other->connection.get());
    other->table.open();
    return other;
  }

  test::TempFolder folder;
  std::unique_ptr<Company> company;
};

// Case-insensitive keys fold A to Z only and otherwise compare bytes; rows
// that compare equal follow the order they were added in. Plain text keys
// compare bytes, so capitals come first.
TEST_F(StorageEngineTest, TextKeysOrderByteWiseAndCaseInsensitiveKeysFoldOnlyAsciiLetters) {
  const std::vector<std::string> names = {"beta",  "Alpha",    "alpha",        "ALPHA2",  "Zeta",
                                          "_mark", "[bracket", "\xc3\xa9mile", "10 Main", "9 Main"};
  Id id = 100;
  for (const auto& name : names) addVendor(++id, name);
  std::vector<std::string> byName;
  APVendor.set(APVendorRecord::KeyVendorName);
  while (APVendor.next() == TableStatus::Ok) byName.push_back(APV.VendorName.str());
  EXPECT_EQ(byName, (std::vector<std::string>{"10 Main", "9 Main", "[bracket", "_mark", "Alpha", "alpha",
                                              "ALPHA2", "beta", "Zeta", "\xc3\xa9mile"}));

  APV.clear();
  APV.VendorName = "aLPHA";
  ASSERT_EQ(APVendor.fetch(APVendorRecord::KeyVendorName), TableStatus::Ok);
  EXPECT_EQ(APV.VendorID, 102u) << "the first of the equal names";

  for (const char* number : {"b-1", "B-2", "a-3", "A-4"}) addOrder(number);
  std::vector<std::string> byNumber;
  POMaster.set(POM.KeyPONumber);
  while (POMaster.next() == TableStatus::Ok) byNumber.push_back(POM.PONumber.str());
  EXPECT_EQ(byNumber, (std::vector<std::string>{"A-4", "B-2", "a-3", "b-1"}));
}

// Long readings cross the backend's pages; rows with equal keys straddle the
// page edges, and the rows are updated as they are read.
TEST_F(StorageEngineTest, LongReadingsSeeEveryRowOnceInKeyOrderBothWays) {
  {
    Transaction transaction(POMaster);
    for (int i = 0; i < 300; ++i) addOrder(i % 3 == 0 ? "B" : i % 3 == 1 ? "A" : "C");
    ASSERT_EQ(transaction.commit(), TableStatus::Ok);
  }
  auto readAll = [](bool backwards, bool touch) {
    std::vector<std::pair<std::string, Id>> rows;
    POMaster.set(POM.KeyPONumber);
    while ((backwards ? POMaster.previous() : POMaster.next()) == TableStatus::Ok) {
      rows.emplace_back(POM.PONumber.str(), POM.POID);
      if (touch) {
        POM.ShipVia = "read";
        EXPECT_EQ(POMaster.update(), TableStatus::Ok);
      }
    }
    return rows;
  };
  std::vector<std::pair<std::string, Id>> forward;
  {
    Transaction transaction(POMaster);
    forward = readAll(false, true);
    ASSERT_EQ(transaction.commit(), TableStatus::Ok);
  }
  ASSERT_EQ(forward.size(), 300u);
  for (std::size_t i = 1; i < forward.size(); ++i) ASSERT_LT(forward[i - 1], forward[i]) << "at row " << i;
  auto backward = readAll(true, false);
  std::reverse(backward.begin(), backward.end());
  EXPECT_EQ(backward, forward);

  POM.PONumber = "B";
  POMaster.setRange(POM.KeyPONumber, 1);
  int inRange = 0;
  while (POMaster.next() == TableStatus::Ok) {
    EXPECT_EQ(POM.ShipVia, "read");
    ++inRange;
  }
  EXPECT_EQ(inRange, 100);
}

TEST_F(StorageEngineTest, AGivenNumberMovesTheCounterOnAndNumbersAreNeverHandedOutTwice) {
  addOrder("first");
  POM.clear();
  POM.POID = 500;
  ASSERT_EQ(POMaster.insert(), TableStatus::Ok);
  const Id next = addOrder("after");
  EXPECT_EQ(next, 501u);
  ASSERT_EQ(POMaster.remove(), TableStatus::Ok);
  EXPECT_EQ(addOrder("later"), 502u);

  POM.clear();
  POM.POID = 500;
  EXPECT_EQ(POMaster.tryInsert(), TableStatus::DuplicateKey);
}

TEST_F(StorageEngineTest, AnUpdateOverARowWrittenSinceItWasReadIsRefusedAndNamesTheStation) {
  company->connection().setStation("ADM on desk-1");
  const Id order = addOrder("PO-1");

  auto other = otherStation("JMS on desk-2");
  POMasterRecord& theirs = other->rec;
  Table& theirTable = other->table;
  theirs.POID = order;
  ASSERT_EQ(theirTable.fetch(POMasterRecord::KeyPOID), TableStatus::Ok);

  POM.POID = order;
  ASSERT_EQ(POMaster.fetch(POM.KeyPOID), TableStatus::Ok);
  POM.ShipVia = "ours";
  ASSERT_EQ(POMaster.update(), TableStatus::Ok);

  theirs.Terms = "theirs";
  EXPECT_EQ(theirTable.tryUpdate(), TableStatus::Failed);
  EXPECT_EQ(theirTable.lastError().code, ErrorCode::RecordChanged);
  EXPECT_EQ(theirTable.lastError().changedBy, "ADM on desk-1");

  ASSERT_EQ(theirTable.reread(), TableStatus::Ok);
  EXPECT_EQ(theirs.ShipVia, "ours");
  theirs.Terms = "theirs";
  ASSERT_EQ(theirTable.tryUpdate(), TableStatus::Ok);
  ASSERT_EQ(POMaster.reread(), TableStatus::Ok);
  EXPECT_EQ(POM.ShipVia, "ours");
  EXPECT_EQ(POM.Terms, "theirs");

  // A write rolled back with its transaction leaves the row as it was: the
  // same buffer may write again, and a station writing after the rollback
  // still stops it.
  for (const char* then : {"", "theirs after the rollback"}) {
    SCOPED_TRACE(then);
    {
      Transaction undone(POMaster);
      POM.ShipVia = "undone";
      ASSERT_EQ(POMaster.update(), TableStatus::Ok);
    }
    POM.ShipVia = "again";
    if (*then == '\0') {
      EXPECT_EQ(POMaster.tryUpdate(), TableStatus::Ok);
      continue;
    }
    ASSERT_EQ(theirTable.reread(), TableStatus::Ok);
    theirs.Terms = "later";
    ASSERT_EQ(theirTable.tryUpdate(), TableStatus::Ok);
    EXPECT_EQ(POMaster.tryUpdate(), TableStatus::Failed);
    EXPECT_EQ(POMaster.lastError().code, ErrorCode::RecordChanged);
  }
}

// A failed write inside a transaction does not spoil it: the batch reports
// it and carries on, and what it wrote before and after is committed.
TEST_F(StorageEngineTest, AFailedWriteInsideATransactionLeavesTheRestOfItToCommit) {
  const Id taken = addOrder("taken");
  {
    Transaction transaction(POMaster);
    ASSERT_TRUE(transaction.started());
    addOrder("before");
    POM.clear();
    POM.POID = taken;
    EXPECT_EQ(POMaster.tryInsert(), TableStatus::DuplicateKey);
    addOrder("after");
    ASSERT_EQ(transaction.commit(), TableStatus::Ok);
  }
  EXPECT_EQ(POMaster.records(), 3);
}

// A pass that reads a few fields and writes a few back: the narrowed read
// leaves the other fields of the buffer alone and cannot be written back
// whole; the batch writes only its fields, over more rows than one group,
// and a row another station wrote meanwhile fails the whole batch.
TEST_F(StorageEngineTest, ABatchUpdateWritesOnlyItsFieldsOverTheVersionsReadAndIsAllOrNothing) {
  constexpr Id orders = 1100;
  {
    Transaction transaction(POMaster);
    for (Id i = 1; i <= orders; ++i) addOrder("PO-" + std::to_string(i));
    ASSERT_EQ(transaction.commit(), TableStatus::Ok);
  }
  // Reads every order narrowed, lets `meanwhile` run, then writes each
  // order's AmountReconciled as `cents` times its POID.
  auto rewrite = [&](std::int64_t cents, const std::function<void()>& meanwhile) {
    std::vector<std::pair<RowRef, Id>> read;
    POMaster.readOnly({"AmountReconciled"});
    POMaster.set(POM.KeyPOID);
    POM.PONumber = "not read";
    while (POMaster.next() == TableStatus::Ok) {
      EXPECT_EQ(POM.PONumber, "not read");
      read.push_back({{POMaster.currentRow(), POMaster.currentVersion()}, POM.POID});
    }
    EXPECT_EQ(POMaster.tryUpdate(), TableStatus::Failed) << "a narrowed row written back whole";
    POMaster.readOnly({});
    meanwhile();
    auto batch = company->connection().batchUpdate(POMaster.def(),
                                                   POMaster.def().layout().indexesOf({"AmountReconciled"}));
    for (const auto& [row, poid] : read) {
      POM.PONumber = "not written";
      POM.AmountReconciled = Amount::fromRaw(cents * static_cast<std::int64_t>(poid));
      if (const TableError added = batch->add(row, POM); added.failed()) return added;
    }
    return batch->finish();
  };
  ASSERT_FALSE(rewrite(1, [] {}).failed());

  auto other = otherStation("JMS on desk-2");
  const TableError stale = rewrite(2, [&] {
    other->rec.POID = 700;
    ASSERT_EQ(other->table.fetch(POMasterRecord::KeyPOID), TableStatus::Ok);
    other->rec.Terms = "theirs";
    ASSERT_EQ(other->table.tryUpdate(), TableStatus::Ok);
  });
  EXPECT_EQ(stale.code, ErrorCode::RecordChanged);
  EXPECT_EQ(stale.changedBy, "JMS on desk-2");

  POMaster.set(POM.KeyPOID);
  Id seen = 0;
  while (POMaster.next() == TableStatus::Ok) {
    ++seen;
    EXPECT_EQ(POM.AmountReconciled, Amount::fromRaw(static_cast<std::int64_t>(POM.POID))) << POM.POID;
    EXPECT_EQ(POM.PONumber, "PO-" + std::to_string(POM.POID));
  }
  EXPECT_EQ(seen, orders);
}

TEST_F(StorageEngineTest, MigrationsRunOnceWhenAnOlderDataVersionOpensAndANewerOneIsRefused) {
  company.reset();
  int runs = 0;
  SchemaInfo next = Company::schema();
  next.version = Company::schemaVersion + 1;
  next.migrations.push_back({next.version, "count the runs", [&](Connection&) {
                               ++runs;
                               return TableError{};
                             }});
  CompanyStorage storage(folder.path());
  storage.open(next, false);
  // Opening a company that is laid out already says nothing.
  testing::internal::CaptureStderr();
  storage.open(next, false);
  EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
  EXPECT_EQ(runs, 1);
  try {
    Company::open(folder.path());
    FAIL() << "opened a newer company";
  } catch (const StorageOpenError& error) {
    EXPECT_NE(std::string(error.what()).find("newer version"), std::string::npos) << error.what();
  }
}

}  // namespace
}  // namespace crv

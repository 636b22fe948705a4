// Table access over the SQLite backend: key order, partial keys, positions,
// auto-numbers, aliases, relation-aware deletion and transactions.
#include "host/framework/table/table.h"

#include <gtest/gtest.h>

#include <chrono>
#include <fstream>
#include <vector>

#include "host/data/company.h"
#include "host/data/tables/purchasing_tables.h"
#include "host/framework/table/relation_manager.h"
#include "host/framework/table/transaction.h"
#include "host/storage/sqlite/sqlite_backend.h"
#include "support/temp_folder.h"
#include "support/test_engine.h"

namespace crv {
namespace {

class TableTest : public ::testing::Test {
 protected:
  void SetUp() override {
    company = test::openTestCompany(folder.path());
    POMaster.open();
    POMasterAlias.open();
    PODetail.open();
  }
  void TearDown() override { company.reset(); }

  Id addOrder(std::string_view number, Id vendor, Flag reconciled = 0) {
    POM.clear();
    POM.PONumber = number;
    POM.VendorID = vendor;
    POM.Reconciled = reconciled;
    POM.RecTF = reconciled == 2;
    POM.SortPONumber = reconciled == 2 ? std::string_view() : number;
    POM.SortVendorID = reconciled == 2 ? 0 : vendor;
    EXPECT_EQ(POMaster.insert(), TableStatus::Ok);
    return POM.POID;
  }

  void addLine(Id order, Id sequence, std::string_view description) {
    POD.clear();
    POD.POID = order;
    POD.SequenceNo = sequence;
    POD.Description = description;
    EXPECT_EQ(PODetail.insert(), TableStatus::Ok);
  }

  std::vector<std::string> numbersInOrder(Table& table, const KeyDef& key) {
    std::vector<std::string> numbers;
    table.set(key);
    while (table.next() == TableStatus::Ok)
      numbers.push_back(static_cast<POMasterRecord&>(table.buffer()).PONumber.str());
    return numbers;
  }

  test::TempFolder folder;
  std::unique_ptr<Company> company;
};

TEST_F(TableTest, TextKeysOrderAndFindWithoutTrailingSpaces) {
  addOrder("PO-3", 1);
  addOrder("PO-1", 1);
  addOrder("PO-2", 2);
  EXPECT_EQ(numbersInOrder(POMaster, POM.KeyPONumber), (std::vector<std::string>{"PO-1", "PO-2", "PO-3"}));

  POM.clear();
  POM.PONumber = "PO-2     ";
  ASSERT_EQ(POMaster.fetch(POM.KeyPONumber), TableStatus::Ok);
  EXPECT_EQ(POM.VendorID, 2u);

  POM.PONumber = "PO-9";
  EXPECT_EQ(POMaster.fetch(POM.KeyPONumber), TableStatus::NotFound);
  EXPECT_EQ(POMaster.lastError().code, ErrorCode::RecordNotFound);
}

TEST_F(TableTest, FullyReconciledOrderIsLeftOutOfTheSortKeysOnly) {
  addOrder("PO-1", 7);
  addOrder("PO-2", 8, 2);
  addOrder("PO-3", 9, 1);
  EXPECT_EQ(numbersInOrder(POMaster, POM.KeySortPONumber), (std::vector<std::string>{"PO-1", "PO-3"}));
  EXPECT_EQ(numbersInOrder(POMaster, POM.KeySortVendorID), (std::vector<std::string>{"PO-1", "PO-3"}));
  EXPECT_EQ(numbersInOrder(POMaster, POM.KeyPONumber), (std::vector<std::string>{"PO-1", "PO-2", "PO-3"}));

  POM.clear();
  POM.SortPONumber = "";
  EXPECT_EQ(POMaster.fetch(POM.KeySortPONumber), TableStatus::NotFound);
}

TEST_F(TableTest, SetFromReadsForwardAndBackwardFromAPosition) {
  for (const char* number : {"A", "B", "C", "D"}) addOrder(number, 1);
  POM.PONumber = "B";
  POMaster.setFrom(POM.KeyPONumber);
  ASSERT_EQ(POMaster.next(), TableStatus::Ok);
  EXPECT_EQ(POM.PONumber, "B");
  ASSERT_EQ(POMaster.next(), TableStatus::Ok);
  EXPECT_EQ(POM.PONumber, "C");

  POM.PONumber = "C";
  POMaster.setFrom(POM.KeyPONumber);
  std::vector<std::string> backwards;
  while (POMaster.previous() == TableStatus::Ok) backwards.push_back(POM.PONumber.str());
  EXPECT_EQ(backwards, (std::vector<std::string>{"C", "B", "A"}));
  EXPECT_EQ(POMaster.previous(), TableStatus::EndOfFile);
}

TEST_F(TableTest, EqualKeysAreReadOnceEachEvenWhenRowsAreUpdatedWhileReading) {
  for (int i = 0; i < 5; ++i) addOrder("SAME", 3);
  addOrder("OTHER", 4);
  int seen = 0;
  POMaster.set(POM.KeyPONumber);
  while (POMaster.next() == TableStatus::Ok) {
    ++seen;
    POM.TaxAmount = POM.TaxAmount + Amount::fromRaw(100);
    ASSERT_EQ(POMaster.update(), TableStatus::Ok);
  }
  EXPECT_EQ(seen, 6);
  POMaster.set(POM.KeyPOID);
  while (POMaster.next() == TableStatus::Ok) EXPECT_EQ(POM.TaxAmount.raw(), 100);
}

TEST_F(TableTest, SetAfterARowContinuesAmongEqualKeysWithoutSkippingOrRepeating) {
  std::vector<Id> ids;
  for (int i = 0; i < 4; ++i) ids.push_back(addOrder("SAME", 1));
  addOrder("LATER", 1);
  addOrder("EARLY", 1);
  POM.PONumber = "SAME";
  POMaster.setAfter(POM.KeyPONumber, ids[1]);
  std::vector<std::string> after;
  while (POMaster.next() == TableStatus::Ok) after.push_back(POM.PONumber.str() + std::to_string(POM.POID));
  EXPECT_EQ(after,
            (std::vector<std::string>{"SAME" + std::to_string(ids[2]), "SAME" + std::to_string(ids[3])}));

  POM.PONumber = "SAME";
  POMaster.setAfter(POM.KeyPONumber, ids[1]);
  std::vector<std::string> before;
  while (POMaster.previous() == TableStatus::Ok) before.push_back(POM.PONumber.str());
  EXPECT_EQ(before, (std::vector<std::string>{"SAME", "LATER", "EARLY"}));
}

TEST_F(TableTest, RangeLimitsReadingToTheLinesOfOneOrder) {
  const Id first = addOrder("PO-1", 1);
  const Id second = addOrder("PO-2", 1);
  addLine(first, 2, "second line");
  addLine(second, 1, "other order");
  addLine(first, 1, "first line");
  POD.POID = first;
  PODetail.setRange(POD.KeyPOID, 1);
  std::vector<std::string> lines;
  while (PODetail.next() == TableStatus::Ok) lines.push_back(POD.Description.str());
  EXPECT_EQ(lines, (std::vector<std::string>{"first line", "second line"}));
}

TEST_F(TableTest, PrimingReservesTheNumberAndInsertCompletesThatRow) {
  const Id before = addOrder("PO-1", 1);
  POM.clear();
  ASSERT_EQ(POMaster.primeAutoInc(), TableStatus::Ok);
  const Id primed = POM.POID;
  EXPECT_GT(primed, before);

  // Another station numbering an order now gets a later number.
  POM1.clear();
  POM1.PONumber = "OTHER";
  ASSERT_EQ(POMasterAlias.insert(), TableStatus::Ok);
  EXPECT_GT(POM1.POID, primed);

  POM.PONumber = "PO-2";
  ASSERT_EQ(POMaster.insert(), TableStatus::Ok);
  EXPECT_EQ(POM.POID, primed);
  EXPECT_EQ(POMaster.records(), 3);

  POM.clear();
  ASSERT_EQ(POMaster.primeAutoInc(), TableStatus::Ok);
  const Id cancelled = POM.POID;
  EXPECT_EQ(POMaster.records(), 4);
  ASSERT_EQ(POMaster.cancelAutoInc(), TableStatus::Ok);
  EXPECT_EQ(POMaster.records(), 3);
  EXPECT_GT(addOrder("PO-3", 1), cancelled) << "numbers are never handed out twice";
}

TEST_F(TableTest, AliasBufferReadsWithoutDisturbingTheMainBuffer) {
  addOrder("PO-1", 1);
  addOrder("PO-2", 2);
  POM.PONumber = "PO-1";
  ASSERT_EQ(POMaster.fetch(POM.KeyPONumber), TableStatus::Ok);
  POM.ShipToName = "edited, not saved";

  POM1.PONumber = "PO-2";
  ASSERT_EQ(POMasterAlias.fetch(POM1.KeyPONumber), TableStatus::Ok);
  EXPECT_EQ(POM1.VendorID, 2u);
  EXPECT_EQ(POM.PONumber, "PO-1");
  EXPECT_EQ(POM.ShipToName, "edited, not saved");

  ASSERT_EQ(POMaster.update(), TableStatus::Ok) << "the main buffer still writes its own row";
  POM1.PONumber = "PO-1";
  ASSERT_EQ(POMasterAlias.fetch(POM1.KeyPONumber), TableStatus::Ok);
  EXPECT_EQ(POM1.ShipToName, "edited, not saved");
}

TEST_F(TableTest, DeletingAnOrderThroughTheRelationsTakesItsLinesOnly) {
  const Id first = addOrder("PO-1", 1);
  const Id second = addOrder("PO-2", 1);
  addLine(first, 1, "a");
  addLine(first, 2, "b");
  addLine(second, 1, "c");
  POM.POID = first;
  ASSERT_EQ(POMaster.fetch(POM.KeyPOID), TableStatus::Ok);
  ASSERT_EQ(RelationManager::removeWithDependents(POMaster), TableStatus::Ok);
  EXPECT_EQ(POMaster.records(), 1);
  EXPECT_EQ(PODetail.records(), 1);
  POD.POID = second;
  POD.SequenceNo = 1;
  EXPECT_EQ(PODetail.fetch(POD.KeyPOID), TableStatus::Ok);
}

TEST_F(TableTest, RolledBackTransactionLeavesEveryRowAsItWas) {
  addOrder("PO-1", 1);
  {
    Transaction transaction(POMaster);
    ASSERT_TRUE(transaction.started());
    addOrder("PO-2", 1);
    POM.PONumber = "PO-1";
    POMaster.fetch(POM.KeyPONumber);
    POM.VendorID = 99;
    POMaster.update();
  }
  EXPECT_EQ(POMaster.records(), 1);
  POM.PONumber = "PO-1";
  ASSERT_EQ(POMaster.fetch(POM.KeyPONumber), TableStatus::Ok);
  EXPECT_EQ(POM.VendorID, 1u);
}

TEST_F(TableTest, TransactionGivesUpAfterFiveSecondsWhileAnotherStationWrites) {
  auto otherStation = company->connect();
  ASSERT_FALSE(otherStation->begin(std::chrono::milliseconds(0)).failed());

  const auto start = std::chrono::steady_clock::now();
  Transaction transaction(POMaster);
  const auto waited = std::chrono::steady_clock::now() - start;
  EXPECT_FALSE(transaction.started());
  EXPECT_EQ(transaction.error().code, ErrorCode::FileLocked);
  EXPECT_GE(waited, std::chrono::milliseconds(4900));
  EXPECT_LT(waited, std::chrono::seconds(15));

  otherStation->rollback();
  Transaction later(POMaster);
  EXPECT_TRUE(later.started());
}

TEST_F(TableTest, ClosedTableRefusesWork) {
  PODetail.close();
  EXPECT_EQ(PODetail.next(), TableStatus::Failed);
  EXPECT_EQ(PODetail.lastError().code, ErrorCode::FileNotOpen);
}

TEST(CompanyOpenTest, RefusesFilesThatAreNotCompanyDatabases) {
  test::TempFolder folder;
  {
    std::ofstream junk(folder / Company::databaseFileName);
    junk << "this is a letter, not a database; it is long enough to have a header\n";
  }
  try {
    Company::open(folder.path());
    FAIL() << "opened a text file";
  } catch (const StorageOpenError& error) {
    EXPECT_NE(std::string(error.what()).find("company.db"), std::string::npos);
    EXPECT_NE(std::string(error.what()).find("not a company database"), std::string::npos);
  }
  std::ifstream kept(folder / Company::databaseFileName);
  std::string firstWord;
  kept >> firstWord;
  EXPECT_EQ(firstWord, "this") << "the file is left as it was";
}

TEST(CompanyOpenTest, RefusesADatabaseOfANewerVersion) {
  test::TempFolder folder;
  SchemaInfo newer = Company::schema();
  newer.version = Company::schemaVersion + 1;
  SqliteBackend().open((folder / Company::databaseFileName).string(), newer, true);
  try {
    Company::open(folder.path());
    FAIL() << "opened a newer database";
  } catch (const StorageOpenError& error) {
    EXPECT_NE(std::string(error.what()).find("newer version"), std::string::npos);
  }
}

TEST(CompanyOpenTest, MissingFolderOrDatabaseIsReportedNotCreated) {
  test::TempFolder folder;
  EXPECT_THROW(Company::open(folder / "nowhere"), StorageOpenError);
  EXPECT_FALSE(std::filesystem::exists(folder / "nowhere"));
  EXPECT_THROW(Company::open(folder.path()), StorageOpenError);
  EXPECT_FALSE(Company::exists(folder.path()));
}

}  // namespace
}  // namespace crv

// A full disk: writes fail with a clear error, a transaction that runs out
// of room rolls back whole, and the company opens again with what it held.
// The first test needs a small tmpfs, which only root can mount, and is
// skipped otherwise; the second limits the file's size instead.
#include <gtest/gtest.h>
#include <sqlite3.h>

#include "host/data/company.h"
#include "host/data/tables/purchasing_tables.h"
#include "host/framework/table/transaction.h"
#include "host/storage/sqlite/sqlite_connection.h"
#include "support/small_disk.h"
#include "support/temp_folder.h"

namespace crv {
namespace {

TEST(DiskFullTest, FailedTransactionLeavesTheCompanyAsItWas) {
  test::TempFolder folder;
  test::SmallDisk disk(folder / "disk");
  if (!disk.mounted()) GTEST_SKIP() << test::SmallDisk::notMounted;
  const auto companyFolder = folder / "disk" / "company";

  std::int64_t before = 0;
  {
    auto company = Company::open(companyFolder, true);
    PODetail.open();
    for (Id i = 1; i <= 10; ++i) {
      POD.clear();
      POD.POID = 1;
      POD.SequenceNo = i;
      ASSERT_EQ(PODetail.tryInsert(), TableStatus::Ok);
    }
    before = PODetail.records();

    Transaction transaction(PODetail);
    ASSERT_TRUE(transaction.started());
    TableStatus status = TableStatus::Ok;
    for (Id i = 11; status == TableStatus::Ok && i < 1000000; ++i) {
      POD.clear();
      POD.POID = 2;
      POD.SequenceNo = i;
      POD.Text = std::string(1000, 'x');
      status = PODetail.tryInsert();
    }
    ASSERT_NE(status, TableStatus::Ok) << "the small disk never filled up";
    const TableError& error = PODetail.lastError();
    EXPECT_EQ(error.code, ErrorCode::DiskFull) << error.describe();
    EXPECT_NE(error.describe().find("full"), std::string::npos) << error.describe();
    transaction.rollback();
    EXPECT_EQ(PODetail.records(), before);
    PODetail.close();
  }
  auto reopened = Company::open(companyFolder);
  PODetail.open();
  EXPECT_EQ(PODetail.records(), before);
  PODetail.close();
}

// SQLite rolls the whole transaction back when the file cannot grow. A run
// that reports the failed row and carries on must not then write its later
// rows one by one, without the earlier ones: they are refused, the commit
// fails, and the table holds what it held before the transaction.
TEST(DiskFullTest, WritesAfterTheEngineRolledTheTransactionBackAreRefused) {
  test::TempFolder folder;
  auto company = Company::open(folder.path(), true);
  auto& connection = dynamic_cast<sqlite::SqliteConnection&>(company->connection());
  PODetail.open();
  const std::int64_t before = PODetail.records();
  std::int64_t pages = 0;
  sqlite3_stmt* count = nullptr;
  sqlite3_prepare_v2(connection.handle(), "PRAGMA page_count", -1, &count, nullptr);
  if (sqlite3_step(count) == SQLITE_ROW) pages = sqlite3_column_int64(count, 0);
  sqlite3_finalize(count);
  const std::string limit = "PRAGMA max_page_count=" + std::to_string(pages + 2);
  ASSERT_EQ(sqlite3_exec(connection.handle(), limit.c_str(), nullptr, nullptr, nullptr), SQLITE_OK);

  Transaction transaction(PODetail);
  ASSERT_TRUE(transaction.started());
  TableStatus status = TableStatus::Ok;
  for (Id i = 1; status == TableStatus::Ok && i < 1000; ++i) {
    POD.clear();
    POD.POID = 1;
    POD.SequenceNo = i;
    POD.Text = std::string(1000, 'x');
    status = PODetail.tryInsert();
  }
  ASSERT_EQ(PODetail.lastError().code, ErrorCode::DiskFull) << PODetail.lastError().describe();
  POD.clear();
  POD.POID = 2;
  EXPECT_EQ(PODetail.tryInsert(), TableStatus::Failed);
  EXPECT_EQ(transaction.commit(), TableStatus::Failed);
  EXPECT_EQ(PODetail.records(), before);
  PODetail.close();
}

}  // namespace
}  // namespace crv

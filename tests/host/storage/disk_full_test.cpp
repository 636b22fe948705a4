// A full disk: writes fail with a clear error, a transaction that runs out
// of room rolls back whole, and the company opens again with what it held.
// Needs a small tmpfs, which only root can mount; skipped otherwise.
#include <gtest/gtest.h>

#include "host/data/company.h"
#include "host/data/tables/purchasing_tables.h"
#include "host/framework/table/transaction.h"
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

}  // namespace
}  // namespace crv

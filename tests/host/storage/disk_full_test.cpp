// A full disk: writes fail with a clear error, a transaction that runs out
// of room rolls back whole, and the company opens again with what it held.
// Needs a small tmpfs, which only root can mount; skipped otherwise.
#include <gtest/gtest.h>
#include <sys/mount.h>
#include <unistd.h>

#include "host/data/company.h"
#include "host/data/tables/purchasing_tables.h"
#include "host/framework/table/transaction.h"
#include "support/temp_folder.h"

namespace crv {
namespace {

class SmallDisk {
 public:
  explicit SmallDisk(const std::filesystem::path& where) : where_(where) {
    std::filesystem::create_directories(where_);
    mounted_ = ::geteuid() == 0 && ::mount("tmpfs", where_.c_str(), "tmpfs", 0, "size=3m") == 0;
  }
  ~SmallDisk() {
    if (mounted_) ::umount(where_.c_str());
  }
  bool mounted() const { return mounted_; }

 private:
  std::filesystem::path where_;
  bool mounted_ = false;
};

TEST(DiskFullTest, FailedTransactionLeavesTheCompanyAsItWas) {
  test::TempFolder folder;
  SmallDisk disk(folder / "disk");
  if (!disk.mounted()) GTEST_SKIP() << "cannot mount a small file system here";
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

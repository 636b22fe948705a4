// Moving a company between the engines with `crvhost copy-company`: the
// demo company from SQLite to the server and back, every table's count and
// checksum the same all the way; a target that already holds data is
// refused and left alone (in the server run); values a bulk transfer could
// mangle; a bulk insert that fails; and the desktop's Copy Company window.
#include "host/data/company_copy.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <limits>

#include "host/app/copy_company.h"
#include "host/app/demo_company.h"
#include "host/data/company.h"
#include "host/data/tables/purchasing_tables.h"
#include "host/framework/services/message_box.h"
#include "host/framework/storage/bulk_insert.h"
#include "host/framework/table/transaction.h"
#include "host/framework/ui/headless/headless_driver.h"
#include "support/independent_rebuild.h"
#include "support/temp_folder.h"
#include "support/test_engine.h"

namespace crv {
namespace {

std::string run(const std::string& command, int& code) {
  FILE* program = popen((command + " 2>&1").c_str(), "r");
  std::string said;
  char buffer[512];
  while (std::fgets(buffer, sizeof buffer, program)) said += buffer;
  code = pclose(program);
  return said;
}

TEST(CompanyCopyTest, TheDemoCompanyGoesToTheServerAndBackWithEveryTableIntact) {
  if (!test::onServer()) GTEST_SKIP() << "copying between engines is tested in the server run";
  test::TempFolder local;
  test::TempFolder server;
  test::TempFolder back;
  createDemoCompany(local.path());
  test::prepareCompanyFolder(server.path());

  const CompanyCopyResult there = copyCompany(local.path(), server.path());
  ASSERT_TRUE(there.verified()) << there.error;
  const CompanyCopyResult home = copyCompany(server.path(), back.path());
  ASSERT_TRUE(home.verified()) << home.error;
  ASSERT_EQ(home.tables.size(), there.tables.size());
  for (std::size_t i = 0; i < home.tables.size(); ++i) {
    EXPECT_EQ(home.tables[i].targetRows, there.tables[i].sourceRows) << home.tables[i].table;
    EXPECT_EQ(home.tables[i].targetChecksum, there.tables[i].sourceChecksum) << home.tables[i].table;
  }

  int code = 0;
  const std::string refused = run(std::string(CRV_TEST_BIN_DIR) + "/crvhost copy-company " +
                                      local.path().string() + " " + server.path().string(),
                                  code);
  EXPECT_NE(code, 0);
  EXPECT_NE(refused.find("already holds data"), std::string::npos) << refused;
  EXPECT_EQ(test::figureDifferences(server.path()), std::vector<std::string>{});
  auto company = Company::open(server.path());
  POMaster.open();
  EXPECT_EQ(POMaster.records(), demo::orderCount) << "the refused copy left the target alone";
  POMaster.close();
}

// Text holding what ends a value or a row in a bulk transfer, and more than
// ASCII; a blank row; the largest amounts, an exact real and a high row
// number, after which the copy hands out the next number rather than one
// already taken. Copied to the engine under test and back to a file.
TEST(CompanyCopyTest, AwkwardValuesCopyToTheEngineAndBackUnchanged) {
  const std::string awkward =
      "tab\there, back\\slash \\N \\., new\nline\r\nCaf\u00e9 Z\u00fcrich \u2013 \u00bd";
  constexpr std::int64_t largest = std::numeric_limits<std::int64_t>::max();
  constexpr Id highNumber = 4000000000u;
  test::TempFolder local;
  test::TempFolder target;
  test::TempFolder back;
  {
    auto company = Company::open(local.path(), true);
    PODetail.open();
    POD.clear();
    POD.POID = 1;
    POD.SequenceNo = 1;
    POD.Description = awkward;
    POD.Text = awkward;
    POD.UnitPrice = 0.1;
    POD.TotalAmount = Amount::fromRaw(largest);
    POD.AmountInvoiced = Amount::fromRaw(-largest);
    PODetail.insert();
    POD.clear();
    PODetail.insert();
    POD.clear();
    POD.POID = 2;
    POD.DetailID = highNumber;
    POD.Description = "\\";
    POD.UnitPrice = -1e300;
    PODetail.insert();
    PODetail.close();
  }
  test::prepareCompanyFolder(target.path());
  const CompanyCopyResult there = copyCompany(local.path(), target.path());
  ASSERT_TRUE(there.verified()) << there.error;
  const CompanyCopyResult home = copyCompany(target.path(), back.path());
  ASSERT_TRUE(home.verified()) << home.error;
  for (const auto* folder : {&target, &back}) {
    auto company = Company::open(folder->path());
    PODetail.open();
    POD.clear();
    POD.POID = 1;
    POD.SequenceNo = 1;
    ASSERT_EQ(PODetail.fetch(POD.KeyPOID), TableStatus::Ok);
    EXPECT_EQ(POD.Text.view(), awkward);
    EXPECT_EQ(POD.UnitPrice, 0.1);
    EXPECT_EQ(POD.TotalAmount.raw(), largest);
    POD.clear();
    POD.POID = 3;
    ASSERT_EQ(PODetail.insert(), TableStatus::Ok);
    EXPECT_GT(POD.DetailID, highNumber);
    PODetail.close();
  }
}

// A bulk insert is all or nothing: one that meets a duplicate key leaves
// none of its rows, and the transaction around it goes on.
TEST(CompanyCopyTest, ABulkInsertThatMeetsADuplicateLeavesNoneOfItsRows) {
  test::TempFolder folder;
  auto company = test::openTestCompany(folder.path());
  PODetail.open();
  Transaction transaction(company->connection());
  auto line = [](Id detail) -> PODetailRecord& {
    POD.clear();
    POD.POID = 1;
    POD.DetailID = detail;
    POD.SequenceNo = detail;
    return POD;
  };
  line(1);
  ASSERT_EQ(PODetail.insert(), TableStatus::Ok);
  auto bulk = company->connection().bulkInsert(PODetail.def());
  TableError error;
  for (Id detail : {5u, 6u, 1u, 7u})
    if (!error.failed()) error = bulk->add(line(detail));
  if (!error.failed()) error = bulk->finish();
  EXPECT_EQ(error.code, ErrorCode::DuplicateKey) << error.describe();
  bulk.reset();
  line(8);
  ASSERT_EQ(PODetail.insert(), TableStatus::Ok);
  ASSERT_EQ(transaction.commit(), TableStatus::Ok);
  EXPECT_EQ(PODetail.records(), 2);
  PODetail.close();
}

// The same from the desktop: Setup > Copy Company on the open company, to a
// file company in the SQLite run and to the server in the server run.
TEST(CompanyCopyTest, TheCopyCompanyWindowCopiesTheOpenCompanyAndSaysAllMatches) {
  test::TempFolder local;
  test::TempFolder target;
  createDemoCompany(local.path());
  std::string server;
  if (test::onServer()) {
    const ServerCompany there = test::testServer();
    server = "postgresql://" + there.user + "@" + there.host + ":" + there.port + "/" + there.database +
             "?schema=" + there.schema;
  }
  {
    auto company = Company::open(local.path());
    ui::HeadlessDriver person;
    person.start([] { copyCompanyProcedure(); }, "CopyCompany");
    person.expectWindow("Copy Company");
    person.type("?Folder", (target / "copy").string());
    person.type("?Server", server);
    person.press("?Proceed");
    const MessageRequest said = person.expectMessage("Copy Company");
    EXPECT_NE(said.text.find("Every count and checksum matches."), std::string::npos) << said.text;
    person.answer("OK");
    person.expectFinished();
  }
  EXPECT_EQ(CompanyStorage(target / "copy").onServer(), test::onServer());
  EXPECT_EQ(test::figureDifferences(target / "copy"), std::vector<std::string>{});
}

}  // namespace
}  // namespace crv

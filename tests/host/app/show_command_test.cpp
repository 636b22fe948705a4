// `crvhost show` on a company that is not whole: a damaged page of the
// order table is reported and fails the command instead of passing for a
// company with fewer orders, and order lines without an order are listed.
#include <gtest/gtest.h>
#include <sqlite3.h>

#include <fstream>
#include <string>

#include "host/app/demo_company.h"
#include "host/data/company.h"
#include "host/data/tables/purchasing_tables.h"
#include "support/command_run.h"
#include "support/temp_folder.h"

namespace crv::test {
namespace {

// Overwrites the first page of a table's rows with bytes that are no page.
void damageTable(const std::filesystem::path& database, const char* table) {
  sqlite3* db = nullptr;
  ASSERT_EQ(sqlite3_open(database.c_str(), &db), SQLITE_OK);
  sqlite3_stmt* statement = nullptr;
  std::int64_t page = 0, pageSize = 0;
  sqlite3_prepare_v2(db, "SELECT rootpage FROM sqlite_master WHERE type = 'table' AND name = ?", -1,
                     &statement, nullptr);
  sqlite3_bind_text(statement, 1, table, -1, SQLITE_STATIC);
  if (sqlite3_step(statement) == SQLITE_ROW) page = sqlite3_column_int64(statement, 0);
  sqlite3_finalize(statement);
  sqlite3_prepare_v2(db, "PRAGMA page_size", -1, &statement, nullptr);
  if (sqlite3_step(statement) == SQLITE_ROW) pageSize = sqlite3_column_int64(statement, 0);
  sqlite3_finalize(statement);
  sqlite3_close(db);
  ASSERT_GT(page, 1);
  ASSERT_GT(pageSize, 0);
  std::fstream file(database, std::ios::in | std::ios::out | std::ios::binary);
  file.seekp((page - 1) * pageSize);
  const std::string garbage(static_cast<std::size_t>(pageSize), '\xA5');
  file.write(garbage.data(), static_cast<std::streamsize>(garbage.size()));
}

class ShowCommandTest : public ::testing::Test {
 protected:
  void SetUp() override { createDemoCompany(folder_.path()); }
  CommandRun show() { return runCommand(crvhost("show " + quoted(folder_.path()))); }
  TempFolder folder_;
};

TEST_F(ShowCommandTest, ADamagedOrderTableIsReportedAndFailsTheCommand) {
  damageTable(folder_ / Company::databaseFileName, "POMaster");
  const CommandRun run = show();
  EXPECT_NE(run.code, 0) << run.output;
  EXPECT_NE(run.output.find("Error: "), std::string::npos) << run.output;
  EXPECT_NE(run.output.find("Reading POMaster"), std::string::npos) << run.output;
}

TEST_F(ShowCommandTest, LinesWithoutAnOrderAreListed) {
  {
    auto company = Company::open(folder_.path());
    PODetail.open();
    for (Id order : {Id(0), Id(424242)}) {
      POD.clear();
      POD.POID = order;
      ASSERT_EQ(PODetail.insert(), TableStatus::Ok);
    }
    PODetail.close();
  }
  const CommandRun run = show();
  EXPECT_EQ(run.code, 0) << run.output;
  const auto listed = run.output.find("Lines without an order (DetailID, POID)");
  ASSERT_NE(listed, std::string::npos) << run.output;
  EXPECT_NE(run.output.find(", 0\n", listed), std::string::npos) << run.output;
  EXPECT_NE(run.output.find(", 424242\n", listed), std::string::npos) << run.output;
}

}  // namespace
}  // namespace crv::test

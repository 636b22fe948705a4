// Moving a company between the engines with `crvhost copy-company`: the
// demo company from SQLite to the server and back, every table's count and
// checksum the same all the way; a target that already holds data is
// refused and left alone. Runs in the server run only.
#include "host/data/company_copy.h"

#include <gtest/gtest.h>

#include <cstdio>

#include "host/app/demo_company.h"
#include "host/data/company.h"
#include "host/data/tables/purchasing_tables.h"
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

  int code = 0;
  const std::string program = std::string(CRV_TEST_BIN_DIR) + "/crvhost copy-company ";
  const std::string said = run(program + local.path().string() + " " + server.path().string(), code);
  EXPECT_EQ(code, 0) << said;
  EXPECT_NE(said.find("POMaster"), std::string::npos) << said;
  EXPECT_NE(said.find("every count and checksum matches"), std::string::npos) << said;

  const CompanyCopyResult home = copyCompany(server.path(), back.path());
  ASSERT_TRUE(home.verified()) << home.error;
  test::TempFolder direct;
  const CompanyCopyResult reference = copyCompany(local.path(), direct.path());
  ASSERT_TRUE(reference.verified()) << reference.error;
  ASSERT_EQ(home.tables.size(), reference.tables.size());
  for (std::size_t i = 0; i < home.tables.size(); ++i) {
    EXPECT_EQ(home.tables[i].targetRows, reference.tables[i].targetRows) << home.tables[i].table;
    EXPECT_EQ(home.tables[i].targetChecksum, reference.tables[i].targetChecksum) << home.tables[i].table;
  }

  const CompanyCopyResult refused = copyCompany(local.path(), server.path());
  EXPECT_FALSE(refused.copied);
  EXPECT_NE(refused.error.find("already holds data"), std::string::npos) << refused.error;
  EXPECT_EQ(test::figureDifferences(server.path()), std::vector<std::string>{});
  auto company = Company::open(server.path());
  POMaster.open();
  EXPECT_EQ(POMaster.records(), demo::orderCount) << "the refused copy left the target alone";
  POMaster.close();
}

}  // namespace
}  // namespace crv

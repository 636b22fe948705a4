// Moving a company between the engines with `crvhost copy-company`: the
// demo company from SQLite to the server and back, every table's count and
// checksum the same all the way; a target that already holds data is
// refused and left alone (in the server run); and the desktop's Copy Company
// window.
#include "host/data/company_copy.h"

#include <gtest/gtest.h>

#include <cstdio>

#include "host/app/copy_company.h"
#include "host/app/demo_company.h"
#include "host/data/company.h"
#include "host/data/tables/purchasing_tables.h"
#include "host/framework/services/message_box.h"
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

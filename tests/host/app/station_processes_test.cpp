// Stations as separate programs: two and then eight `crvhost script`
// processes on one company at once, each adding a vendor through the vendor
// list and form and then rebuilding committed costs, so every one of them
// writes and waits for the others' transactions. All finish, nothing is lost,
// and the figures are what a rebuild gives. On both engines.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "host/app/demo_company.h"
#include "host/data/tables/payables_tables.h"
#include "support/independent_rebuild.h"
#include "support/temp_folder.h"
#include "support/test_engine.h"

namespace crv {
namespace {

std::string script(int vendor) {
  return "call BrowseAPVendor\n"
         "expect window \"Vendors\"\n"
         "press ?Insert\n"
         "expect window \"Adding a Vendor\"\n"
         "type ?APV:VendorID " +
         std::to_string(vendor) +
         "\n"
         "type ?APV:VendorName \"Station " +
         std::to_string(vendor) +
         " Supply\"\n"
         "press ?OK\n"
         "expect window \"Vendors\"\n"
         "press ?Close\n"
         "expect finished\n"
         "call RecalcCommitted\n"
         "expect window \"Recalculate Committed Costs\"\n"
         "press ?Proceed\n"
         "expect message \"Process Complete\"\n"
         "answer OK\n"
         "expect finished\n";
}

TEST(StationProcessesTest, TwoAndEightProgramsWritingAtOnceAllFinishAndLoseNothing) {
  test::TempFolder folder;
  test::prepareCompanyFolder(folder.path());
  createDemoCompany(folder.path());
  const std::string program = std::string(CRV_TEST_BIN_DIR) + "/crvhost";
  int vendor = 400;
  for (const int stations : {2, 8}) {
    std::vector<FILE*> running;
    for (int s = 0; s < stations; ++s) {
      const auto file = folder / ("station" + std::to_string(++vendor) + ".script");
      std::ofstream(file) << script(vendor);
      const std::string command =
          "'" + program + "' script '" + folder.path().string() + "' '" + file.string() + "' 2>&1";
      running.push_back(popen(command.c_str(), "r"));
      ASSERT_NE(running.back(), nullptr);
    }
    for (FILE* station : running) {
      std::string said;
      char buffer[512];
      while (std::fgets(buffer, sizeof buffer, station)) said += buffer;
      EXPECT_EQ(pclose(station), 0) << said;
    }
  }

  auto company = Company::open(folder.path());
  APVendor.open();
  for (int number = 401; number <= vendor; ++number) {
    APV.VendorID = static_cast<Id>(number);
    EXPECT_EQ(APVendor.fetch(APVendorRecord::KeyVendorID), TableStatus::Ok) << number;
  }
  APVendor.close();
  EXPECT_EQ(test::figureDifferences(folder.path()), std::vector<std::string>{});
}

}  // namespace
}  // namespace crv

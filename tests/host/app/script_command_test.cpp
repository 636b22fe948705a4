// `crvhost script`: a script plays the person against a company with the
// procedures of the host's catalog, the vendor list and form among them;
// the exit code tells a script that ran through from one that failed.
#include "host/app/script_command.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iostream>
#include <sstream>

#include "host/app/demo_company.h"
#include "host/app/host_session.h"
#include "host/app/procedure_catalog.h"
#include "host/data/tables/payables_tables.h"
#include "host/data/tables/purchasing_tables.h"
#include "support/temp_folder.h"

namespace crv::test {
namespace {

class ScriptCommandTest : public ::testing::Test {
 protected:
  void SetUp() override { createDemoCompany(folder_.path()); }

  int play(const std::string& script, std::string& transcript) {
    const auto file = folder_ / "test.script";
    std::ofstream(file) << script;
    std::ostringstream out, err;
    const int code = runScriptCommand(folder_.path(), file, out, err);
    transcript = out.str() + err.str();
    return code;
  }

  TempFolder folder_;
};

TEST_F(ScriptCommandTest, AddsAVendorThroughTheListAndItsForm) {
  std::string transcript;
  const int code = play(
      "call BrowseAPVendor\n"
      "expect window \"Vendors\"\n"
      "press ?Insert\n"
      "expect window \"Adding a Vendor\"\n"
      "check ?APV:VendorID 131\n"
      "type ?APV:VendorID 101\n"
      "type ?APV:VendorName \"Granite Ridge Supply\"\n"
      "press ?OK\n"
      "expect message \"Duplicate Vendor\"\n"
      "answer OK\n"
      "type ?APV:VendorID 150\n"
      "press ?OK\n"
      "expect window \"Vendors\"\n"
      "press ?Close\n"
      "expect finished\n",
      transcript);
  EXPECT_EQ(code, 0) << transcript;

  HostSession session(folder_.path());
  APVendor.open();
  APV.VendorID = 150;
  ASSERT_EQ(APVendor.fetch(APVendorRecord::KeyVendorID), TableStatus::Ok);
  EXPECT_EQ(APV.VendorName.str(), "Granite Ridge Supply");
  EXPECT_EQ(APV.Active, 1);
  APVendor.close();
}

TEST_F(ScriptCommandTest, AFailingCheckOrAnUnknownProcedureEndsWithAnError) {
  std::string transcript;
  EXPECT_EQ(play("call BrowseAPVendor\nexpect window \"Jobs\"\n", transcript), 1);
  EXPECT_NE(transcript.find("FAILED at line 2"), std::string::npos) << transcript;
  EXPECT_EQ(play("call NoSuchProcedure\n", transcript), 1);
  EXPECT_EQ(runScriptCommand(folder_.path(), folder_ / "missing.script", std::cout, std::cerr), 2);
}

// With no order loaded the line form has nothing to add a line to: it says
// so, and no line is written, complete or blank.
TEST_F(ScriptCommandTest, TheLineFormWithoutAnOrderWritesNoLine) {
  std::int64_t lines = 0;
  {
    HostSession session(folder_.path());
    PODetail.open();
    lines = PODetail.records();
    PODetail.close();
  }
  POM.clear();  // as a fresh run of the program has it
  std::string transcript;
  const int code = play(
      "request insert\n"
      "call UpdatePODetail\n"
      "expect message \"No Purchase Order\" \"There is no purchase order to add the line to.\"\n"
      "answer OK\n"
      "expect finished\n"
      "expect response cancelled\n",
      transcript);
  EXPECT_EQ(code, 0) << transcript;
  HostSession session(folder_.path());
  PODetail.open();
  EXPECT_EQ(PODetail.records(), lines);
  PODetail.close();
}

TEST_F(ScriptCommandTest, TheCatalogOffersTheSiblingListsAndTheSettingsForm) {
  HostSession session(folder_.path());
  ProcedureCatalog catalog(session.module());
  const auto procedures = catalog.procedures();
  for (const char* name : {"BrowseAPVendor", "UpdateAPVendor", "BrowseJCHeader", "BrowseINMaster",
                           "UpdateSystems", "RecalcCommitted"})
    EXPECT_EQ(procedures.count(name), 1u) << name;
  EXPECT_EQ(procedures.count("NoSuchProcedure"), 0u);
}

}  // namespace
}  // namespace crv::test

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
#include "support/command_run.h"
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

  // The lines of order 1001, which is left in POM, in line order.
  std::vector<std::string> linesOfOrder() {
    HostSession session(folder_.path());
    POMaster.open();
    PODetail.open();
    POM.PONumber = demo::openJobOrder;
    EXPECT_EQ(POMaster.fetch(POMasterRecord::KeyPONumber), TableStatus::Ok);
    std::vector<std::string> lines;
    POD.clear();
    POD.POID = POM.POID;
    PODetail.setRange(PODetailRecord::KeyPOID, 1);
    while (PODetail.next() == TableStatus::Ok)
      lines.push_back(POD.DetailType.str() + (POD.CODetailID ? " on a change order" : "") + " taxable " +
                      std::to_string(POD.Taxable));
    PODetail.close();
    POMaster.close();
    return lines;
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

// The line form offers what the company's settings say it uses, from the
// moment the company opens and again after Company Settings are saved:
// inventory and equipment lines, change orders on job lines, and in Canada
// the GST and PST boxes with each of their four states.
TEST_F(ScriptCommandTest, TheLineFormFollowsTheCompanysSettings) {
  const std::size_t before = linesOfOrder().size();  // the header form leaves its order in POM
  const std::string addLine =
      "request insert\ncall UpdatePODetail\nexpect window \"Adding Purchase Order Detail\"\n";
  std::string script = addLine +
                       "pick ?POD:DetailType Inventory\n"
                       "type ?POD:ItemID WIRE-12-2\n"
                       "type ?POD:QtyOrdered 2\n"
                       "press ?OK\nexpect finished\n" +
                       addLine +
                       "pick ?POD:DetailType Equipment\n"
                       "type ?POD:Description \"Bucket teeth\"\n"
                       "type ?POD:EquipmentID EX-200\n"
                       "type ?POD:CostCategory REPAIR\n"
                       "type ?POD:UnitPrice 40\n"
                       "press ?OK\nexpect finished\n" +
                       addLine +
                       "pick ?POD:DetailType Job\n"
                       "type ?POD:Description \"Footing forms\"\n"
                       "type ?POD:JobID 2401\n"
                       "type ?POD:CostCode 03-300M\n"
                       "expect visible ?POD:ChangeOrder\n"
                       "type ?POD:ChangeOrder 001\n"
                       "type ?POD:UnitPrice 10\n"
                       "expect hidden ?SubjectToGST\n"
                       "press ?OK\nexpect finished\n"
                       "call UpdateSystems\n"
                       "expect window \"Company Settings\"\n"
                       "type ?SYS:Country Canada\n"
                       "press ?OK\nexpect finished\n";
  for (const char* gst : {"off", "on"})
    for (const char* pst : {"off", "on"})
      script +=
          addLine + "expect hidden ?POD:Taxable\ntick ?SubjectToGST " + gst + "\ntick ?SubjectToPST " + pst +
          "\npick ?POD:DetailType \"G/L Account\"\ntype ?POD:Description Shims\ntype ?POD:Account 6100-00\n"
          "type ?POD:UnitPrice 1\npress ?OK\nexpect finished\n";
  std::string transcript;
  ASSERT_EQ(play(script, transcript), 0) << transcript;

  const std::vector<std::string> lines = linesOfOrder();
  ASSERT_GE(lines.size(), before);
  const std::vector<std::string> added(lines.begin() + static_cast<std::ptrdiff_t>(before), lines.end());
  const std::vector<std::string> expected = {
      "Inventory taxable 1",   "Equipment taxable 1",   "Job on a change order taxable 1",
      "G/L Account taxable 0", "G/L Account taxable 3", "G/L Account taxable 2",
      "G/L Account taxable 1"};
  EXPECT_EQ(added, expected);
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

// The committed order-list script, played by the program on a company just
// made: nothing set by hand, so the session's own settings (the previewer
// first) carry it through printing, export, deletion and import.
TEST_F(ScriptCommandTest, TheOrderListScriptRunsThroughOnAFreshDemoCompany) {
  const auto script = std::filesystem::path(CRV_SOURCE_DIR) / "tests" / "scripts" / "crvpo" / "lists";
  const CommandRun run = runCommand(
      crvhost("script " + quoted(folder_.path()) + " " + quoted(script / "order_list_actions.script")));
  std::string transcript = run.output;
  const std::string company = folder_.path().string();
  for (auto at = transcript.find(company); at != std::string::npos; at = transcript.find(company))
    transcript.replace(at, company.size(), "<company>");
  std::ifstream expected(script / "order_list_actions.expected", std::ios::binary);
  std::stringstream expectedText;
  expectedText << expected.rdbuf();
  EXPECT_EQ(transcript, expectedText.str());
  EXPECT_EQ(run.code, 0);
}

}  // namespace
}  // namespace crv::test

// Forms that read a record, let a person change it and write it back refuse
// to overwrite what another station wrote meanwhile: the person is told who
// changed it, may reload (the record as it is now with the person's changes
// on top) or carry on, and neither station's change is lost. Played through
// the headless driver on the line form, the vendor form and the company
// settings, on both engines.
#include <gtest/gtest.h>

#include <functional>

#include "crvpo/entry/entry_state.h"
#include "crvpo/entry/update_po_detail.h"
#include "host/app/demo_company.h"
#include "host/app/update_systems.h"
#include "host/data/shared_values.h"
#include "host/data/tables/payables_tables.h"
#include "host/data/tables/purchasing_tables.h"
#include "host/data/tables/suite_tables.h"
#include "host/framework/services/global_request.h"
#include "host/framework/ui/headless/headless_driver.h"
#include "host/siblings/CRVAP/update_ap_vendor.h"
#include "support/temp_folder.h"
#include "support/test_engine.h"

namespace crv {
namespace {

using ui::HeadlessDriver;

class StaleEditTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    demo = new test::TempFolder;
    test::prepareCompanyFolder(demo->path());
    createDemoCompany(demo->path());
  }
  static void TearDownTestSuite() {
    delete demo;
    demo = nullptr;
  }
  void SetUp() override {
    company = Company::open(demo->path());
    company->connection().setStation("ADM on desk-1");
    GENERIC = 0;
    INPURCHASE = 1;
    EQPURCHASE = 1;
    CostCodeLen = 6;
    JobIDLen = 10;
    GlobalRequest = 0;
    crvpo::entryState().reset();
  }
  void TearDown() override { company.reset(); }

  // Another station changes one row on a connection of its own: the first
  // row of `key` at or after the key fields `find` sets.
  template <class R>
  void otherStationChanges(const KeyDef& key, const std::function<void(R&)>& find,
                           const std::function<void(R&)>& change) {
    auto other = company->connect();
    other->setStation("JMS on desk-2");
    R record;
    Table table(R::table(), record);
    table.attach(other.get());
    table.open();
    find(record);
    table.setFrom(key);
    ASSERT_EQ(table.next(), TableStatus::Ok);
    change(record);
    ASSERT_EQ(table.update(), TableStatus::Ok);
  }

  void reloadAfterTheWarning(HeadlessDriver& person) {
    const MessageRequest warning = person.expectMessage("Record Changed");
    EXPECT_NE(warning.text.find("changed by JMS on desk-2"), std::string::npos) << warning.text;
    person.answer("Reload");
  }

  static test::TempFolder* demo;
  std::unique_ptr<Company> company;
};

test::TempFolder* StaleEditTest::demo = nullptr;

TEST_F(StaleEditTest, CompanySettingsKeepBothStationsChangesAndNameTheFieldBothChanged) {
  HeadlessDriver person;
  person.start([] { updateSystems(); }, "UpdateSystems");
  person.expectWindow("Company Settings");
  person.type("?SYS:Phone", "555-0100");
  person.type("?SYS:City", "Harborview");
  otherStationChanges<SystemsRecord>(
      SystemsRecord::KeySystemID, [](SystemsRecord&) {},
      [](SystemsRecord& sys) {
        sys.Fax = "555-0199";
        sys.City = "Bayside";
      });

  person.press("?OK");
  reloadAfterTheWarning(person);
  const MessageRequest both = person.expectMessage("Record Changed");
  EXPECT_NE(both.text.find("City: Bayside"), std::string::npos) << both.text;
  person.answer("OK");
  EXPECT_EQ(person.shown("?SYS:Fax"), "555-0199");
  EXPECT_EQ(person.shown("?SYS:Phone"), "555-0100");
  EXPECT_EQ(person.shown("?SYS:City"), "Harborview");
  person.press("?OK");
  person.expectFinished();
  EXPECT_EQ(person.response(), RequestCompleted);

  Systems.open();
  Systems.set(SYS.KeySystemID);
  ASSERT_EQ(Systems.next(), TableStatus::Ok);
  EXPECT_EQ(SYS.Fax, "555-0199");
  EXPECT_EQ(SYS.Phone, "555-0100");
  EXPECT_EQ(SYS.City, "Harborview");
  Systems.close();
}

TEST_F(StaleEditTest, VendorFormWritesNothingUntilThePersonReloads) {
  APVendor.open();
  APV.clear();
  APV.VendorID = demo::firstVendor;
  ASSERT_EQ(APVendor.fetch(APVendorRecord::KeyVendorID), TableStatus::Ok);
  const std::string contact = APV.Contact.str();
  ASSERT_NE(contact, "Dana Whitfield");
  HeadlessDriver person;
  person.request(ChangeRecord);
  person.start([] { UpdateAPVendor(); }, "UpdateAPVendor");
  person.expectWindow("Changing a Vendor");
  person.type("?APV:Phone", "555-0111");
  otherStationChanges<APVendorRecord>(
      APVendorRecord::KeyVendorID, [](APVendorRecord& v) { v.VendorID = demo::firstVendor; },
      [](APVendorRecord& v) { v.Contact = "Dana Whitfield"; });

  person.press("?OK");
  person.expectMessage("Record Changed");
  person.answer("Cancel");
  EXPECT_EQ(person.shown("?APV:Phone"), "555-0111") << "the person's change stays in the form";
  EXPECT_EQ(person.shown("?APV:Contact"), contact) << "nothing is reloaded without asking";

  person.press("?OK");
  reloadAfterTheWarning(person);
  EXPECT_EQ(person.shown("?APV:Contact"), "Dana Whitfield");
  person.press("?OK");
  person.expectFinished();
  EXPECT_EQ(person.response(), RequestCompleted);

  APV.VendorID = demo::firstVendor;
  ASSERT_EQ(APVendor.fetch(APVendorRecord::KeyVendorID), TableStatus::Ok);
  EXPECT_EQ(APV.Phone, "555-0111");
  EXPECT_EQ(APV.Contact, "Dana Whitfield");
  APVendor.close();
}

TEST_F(StaleEditTest, LineFormKeepsTheOtherStationsCommentUnderThePersonsDescription) {
  POMaster.open();
  POM.clear();
  POM.PONumber = demo::openJobOrder;
  ASSERT_EQ(POMaster.fetch(POMasterRecord::KeyPONumber), TableStatus::Ok);
  PODetail.open();
  POD.clear();
  POD.POID = POM.POID;
  POD.SequenceNo = 1;
  ASSERT_EQ(PODetail.fetch(PODetailRecord::KeyPOID), TableStatus::Ok);
  const Id detail = POD.DetailID;
  PODetail.close();

  HeadlessDriver person;
  person.request(ChangeRecord);
  person.start([] { crvpo::updatePODetail(); }, "UpdatePODetail");
  person.expectWindow("Changing Purchase Order Detail");
  person.type("?POD:Description", "Framing lumber, kiln dried");
  otherStationChanges<PODetailRecord>(
      PODetailRecord::KeyDetailID, [detail](PODetailRecord& d) { d.DetailID = detail; },
      [](PODetailRecord& d) { d.Comment = "call before delivery"; });

  person.press("?OK");
  reloadAfterTheWarning(person);
  person.press("?OK");
  person.expectFinished();
  EXPECT_EQ(person.response(), RequestCompleted);

  PODetail.open();
  POD.DetailID = detail;
  ASSERT_EQ(PODetail.fetch(PODetailRecord::KeyDetailID), TableStatus::Ok);
  EXPECT_EQ(POD.Description, "Framing lumber, kiln dried");
  EXPECT_EQ(POD.Comment, "call before delivery");
  PODetail.close();
  POMaster.close();
}

}  // namespace
}  // namespace crv

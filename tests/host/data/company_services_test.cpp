// Type-ahead values and the change history kept in the company database.
#include "host/data/company_services.h"

#include <gtest/gtest.h>

#include "host/data/company.h"
#include "host/data/tables/host_tables.h"
#include "host/framework/services/error_class.h"
#include "host/framework/ui/error_reporter.h"
#include "support/fault_injecting_backend.h"
#include "support/temp_folder.h"

namespace crv {
namespace {

TEST(CompanyServicesTest, TypedValuesOutliveTheSessionPerSectionAndField) {
  test::TempFolder folder;
  {
    auto company = Company::open(folder.path(), true);
    CompanyServices services;
    ui::typeAhead().setEnabled(true);
    ui::typeAhead().remember("UpdatePOMaster", "POM:ShipVia", "UPS Ground");
    ui::typeAhead().remember("UpdatePOMaster", "POM:ShipVia", "Will Call");
    ui::typeAhead().remember("UpdatePOMaster", "POM:FOB", "Destination");
  }
  auto company = Company::open(folder.path());
  CompanyServices services;
  EXPECT_EQ(ui::typeAhead().completions("UpdatePOMaster", "POM:ShipVia", ""),
            (std::vector<std::string>{"Will Call", "UPS Ground"}));
  EXPECT_EQ(ui::typeAhead().complete("UpdatePOMaster", "POM:ShipVia", "u"), "UPS Ground");
  EXPECT_EQ(ui::typeAhead().completions("UpdatePOMaster", "POM:FOB", ""),
            (std::vector<std::string>{"Destination"}));
  EXPECT_TRUE(ui::typeAhead().completions("OtherForm", "POM:ShipVia", "").empty());
}

TEST(CompanyServicesTest, TypedValuesThatCannotBeKeptAreToldPlainly) {
  test::TempFolder folder;
  test::FaultInjectingBackend storage;
  auto company = Company::open(folder.path(), true, storage);
  CompanyServices services;
  ErrorClass errors;
  ErrorClass* previous = ui::setErrorReporter(&errors);
  ui::typeAhead().setEnabled(true);
  storage.failNth(test::StorageOp::Commit, 1, test::Fault::DiskFull);
  ui::typeAhead().remember("UpdatePODetail", "POD:JobID", "2401");
  EXPECT_TRUE(storage.fired());
  ui::setErrorReporter(previous);
  ASSERT_EQ(errors.history().size(), 1u);
  EXPECT_EQ(errors.history()[0].title, "Typed Values Not Kept");
  EXPECT_EQ(
      errors.history()[0].text,
      "The values typed in POD:JobID could not be kept to be offered again (Disk Full: database or disk is "
      "full (89) Saving TypeAhead). What you entered in the form is not affected.");
}

TEST(CompanyServicesTest, ChangesOfRegisteredFieldsAreWrittenToTheChangeLog) {
  test::TempFolder folder;
  auto company = Company::open(folder.path(), true);
  CompanyServices services;
  ui::changeHistory().setUser("JMS");
  ui::changeHistory().record("UpdatePODetail", "POD:QtyOrdered", "10.0000", "12.0000");

  ChangeLog.open();
  ChangeLog.set(CHG.KeyChangeID);
  ASSERT_EQ(ChangeLog.next(), TableStatus::Ok);
  EXPECT_EQ(CHG.Procedure, "UpdatePODetail");
  EXPECT_EQ(CHG.Field, "POD:QtyOrdered");
  EXPECT_EQ(CHG.OldValue, "10.0000");
  EXPECT_EQ(CHG.NewValue, "12.0000");
  EXPECT_EQ(CHG.UserID, "JMS");
  EXPECT_FALSE(CHG.ChangeDate.isNone());
  EXPECT_EQ(ChangeLog.next(), TableStatus::EndOfFile);
  ChangeLog.close();
}

}  // namespace
}  // namespace crv

// A company with the rows the printing tests need (company settings,
// vendors, jobs, orders and their lines), built directly in the tables, a
// message service that records what the user was told, and a storage that
// can be made to fail on demand.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "crvpo/reports/print_state.h"
#include "host/data/company.h"
#include "host/data/shared_values.h"
#include "host/data/tables/job_cost_tables.h"
#include "host/data/tables/payables_tables.h"
#include "host/data/tables/purchasing_tables.h"
#include "host/data/tables/suite_tables.h"
#include "host/framework/services/message_box.h"
#include "support/fault_injecting_backend.h"
#include "support/temp_folder.h"

namespace crvpo::test {

class ToldMessages final : public crv::MessageService {
 public:
  int show(const crv::MessageRequest& request) override {
    shown.push_back(request);
    return request.defaultButton;
  }
  std::vector<crv::MessageRequest> shown;
};

class PrintFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    previous_ = crv::setMessageService(&messages);
    company = crv::Company::open(folder.path(), true, storage);
    crv::DataPath = folder.path().string();
    crv::UserID = "ABC";
    crv::CompanyName = "Acme Builders";
    crv::GENERIC = 0;
    printState() = PrintState{};
    for (crv::Table* table : tables()) table->open();
  }
  void TearDown() override {
    for (crv::Table* table : tables()) table->close();
    company.reset();
    printState() = PrintState{};
    crv::setMessageService(previous_);
  }

  static std::vector<crv::Table*> tables() {
    return {&crv::POMaster, &crv::PODetail, &crv::POPrint, &crv::POLimits, &crv::APVendor,
            &crv::JCHeader, &crv::Systems,  &crv::Images,  &crv::Contact,  &crv::EmailLog};
  }

  void addSystems(std::string_view address1 = "100 Main Street", std::string_view address2 = "Suite 5",
                  crv::Flag printPhone = 1) {
    crv::SYS.clear();
    crv::SYS.CompanyName = "Acme Builders";
    crv::SYS.Address1 = address1;
    crv::SYS.Address2 = address2;
    crv::SYS.City = "Dallas";
    crv::SYS.State = "TX";
    crv::SYS.Zip = "75201";
    crv::SYS.Phone = "214-555-0100";
    crv::SYS.Fax = "214-555-0101";
    crv::SYS.PrintPhoneOnForms = printPhone;
    crv::SYS.AutoPONumber = 1;
    crv::SYS.NextPONumber = 5000;
    crv::SYS.GSTLabel = "GST";
    ASSERT_EQ(crv::Systems.insert(), crv::TableStatus::Ok);
  }

  void addVendor(crv::Id id, std::string_view name, std::string_view address = "1 Supply Road",
                 std::string_view address2 = "", std::string_view email = "") {
    crv::APV.clear();
    crv::APV.VendorID = id;
    crv::APV.VendorName = name;
    crv::APV.Address = address;
    crv::APV.Address2 = address2;
    crv::APV.City = "Austin";
    crv::APV.State = "TX";
    crv::APV.Zip = "73301";
    crv::APV.Phone = "512-555-0199";
    crv::APV.Fax = "512-555-0198";
    crv::APV.Email = email;
    ASSERT_EQ(crv::APVendor.insert(), crv::TableStatus::Ok);
  }

  void addJob(std::string_view id, std::string_view name) {
    crv::JCH.clear();
    crv::JCH.JobID = id;
    crv::JCH.JobName = name;
    crv::JCH.Address = "9 Site Lane";
    crv::JCH.City = "Plano";
    crv::JCH.State = "TX";
    crv::JCH.Zip = "75023";
    ASSERT_EQ(crv::JCHeader.insert(), crv::TableStatus::Ok);
  }

  // An order with its number, printed flag and ship-to; answers its POID.
  crv::Id addOrder(std::string_view number, std::string_view printFlag = "", crv::Id vendor = 10) {
    crv::POM.clear();
    EXPECT_EQ(crv::POMaster.primeAutoInc(), crv::TableStatus::Ok);
    crv::POM.PONumber = number;
    crv::POM.PrintFlag = printFlag;
    crv::POM.VendorID = vendor;
    crv::POM.IssueDate = crv::Date::compose(3, 15, 2026);
    crv::POM.ShipToName = "Tower Project";
    crv::POM.ShipToAddress2 = "200 Elm Street";
    crv::POM.ShipToCity = "Plano";
    crv::POM.ShipToState = "TX";
    crv::POM.ShipToZip = "75023";
    crv::POM.ShipVia = "Freight Carrier Express";
    crv::POM.PreparedBy = "Pat Buyer";
    crv::POM.DefaultJob = "J100";
    crv::POM.Terms = "Net 30";
    crv::POM.FOB = "Origin";
    crv::POM.TaxRate = 5.0;
    crv::POM.PreTaxAmount = crv::Amount(300);
    crv::POM.POAmount = crv::Amount::fromRaw(31500);
    EXPECT_EQ(crv::POMaster.insert(), crv::TableStatus::Ok);
    return crv::POM.POID;
  }

  void addLine(crv::Id poid, crv::Id sequence, std::string_view item, std::string_view description,
               crv::Amount total, crv::Flag taxable = 1, std::string_view catalog = "") {
    crv::POD.clear();
    ASSERT_EQ(crv::PODetail.primeAutoInc(), crv::TableStatus::Ok);
    crv::POD.POID = poid;
    crv::POD.SequenceNo = sequence;
    crv::POD.ItemID = item;
    crv::POD.Description = description;
    crv::POD.QtyOrdered = crv::Quantity(3);
    crv::POD.UnitPrice = total.toDouble() / 3.0;
    crv::POD.UnitName = "Each";
    crv::POD.TotalAmount = total;
    crv::POD.Taxable = taxable;
    crv::POD.VendorCatalogID = catalog;
    ASSERT_EQ(crv::PODetail.insert(), crv::TableStatus::Ok);
  }

  crv::POMasterRecord order(crv::Id poid) {
    crv::POM.clear();
    crv::POM.POID = poid;
    EXPECT_EQ(crv::POMaster.fetch(crv::POM.KeyPOID), crv::TableStatus::Ok);
    return crv::POM;
  }

  // The batch rows of a user in the order they were built.
  std::vector<crv::POPrintRecord> batch(std::string_view user = "ABC") {
    std::vector<crv::POPrintRecord> rows;
    crv::POP.clear();
    crv::POP.UserID = user;
    if (crv::POPrint.setRange(crv::POP.KeyUserID, 1) != crv::TableStatus::Ok) return rows;
    while (crv::POPrint.next() == crv::TableStatus::Ok) rows.push_back(crv::POP);
    return rows;
  }

  crv::test::TempFolder folder;
  crv::test::FaultInjectingBackend storage;  // arm it to make a read, write or commit fail
  std::unique_ptr<crv::Company> company;
  ToldMessages messages;

 private:
  crv::MessageService* previous_ = nullptr;
};

}  // namespace crvpo::test

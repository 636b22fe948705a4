// The demo company for the line-form tests: created once per test suite,
// copied afresh for every test so each starts from the same rows, with the
// suite's switches set as a job-cost company with inventory and equipment
// purchasing, and the entry hand-over values blank. LineFormDrivingTest
// adds opening the line form through the headless driver.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string_view>

#include "crvpo/entry/entry_state.h"
#include "crvpo/entry/update_po_detail.h"
#include "host/app/demo_company.h"
#include "host/data/company.h"
#include "host/data/shared_values.h"
#include "host/data/tables/inventory_tables.h"
#include "host/data/tables/job_cost_tables.h"
#include "host/data/tables/purchasing_tables.h"
#include "host/framework/services/global_request.h"
#include "host/framework/ui/headless/headless_driver.h"
#include "support/temp_folder.h"

namespace crvpo::test {

class LineFormTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    demo = new crv::test::TempFolder;
    crv::createDemoCompany(demo->path());
  }
  static void TearDownTestSuite() {
    delete demo;
    demo = nullptr;
  }
  void SetUp() override {
    std::filesystem::copy(
        demo->path(), folder.path(),
        std::filesystem::copy_options::recursive | std::filesystem::copy_options::overwrite_existing);
    company = crv::Company::open(folder.path());
    crv::GENERIC = 0;
    crv::INPURCHASE = 1;
    crv::EQPURCHASE = 1;
    crv::PURCHASELEVEL = 2;
    crv::COUNTRY.clear();
    crv::CostCodeLen = 6;
    crv::JobIDLen = 10;
    crv::GlobalRequest = 0;
    crv::GlobalResponse = 0;
    crv::JOBFIELD.clear();
    crv::EQUIPFIELD.clear();
    crv::REPORTFILTER = "";
    crv::TEST.clear();
    crv::RXQUEUE.clear();
    entryState().reset();
  }
  void TearDown() override {
    company.reset();
    crv::COUNTRY.clear();
    entryState().reset();
  }

  // Leaves the order in POM as the header form holds it.
  void loadOrder(std::string_view number) {
    crv::POMaster.open();
    crv::POM.clear();
    crv::POM.PONumber = number;
    ASSERT_EQ(crv::POMaster.fetch(crv::POMasterRecord::KeyPONumber), crv::TableStatus::Ok);
    crv::POMaster.close();
  }

  // Leaves the order's line of `sequence` (1-based) in POD.
  void loadLine(std::string_view order, crv::Id sequence) {
    loadOrder(order);
    crv::PODetail.open();
    crv::POD.clear();
    crv::POD.POID = crv::POM.POID;
    crv::POD.SequenceNo = sequence;
    ASSERT_EQ(crv::PODetail.fetch(crv::PODetailRecord::KeyPOID), crv::TableStatus::Ok);
    crv::PODetail.close();
  }

  // Sets a job cost line's budget figures.
  void setBudget(std::string_view job, std::string_view code, std::string_view budget,
                 std::string_view toDate, std::string_view committed) {
    crv::JCCost.open();
    crv::JCC.clear();
    crv::JCC.JobID = job;
    crv::JCC.CostCode = code;
    ASSERT_EQ(crv::JCCost.fetch(crv::JCCostRecord::KeyJobCodeType), crv::TableStatus::Ok);
    crv::JCC.CurrentBudget = *crv::Amount::parse(budget);
    crv::JCC.CostToDate = *crv::Amount::parse(toDate);
    crv::JCC.Committed = *crv::Amount::parse(committed);
    ASSERT_EQ(crv::JCCost.update(), crv::TableStatus::Ok);
    crv::JCCost.close();
  }

  static crv::test::TempFolder* demo;
  crv::test::TempFolder folder;
  std::unique_ptr<crv::Company> company;
};

inline crv::test::TempFolder* LineFormTest::demo = nullptr;

// The line form as the header form opens it, played through the headless
// driver.
class LineFormDrivingTest : public LineFormTest {
 protected:
  void open(crv::ui::HeadlessDriver& person, int request, std::string_view title) {
    person.request(request);
    person.start([] { updatePODetail(); }, "UpdatePODetail");
    person.expectWindow(title);
  }
  void insertOn(crv::ui::HeadlessDriver& person, std::string_view order) {
    loadOrder(order);
    open(person, crv::InsertRecord, "Adding Purchase Order Detail");
  }
  // A line as stored, read back by its DetailID into POD.
  void reread(crv::Id detail) {
    crv::PODetail.open();
    crv::POD.clear();
    crv::POD.DetailID = detail;
    ASSERT_EQ(crv::PODetail.fetch(crv::PODetailRecord::KeyDetailID), crv::TableStatus::Ok);
    crv::PODetail.close();
  }
};

}  // namespace crvpo::test

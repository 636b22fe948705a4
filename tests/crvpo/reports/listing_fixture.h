// The demo company for the listing and limits tests, copied afresh for each
// test, with helpers to save a listing format, run the listing into a PDF
// and read it back, and a message service that records what was said.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "crvpo/reports/po_delivery.h"
#include "crvpo/reports/print_po_listing.h"
#include "crvpo/reports/print_state.h"
#include "host/app/demo_company.h"
#include "host/data/company.h"
#include "host/data/shared_values.h"
#include "host/data/tables/purchasing_tables.h"
#include "host/data/tables/suite_tables.h"
#include "host/framework/services/global_request.h"
#include "support/pdf_text.h"
#include "support/temp_folder.h"

namespace crvpo::test {

class ListingTest : public ::testing::Test {
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
    std::filesystem::copy(demo->path(), folder.path(), std::filesystem::copy_options::recursive);
    company = crv::Company::open(folder.path());
    crv::DataPath = folder.path().string();
    crv::UserID = "JMS";
    crv::CompanyName = crv::demo::companyName;
    crv::GENERIC = 0;
    crv::PURCHASELEVEL = 2;
    crv::CostCodeLen = crv::demo::costCodeLen;
    crv::GLO.PrintPreview = 0;
    crv::GLO.PreviewZoom = 0;
    crv::GlobalReportLimit = 0;
    crv::REPORTFILTER = "";
    crv::RXQUEUE.clear();
    printState() = PrintState{};
    deliveryState() = DeliveryState{};
  }
  void TearDown() override {
    company.reset();
    printState() = PrintState{};
    deliveryState() = DeliveryState{};
  }

  // Saves a "PO Listing" format: every reconciled state, by PO number,
  // whole orders, jobs and non-jobs, portrait, as the form's defaults are;
  // `setup` changes what the test needs. Answers its LimitID.
  crv::Id addFormat(std::string_view title, const std::function<void(crv::POLimitsRecord&)>& setup = {}) {
    crv::POLimits.open();
    crv::POL.clear();
    EXPECT_EQ(crv::POLimits.primeAutoInc(), crv::TableStatus::Ok);
    crv::POL.Report = "PO Listing";
    crv::POL.ReportTitle = title;
    crv::POL.UserID = "JMS";
    crv::POL.Unreconciled = 1;
    crv::POL.PartiallyReconciled = 1;
    crv::POL.FullyReconciled = 1;
    crv::POL.Sequence = "P";
    crv::POL.SortDetail = "W";
    crv::POL.SelectedRef = 3;
    crv::POL.Orientation = 'P';
    crv::POL.CatFrom = "Y";
    crv::POL.CatTo = "Y";
    if (setup) setup(crv::POL);
    EXPECT_EQ(crv::POLimits.insert(), crv::TableStatus::Ok);
    const crv::Id id = crv::POL.LimitID;
    crv::POLimits.close();
    return id;
  }

  void addListValue(crv::Id limit, std::string_view list, std::string_view text, crv::Id number = 0) {
    crv::LimList.open();
    crv::LL.clear();
    EXPECT_EQ(crv::LimList.primeAutoInc(), crv::TableStatus::Ok);
    crv::LL.Owner = "POLimits";
    crv::LL.LimitID = limit;
    crv::LL.ListName = list;
    crv::LL.TextValue = text;
    crv::LL.NumericValue = number;
    EXPECT_EQ(crv::LimList.insert(), crv::TableStatus::Ok);
    crv::LimList.close();
  }

  crv::Id orderId(std::string_view number) {
    crv::POMaster.open();
    crv::POM.clear();
    crv::POM.PONumber = number;
    EXPECT_EQ(crv::POMaster.fetch(crv::POMasterRecord::KeyPONumber), crv::TableStatus::Ok);
    crv::POMaster.close();
    return crv::POM.POID;
  }

  // The listing of the format laid out into a PDF and read back; the export
  // lines go to `exportLines` when given.
  std::string listingText(crv::Id limit, std::vector<std::string>* exportLines = nullptr) {
    const auto format = listingFormat(limit);
    EXPECT_TRUE(format.has_value());
    if (!format) return {};
    const auto file = folder / ("listing-" + std::to_string(limit) + ".pdf");
    ListingRun run(*format, file, nullptr, exportLines);
    while (run.next()) {
    }
    const ListingResult result = run.finish();
    return result.pages > 0 ? crv::test::pdfText(file) : std::string();
  }

  inline static crv::test::TempFolder* demo = nullptr;
  crv::test::TempFolder folder;
  std::unique_ptr<crv::Company> company;
};

}  // namespace crvpo::test

// `crvhost print`: one order of the demo company printed to a PDF file
// whose text carries the order and the company's footer, on the standard
// form or the company's designer form, a limits batch of one order named
// after it, and an unknown order number or a designer form of the wrong
// type refused with a message and a failing exit code, run as the
// installed program is.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>

#include "host/app/demo_company.h"
#include "host/data/company.h"
#include "host/data/tables/purchasing_tables.h"
#include "host/data/tables/suite_tables.h"
#include "host/framework/report/report_file.h"
#include "support/command_run.h"
#include "support/pdf_text.h"
#include "support/temp_folder.h"

namespace crv::test {
namespace {

class PrintCommandTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!std::filesystem::exists(program_)) GTEST_SKIP() << "crvhost not built";
    createDemoCompany(folder_.path());
  }

  // Company settings as Company Settings stores them (the desktop test sets
  // them through the form).
  void changeSettings(const std::function<void()>& change) {
    auto company = Company::open(folder_.path(), false);
    Systems.open();
    Systems.set(SystemsRecord::KeySystemID);
    ASSERT_EQ(Systems.next(), TableStatus::Ok);
    change();
    ASSERT_EQ(Systems.update(), TableStatus::Ok);
    Systems.close();
  }
  void useDesignerForm(const std::filesystem::path& form) {
    changeSettings([&] {
      SYS.POFormType = "Formwright";
      SYS.PODesignerForm = form.string();
    });
  }

  CommandRun print(const std::filesystem::path& pdf) {
    return runCommand(quoted(program_) + " print " + quoted(folder_.path()) + " " +
                      std::string(demo::openJobOrder) + " " + quoted(pdf));
  }

  const std::filesystem::path program_ = std::filesystem::path(CRV_TEST_BIN_DIR) / "crvhost";
  TempFolder folder_;
};

TEST_F(PrintCommandTest, PrintsOneOrderToThePdfNamed) {
  changeSettings([] { SYS.ReportFooter = "Deliveries to the site office only"; });
  const std::filesystem::path pdf = folder_ / "out.pdf";
  const CommandRun printed = runCommand(quoted(program_) + " print " + quoted(folder_.path()) + " " +
                                        std::string(demo::openJobOrder) + " " + quoted(pdf));
  ASSERT_EQ(printed.code, 0) << printed.output;
  EXPECT_NE(printed.output.find("Printed 1 order(s)"), std::string::npos) << printed.output;
  ASSERT_TRUE(std::filesystem::exists(pdf));
  if (!havePdftotext()) GTEST_SKIP() << "pdftotext not installed";
  const std::string text = pdfText(pdf);
  EXPECT_NE(text.find("NUMBER: " + std::string(demo::openJobOrder)), std::string::npos) << text;
  EXPECT_NE(text.find("Columbia Lumber Supply"), std::string::npos) << text;
  EXPECT_NE(text.find("Deliveries to the site office only"), std::string::npos) << text;
}

// A batch from the limits that holds one order is named after that order,
// as printing the order by its number is.
TEST_F(PrintCommandTest, ALimitsBatchOfOneOrderIsNamedAfterTheOrder) {
  {
    auto company = Company::open(folder_.path(), false);
    POLimits.open();
    POL.clear();
    POL.Report = "Generate POs";
    const bool found = POLimits.setFrom(POL.KeyReport, 1) == TableStatus::Ok &&
                       POLimits.next() == TableStatus::Ok && POL.Report == "Generate POs";
    if (!found) {
      POL.clear();
      ASSERT_EQ(POLimits.primeAutoInc(), TableStatus::Ok);
      POL.Report = "Generate POs";
    }
    POL.SelectedPONumbers = 1;
    POL.POFrom = demo::openJobOrder;
    POL.POTo = demo::openJobOrder;
    ASSERT_EQ(found ? POLimits.update() : POLimits.insert(), TableStatus::Ok);
    POLimits.close();
  }
  const CommandRun printed = runCommand(quoted(program_) + " print " + quoted(folder_.path()) + " --limits");
  ASSERT_EQ(printed.code, 0) << printed.output;
  EXPECT_NE(printed.output.find("Printed 1 order(s)"), std::string::npos) << printed.output;
  const std::string named =
      (folder_ / ("Purchase Order " + std::string(demo::openJobOrder) + " from ")).string();
  EXPECT_NE(printed.output.find(" to " + named), std::string::npos) << printed.output;
  EXPECT_FALSE(std::filesystem::exists(folder_ / "Purchase Orders.pdf"));
}

TEST_F(PrintCommandTest, AnUnknownOrderNumberFailsWithAMessageAndWritesNothing) {
  const std::filesystem::path pdf = folder_ / "none.pdf";
  const CommandRun refused =
      runCommand(quoted(program_) + " print " + quoted(folder_.path()) + " 9999 " + quoted(pdf));
  EXPECT_NE(refused.code, 0);
  EXPECT_NE(refused.output.find("No purchase order numbered 9999."), std::string::npos) << refused.output;
  EXPECT_FALSE(std::filesystem::exists(pdf));
}

TEST_F(PrintCommandTest, PrintsOnTheCompanysDesignerFormAndRefusesAFormOfAnotherType) {
  useDesignerForm(folder_.path() / demo::sampleDesignerForm);
  const std::filesystem::path pdf = folder_ / "designed.pdf";
  const CommandRun printed = print(pdf);
  ASSERT_EQ(printed.code, 0) << printed.output;
  EXPECT_NE(printed.output.find("Printed 1 order(s), 1 page(s)"), std::string::npos) << printed.output;
  if (havePdftotext()) {
    const std::string text = pdfText(pdf);
    for (const char* expected :
         {"PURCHASE ORDER", "NUMBER:", "Columbia Lumber Supply", "TOTAL SUM OF", "Page 1 of 1"})
      EXPECT_NE(text.find(expected), std::string::npos) << expected << "\n" << text;
  }

  ReportDefinition listing;
  listing.type = "PrintPOListFM";
  const std::filesystem::path listingFile = folder_ / "Forms" / "listing.crvreport";
  writeReportFile(listingFile, listing);
  useDesignerForm(listingFile);
  const std::filesystem::path refusedPdf = folder_ / "refused.pdf";
  const CommandRun refused = print(refusedPdf);
  EXPECT_EQ(refused.code, 2) << refused.output;
  EXPECT_NE(refused.output.find("error: " + listingFile.string() +
                                " File contain report of type \"PrintPOListFM\". Required report type: "
                                "\"PrintPurchaseOrder\"!"),
            std::string::npos)
      << refused.output;
  EXPECT_FALSE(std::filesystem::exists(refusedPdf));
}

}  // namespace
}  // namespace crv::test

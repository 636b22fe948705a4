// `crvhost print`: one order of the demo company printed to a PDF file
// whose text carries the order, on the standard form or the company's
// designer form, and an unknown order number or a designer form of the
// wrong type refused with a message and a failing exit code, run as the
// installed program is.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "host/app/demo_company.h"
#include "host/data/company.h"
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

  // The company's form setting and designer-form path, as Company Settings
  // stores them (the desktop test sets them through the form).
  void useDesignerForm(const std::filesystem::path& form) {
    auto company = Company::open(folder_.path(), false);
    Systems.open();
    Systems.set(SystemsRecord::KeySystemID);
    ASSERT_EQ(Systems.next(), TableStatus::Ok);
    SYS.POFormType = "Formwright";
    SYS.PODesignerForm = form.string();
    ASSERT_EQ(Systems.update(), TableStatus::Ok);
    Systems.close();
  }

  CommandRun print(const std::filesystem::path& pdf) {
    return runCommand(quoted(program_) + " print " + quoted(folder_.path()) + " " +
                      std::string(demo::openJobOrder) + " " + quoted(pdf));
  }

  const std::filesystem::path program_ = std::filesystem::path(CRV_TEST_BIN_DIR) / "crvhost";
  TempFolder folder_;
};

TEST_F(PrintCommandTest, PrintsOneOrderToThePdfNamed) {
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

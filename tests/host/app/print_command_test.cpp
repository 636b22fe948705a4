// `crvhost print`: one order of the demo company printed to a PDF file
// whose text carries the order, and an unknown order number refused with a
// message and a failing exit code, run as the installed program is.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "host/app/demo_company.h"
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

}  // namespace
}  // namespace crv::test

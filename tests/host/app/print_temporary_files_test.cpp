// `crvhost print` on a company with a logo, with the shared temporary
// folder pointed at a folder of the test: the run's working files stay in
// its own folder and are gone when it ends.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "host/app/demo_company.h"
#include "host/data/company.h"
#include "host/data/shared_values.h"
#include "host/data/tables/suite_tables.h"
#include "host/framework/report/laid_out_page.h"
#include "host/render/png_renderer.h"
#include "host/siblings/CRVMISC/image_store.h"
#include "support/command_run.h"
#include "support/temp_folder.h"

namespace crv::test {
namespace {

class PrintTemporaryFilesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!std::filesystem::exists(program_)) GTEST_SKIP() << "crvhost not built";
    createDemoCompany(folder_.path());
  }

  const std::filesystem::path program_ = std::filesystem::path(CRV_TEST_BIN_DIR) / "crvhost";
  TempFolder folder_;
};

// The logo and every other working file stay in the run's own folder, are
// gone when it ends, and a link planted under the logo's name in the
// shared temporary folder is never written through.
TEST_F(PrintTemporaryFilesTest, LeaveNothingInTheSharedTemporaryFolder) {
  const std::filesystem::path logo = folder_ / "logo.png";
  LaidOutPage page;
  page.width = 72;
  page.height = 36;
  PngRenderer(72).write(page, logo);
  {
    auto company = Company::open(folder_.path(), false);
    DataPath = folder_.path().string();
    const auto stored = siblings::StoreImageFile(logo);
    ASSERT_TRUE(stored) << stored.error;
    Images.open();
    IMG.clear();
    ASSERT_EQ(Images.primeAutoInc(), TableStatus::Ok);
    IMG.Type = "POLogo";
    IMG.NumericID = 1;
    IMG.FileName = logo.string();
    IMG.StoredName = stored.storedName;
    IMG.Placement = "L";
    IMG.ScalePercent = 100;
    ASSERT_EQ(Images.insert(), TableStatus::Ok);
    Images.close();
  }
  const std::filesystem::path shared = folder_ / "tmp";
  std::filesystem::create_directory(shared);
  std::ofstream(folder_ / "victim.txt") << "keep";
  std::filesystem::create_symlink(folder_ / "victim.txt", shared / "logo.png");

  const CommandRun printed =
      runCommand("TMPDIR=" + quoted(shared) + " " + quoted(program_) + " print " + quoted(folder_.path()) +
                 " " + std::string(demo::openJobOrder) + " " + quoted(folder_ / "out.pdf"));
  ASSERT_EQ(printed.code, 0) << printed.output;
  std::vector<std::string> left;
  for (const auto& entry : std::filesystem::directory_iterator(shared))
    left.push_back(entry.path().filename().string());
  EXPECT_EQ(left, std::vector<std::string>{"logo.png"}) << "only the planted link";
  EXPECT_TRUE(std::filesystem::is_symlink(shared / "logo.png"));
  std::ifstream victim(folder_ / "victim.txt");
  EXPECT_EQ(std::string(std::istreambuf_iterator<char>(victim), {}), "keep");
}

}  // namespace
}  // namespace crv::test

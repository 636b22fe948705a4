// Report files written on the writer's own thread: a file that cannot be
// written is reported as a failure, whichever line or the closing finds
// it, and leaves no file under its name.
#include "host/siblings/CRVMISC/report_export.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "support/temp_folder.h"

namespace crv::siblings {
namespace {

TEST(ReportFileWriterTest, AFullDiskIsReportedAndLeavesNoFile) {
  if (!std::filesystem::exists("/dev/full")) GTEST_SKIP() << "no /dev/full";
  test::TempFolder folder;
  for (const char* name : {"listing.csv", "listing.xlsx"}) {
    SCOPED_TRACE(name);
    const std::filesystem::path file = folder / name;
    std::filesystem::path partial = file;
    partial += ".part";
    // Every write to the file being made fails as on a full disk.
    std::filesystem::create_symlink("/dev/full", partial);
    std::string error;
    try {
      ReportFileWriter writer(file);
      for (int i = 0; i < 20000; ++i) writer.add("100001\tConcrete block 8x8x16\t1,250.00\t12.5000");
      writer.finish();
    } catch (const std::runtime_error& failure) {
      error = failure.what();
    }
    EXPECT_NE(error.find("Cannot write " + file.string()), std::string::npos) << error;
    EXPECT_FALSE(std::filesystem::exists(file));
    EXPECT_FALSE(std::filesystem::is_symlink(partial));
  }
}

}  // namespace
}  // namespace crv::siblings

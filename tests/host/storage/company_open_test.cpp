// Opening a company: files that are not a company are refused by name
// without being turned into one or hanging the program, and a company that
// is already laid out opens while another station is in the middle of a
// long write.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <chrono>
#include <fstream>

#include "host/data/company.h"
#include "host/storage/sqlite/sqlite_backend.h"
#include "support/temp_folder.h"

namespace crv {
namespace {

TEST(CompanyOpenTest, AnEmptyFileOrAPipeIsRefusedByName) {
  struct Case {
    const char* what;
    void (*make)(const std::filesystem::path&);
    const char* said;
  };
  const Case cases[] = {
      {"empty file", [](const std::filesystem::path& file) { std::ofstream{file}; },
       "the file is empty (0 bytes), so it holds no company"},
      {"pipe", [](const std::filesystem::path& file) { ASSERT_EQ(::mkfifo(file.c_str(), 0600), 0); },
       "it is not a regular file"},
  };
  for (const Case& c : cases) {
    test::TempFolder folder;
    const auto file = folder / Company::databaseFileName;
    c.make(file);
    try {
      Company::open(folder.path());
      ADD_FAILURE() << c.what << " was opened";
    } catch (const StorageOpenError& error) {
      const std::string text = error.what();
      EXPECT_NE(text.find(file.string()), std::string::npos) << text;
      EXPECT_NE(text.find(c.said), std::string::npos) << text;
    }
    EXPECT_EQ(Company::current(), nullptr);
    if (std::filesystem::is_regular_file(file)) {
      EXPECT_EQ(std::filesystem::file_size(file), 0u) << c.what;
    }
  }
}

TEST(CompanyOpenTest, ALaidOutCompanyOpensWhileAnotherStationWrites) {
  test::TempFolder folder;
  Company::open(folder.path(), true).reset();
  auto other = SqliteBackend().open((folder / Company::databaseFileName).string(), Company::schema(), false);
  ASSERT_FALSE(other->begin(std::chrono::milliseconds(0)).failed());

  const auto started = std::chrono::steady_clock::now();
  EXPECT_NO_THROW(Company::open(folder.path()).reset());
  EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(2));
  other->rollback();
}

}  // namespace
}  // namespace crv

// The image store: copies kept under the company's data folder, extracted
// under their original names, removed idempotently, and stored names that
// would reach outside the store refused.
#include "host/siblings/CRVMISC/image_store.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "host/data/shared_values.h"
#include "support/temp_folder.h"

namespace crv::siblings {
namespace {

std::string contents(const std::filesystem::path& file) {
  std::ifstream in(file);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

class ImageStoreTest : public ::testing::Test {
 protected:
  void SetUp() override { DataPath = (company / "data").string(); }
  test::TempFolder company;
};

TEST_F(ImageStoreTest, StoresACopyThatOutlivesTheOriginalAndExtractsItUnderItsName) {
  const auto original = company / "Quote 17.pdf";
  std::ofstream(original) << "quote";
  const auto first = StoreImageFile(original);
  const auto second = StoreImageFile(original);
  ASSERT_TRUE(first) << first.error;
  ASSERT_TRUE(second);
  EXPECT_NE(first.storedName, second.storedName);
  EXPECT_EQ(first.file.parent_path(), imageStoreFolder());
  EXPECT_EQ(originalFileName(first.storedName), "Quote 17.pdf");

  std::filesystem::remove(original);
  const auto out = company / "out";
  std::filesystem::create_directories(out);
  const auto extracted = ExtractImageFile(first.storedName, out);
  ASSERT_TRUE(extracted) << extracted.error;
  EXPECT_EQ(extracted.file, out / "Quote 17.pdf");
  EXPECT_EQ(contents(extracted.file), "quote");

  EXPECT_TRUE(RemoveImageFile(first.storedName));
  EXPECT_FALSE(std::filesystem::exists(first.file));
  EXPECT_TRUE(RemoveImageFile(first.storedName)) << "a file already gone counts as removed";
  EXPECT_TRUE(std::filesystem::exists(second.file));
  EXPECT_FALSE(ExtractImageFile(first.storedName, out / "again.pdf"));
}

TEST_F(ImageStoreTest, RefusesNamesThatAreNotInTheStoreAndFilesThatCannotBeRead) {
  std::filesystem::create_directories(company / "data");
  std::ofstream(company / "data" / "company.db") << "precious";
  for (std::string_view name : {"../company.db", "..", "", "/etc/passwd", "a\\b"}) {
    EXPECT_FALSE(RemoveImageFile(name)) << name;
    EXPECT_FALSE(ExtractImageFile(name, company / "x")) << name;
  }
  EXPECT_TRUE(std::filesystem::exists(company / "data" / "company.db"));
  const auto missing = StoreImageFile(company / "nowhere.pdf");
  EXPECT_FALSE(missing);
  EXPECT_FALSE(missing.error.empty());
}

}  // namespace
}  // namespace crv::siblings

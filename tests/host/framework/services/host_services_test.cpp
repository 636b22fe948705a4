// The host's services: a file replaced whole or not at all, the desktop's
// programs started with the file as a plain argument, and the CUPS print
// service without a print system.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <fstream>
#include <optional>
#include <sstream>
#include <thread>

#include "host/framework/services/desktop_programs.h"
#include "host/framework/services/file_replacement.h"
#include "host/print/cups_print_service.h"
#include "support/temp_folder.h"

namespace crv {
namespace {

namespace fs = std::filesystem;

std::string readAll(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

// Sets an environment variable for one scope.
class ScopedEnv {
 public:
  ScopedEnv(const char* name, const std::string& value) : name_(name) {
    if (const char* old = std::getenv(name)) old_ = old;
    ::setenv(name, value.c_str(), 1);
  }
  ~ScopedEnv() {
    if (old_)
      ::setenv(name_, old_->c_str(), 1);
    else
      ::unsetenv(name_);
  }

 private:
  const char* name_;
  std::optional<std::string> old_;
};

TEST(FileReplacement, ReplacesWholeKeepsPermissionsAndLeavesNothingBehind) {
  test::TempFolder folder;
  const fs::path file = folder / "settings.ini";
  std::ofstream(file) << "old";
  ::chmod(file.c_str(), 0600);

  EXPECT_EQ(replaceFile(file, "new contents"), "");
  EXPECT_EQ(readAll(file), "new contents");
  struct stat status {};
  ASSERT_EQ(::stat(file.c_str(), &status), 0);
  EXPECT_EQ(status.st_mode & 0777, 0600u);

  {
    FileReplacement abandoned(file);
    ASSERT_TRUE(abandoned.ok());
    EXPECT_EQ(abandoned.temporary(), folder / "settings.ini.part");
    abandoned.write("half");
  }
  EXPECT_EQ(readAll(file), "new contents") << "an abandoned replacement changes nothing";

  // Another writer holds the usual temporary name: a unique one is taken.
  std::ofstream(folder / "settings.ini.part") << "theirs";
  FileReplacement second(file);
  ASSERT_TRUE(second.ok()) << second.error();
  EXPECT_NE(second.temporary(), folder / "settings.ini.part");
  ASSERT_TRUE(second.write("second") && second.commit());
  EXPECT_EQ(readAll(file), "second");
  EXPECT_EQ(readAll(folder / "settings.ini.part"), "theirs");

  int files = 0;
  for ([[maybe_unused]] const auto& entry : fs::directory_iterator(folder.path())) ++files;
  EXPECT_EQ(files, 2) << "the file and the other writer's";
}

TEST(FileReplacement, KeepRefusesAnExistingFileAndFailuresNameTheReason) {
  test::TempFolder folder;
  const fs::path file = folder / "message.eml";
  std::ofstream(file) << "first";
  FileReplacement second(file);
  ASSERT_TRUE(second.write("second"));
  EXPECT_FALSE(second.commit(FileReplacement::Existing::Keep));
  EXPECT_EQ(second.error(), "File exists");
  EXPECT_EQ(readAll(file), "first");
  EXPECT_FALSE(fs::exists(second.temporary()));

  EXPECT_EQ(replaceFile(folder / "missing" / "file.txt", "x"), "No such file or directory");
  EXPECT_EQ(copyFileSafely(folder / "no such file", folder / "copy"), "No such file or directory");
  EXPECT_FALSE(fs::exists(folder / "copy"));
}

TEST(DesktopPrograms, RunXdgOpenWithTheFileAsOneArgument) {
  test::TempFolder folder;
  const fs::path said = folder / "said.txt";
  {
    std::ofstream script(folder / "xdg-open");
    script << "#!/bin/sh\nprintf '%s\\n' \"$#:$1\" >> '" << said.string() << "'\n";
  }
  ::chmod((folder / "xdg-open").c_str(), 0755);
  ScopedEnv path("PATH", folder.path().string() + ":/usr/bin:/bin");

  const fs::path file = folder / "Order 'PO 1' $(x).pdf";
  EXPECT_TRUE(desktopPrograms().view(file));
  EXPECT_TRUE(desktopPrograms().edit(folder / "Export.txt"));
  // The programs run detached: wait for both to have spoken.
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
  while (std::ranges::count(readAll(said), '\n') < 2 && std::chrono::steady_clock::now() < deadline)
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  const std::string text = readAll(said);
  EXPECT_NE(text.find("1:" + file.string() + "\n"), std::string::npos) << text;
  EXPECT_NE(text.find("1:" + (folder / "Export.txt").string() + "\n"), std::string::npos) << text;

  ScopedEnv none("PATH", folder.path().string() + "/nowhere");
  EXPECT_FALSE(desktopPrograms().view(file)) << "no xdg-open: nothing started";
}

TEST(CupsPrintService, WithoutAPrintSystemThereIsNoDefaultPrinter) {
  test::TempFolder folder;
  ScopedEnv server("CUPS_SERVER", (folder / "no-cupsd.sock").string());
  ScopedEnv home("HOME", folder.path().string());
  CupsPrintService cups;
  EXPECT_EQ(cups.defaultPrinter(), "");
  std::ofstream(folder / "order.pdf") << "%PDF-1.5";
  const PrintResult printed = cups.print({folder / "order.pdf", "order.pdf", 2});
  EXPECT_EQ(printed.status, PrintResult::Status::NoDefaultPrinter);
  EXPECT_FALSE(printed);
}

}  // namespace
}  // namespace crv

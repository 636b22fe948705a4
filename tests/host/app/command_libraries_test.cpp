// What each command loads: the command line must not pull in the toolkit,
// the mail stack, the drawing libraries, the server client, the print
// system or the workbook writer unless the command uses them, or every run pays for loading them.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "host/app/demo_company.h"
#include "support/command_run.h"
#include "support/temp_folder.h"

namespace crv::test {
namespace {

// The libraries the dynamic loader initialised in the run, by file name.
std::vector<std::string> librariesLoaded(const std::string& output) {
  std::vector<std::string> names;
  std::istringstream lines(output);
  for (std::string line; std::getline(lines, line);) {
    const auto at = line.find("calling init: ");
    if (at != std::string::npos) names.push_back(line.substr(line.find_last_of('/') + 1));
  }
  return names;
}

bool anyStartsWith(const std::vector<std::string>& names, const std::string& prefix) {
  for (const std::string& name : names)
    if (name.rfind(prefix, 0) == 0) return true;
  return false;
}

TEST(CommandLibrariesTest, EachCommandLoadsOnlyWhatItUses) {
  TempFolder folder;
  createDemoCompany(folder.path());
  const std::string company = quoted(folder.path());
  const std::string pdf = quoted(folder / "order.pdf");
  struct Case {
    std::string arguments;
    std::vector<std::string> loaded;     // prefixes that must be there
    std::vector<std::string> notLoaded;  // prefixes that must not
  };
  const std::vector<std::string> heavy = {"libQt6", "libcurl", "libcairo", "libpango",
                                          "libpq.", "libcups", "libCRVPO"};
  const std::vector<Case> cases = {
      {"--help", {"libcrvframework"}, heavy},
      {"show " + company, {"libcrvsqlite"}, heavy},
      {"print " + company + " 1001 " + pdf,
       {"libcairo", "libpango", "libcrvcairo"},
       {"libQt6", "libcurl", "libpq.", "libcups", "libxlsxwriter", "libcrypto"}},
  };
  for (const Case& item : cases) {
    const CommandRun run = runCommand("LD_DEBUG=libs " + crvhost(item.arguments));
    ASSERT_EQ(run.code, 0) << item.arguments << "\n" << run.output;
    const std::vector<std::string> names = librariesLoaded(run.output);
    for (const std::string& prefix : item.loaded)
      EXPECT_TRUE(anyStartsWith(names, prefix)) << item.arguments << " did not load " << prefix;
    for (const std::string& prefix : item.notLoaded)
      EXPECT_FALSE(anyStartsWith(names, prefix)) << item.arguments << " loaded " << prefix;
  }
}

}  // namespace
}  // namespace crv::test

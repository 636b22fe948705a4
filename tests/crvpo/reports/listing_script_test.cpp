// The scripts under tests/scripts/crvpo/reports play the listing formats and
// the printing limits on the demo company with the previewer on, and must
// give their committed transcripts.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

#include "crvpo/reports/browse_po_list_limits.h"
#include "crvpo/reports/limit_print_pos.h"
#include "crvpo/reports/update_po_list_limits.h"
#include "host/framework/ui/headless/script_runner.h"
#include "tests/crvpo/reports/listing_fixture.h"

namespace crvpo {
namespace {

const std::filesystem::path scriptFolder =
    std::filesystem::path(CRV_SOURCE_DIR) / "tests" / "scripts" / "crvpo" / "reports";

std::string readFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

class ListingScriptTest : public test::ListingTest {};

// Set CRV_UPDATE_SCRIPTS=1 to write the transcripts instead of comparing
// them (then read the differences before committing them).
TEST_F(ListingScriptTest, ListingAndLimitsScriptsGiveTheirCommittedTranscripts) {
  const bool update = std::getenv("CRV_UPDATE_SCRIPTS") != nullptr;
  std::vector<std::filesystem::path> scripts;
  for (const auto& entry : std::filesystem::directory_iterator(scriptFolder))
    if (entry.path().extension() == ".script") scripts.push_back(entry.path());
  ASSERT_FALSE(scripts.empty());
  const crv::ui::ProcedureMap procedures = {{"BrowsePOListLimits", [] { BrowsePOListLimits(); }},
                                            {"UpdatePOListLimits", [] { UpdatePOListLimits(); }},
                                            {"LimitPrintPOs", [] { LimitPrintPOs(); }}};
  for (const auto& script : scripts) {
    SCOPED_TRACE(script.filename().string());
    crv::GLO.PrintPreview = 1;
    std::istringstream in(readFile(script));
    crv::ui::ScriptOptions options;
    options.folder = folder.path();
    const crv::ui::ScriptResult result = crv::ui::runScript(in, procedures, options);
    auto expectedFile = script;
    expectedFile.replace_extension(".expected");
    if (update) {
      std::ofstream(expectedFile, std::ios::binary) << result.transcript;
      continue;
    }
    EXPECT_EQ(result.transcript, readFile(expectedFile));
    EXPECT_TRUE(result.ok) << result.reason;
  }
}

}  // namespace
}  // namespace crvpo

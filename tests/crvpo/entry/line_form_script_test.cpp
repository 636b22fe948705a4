// The module's scripts under tests/scripts/crvpo run against the demo
// company with order 1001 in the order buffer, as the header form leaves it
// when it calls the line form, and must give their committed transcripts.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <sstream>

#include "crvpo/entry/open_po_master.h"
#include "crvpo/entry/update_po_master.h"
#include "crvpo/reconcile/browse_po_reconcile.h"
#include "host/framework/ui/headless/script_runner.h"
#include "line_form_fixture.h"

namespace crvpo::test {
namespace {

const std::filesystem::path scriptFolder =
    std::filesystem::path(CRV_SOURCE_DIR) / "tests" / "scripts" / "crvpo";

std::string readFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

class LineFormScriptTest : public LineFormTest {
 protected:
  // Every script starts from the demo company as it was created.
  void freshCompany() {
    company.reset();
    std::filesystem::copy(
        demo->path(), folder.path(),
        std::filesystem::copy_options::recursive | std::filesystem::copy_options::overwrite_existing);
    company = crv::Company::open(folder.path());
  }
};

// Set CRV_UPDATE_SCRIPTS=1 to write the transcripts instead of comparing
// them (then read the differences before committing them).
TEST_F(LineFormScriptTest, LineFormScriptsGiveTheirCommittedTranscripts) {
  const bool update = std::getenv("CRV_UPDATE_SCRIPTS") != nullptr;
  std::vector<std::filesystem::path> scripts;
  for (const auto& entry : std::filesystem::directory_iterator(scriptFolder))
    if (entry.path().extension() == ".script") scripts.push_back(entry.path());
  ASSERT_FALSE(scripts.empty());
  std::sort(scripts.begin(), scripts.end());
  const crv::ui::ProcedureMap procedures = {{"UpdatePODetail", [] { updatePODetail(); }},
                                            {"UpdatePOMaster", [] { updatePOMaster(); }},
                                            {"OpenPOMaster", [] { openPOMaster(); }},
                                            {"BrowsePOReconcile", [] { browsePOReconcile(); }}};
  crv::UserID = crv::demo::purchasingAgent;
  crv::DataPath = folder.path().string();
  crv::IniPath = folder.path().string();
  for (const auto& script : scripts) {
    SCOPED_TRACE(script.filename().string());
    freshCompany();
    loadOrder(crv::demo::openJobOrder);
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
}  // namespace crvpo::test

// Scripts: the examples under tests/scripts run against a fresh company and
// must give their committed transcripts; the examples in docs/SCRIPTS.md
// must be those scripts; bad lines and failing checks stop a script.
#include "host/framework/ui/headless/script_runner.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <map>
#include <sstream>

#include "host/data/company.h"
#include "host/framework/services/global_request.h"
#include "support/temp_folder.h"
#include "support/ui/order_procedures.h"

namespace crv::ui {
namespace {

const std::filesystem::path scriptFolder = std::filesystem::path(CRV_SOURCE_DIR) / "tests" / "scripts";

std::string readFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

ScriptResult runInFreshCompany(const std::string& script) {
  test::TempFolder folder;
  auto company = Company::open(folder.path(), true);
  test::orderLog().clear();
  GlobalRequest = 0;
  std::istringstream in(script);
  ScriptOptions options;
  options.folder = folder.path();
  return runScript(in, test::orderProcedures(), options);
}

std::vector<std::filesystem::path> exampleScripts() {
  std::vector<std::filesystem::path> scripts;
  for (const auto& entry : std::filesystem::directory_iterator(scriptFolder))
    if (entry.path().extension() == ".script") scripts.push_back(entry.path());
  std::sort(scripts.begin(), scripts.end());
  return scripts;
}

// Set CRV_UPDATE_SCRIPTS=1 to write the transcripts instead of comparing
// them (then read the differences before committing them).
TEST(ScriptRunnerTest, ExampleScriptsGiveTheirCommittedTranscripts) {
  const bool update = std::getenv("CRV_UPDATE_SCRIPTS") != nullptr;
  const auto scripts = exampleScripts();
  ASSERT_GE(scripts.size(), 3u);
  for (const auto& script : scripts) {
    SCOPED_TRACE(script.filename().string());
    const ScriptResult result = runInFreshCompany(readFile(script));
    auto expectedFile = script;
    expectedFile.replace_extension(".expected");
    if (update) {
      std::ofstream(expectedFile, std::ios::binary) << result.transcript;
      continue;
    }
    EXPECT_EQ(result.transcript, readFile(expectedFile));
    const bool meantToFail = script.filename().string().rfind("failed_", 0) == 0;
    EXPECT_EQ(result.ok, !meantToFail) << result.reason;
  }
}

TEST(ScriptRunnerTest, TheDocumentedExamplesAreTheScriptsThatRun) {
  const std::string doc = readFile(std::filesystem::path(CRV_SOURCE_DIR) / "docs" / "SCRIPTS.md");
  std::map<std::string, std::string> documented;
  std::size_t at = 0;
  while ((at = doc.find("```script\n", at)) != std::string::npos) {
    at += 10;
    const std::size_t end = doc.find("```", at);
    ASSERT_NE(end, std::string::npos);
    const std::string block = doc.substr(at, end - at);
    const std::string tag = "# example: ";
    if (block.rfind(tag, 0) == 0) documented[block.substr(tag.size(), block.find('\n') - tag.size())] = block;
    at = end + 3;
  }
  EXPECT_GE(documented.size(), 3u);
  for (const auto& [name, block] : documented) {
    SCOPED_TRACE(name);
    EXPECT_EQ(block, readFile(scriptFolder / (name + ".script")));
  }
}

TEST(ScriptRunnerTest, LinesThatAreNotActionsAreRefusedBeforeAnythingRuns) {
  const std::pair<const char*, const char*> cases[] = {
      {"call UpdateOrder\njump ?OK\n", "line 2: unknown action \"jump\""},
      {"tick ?X maybe\n", "line 1: usage: tick <control> on|off"},
      {"\n# note\ntype ?X \"open\n", "line 3: a quoted text is not closed"},
      {"expect miracle\n",
       "line 1: expect what? window, message, finished, response, hidden, visible, enabled, "
       "disabled or focus"},
      {"answer date 13/45/2024\n", "line 1: usage: answer date MM/DD/YYYY"},
      {"key F13\n", "line 1: usage: key <F1..F12|Insert|Delete|Escape|Enter|...>"},
      {"sort ?List\n", "line 1: usage: sort <list> <column header>"},
  };
  for (const auto& [script, reason] : cases) {
    std::istringstream in(script);
    const ScriptResult result = runScript(in, {});
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.reason, reason);
    EXPECT_EQ(result.transcript, "FAILED at " + std::string(reason) + "\n");
  }
}

TEST(ScriptRunnerTest, QuotedTextKeepsSpacesQuotesAndEscapes) {
  std::istringstream in(
      "type ?A \"two  spaces \\\"quoted\\\"\"\ntype ?B several bare words\nanswer 2\nanswer \"2\"\n");
  const auto commands = parseScript(in);
  ASSERT_EQ(commands.size(), 4u);
  EXPECT_EQ(commands[0].args[1], "two  spaces \"quoted\"");
  EXPECT_EQ(commands[1].args.size(), 4u);
  EXPECT_FALSE(commands[2].quoted[0]);
  EXPECT_TRUE(commands[3].quoted[0]);
}

TEST(ScriptRunnerTest, AnUnknownProcedureOrAnUnexpectedWindowStopsTheScript) {
  ScriptResult result = runInFreshCompany("call Nothing\n");
  EXPECT_FALSE(result.ok);
  EXPECT_EQ(result.failedLine, 1);
  EXPECT_EQ(result.reason, "there is no procedure Nothing");

  result = runInFreshCompany("request insert\ncall UpdateOrder\npress ?Cancel\nexpect window \"Vendors\"\n");
  EXPECT_FALSE(result.ok);
  EXPECT_EQ(result.failedLine, 4);
  EXPECT_EQ(result.reason,
            "the procedure has finished (response cancelled); cannot find the window \"Vendors\"");

  result = runInFreshCompany("call UpdateOrder\n");
  EXPECT_TRUE(result.ok);
  EXPECT_NE(result.transcript.find("end of script: the procedure is stopped\n  close window"),
            std::string::npos)
      << result.transcript;
}

}  // namespace
}  // namespace crv::ui

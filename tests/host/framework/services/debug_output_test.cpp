// The command line as the process sees it and the debug output's memory.
#include "host/framework/services/debug_output.h"

#include <gtest/gtest.h>

#include "host/framework/services/command_line.h"

namespace crv {
namespace {

TEST(CommandLine, StartsWithTheProgram) {
  const std::vector<std::string> arguments = commandLineArguments();
  ASSERT_FALSE(arguments.empty());
  EXPECT_NE(arguments.front().find("crv_tests"), std::string::npos);
}

TEST(DebugOutput, KeepsOnlyTheMostRecentLines) {
  clearDebugLines();
  for (std::size_t i = 0; i < debugLinesKept + 5; ++i) debugOutput("line " + std::to_string(i));
  const std::vector<std::string> lines = debugLines();
  ASSERT_EQ(lines.size(), debugLinesKept);
  EXPECT_EQ(lines.front(), "line 5");
  EXPECT_EQ(lines.back(), "line " + std::to_string(debugLinesKept + 4));
  clearDebugLines();
  EXPECT_TRUE(debugLines().empty());
}

}  // namespace
}  // namespace crv

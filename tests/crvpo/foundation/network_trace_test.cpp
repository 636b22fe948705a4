// Which command lines turn the network trace on.
#include "crvpo/foundation/network_trace.h"

#include <gtest/gtest.h>

namespace crvpo {
namespace {

TEST(NetworkTrace, SwitchesInEitherFormTurnItOnAndNetNoLogWins) {
  EXPECT_EQ(traceSwitch({"crvhost", "/netlog"}), "/netlog");
  EXPECT_EQ(traceSwitch({"crvhost", "x", "/NETLOGERRORS"}), "/NETLOGERRORS");
  EXPECT_EQ(traceSwitch({"crvhost", "--neterrors"}), "--neterrors");
  EXPECT_EQ(traceSwitch({"crvhost", "--netall", "/netlog"}), "--netall");

  EXPECT_EQ(traceSwitch({"crvhost", "/netlog", "/netnolog"}), "");
  EXPECT_EQ(traceSwitch({"crvhost", "--netnolog", "/netall"}), "");
  EXPECT_EQ(traceSwitch({"/netlog"}), "") << "the program name is not a switch";
  EXPECT_EQ(traceSwitch({"crvhost", "netlog", "-netlog", "/net", "/netlogx"}), "");
  EXPECT_EQ(traceSwitch({}), "");
}

}  // namespace
}  // namespace crvpo

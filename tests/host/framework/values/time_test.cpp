// Time of day: the plus-one encoding that keeps 0 for "no time".
#include "host/framework/values/time.h"

#include <gtest/gtest.h>

namespace crv {
namespace {

TEST(Time, ComposeAndSplit) {
  EXPECT_EQ(Time::compose(0, 0, 0, 0).raw(), 1);
  EXPECT_EQ(Time::compose(23, 59, 59, 99).raw(), Time::maxRaw);
  Time t = Time::compose(13, 5, 9, 42);
  EXPECT_EQ(t.hour(), 13);
  EXPECT_EQ(t.minute(), 5);
  EXPECT_EQ(t.second(), 9);
  EXPECT_EQ(t.hundredths(), 42);
  EXPECT_LT(Time::compose(0, 0, 0), t);
  EXPECT_TRUE(Time::now().isValid());
}

TEST(Time, InvalidPartsGiveNoTime) {
  EXPECT_TRUE(Time::compose(24, 0, 0).isNone());
  EXPECT_TRUE(Time::compose(0, 60, 0).isNone());
  EXPECT_TRUE(Time::compose(0, 0, 60).isNone());
  EXPECT_TRUE(Time::compose(0, 0, 0, 100).isNone());
  EXPECT_TRUE(Time::compose(-1, 0, 0).isNone());
  EXPECT_EQ(Time().hour(), 0);
  EXPECT_EQ(Time::fromRaw(Time::maxRaw + 1).hour(), 0);
}

}  // namespace
}  // namespace crv

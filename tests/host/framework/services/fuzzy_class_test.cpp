// The fuzzy matcher's ranking and its two options.
#include "host/framework/services/fuzzy_class.h"

#include <gtest/gtest.h>

namespace crv {
namespace {

TEST(FuzzyClass, RanksEqualPrefixWordAndScatteredMatches) {
  FuzzyClass fuzzy;
  EXPECT_EQ(fuzzy.match("acme", "acme"), 0) << "scores nothing before init";
  fuzzy.init();
  EXPECT_EQ(fuzzy.match("Acme  Supply", " Acme Supply "), 100);
  EXPECT_EQ(fuzzy.match("Acme", "Acme Supply"), 90);
  EXPECT_EQ(fuzzy.match("Supply", "Acme Supply"), 80);
  EXPECT_EQ(fuzzy.match("upp", "Acme Supply"), 70);
  const int scattered = fuzzy.match("AcSp", "Acme Supply");
  EXPECT_GT(scattered, 0);
  EXPECT_LT(scattered, 70);
  EXPECT_EQ(fuzzy.match("Zinc", "Acme Supply"), 0);
  EXPECT_EQ(fuzzy.match("", "anything"), 100);
  fuzzy.kill();
  EXPECT_EQ(fuzzy.match("Acme", "Acme"), 0);
}

TEST(FuzzyClass, OptionsTurnOnCaseAndWordOrderIndependence) {
  FuzzyClass fuzzy;
  fuzzy.init();
  EXPECT_EQ(fuzzy.match("acme", "ACME"), 0);
  EXPECT_TRUE(fuzzy.setOption(FuzzyClass::CaseInsensitive, true));
  EXPECT_EQ(fuzzy.match("acme", "ACME"), 100);

  EXPECT_EQ(fuzzy.match("supply acme", "Acme Supply"), 0);
  EXPECT_TRUE(fuzzy.setOption(FuzzyClass::AnyWordOrder, true));
  EXPECT_EQ(fuzzy.match("supply acme", "Acme Supply"), 100);
  const int partial = fuzzy.match("sup acm", "Acme Supply Co");
  EXPECT_GT(partial, 0);
  EXPECT_LT(partial, 100);
  EXPECT_EQ(fuzzy.match("supply zinc", "Acme Supply"), 0);

  EXPECT_FALSE(fuzzy.setOption(3, true));
  fuzzy.init();
  EXPECT_FALSE(fuzzy.option(FuzzyClass::CaseInsensitive));
  EXPECT_FALSE(fuzzy.option(FuzzyClass::AnyWordOrder));
}

}  // namespace
}  // namespace crv

// Fixed-width text: padding, cutting at the width (never inside a UTF-8
// character), and comparisons that ignore trailing spaces.
#include "host/framework/values/text.h"

#include <gtest/gtest.h>

#include <type_traits>

namespace crv {
namespace {

TEST(Text, IsExactlyItsPaddedBytes) {
  static_assert(sizeof(Text<5>) == 5 && std::is_standard_layout_v<Text<5>>);
  static_assert(std::is_trivially_copyable_v<Text<5>> && Text<5>::width == 5);
  Text<5> t;
  EXPECT_TRUE(t.empty());
  EXPECT_EQ(t.padded(), "     ");
  t = "AB";
  EXPECT_EQ(t.padded(), "AB   ");
  EXPECT_EQ(t.view(), "AB");
  t.clear();
  EXPECT_TRUE(t.empty());
}

TEST(Text, AssignmentCutsAtWidthAndKeepsLeadingSpaces) {
  Text<3> t("ABCDEF");
  EXPECT_EQ(t.str(), "ABC");
  t = std::string(" X");
  EXPECT_EQ(t.view(), " X");
  t = static_cast<const char*>(nullptr);
  EXPECT_TRUE(t.empty());
  t.assignPadded("Q\0Z  more", 9);
  EXPECT_EQ(t.padded(), std::string_view("Q\0Z", 3));
  t.assignPadded("Y", 1);
  EXPECT_EQ(t.padded(), "Y  ");
  Text<6> self("ABCDEF");
  self = self.view().substr(2);
  EXPECT_EQ(self.view(), "CDEF");
}

TEST(Text, CutNeverSplitsAUtf8Character) {
  Text<4> e("abc\xC3\xA9");  // "abcé": é needs bytes 4 and 5
  EXPECT_EQ(e.padded(), "abc ");
  Text<5> whole("abc\xC3\xA9");
  EXPECT_EQ(whole.view(), "abc\xC3\xA9");
  Text<3> euro("a\xE2\x82\xAC");  // the euro sign takes three bytes
  EXPECT_EQ(euro.padded(), "a  ");
  // Bytes that are not UTF-8 are cut as bytes.
  Text<2> latin("\xB0\xB0\xB0");
  EXPECT_EQ(latin.padded(), "\xB0\xB0");
}

TEST(Text, ComparisonsIgnoreTrailingSpaces) {
  Text<5> ab("AB");
  Text<10> abPadded("AB   ");
  EXPECT_EQ(ab, abPadded);
  EXPECT_EQ(ab, "AB  ");
  EXPECT_EQ("AB", ab);
  EXPECT_NE(ab, " AB");
  EXPECT_LT(ab, Text<3>("ABC"));
  EXPECT_LT(ab, "AB!");                 // a space-padded field sorts as if its spaces were not there
  EXPECT_GT(Text<4>("\xC3\xA9"), "z");  // bytes order as unsigned
  EXPECT_EQ(ab <=> abPadded, std::strong_ordering::equal);
}

TEST(Text, Helpers) {
  EXPECT_EQ(clip("ab  "), "ab");
  EXPECT_EQ(clip("    "), "");
  // Every length of text before every length of padding, across the
  // eight-byte steps the padding is skipped in.
  for (std::size_t text = 0; text <= 17; ++text)
    for (std::size_t padding = 0; padding <= 17; ++padding) {
      const std::string kept = std::string(text, 'x') + (text > 2 ? " x" : "");
      EXPECT_EQ(clip(kept + std::string(padding, ' ')), kept) << text << " + " << padding;
    }
  EXPECT_EQ(trim("  a b  "), "a b");
  EXPECT_TRUE(equalsIgnoreCase("Job", "JOB"));
  EXPECT_EQ(toUpperAscii("ab\xC3\xA9"), "AB\xC3\xA9");
}

}  // namespace
}  // namespace crv

// Wrapping: word breaks, line feeds, words wider than the box, UTF-8.
#include "host/framework/report/text_wrapper.h"

#include <gtest/gtest.h>

#include "host/framework/report/fixed_width_measurer.h"

namespace crv {
namespace {

using Lines = std::vector<std::string>;

// Ten characters fit: 6pt each at size 10 in a 60pt box.
Lines wrap(std::string_view text, double width = 60) {
  return wrapText(FixedWidthMeasurer(), Font{}, text, width);
}

TEST(TextWrapper, BreaksAtSpacesAndLineFeeds) {
  EXPECT_EQ(wrap("one two three four five"), (Lines{"one two", "three four", "five"}));
  EXPECT_EQ(wrap("exactly 10"), (Lines{"exactly 10"}));
  EXPECT_EQ(wrap("a  b"), (Lines{"a  b"})) << "inner spaces kept";
  EXPECT_EQ(wrap("first\r\n\nthird"), (Lines{"first", "", "third"}));
  EXPECT_EQ(wrap(""), (Lines{""}));
  EXPECT_EQ(wrap("word     "), (Lines{"word"}));
}

TEST(TextWrapper, CutsWordsWiderThanTheBoxBetweenCharacters) {
  EXPECT_EQ(wrap("abcdefghijklmnopqrstuvwxyz end"), (Lines{"abcdefghij", "klmnopqrst", "uvwxyz end"}));
  // Accented letters are one character each and are never split.
  EXPECT_EQ(wrap("ééééééééééééé"), (Lines{"éééééééééé", "ééé"}));
  // A box narrower than one character still makes progress.
  EXPECT_EQ(wrap("abc", 1), (Lines{"a", "b", "c"}));
}

}  // namespace
}  // namespace crv

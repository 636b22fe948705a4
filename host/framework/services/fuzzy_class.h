// The fuzzy text matcher: how well a typed query matches a text.
//
// match() scores from 0 (no match) to 100 (same text). Blanks at either end
// are ignored and runs of blanks count as one. In the order of preference:
//   100  the texts are equal
//    90  the text starts with the query
//    80  the query occurs in the text at the start of a word
//    70  the query occurs elsewhere in the text
//  20-59 the query's characters occur in the text in order, with gaps
//        (more when the query covers more of the text)
//     0  none of these
// An empty query matches every text with 100.
//
// Option 1 (case-insensitive): letters match without regard to case.
// Option 2 (any word order): the query's words may appear in any order. The
// texts are equal when they hold the same words; otherwise every word of the
// query is scored on its own as above, the result is the average, and a word
// that does not match at all makes the whole query fail. The whole query in
// its own order is always tried too and the better score counts.
//
// A matcher scores only between init() and kill(); otherwise every match is
// 0. init() turns both options off.
#pragma once

#include <string_view>

namespace crv {

class FuzzyClass {
 public:
  static constexpr int CaseInsensitive = 1;
  static constexpr int AnyWordOrder = 2;

  void init();
  void kill();
  bool isInitialised() const { return initialised_; }

  // False (and nothing changes) for an option the matcher does not have.
  bool setOption(int option, bool on);
  bool option(int option) const;

  int match(std::string_view query, std::string_view text) const;

 private:
  bool initialised_ = false;
  bool caseInsensitive_ = false;
  bool anyWordOrder_ = false;
};

}  // namespace crv

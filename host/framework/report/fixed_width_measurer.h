// A TextMeasurer where every character has the same advance, for tests and
// for plain-text output: a character is `advance` times the font size wide
// (0.6 by default, about a monospaced face) and a line 1.2 times the size.
// Bold and italic do not change the width. Characters are counted as UTF-8
// code points, so an accented letter is one character.
#pragma once

#include "host/framework/report/text_measurer.h"

namespace crv {

class FixedWidthMeasurer final : public TextMeasurer {
 public:
  explicit FixedWidthMeasurer(double advance = 0.6) : advance_(advance) {}

  double textWidth(const Font& font, std::string_view text) const override;
  FontMetrics metrics(const Font& font) const override;

 private:
  double advance_;
};

}  // namespace crv

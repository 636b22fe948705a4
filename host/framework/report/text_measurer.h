// How wide a text is in a font, and how tall a line of that font is.
//
// Layout needs measurements to wrap text, to right-align or centre it and
// to know how tall a band with several lines becomes. The framework knows no
// font machinery, so the measuring is behind this interface: the renderer
// implements it with the same fonts it draws with (so that laid-out pages
// and rendered pages agree), and tests use FixedWidthMeasurer.
#pragma once

#include <string_view>

#include "host/framework/report/font.h"

namespace crv {

struct FontMetrics {
  double ascent = 0;      // baseline below the top of a line
  double descent = 0;     // below the baseline
  double lineHeight = 0;  // distance from one line's top to the next
};

class TextMeasurer {
 public:
  virtual ~TextMeasurer() = default;
  // Advance width of the text (UTF-8) on one line, in points.
  virtual double textWidth(const Font& font, std::string_view text) const = 0;
  virtual FontMetrics metrics(const Font& font) const = 0;
};

}  // namespace crv

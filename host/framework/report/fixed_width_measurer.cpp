// Width by code-point count; continuation bytes of UTF-8 are not counted.
#include "host/framework/report/fixed_width_measurer.h"

namespace crv {

double FixedWidthMeasurer::textWidth(const Font& font, std::string_view text) const {
  int characters = 0;
  for (char c : text)
    if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++characters;
  return characters * advance_ * font.size;
}

FontMetrics FixedWidthMeasurer::metrics(const Font& font) const {
  return {font.size * 0.8, font.size * 0.2, font.size * 1.2};
}

}  // namespace crv

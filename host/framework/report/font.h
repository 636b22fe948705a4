// The font of a text in a report: family, size in points, weight and slant.
//
// The family is a fontconfig name; "DejaVu Sans" is installed with the
// program and is the default so that pages look the same on every station.
#pragma once

#include <string>

namespace crv {

struct Font {
  std::string family = "DejaVu Sans";
  double size = 10;
  bool bold = false;
  bool italic = false;

  bool operator==(const Font&) const = default;
};

}  // namespace crv

// An opaque RGB colour for text, rules and box fills in a report.
#pragma once

#include <cstdint>

namespace crv {

struct Color {
  std::uint8_t red = 0;
  std::uint8_t green = 0;
  std::uint8_t blue = 0;

  static constexpr Color black() { return {0, 0, 0}; }
  static constexpr Color white() { return {255, 255, 255}; }
  static constexpr Color gray(std::uint8_t level) { return {level, level, level}; }

  bool operator==(const Color&) const = default;
};

}  // namespace crv

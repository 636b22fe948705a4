// Wide-integer helpers behind Decimal: rounding division, shifting between
// numbers of places, text conversion and the shortest-text reading of
// doubles that makes floating-point values round the way their printed
// digits suggest.
#include "host/framework/values/decimal.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string>
#include <system_error>

namespace crv {
namespace detail {

namespace {

constexpr int kMaxWideDigits = 38;

std::string_view trimSpaces(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
  return text;
}

std::string wideDigits(Int128 value) {
  __extension__ typedef unsigned __int128 UInt128;
  UInt128 magnitude = value < 0 ? UInt128(0) - UInt128(value) : UInt128(value);
  std::string digits;
  do {
    digits.insert(digits.begin(), static_cast<char>('0' + static_cast<int>(magnitude % 10)));
    magnitude /= 10;
  } while (magnitude != 0);
  return digits;
}

}  // namespace

Int128 pow10Wide(int n) {
  if (n < 0 || n > kMaxWideDigits) throw std::out_of_range("pow10Wide: exponent out of range");
  Int128 result = 1;
  for (int i = 0; i < n; ++i) result *= 10;
  return result;
}

Int128 divRound(Int128 n, Int128 d) {
  Int128 q = n / d;
  Int128 r = n % d;
  Int128 absR = r < 0 ? -r : r;
  Int128 absD = d < 0 ? -d : d;
  // |r| >= |d| - |r| is 2|r| >= |d| without the doubling overflowing.
  if (absR != 0 && absR >= absD - absR) q += ((n < 0) == (d < 0)) ? 1 : -1;
  return q;
}

Int128 shiftPlaces(Int128 value, int from, int to) {
  if (value == 0) return 0;
  int diff = to - from;
  if (diff >= 0) {
    Int128 result = 0;
    if (diff > kMaxWideDigits || __builtin_mul_overflow(value, pow10Wide(diff), &result)) {
      throw std::overflow_error("Decimal: value out of range");
    }
    return result;
  }
  // Every Int128 is below half of 10^39, so dropping more digits gives 0.
  if (-diff > kMaxWideDigits) return 0;
  return divRound(value, pow10Wide(-diff));
}

std::int64_t narrow(Int128 value, const char* what) {
  if (value > std::numeric_limits<std::int64_t>::max() || value < std::numeric_limits<std::int64_t>::min()) {
    throw std::overflow_error(what);
  }
  return static_cast<std::int64_t>(value);
}

std::optional<Int128> parseScaled(std::string_view text, int places) {
  text = trimSpaces(text);
  bool negative = false;
  if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
    negative = text.front() == '-';
    text.remove_prefix(1);
  }
  std::string whole;
  std::string fraction;
  bool seenPoint = false;
  for (char c : text) {
    if (c == '.' && !seenPoint) {
      seenPoint = true;
    } else if (c >= '0' && c <= '9') {
      (seenPoint ? fraction : whole).push_back(c);
    } else {
      return std::nullopt;
    }
  }
  if (whole.empty() && fraction.empty()) return std::nullopt;
  whole.erase(0, whole.find_first_not_of('0'));
  bool roundUp = fraction.size() > static_cast<std::size_t>(places) && fraction[places] >= '5';
  fraction.resize(places, '0');
  std::string digits = whole + fraction;
  if (digits.size() > static_cast<std::size_t>(kMaxWideDigits)) return std::nullopt;
  Int128 value = 0;
  for (char c : digits) value = value * 10 + (c - '0');
  if (roundUp) ++value;
  return negative ? -value : value;
}

std::string scaledToString(Int128 scaled, int places) {
  std::string digits = wideDigits(scaled);
  if (digits.size() < static_cast<std::size_t>(places) + 1) digits.insert(0, places + 1 - digits.size(), '0');
  if (places > 0) digits.insert(digits.size() - places, 1, '.');
  if (scaled < 0) digits.insert(0, 1, '-');
  return digits;
}

std::optional<ShortestDecimal> shortestDecimal(double value) {
  if (!std::isfinite(value)) return std::nullopt;
  char buffer[64];
  auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific);
  if (ec != std::errc()) return std::nullopt;
  std::string_view text(buffer, static_cast<std::size_t>(end - buffer));
  ShortestDecimal result;
  bool negative = false;
  if (text.front() == '-') {
    negative = true;
    text.remove_prefix(1);
  }
  std::size_t e = text.find('e');
  int fractionDigits = 0;
  bool seenPoint = false;
  for (char c : text.substr(0, e)) {
    if (c == '.') {
      seenPoint = true;
      continue;
    }
    result.mantissa = result.mantissa * 10 + (c - '0');
    if (seenPoint) ++fractionDigits;
  }
  int exponent = 0;
  std::string_view exponentText = text.substr(e + 1);
  if (!exponentText.empty() && exponentText.front() == '+') exponentText.remove_prefix(1);
  std::from_chars(exponentText.data(), exponentText.data() + exponentText.size(), exponent);
  result.exponent = exponent - fractionDigits;
  if (negative) result.mantissa = -result.mantissa;
  return result;
}

std::optional<Int128> scaleDouble(double value, int places) {
  auto shortest = shortestDecimal(value);
  if (!shortest) return std::nullopt;
  if (shortest->mantissa == 0) return Int128(0);
  int shift = shortest->exponent + places;
  if (shift > kMaxWideDigits) return std::nullopt;
  if (shift >= 0) {
    Int128 result = 0;
    if (__builtin_mul_overflow(shortest->mantissa, pow10Wide(shift), &result)) return std::nullopt;
    return result;
  }
  return shiftPlaces(shortest->mantissa, 0, shift);
}

double scaledToDouble(Int128 scaled, int places) {
  constexpr Int128 kExactInDouble = Int128(1) << 53;
  if (scaled > -kExactInDouble && scaled < kExactInDouble && places <= 22) {
    // Both operands are exact doubles, so the one division rounds once.
    return static_cast<double>(static_cast<std::int64_t>(scaled)) / static_cast<double>(pow10Wide(places));
  }
  std::string text = (scaled < 0 ? "-" : "") + wideDigits(scaled) + "e-" + std::to_string(places);
  double result = 0;
  std::from_chars(text.data(), text.data() + text.size(), result);
  return result;
}

}  // namespace detail

double roundTo(double value, int places) {
  if (places < 0 || places > 18) throw std::invalid_argument("roundTo: places must be 0 to 18");
  auto shortest = detail::shortestDecimal(value);
  if (!shortest || shortest->exponent >= -places) return value;
  return detail::scaledToDouble(detail::shiftPlaces(shortest->mantissa, 0, shortest->exponent + places),
                                places);
}

}  // namespace crv

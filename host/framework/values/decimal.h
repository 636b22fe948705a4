// Fixed-point decimal numbers for money and quantities.
//
// A Decimal<P> holds value * 10^P in a signed 64-bit integer, so sums of
// amounts are exact to the cent. Every operation that can lose digits takes
// an explicit rounding, and that rounding is always half away from zero
// (2.345 -> 2.35, -2.345 -> -2.35). Results that do not fit in 64 bits throw
// std::overflow_error instead of wrapping: addition, subtraction, negation,
// multiplication, division, rescaling and construction from whole numbers or
// doubles. Division by zero throws std::domain_error.
//
// Binary floating point enters only through fromDouble, multiply/divide by a
// double and roundTo. A double is read as the shortest decimal text that
// converts back to the same double (the digits a user typed or a printout
// shows: 2.675, not 2.67499999999999982236431605997495353221893310546875),
// and that text is rounded. This makes 2.675 round to 2.68 as a user expects,
// and 1.005 to 1.01; a value computed in floating point whose shortest text
// is 1.0049999999999999 rounds to 1.00.
#pragma once

#include <compare>
#include <concepts>
#include <cstdint>
#include <optional>
#include <ostream>
#include <stdexcept>
#include <string>
#include <string_view>

#include "host/framework/values/scalars.h"

namespace crv {

namespace detail {

__extension__ typedef __int128 Int128;

// 10^n for 0 <= n <= 38 (the largest power of ten an Int128 holds).
Int128 pow10Wide(int n);

// n / d rounded half away from zero; d must not be 0.
Int128 divRound(Int128 n, Int128 d);

// value * 10^(to - from), rounded half away from zero when digits are
// dropped (any number of them). Throws std::overflow_error when the result
// leaves Int128.
Int128 shiftPlaces(Int128 value, int from, int to);

// Narrows to 64 bits or throws std::overflow_error naming what overflowed.
std::int64_t narrow(Int128 value, const char* what);

// Reads plain decimal text ("-1234.5", "+.5", "7.") with optional spaces
// around it into value * 10^places, rounding extra digits half away from
// zero. nullopt on any other character or when it exceeds 38 digits.
std::optional<Int128> parseScaled(std::string_view text, int places);

// "-1234.50" for value * 10^places.
std::string scaledToString(Int128 scaled, int places);

// A finite double as the shortest decimal text that reads back to it:
// value == mantissa * 10^exponent, with at most 17 significant digits.
struct ShortestDecimal {
  Int128 mantissa = 0;
  int exponent = 0;
};
std::optional<ShortestDecimal> shortestDecimal(double value);  // nullopt: NaN or infinity

// The double rounded to `places` decimals and scaled by 10^places, using its
// shortest decimal text. nullopt for NaN, infinity, or beyond 10^38.
std::optional<Int128> scaleDouble(double value, int places);

// Nearest double to scaled / 10^places.
double scaledToDouble(Int128 scaled, int places);

inline constexpr std::int64_t pow10(int n) {
  std::int64_t result = 1;
  for (int i = 0; i < n; ++i) result *= 10;
  return result;
}

}  // namespace detail

template <int Places>
class Decimal {
  static_assert(Places >= 0 && Places <= 18, "a Decimal carries 0 to 18 places");

 public:
  static constexpr int places = Places;
  static constexpr std::int64_t scale = detail::pow10(Places);

  constexpr Decimal() = default;

  // A whole number; explicit so that integer literals never mix silently
  // into decimal arithmetic of another scale.
  template <std::integral I>
  requires(!std::same_as<I, bool>) explicit constexpr Decimal(I whole) {
    if (__builtin_mul_overflow(whole, scale, &raw_))
      throw std::overflow_error("Decimal: whole number out of range");
  }

  static constexpr Decimal fromRaw(std::int64_t raw) {
    Decimal d;
    d.raw_ = raw;
    return d;
  }
  constexpr std::int64_t raw() const { return raw_; }

  // Plain text such as "-1234.5"; extra digits are rounded half away from
  // zero. nullopt for anything else or a value beyond the range.
  static std::optional<Decimal> parse(std::string_view text) {
    auto scaled = detail::parseScaled(text, Places);
    if (!scaled || *scaled > INT64_MAX || *scaled < INT64_MIN) return std::nullopt;
    return fromRaw(static_cast<std::int64_t>(*scaled));
  }

  // Plain text with exactly Places decimals: "-1234.50".
  std::string toString() const { return detail::scaledToString(raw_, Places); }

  // Rounded half away from zero from the double's shortest decimal text.
  // Throws std::overflow_error for NaN, infinity or out of range.
  static Decimal fromDouble(double value) {
    auto scaled = detail::scaleDouble(value, Places);
    if (!scaled) throw std::overflow_error("Decimal: double out of range");
    return fromRaw(detail::narrow(*scaled, "Decimal: double out of range"));
  }

  // The nearest double; exact decimal digits are not guaranteed.
  double toDouble() const { return detail::scaledToDouble(raw_, Places); }

  constexpr bool isZero() const { return raw_ == 0; }
  constexpr bool isNegative() const { return raw_ < 0; }

  // Converts to another number of places, rounding half away from zero.
  template <int P2>
  Decimal<P2> rescale() const {
    return Decimal<P2>::fromRaw(
        detail::narrow(detail::shiftPlaces(raw_, Places, P2), "Decimal: rescale overflow"));
  }

  constexpr Decimal& operator+=(Decimal other) {
    if (__builtin_add_overflow(raw_, other.raw_, &raw_))
      throw std::overflow_error("Decimal: addition overflow");
    return *this;
  }
  constexpr Decimal& operator-=(Decimal other) {
    if (__builtin_sub_overflow(raw_, other.raw_, &raw_))
      throw std::overflow_error("Decimal: subtraction overflow");
    return *this;
  }
  friend constexpr Decimal operator+(Decimal a, Decimal b) { return a += b; }
  friend constexpr Decimal operator-(Decimal a, Decimal b) { return a -= b; }
  friend constexpr Decimal operator-(Decimal a) { return Decimal() -= a; }

  friend constexpr auto operator<=>(const Decimal&, const Decimal&) = default;
  friend constexpr bool operator==(const Decimal&, const Decimal&) = default;

  friend std::ostream& operator<<(std::ostream& out, const Decimal& d) { return out << d.toString(); }

 private:
  std::int64_t raw_ = 0;
};

using Amount = Decimal<2>;
using Quantity = Decimal<4>;

// a * b rounded half away from zero to R places: multiply<2>(qty, cost).
template <int R, int A, int B>
Decimal<R> multiply(Decimal<A> a, Decimal<B> b) {
  detail::Int128 product = detail::Int128(a.raw()) * b.raw();
  return Decimal<R>::fromRaw(detail::narrow(detail::shiftPlaces(product, A + B, R), "multiply: overflow"));
}

// a * factor with the factor taken at its shortest decimal text, computed
// exactly and then rounded half away from zero to R places (default: an
// Amount). multiply(quantity, unitPrice) is the extended price of a line.
template <int R = 2, int A>
Decimal<R> multiply(Decimal<A> a, double factor) {
  auto f = detail::shortestDecimal(factor);
  if (!f) throw std::overflow_error("multiply: factor is not a finite number");
  detail::Int128 product = detail::Int128(a.raw()) * f->mantissa;
  return Decimal<R>::fromRaw(
      detail::narrow(detail::shiftPlaces(product, 0, f->exponent + R - A), "multiply: overflow"));
}

// a * percent / 100 with the percentage taken at its shortest decimal
// text, computed exactly and rounded once to R places: the tax on an amount
// at a rate in percent.
template <int R = 2, int A>
Decimal<R> percentOf(Decimal<A> a, double percent) {
  auto f = detail::shortestDecimal(percent);
  if (!f) throw std::overflow_error("percentOf: percentage is not a finite number");
  detail::Int128 product = detail::Int128(a.raw()) * f->mantissa;
  return Decimal<R>::fromRaw(
      detail::narrow(detail::shiftPlaces(product, 0, f->exponent - 2 + R - A), "percentOf: overflow"));
}

// a / b rounded half away from zero to R places: divide<4>(amount, qty).
template <int R, int A, int B>
Decimal<R> divide(Decimal<A> a, Decimal<B> b) {
  if (b.isZero()) throw std::domain_error("divide: division by zero");
  // a/b * 10^R = a.raw * 10^(R - A + B) / b.raw
  int shift = R - A + B;
  detail::Int128 numerator = a.raw();
  detail::Int128 denominator = b.raw();
  if (shift >= 0) {
    numerator = detail::shiftPlaces(numerator, 0, shift);
  } else {
    if (__builtin_mul_overflow(denominator, detail::pow10Wide(-shift), &denominator)) return Decimal<R>();
  }
  return Decimal<R>::fromRaw(detail::narrow(detail::divRound(numerator, denominator), "divide: overflow"));
}

// a / divisor with the divisor taken at its shortest decimal text.
template <int R = 2, int A>
Decimal<R> divide(Decimal<A> a, double divisor) {
  auto d = detail::shortestDecimal(divisor);
  if (!d) throw std::overflow_error("divide: divisor is not a finite number");
  if (d->mantissa == 0) throw std::domain_error("divide: division by zero");
  // a.raw * 10^(R - A) / (m * 10^e) = a.raw * 10^(R - A - e) / m
  int shift = R - A - d->exponent;
  detail::Int128 numerator = a.raw();
  detail::Int128 denominator = d->mantissa;
  if (shift >= 0) {
    numerator = detail::shiftPlaces(numerator, 0, shift);
  } else {
    if (-shift > 38 || __builtin_mul_overflow(denominator, detail::pow10Wide(-shift), &denominator)) {
      return Decimal<R>();
    }
  }
  return Decimal<R>::fromRaw(detail::narrow(detail::divRound(numerator, denominator), "divide: overflow"));
}

// Rounds a floating-point result to `places` (0..18) decimals, half away
// from zero, reading the value at its shortest decimal text: roundTo(2.675,
// 2) == 2.68. NaN, infinities and values too large to have decimals beyond
// `places` come back unchanged. Throws std::invalid_argument for places
// outside 0..18.
double roundTo(double value, int places);

}  // namespace crv

// Fixed-point decimals: half-away-from-zero rounding in every conversion,
// exact sums, and overflow reported instead of wrapping.
#include "host/framework/values/decimal.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace crv {
namespace {

Amount amt(const char* text) { return *Amount::parse(text); }
Quantity qty(const char* text) { return *Quantity::parse(text); }

TEST(Decimal, ParseRoundsExtraDigitsHalfAwayFromZero) {
  EXPECT_EQ(amt("2.345").raw(), 235);
  EXPECT_EQ(amt("-2.345").raw(), -235);
  EXPECT_EQ(amt("2.344999").raw(), 234);
  EXPECT_EQ(amt("-0.005").raw(), -1);
  EXPECT_EQ(amt("0.004").raw(), 0);
  EXPECT_EQ(amt(" +.5 ").raw(), 50);
  EXPECT_EQ(amt("7.").raw(), 700);
  EXPECT_EQ(amt("000000000000000000000000000000000000000012.5").raw(), 1250);
}

TEST(Decimal, ParseRejectsGarbageAndOutOfRange) {
  for (const char* bad : {"", "-", ".", "1.2.3", "12a", "1e5", "1,000", "--1", "1 2"}) {
    EXPECT_FALSE(Amount::parse(bad).has_value()) << bad;
  }
  EXPECT_TRUE(Amount::parse("92233720368547758.07").has_value());
  EXPECT_FALSE(Amount::parse("92233720368547758.08").has_value());
  EXPECT_FALSE(Amount::parse("99999999999999999999999999999999999999999").has_value());
}

TEST(Decimal, ToStringShowsAllPlaces) {
  EXPECT_EQ(amt("-1234.5").toString(), "-1234.50");
  EXPECT_EQ(Amount::fromRaw(-5).toString(), "-0.05");
  EXPECT_EQ(Quantity::fromRaw(1).toString(), "0.0001");
  EXPECT_EQ(Decimal<0>(42).toString(), "42");
  EXPECT_EQ(Amount::fromRaw(std::numeric_limits<std::int64_t>::min()).toString(), "-92233720368547758.08");
}

TEST(Decimal, SumsAreExactToTheCent) {
  Amount total;
  for (int i = 0; i < 10; ++i) total += amt("0.10");
  EXPECT_EQ(total, Amount(1));
  Amount cents;
  for (int i = 0; i < 100000; ++i) cents += amt("0.01");
  EXPECT_EQ(cents, Amount(1000));
  EXPECT_EQ(amt("0.10") - amt("0.30") + amt("0.20"), Amount());
}

TEST(Decimal, FromDoubleRoundsThePrintedDigits) {
  EXPECT_EQ(Amount::fromDouble(2.675), amt("2.68"));
  EXPECT_EQ(Amount::fromDouble(-2.675), amt("-2.68"));
  EXPECT_EQ(Amount::fromDouble(1.005), amt("1.01"));
  EXPECT_EQ(Amount::fromDouble(0.125), amt("0.13"));
  EXPECT_EQ(Amount::fromDouble(-0.125), amt("-0.13"));
  EXPECT_EQ(Amount::fromDouble(0.1 + 0.2), amt("0.30"));
  // The double next below 1.005 prints as 1.0049999999999997.
  EXPECT_EQ(Amount::fromDouble(std::nextafter(1.005, 0.0)), amt("1.00"));
  EXPECT_EQ(Quantity::fromDouble(1e-300), Quantity());
  EXPECT_DOUBLE_EQ(amt("0.10").toDouble(), 0.1);
  EXPECT_EQ(amt("-1234.56").toDouble(), -1234.56);
}

TEST(Decimal, RoundToIsHalfAwayFromZeroOnPrintedDigits) {
  EXPECT_EQ(roundTo(2.675, 2), 2.68);
  EXPECT_EQ(roundTo(-2.675, 2), -2.68);
  EXPECT_EQ(roundTo(0.5, 0), 1.0);
  EXPECT_EQ(roundTo(-0.5, 0), -1.0);
  EXPECT_EQ(roundTo(1.005, 2), 1.01);
  EXPECT_EQ(roundTo(std::nextafter(1.005, 0.0), 2), 1.0);
  EXPECT_EQ(roundTo(7.5, 3), 7.5);
  EXPECT_EQ(roundTo(1e300, 2), 1e300);
  EXPECT_TRUE(std::isnan(roundTo(std::nan(""), 2)));
  EXPECT_THROW(roundTo(1.0, -1), std::invalid_argument);
}

TEST(Decimal, OverflowThrows) {
  const auto max = Amount::fromRaw(std::numeric_limits<std::int64_t>::max());
  const auto min = Amount::fromRaw(std::numeric_limits<std::int64_t>::min());
  EXPECT_THROW(max + Amount::fromRaw(1), std::overflow_error);
  EXPECT_THROW(min - Amount::fromRaw(1), std::overflow_error);
  EXPECT_THROW(-min, std::overflow_error);
  Amount sum = max;
  EXPECT_THROW(sum += Amount::fromRaw(1), std::overflow_error);
  EXPECT_THROW(max.rescale<4>(), std::overflow_error);
  EXPECT_THROW(multiply<2>(max, Amount(2)), std::overflow_error);
  EXPECT_THROW(multiply(Quantity(1000000), 1e20), std::overflow_error);
  EXPECT_THROW(Quantity{std::numeric_limits<std::int64_t>::max()}, std::overflow_error);
  EXPECT_THROW(Amount::fromDouble(1e30), std::overflow_error);
  EXPECT_THROW(Amount::fromDouble(std::nan("")), std::overflow_error);
  EXPECT_THROW(divide<2>(max, Amount::fromRaw(1)), std::overflow_error);
}

TEST(Decimal, RescaleRoundsHalfAwayFromZero) {
  EXPECT_EQ(qty("1.2345").rescale<2>(), amt("1.23"));
  EXPECT_EQ(qty("1.2350").rescale<2>(), amt("1.24"));
  EXPECT_EQ(qty("-1.2350").rescale<2>(), amt("-1.24"));
  EXPECT_EQ(amt("-7.05").rescale<4>(), qty("-7.05"));
}

TEST(Decimal, MultiplyAndDivideRoundOnce) {
  // Quantity times a unit price as typed, rounded to the cent.
  EXPECT_EQ(multiply(qty("12.5"), 1.23), amt("15.38"));
  EXPECT_EQ(multiply(qty("-12.5"), 1.23), amt("-15.38"));
  EXPECT_EQ(multiply(qty("3"), 0.1), amt("0.30"));
  EXPECT_EQ(multiply<4>(qty("2.5"), 0.33333), qty("0.8333"));
  EXPECT_EQ(multiply(qty("1000000"), 1e-300), Amount());
  EXPECT_EQ(multiply<2>(qty("0.5"), amt("0.05")), amt("0.03"));
  EXPECT_EQ(multiply<2>(qty("-0.5"), amt("0.05")), amt("-0.03"));
  EXPECT_EQ(divide<2>(Amount(10), Quantity(3)), amt("3.33"));
  EXPECT_EQ(divide<2>(Amount(20), Quantity(3)), amt("6.67"));
  EXPECT_EQ(divide<2>(Amount(-20), Quantity(3)), amt("-6.67"));
  EXPECT_EQ(divide<4>(amt("1.00"), amt("8.00")), qty("0.125"));
  EXPECT_EQ(divide(Amount(-2), 3.0), amt("-0.67"));
  EXPECT_EQ(divide(Amount(1), 1e300), Amount());
  EXPECT_THROW(divide<2>(Amount(1), Amount()), std::domain_error);
  EXPECT_THROW(divide(Amount(1), 0.0), std::domain_error);
}

TEST(Decimal, LayoutAndOrdering) {
  static_assert(sizeof(Amount) == 8 && std::is_standard_layout_v<Amount> &&
                std::is_trivially_copyable_v<Amount>);
  static_assert(Amount::fromRaw(150).raw() == 150 && Quantity::places == 4);
  EXPECT_LT(amt("-0.01"), Amount());
  EXPECT_GT(amt("10.00"), amt("9.99"));
  EXPECT_TRUE(Amount().isZero());
  EXPECT_TRUE(amt("-0.01").isNegative());
}

}  // namespace
}  // namespace crv

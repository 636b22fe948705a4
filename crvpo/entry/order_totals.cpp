// An order's totals and taxes.
#include "crvpo/entry/order_totals.h"

#include "crvpo/entry/order_lines.h"
#include "host/framework/values/text.h"

namespace crvpo {

void LineSums::add(const crv::PODetailRecord& line) {
  ++lines;
  subtotal += line.TotalAmount;
  if (line.Taxable == 1) taxable += line.TotalAmount;
  if (line.Taxable == 1 || line.Taxable == 2) gst += line.TotalAmount;
  if (line.Taxable == 1 || line.Taxable == 3) pst += line.TotalAmount;
}

std::optional<LineSums> sumOrderLines(crv::Connection& connection, crv::Id poid) {
  LineSums sums;
  if (!forEachLine(connection, poid, [&](const crv::PODetailRecord& line) { sums.add(line); }))
    return std::nullopt;
  return sums;
}

crv::Amount taxAt(crv::Amount base, double rate) {
  // Rates carry at most 4 places, so the fraction is exact at 6 and the
  // product is rounded only once.
  return crv::multiply<2>(base, crv::Decimal<6>::fromDouble(rate / 100));
}

std::optional<double> rateOf(crv::Amount tax, crv::Amount base) {
  if (base.isZero()) return std::nullopt;
  return tax.toDouble() / base.toDouble() * 100;
}

void applyTotals(crv::POMasterRecord& order, const LineSums& sums, bool canadian, double gstRate,
                 double pstRate) {
  order.PreTaxAmount = sums.subtotal;
  if (canadian) {
    order.TaxAmount = {};
    order.DiscountAmount = taxAt(sums.gst, gstRate);
    order.OtherCharges = taxAt(sums.pst, pstRate);
    order.POAmount = order.PreTaxAmount + order.DiscountAmount + order.OtherCharges;
  } else {
    order.DiscountAmount = {};
    order.OtherCharges = {};
    order.TaxAmount = taxAt(sums.taxable, order.TaxRate);
    order.POAmount = order.PreTaxAmount + order.TaxAmount;
  }
}

std::optional<double> pstRateOf(std::string_view province) {
  struct Rate {
    std::string_view province;
    double rate;
  };
  static constexpr Rate rates[] = {{"None", 0}, {"AB", 0},  {"NT", 0},  {"NU", 0},    {"YT", 0},
                                   {"BC", 7},   {"MB", 8},  {"NB", 8},  {"NL", 8},    {"ON", 8},
                                   {"PE", 9},   {"NS", 10}, {"SK", 10}, {"QC", 9.975}};
  const std::string_view wanted = crv::clip(province);
  for (const Rate& r : rates)
    if (r.province == wanted) return r.rate;
  return std::nullopt;
}

}  // namespace crvpo

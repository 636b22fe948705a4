// An order's totals from its lines: the subtotal, the sales tax (or, under
// Canadian tax, GST and PST) and the order total.
//
// Line sums:
//   subtotal         every line's TotalAmount;
//   taxable          lines with Taxable 1;
//   GST              lines with Taxable 1 or 2 (GST and PST, GST only);
//   PST              lines with Taxable 1 or 3 (GST and PST, PST only).
// Without Canadian tax the order's tax is its rate on the taxable sum and
// GST (DiscountAmount) and PST (OtherCharges) stay 0; under Canadian tax
// the sales tax is 0, GST is the company's rate on the GST sum and PST the
// province's rate on the PST sum. Rates are percentages; every result is
// rounded once, half away from zero, to the cent.
#pragma once

#include <optional>
#include <string_view>

#include "host/data/tables/purchasing_tables.h"

namespace crvpo {

struct LineSums {
  int lines = 0;
  crv::Amount subtotal;
  crv::Amount taxable;
  crv::Amount gst;
  crv::Amount pst;

  void add(const crv::PODetailRecord& line);
};

// The sums over the order's lines read on `connection`; nothing when the
// lines cannot be read to their end.
std::optional<LineSums> sumOrderLines(crv::Connection& connection, crv::Id poid);

// Sets PreTaxAmount, TaxAmount, DiscountAmount, OtherCharges and POAmount.
void applyTotals(crv::POMasterRecord& order, const LineSums& sums, bool canadian, double gstRate,
                 double pstRate);

// The tax amount at `rate` percent of `base`, to the cent.
crv::Amount taxAt(crv::Amount base, double rate);
// The rate at which `tax` is that percentage of `base`; nothing for a base
// of 0.
std::optional<double> rateOf(crv::Amount tax, crv::Amount base);

// The PST percentage of a province ("None", "AB", ..., "YT"); nothing for
// a value that is no province, which leaves the rate as it was.
std::optional<double> pstRateOf(std::string_view province);

// The provinces offered, "None" first.
inline constexpr std::string_view provinceChoices = "None|AB|BC|MB|NB|NL|NT|NS|NU|ON|PE|QC|SK|YT";

}  // namespace crvpo

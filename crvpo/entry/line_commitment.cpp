// Commitment arithmetic of one order line.
#include "crvpo/entry/line_commitment.h"

#include <algorithm>
#include <limits>

#include "host/data/shared_values.h"
#include "host/data/tables/job_cost_tables.h"
#include "host/framework/values/text.h"

namespace crvpo {

using crv::detail::Int128;

LineKind lineKind(const crv::PODetailRecord& line) {
  if (line.TextFlag != 0) return LineKind::None;
  if (line.DetailType == "Job") return LineKind::Job;
  if (line.DetailType == "Inventory") return LineKind::Inventory;
  return LineKind::None;
}

std::string jobCostId(const crv::PODetailRecord& line) {
  return crv::JCCostRecord::recordIdFor(line.JobID.view(), line.CostCode.view(),
                                        static_cast<std::size_t>(std::max(crv::CostCodeLen, 0)));
}

crv::Amount openAmount(const crv::PODetailRecord& line) {
  const auto price = crv::detail::shortestDecimal(line.UnitPrice);
  if (!price) throw std::overflow_error("unit price is not a finite number");
  // QtyInvoiced * UnitPrice carries 4 - exponent places; the total 2.
  const int productPlaces = crv::Quantity::places - price->exponent;
  const int places = std::max(crv::Amount::places, productPlaces);
  const Int128 total = crv::detail::shiftPlaces(line.TotalAmount.raw(), crv::Amount::places, places);
  const Int128 invoiced =
      crv::detail::shiftPlaces(Int128(line.QtyInvoiced.raw()) * price->mantissa, productPlaces, places);
  return crv::Amount::fromRaw(crv::detail::narrow(
      crv::detail::shiftPlaces(total - invoiced, places, crv::Amount::places), "open amount out of range"));
}

crv::Quantity inStockUnits(const crv::PODetailRecord& line, crv::Quantity quantity,
                           double factorWithoutOrder) {
  if (line.QtyOrdered.isZero()) return crv::multiply<crv::Quantity::places>(quantity, factorWithoutOrder);
  const Int128 scaled = Int128(line.INVQuantity.raw()) * quantity.raw();
  return crv::Quantity::fromRaw(crv::detail::narrow(crv::detail::divRound(scaled, line.QtyOrdered.raw()),
                                                    "stock quantity out of range"));
}

std::string plainDigits(crv::Id number) { return number == 0 ? std::string() : std::to_string(number); }

crv::Id readAsNumber(std::string_view text) {
  const std::string_view digits = crv::trim(text);
  if (digits.empty()) return 0;
  std::uint64_t value = 0;
  for (char c : digits) {
    if (c < '0' || c > '9') return 0;
    value = value * 10 + static_cast<unsigned>(c - '0');
    if (value > std::numeric_limits<crv::Id>::max()) return 0;
  }
  return static_cast<crv::Id>(value);
}

}  // namespace crvpo

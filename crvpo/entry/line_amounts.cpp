// Line arithmetic.
#include "crvpo/entry/line_amounts.h"

namespace crvpo {

crv::Amount lineAmount(crv::Quantity quantity, crv::Real price) {
  return crv::Amount::fromDouble(quantity.toDouble() * price);
}

AmountReversal reverseFromAmount(crv::Amount amount, crv::Quantity quantity, crv::Real price) {
  AmountReversal result;
  if (amount.isZero()) return result;
  if (!quantity.isZero())
    result.unitPrice = amount.toDouble() / quantity.toDouble();
  else if (price != 0)
    result.quantity = crv::Quantity::fromDouble(amount.toDouble() / price);
  return result;
}

crv::Flag reconciliationState(crv::Quantity ordered, crv::Quantity invoiced) {
  if (invoiced.isZero()) return 0;
  return invoiced < ordered ? 1 : 2;
}

crv::Quantity outstandingInStockUnits(crv::Quantity ordered, crv::Quantity invoiced, crv::Real factor) {
  const crv::Quantity open = ordered - invoiced;
  if (factor == 1) return open;
  return crv::multiply<4>(open, factor);
}

crv::Flag canadianTaxCode(bool gst, bool pst) {
  if (gst && pst) return 1;
  if (gst) return 2;
  if (pst) return 3;
  return 0;
}

bool subjectToGst(crv::Flag taxable) { return taxable == 1 || taxable == 2; }
bool subjectToPst(crv::Flag taxable) { return taxable == 1 || taxable == 3; }

}  // namespace crvpo

// The arithmetic of a purchase-order line: the amount from quantity and
// price, the reverse computation from a typed amount, the reconciliation
// state, the outstanding quantity in stock units and the Canadian tax code.
//
// Amounts from a price are computed in floating point, as prices are, and
// rounded once (half away from zero) to the places of the result.
#pragma once

#include <optional>

#include "host/framework/record/record.h"

namespace crvpo {

// quantity × price rounded to 2 places.
crv::Amount lineAmount(crv::Quantity quantity, crv::Real price);

// What a typed amount changes: the unit price when the quantity is not 0,
// otherwise the quantity (4 places) when the price is not 0; nothing for a
// zero amount or when both are 0.
struct AmountReversal {
  std::optional<crv::Real> unitPrice;
  std::optional<crv::Quantity> quantity;
};
AmountReversal reverseFromAmount(crv::Amount amount, crv::Quantity quantity, crv::Real price);

// 0 nothing invoiced, 1 partly, 2 fully (or more than ordered).
crv::Flag reconciliationState(crv::Quantity ordered, crv::Quantity invoiced);

// The quantity still to come, converted to stock units by `factor` (stock
// units per purchase unit), 4 places.
crv::Quantity outstandingInStockUnits(crv::Quantity ordered, crv::Quantity invoiced, crv::Real factor = 1);

// The stored Taxable of a Canadian line: 0 neither, 1 both, 2 GST only,
// 3 PST only; and back.
crv::Flag canadianTaxCode(bool gst, bool pst);
bool subjectToGst(crv::Flag taxable);
bool subjectToPst(crv::Flag taxable);

}  // namespace crvpo

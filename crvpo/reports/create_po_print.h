// CreatePOPrint: the procedure that builds the signed-in user's print batch
// (POPrint rows, one per purchase order to print) for the request in
// DecimalVariable, and the company heading the forms print.
//
// Every purchase-order form prints from this batch and nothing else. The
// request codes are:
//   999999999        the sample order (never written to POMaster)
//   0.99             a blank form (DecimalVariable becomes 3333333333)
//   0 or less        every order chosen by the shared "Generate POs" limits
//   any other value  the one order whose POID is the value's whole part
// The building is POPrintBatchBuilder's (po_print_batch_builder.h); the
// procedure shows each failure it reports in a message box, and the build
// goes on.
#pragma once

#include <cstdint>
#include <string_view>

#include "host/framework/services/module_export.h"
#include "host/framework/values/decimal.h"

namespace crvpo {

inline constexpr std::string_view generatePOsReport = "Generate POs";

inline constexpr crv::Amount sampleOrderRequest = crv::Amount(999999999);
inline constexpr crv::Amount blankFormRequest = crv::Amount::fromRaw(99);

// The numeric value of an order number, 0 when it is not a whole number.
std::uint32_t orderNumberValue(std::string_view number);

}  // namespace crvpo

extern "C" {
// Rebuilds the signed-in user's print batch for the request in
// DecimalVariable and the company heading the forms print.
CRV_EXPORT void CreatePOPrint();
}

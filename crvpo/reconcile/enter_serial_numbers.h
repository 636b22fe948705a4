// EnterSerialNumbers: the small window in which the line form's serial
// list takes new numbers ("Add Serial Numbers": typed one at a time, pasted
// many at once, one a line, or given as a range "SN-0001..SN-0250") or a
// corrected number for one row ("Change Serial Number").
//
// OK runs the list's checks (no blank or over-long number, none twice, no
// more numbers than units received); a refusal is shown and the window
// stays open with the text as typed. Nothing is written: the line form
// writes its list when the receipt is recorded.
#pragma once

#include <cstddef>
#include <optional>

#include "crvpo/reconcile/serial_numbers.h"

namespace crvpo {

// Adds to `list` (no `row`) or changes its row `row`; answers whether the
// person completed it.
bool enterSerialNumbers(SerialNumberList& list, crv::Quantity unitsReceived, std::optional<std::size_t> row);

}  // namespace crvpo

// Plain scalar field types shared by records, tables and procedures.
//
// Identifiers, flags and bytes are ordinary unsigned integers; prices and
// rates are binary floating point because they are never summed into money
// without an explicit rounding step (see decimal.h, multiply and roundTo).
#pragma once

#include <cstdint>

namespace crv {

using Id = std::uint32_t;   // record identifier, shown with up to 13 digits
using Real = double;        // unit price or rate (7.5 means 7.5 %)
using Flag = std::uint8_t;  // 0 or 1 unless a field lists other values
using Byte = std::uint8_t;  // small codes

}  // namespace crv

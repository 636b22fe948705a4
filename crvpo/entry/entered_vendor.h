// What the header form's Vendor ID entry means: a vendor number, or the
// start of a vendor's name.
//
// Text made only of digits and blanks is a number (blank text is 0).
// Anything else is the start of a name: vendors are read in name order
// from the typed text, and those whose names begin with it (without
// regard to case) match. The form takes the first match; with several it
// lets the user choose from the name list.
#pragma once

#include <string>
#include <string_view>

#include "host/framework/table/table.h"

namespace crvpo {

struct EnteredVendor {
  enum class Kind { Number, NoMatch, OneMatch, SeveralMatches };
  Kind kind = Kind::Number;
  crv::Id vendorId = 0;    // the number, or the first match
  std::string vendorName;  // the first match's name
};

// The number a vendor entry stands for when it is no vendor's name: it
// opens the vendor list unless a vendor has that number.
inline constexpr crv::Id unmatchedVendorNumber = 65532;

// Reads the entry; names are looked up on `connection`. A number too large
// for a vendor number is taken as one no vendor has.
EnteredVendor readEnteredVendor(crv::Connection& connection, std::string_view typed);

}  // namespace crvpo

// The host's way into purchase-order listings drawn in the report designer:
// the person picks the listing's report file, the host puts its folder and
// name into the designer's globals and calls the module's PrintPOListFM to
// run it, or to open the designer on it (a name that names no file yet
// starts a new listing saved there).
#pragma once

#include <functional>

namespace crv {

// `listing` is the module's PrintPOListFM.
void printDesignerListing(const std::function<void()>& listing);
void designDesignerListing(const std::function<void()>& listing);

}  // namespace crv

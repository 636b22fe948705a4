// BrowseErrQue: the window "Errors Were Encountered" that shows what a
// preview found wrong in an import file ("Record #" and "Error
// Description") and asks whether to go on: "&Proceed" keeps what was read
// (RequestCompleted), "&Cancel" gives it up (RequestCancelled).
#pragma once

#include <vector>

#include "crvpo/importexport/import_preview.h"

namespace crvpo {

// True when the user chose to proceed.
bool browseErrQue(const std::vector<ImportError>& errors);

}  // namespace crvpo

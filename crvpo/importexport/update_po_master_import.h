// UpdatePOMasterImport: the form "PO Import Source" that adds, changes,
// deletes or shows one import source (a JCLimits row with Report "PO
// Import"): its name, one file or two, comma-delimited, tab-delimited or
// fixed-position, the date format, the file names with their heading-line
// flags, and the header and detail field lists (import_field_list.h), each
// field edited in "Changing an Import Item".
//
// OK refuses the name "Import from Corvana" for a new source ("Duplicate
// Name") and, for a one-file source, a header list that does not start
// with "Record Type (H)" ("Invalid Field Contents"); then the layout
// string is rebuilt from the lists and the row written. Switching the
// format keeps the stored lengths (only fixed-position files use them).
#pragma once

#include "host/framework/services/module_export.h"

namespace crvpo {

void updatePOMasterImport();

}  // namespace crvpo

extern "C" {
CRV_EXPORT void UpdatePOMasterImport();
}

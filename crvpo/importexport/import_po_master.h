// ImportPOMaster: the window "Import Purchase Orders".
//
// The user picks an import source from the "Source" list (adding, changing
// or deleting sources through UpdatePOMasterImport; the built-in sources
// cannot be deleted), presses "&Preview" to read and check the source's
// files, reviews the orders read (one column per header field, every
// second row shaded) and the errors found (BrowseErrQue, "&Proceed" or
// "&Cancel"), and presses "&Import" to write them, which closes the
// window. Choosing another source drops the preview. The built-in source
// for files written by the export is created when the window opens.
#pragma once

#include "host/framework/services/module_export.h"

namespace crvpo {

void importPOMaster();

}  // namespace crvpo

extern "C" {
CRV_EXPORT void ImportPOMaster();
}

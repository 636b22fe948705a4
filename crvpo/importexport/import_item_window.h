// UpdatePOMasterImportItem and UpdatePODetailImportItem: the dialog
// "Changing an Import Item" that edits one field of an import source's
// header or detail layout: "Contents of Field", a drop list of what that
// record may hold, and, for fixed-position files only, "Field Length".
// OK stores both into the entry; Cancel leaves it as it was.
//
// The detail contents differ by source: a one-file source offers the
// record type and the PO number, a two-file source the POID and the PO
// number; without job cost (the suite's generic mode) the job, cost-code,
// equipment and cost-category fields are left out.
#pragma once

#include <string>
#include <vector>

#include "crvpo/importexport/import_field_list.h"

namespace crvpo {

// The contents offered, in order.
std::vector<std::string> headerItemChoices();
std::vector<std::string> detailItemChoices(bool oneFile);

// True when the user pressed OK.
bool updatePOMasterImportItem(ImportFieldList::Entry& entry, bool fixed);
bool updatePODetailImportItem(ImportFieldList::Entry& entry, bool fixed, bool oneFile);

}  // namespace crvpo

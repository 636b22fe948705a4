// Removing what hangs on an order besides its lines: its notes (Notes,
// Filename "POMaster", EntityID the order's POID as text) and its
// attachments (Images, Type "POMaster", NumericID the POID) with their
// stored copies in the image store.
//
// The rows go inside the caller's transaction; the stored copies are only
// collected, for the caller to remove once that transaction is committed,
// so that a rolled-back removal never loses a file.
#pragma once

#include <string>
#include <vector>

#include "crvpo/entry/operation_outcome.h"

namespace crvpo {

void removeNotesAndAttachments(crv::TableSteps& steps, crv::Connection& connection, crv::Id poid,
                               std::vector<std::string>& storedFiles);

// Removes stored copies; one that cannot be removed is left behind and
// named in `outcome`.
void removeStoredFiles(const std::vector<std::string>& storedFiles, OperationOutcome& outcome);

}  // namespace crvpo

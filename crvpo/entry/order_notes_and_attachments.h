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

StepResult removeNotesAndAttachments(crv::Connection& connection, crv::Id poid,
                                     std::vector<std::string>& storedFiles);

// Removes stored copies; one that cannot be removed is reported (when
// `showMessages`) and left behind.
void removeStoredFiles(const std::vector<std::string>& storedFiles, bool showMessages);

}  // namespace crvpo

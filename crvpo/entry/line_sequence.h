// Moving a line within its order: up or down one place (the two lines swap
// sequence numbers), or to the top or the bottom (it takes the first or
// last sequence number and every line in between moves one place the
// other way). The first line cannot move up nor the last one down.
//
// The changed lines are written in one transaction; a failed write rolls
// the move back and the outcome says so (the window hands it to
// tellUser()).
#pragma once

#include "crvpo/entry/operation_outcome.h"
#include "host/framework/values/scalars.h"

namespace crvpo {

enum class LineMove { Up, Down, ToTop, ToBottom };

// Answers success also when the line cannot move that way (nothing
// changes then).
OperationOutcome moveLine(crv::Connection& connection, crv::Id poid, crv::Id detailId, LineMove move);

}  // namespace crvpo

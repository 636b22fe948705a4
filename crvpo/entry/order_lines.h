// Reading an order's lines in line order (KeyPOID) through a buffer of
// their own on a connection, so that the caller's line buffer stays as it
// was and the reads belong to the caller's transaction.
#pragma once

#include <functional>
#include <vector>

#include "crvpo/entry/operation_outcome.h"
#include "host/data/tables/purchasing_tables.h"

namespace crvpo {

// Calls `visit` with each line; the failed read, or nothing when every line
// was read.
StepResult forEachLine(crv::Connection& connection, crv::Id poid,
                       const std::function<void(const crv::PODetailRecord&)>& visit);

// The lines themselves.
StepResult readOrderLines(crv::Connection& connection, crv::Id poid, std::vector<crv::PODetailRecord>& lines);

}  // namespace crvpo

// Reading an order's lines in line order (KeyPOID) through a buffer of
// their own on a connection, so that the caller's line buffer stays as it
// was and the reads belong to the caller's transaction.
#pragma once

#include <functional>
#include <optional>
#include <vector>

#include "host/data/tables/purchasing_tables.h"
#include "host/framework/table/table_steps.h"

namespace crvpo {

// Calls `visit` with each line; a failed read goes to `steps` (inside a
// transaction it ends the work).
void forEachLine(crv::TableSteps& steps, crv::Connection& connection, crv::Id poid,
                 const std::function<void(const crv::PODetailRecord&)>& visit);
std::vector<crv::PODetailRecord> readOrderLines(crv::TableSteps& steps, crv::Connection& connection,
                                                crv::Id poid);

// Outside a transaction: false when the lines could not be read to their
// end.
bool forEachLine(crv::Connection& connection, crv::Id poid,
                 const std::function<void(const crv::PODetailRecord&)>& visit);
std::optional<std::vector<crv::PODetailRecord>> readOrderLines(crv::Connection& connection, crv::Id poid);

}  // namespace crvpo

// Reading an order's lines.
#include "crvpo/entry/order_lines.h"

#include "host/framework/table/private_table.h"

namespace crvpo {

StepResult forEachLine(crv::Connection& connection, crv::Id poid,
                       const std::function<void(const crv::PODetailRecord&)>& visit) {
  crv::PrivateTable<crv::PODetailRecord> lines(connection);
  lines.rec.POID = poid;
  if (!lines.isOpen() || lines.table.setRange(crv::PODetailRecord::KeyPOID, 1) != crv::TableStatus::Ok)
    return StepFailure::of(lines.table, crv::TableOp::Reading);
  for (;;) {
    const crv::TableStatus read = lines.table.next();
    if (read == crv::TableStatus::EndOfFile) return std::nullopt;
    if (read != crv::TableStatus::Ok) return StepFailure::of(lines.table, crv::TableOp::Reading);
    visit(lines.rec);
  }
}

StepResult readOrderLines(crv::Connection& connection, crv::Id poid,
                          std::vector<crv::PODetailRecord>& lines) {
  return forEachLine(connection, poid, [&](const crv::PODetailRecord& line) { lines.push_back(line); });
}

}  // namespace crvpo

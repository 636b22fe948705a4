// Moving a packing slip's quantities into the prior packing slips.
#include "crvpo/reconcile/pack_slip_close.h"

#include "crvpo/entry/operation_outcome.h"
#include "host/data/tables/purchasing_tables.h"
#include "host/framework/table/private_table.h"
#include "host/framework/table/transaction.h"

namespace crvpo {

std::vector<std::string> closePackingSlip(crv::Connection& connection, crv::Id poid) {
  std::vector<std::string> failures;
  crv::Transaction transaction(connection);
  crv::PrivateTable<crv::PODetailRecord> lines(connection);
  lines.rec.POID = poid;
  if (lines.table.setRange(crv::PODetailRecord::KeyPOID, 1) != crv::TableStatus::Ok) {
    failures.push_back(failureText(lines.table.lastError(), crv::TableOp::Reading, "PODetail", {}));
    return failures;
  }
  for (;;) {
    const crv::TableStatus read = lines.table.next();
    if (read == crv::TableStatus::EndOfFile) break;
    if (read != crv::TableStatus::Ok) {
      failures.push_back(failureText(lines.table.lastError(), crv::TableOp::Reading, "PODetail", {}));
      break;
    }
    if (lines.rec.QtyThisPackSlip.isZero()) continue;
    lines.rec.QtyRcvdNotInvoiced += lines.rec.QtyThisPackSlip;
    lines.rec.QtyThisPackSlip = {};
    if (lines.table.tryUpdate() != crv::TableStatus::Ok)
      failures.push_back(failureText(lines.table.lastError(), crv::TableOp::Saving, "PODetail", {}));
  }
  if (transaction.started() && transaction.commit() != crv::TableStatus::Ok)
    failures.push_back(failureText(transaction.error(), crv::TableOp::Saving, "PODetail", {}));
  return failures;
}

}  // namespace crvpo

// Moving a packing slip's quantities into the prior packing slips.
#include "crvpo/reconcile/pack_slip_close.h"

#include "host/data/tables/purchasing_tables.h"
#include "host/framework/table/private_table.h"
#include "host/framework/table/table_steps.h"
#include "host/framework/table/transaction.h"

namespace crvpo {
namespace {

class FailureTexts final : public crv::StepFailureSink {
 public:
  void stepFailed(const crv::StepFailure& failure) override { texts.push_back(failure.text()); }
  std::vector<std::string> texts;
};

}  // namespace

std::vector<std::string> closePackingSlip(crv::Connection& connection, crv::Id poid) {
  FailureTexts failures;
  crv::TableSteps steps(failures);
  crv::Transaction transaction(connection);
  crv::PrivateTable<crv::PODetailRecord> lines(connection);
  lines.rec.POID = poid;
  lines.table.setRange(crv::PODetailRecord::KeyPOID, 1);
  while (steps.next(lines.table)) {
    if (lines.rec.QtyThisPackSlip.isZero()) continue;
    lines.rec.QtyRcvdNotInvoiced += lines.rec.QtyThisPackSlip;
    lines.rec.QtyThisPackSlip = {};
    steps.update(lines.table);
  }
  if (transaction.started() && transaction.commit() != crv::TableStatus::Ok)
    failures.stepFailed({transaction.error(), crv::TableOp::Saving, "PODetail"});
  return failures.texts;
}

}  // namespace crvpo

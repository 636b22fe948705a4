// The "Generate POs" record.
#include "crvpo/reports/generate_pos_limits.h"

#include <optional>

#include "crvpo/reports/po_print_batch.h"
#include "host/data/shared_values.h"
#include "host/data/tables/purchasing_tables.h"
#include "host/framework/services/message_box.h"
#include "host/framework/table/table.h"
#include "host/framework/table/table_error.h"

namespace crvpo {

using crv::TableOp;
using crv::TableStatus;

namespace {

void showFailure(TableOp step) {
  crv::message(crv::POLimits.lastError().describe() + crv::errorContext(step, "POLimits"));
}

// The first record, with every further one deleted; false when none.
bool keepFirst() {
  crv::POL.clear();
  crv::POL.Report = generatePOsReport;
  std::optional<crv::POLimitsRecord> first;
  if (crv::POLimits.setFrom(crv::POL.KeyReport, 1) == TableStatus::Ok) {
    while (crv::POLimits.next() == TableStatus::Ok && crv::POL.Report == generatePOsReport) {
      if (!first) {
        first = crv::POL;
      } else if (crv::POLimits.tryRemove() != TableStatus::Ok) {
        showFailure(TableOp::Deleting);
      }
    }
  }
  if (!first) return false;
  crv::POL = *first;
  return crv::POLimits.fetch(crv::POL.KeyLimitID) == TableStatus::Ok;
}

}  // namespace

bool keepOneGeneratePOsRecord(bool clearRange) {
  if (keepFirst()) {
    if (!clearRange) return true;
    crv::POL.SelectedPONumbers = 0;
    crv::POL.POFrom = "";
    crv::POL.POTo = "";
    if (crv::POLimits.tryUpdate() != TableStatus::Ok) showFailure(TableOp::Saving);
    return true;
  }
  crv::POL.clear();
  if (crv::POLimits.primeAutoInc() != TableStatus::Ok) {
    showFailure(TableOp::Autoincrementing);
    return false;
  }
  crv::POL.UserID = crv::UserID.view();
  crv::POL.Report = generatePOsReport;
  crv::POL.ReportTitle = "*Standard Report";
  crv::POL.ModifyDate = crv::Date::today();
  if (crv::POLimits.tryInsert() != TableStatus::Ok) {
    showFailure(TableOp::Inserting);
    return false;
  }
  return true;
}

}  // namespace crvpo

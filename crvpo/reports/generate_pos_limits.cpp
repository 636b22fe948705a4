// The "Generate POs" record.
#include "crvpo/reports/generate_pos_limits.h"

#include <optional>

#include "crvpo/reports/create_po_print.h"
#include "host/data/shared_values.h"
#include "host/data/tables/purchasing_tables.h"

namespace crvpo {

namespace {

// The first record, with every further one deleted; false when none.
bool keepFirst(crv::TableSteps& steps) {
  crv::POL.clear();
  crv::POL.Report = generatePOsReport;
  std::optional<crv::POLimitsRecord> first;
  if (crv::POLimits.setFrom(crv::POL.KeyReport, 1) == crv::TableStatus::Ok) {
    while (steps.next(crv::POLimits) && crv::POL.Report == generatePOsReport) {
      if (!first) {
        first = crv::POL;
      } else {
        steps.remove(crv::POLimits);
      }
    }
  }
  if (!first) return false;
  crv::POL = *first;
  return steps.fetch(crv::POLimits, crv::POL.KeyLimitID);
}

}  // namespace

bool keepOneGeneratePOsRecord(crv::TableSteps& steps, bool clearRange) {
  if (keepFirst(steps)) {
    if (!clearRange) return true;
    crv::POL.SelectedPONumbers = 0;
    crv::POL.POFrom = "";
    crv::POL.POTo = "";
    steps.update(crv::POLimits);
    return true;
  }
  crv::POL.clear();
  if (!steps.primeAutoInc(crv::POLimits)) return false;
  crv::POL.UserID = crv::UserID.view();
  crv::POL.Report = generatePOsReport;
  crv::POL.ReportTitle = "*Standard Report";
  crv::POL.ModifyDate = crv::Date::today();
  return steps.insert(crv::POLimits);
}

}  // namespace crvpo

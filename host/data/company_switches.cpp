// The suite's switches from the company's settings.
#include "host/data/company_switches.h"

#include "host/data/shared_values.h"
#include "host/data/tables/suite_tables.h"

namespace crv {

void setSwitchesFrom(const SystemsRecord& settings) {
  GENERIC = settings.NoJobCost != 0 ? 1 : 0;
  INPURCHASE = settings.InventoryPurchasing != 0 ? 1 : 0;
  EQPURCHASE = settings.EquipmentPurchasing != 0 ? 1 : 0;
  PURCHASELEVEL = settings.PurchaseLevel;
  COUNTRY = settings.Country.str();
  ReportFooterMessage = settings.ReportFooter.view();
}

}  // namespace crv

// Editing account numbers by the company's mask.
#include "host/siblings/CRVMISC/edit_account_num.h"

#include "host/data/shared_values.h"
#include "host/data/tables/suite_tables.h"
#include "host/framework/services/global_request.h"
#include "host/framework/table/private_table.h"
#include "host/siblings/CRVMISC/account_mask.h"

namespace crv::siblings {

std::string companyAccountMask() {
  // Read through a buffer of its own: a settings form may hold an edited
  // Systems row in SYS.
  PrivateTable<SystemsRecord> systems(Systems);
  if (!systems.isOpen()) return {};
  systems.table.set(SystemsRecord::KeySystemID);
  if (systems.table.next() != TableStatus::Ok) return {};
  return systems.rec.AccountMask.str();
}

std::string editAccountNumber(std::string_view account) {
  return AccountMask(companyAccountMask()).format(account);
}

}  // namespace crv::siblings

void EditAccountNum() {
  crv::GlobalRequest = 0;
  crv::REPORTFILTER = crv::siblings::editAccountNumber(crv::REPORTFILTER.view());
  crv::GlobalResponse = crv::RequestCompleted;
}

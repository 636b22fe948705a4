// Writing the user-activity record of an order.
#include "crvpo/entry/order_activity_log.h"

#include "host/data/shared_values.h"
#include "host/data/tables/payables_tables.h"
#include "host/data/tables/suite_tables.h"
#include "host/framework/table/private_table.h"
#include "host/framework/table/table_steps.h"

namespace crvpo {

bool OrderActivityLog::enabled() { return crv::GLO.LogUserActivity == 2; }

std::string OrderActivityLog::activityText(OrderActivity activity, const crv::POMasterRecord& order) {
  std::string text;
  switch (activity) {
    case OrderActivity::Added:
      text = "Added Purchase Order";
      break;
    case OrderActivity::Changed:
      text = "Changed Purchase Order";
      break;
    case OrderActivity::Deleted:
      text = "Deleted Purchase Order";
      break;
  }
  if (!order.PONumber.empty()) text += " #" + order.PONumber.str();
  crv::PrivateTable<crv::APVendorRecord> vendors(*connection_);
  vendors.rec.VendorID = order.VendorID;
  const bool found = vendors.table.fetch(crv::APVendorRecord::KeyVendorID) == crv::TableStatus::Ok;
  text +=
      " for Vendor (" + std::to_string(order.VendorID) + ") " + (found ? vendors.rec.VendorName.str() : "");
  return text;
}

std::optional<std::string> OrderActivityLog::write(OrderActivity activity, const crv::POMasterRecord& order) {
  if (!enabled()) return std::nullopt;
  crv::PrivateTable<crv::UserLogRecord> log(*connection_);
  log.rec.clear();
  log.rec.UserID = crv::UserID.view();
  log.rec.Date = crv::Date::today();
  log.rec.Time = crv::Time::now();
  log.rec.Module = moduleName;
  log.rec.Activity = activityText(activity, order);
  if (log.table.tryInsert() == crv::TableStatus::Ok) return std::nullopt;
  return crv::StepFailure{log.table.lastError(), crv::TableOp::Adding, "UserLog"}.text();
}

}  // namespace crvpo

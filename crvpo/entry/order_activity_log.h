// The user-activity record of an added, changed or deleted order.
//
// Written only when the suite logs user activity in full
// (GLO.LogUserActivity = 2): who, when, the module "PO Enter Purchase
// Orders" and what was done, for example "Added Purchase Order #1024 for
// Vendor (103) Northwest Lumber Co.".
#pragma once

#include <optional>
#include <string>

#include "host/data/tables/purchasing_tables.h"

namespace crvpo {

enum class OrderActivity { Added, Changed, Deleted };

class OrderActivityLog {
 public:
  static constexpr const char* moduleName = "PO Enter Purchase Orders";

  explicit OrderActivityLog(crv::Connection& connection) : connection_(&connection) {}

  // The activity text for an order (the vendor's name is looked up).
  std::string activityText(OrderActivity activity, const crv::POMasterRecord& order);
  // Adds the record when logging is on. Answers the failure text when the
  // record could not be written, nothing otherwise.
  std::optional<std::string> write(OrderActivity activity, const crv::POMasterRecord& order);

  static bool enabled();

 private:
  crv::Connection* connection_;
};

}  // namespace crvpo

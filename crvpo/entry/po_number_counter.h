// Purchase-order numbers from the company counter (SYS:NextPONumber).
//
// A new order is primed with the counter's number without advancing it;
// the save advances it, inside the save's transaction, when the order
// still carries the number it was given. Another station may have used
// that number in the meantime: the save then tells the user and takes the
// counter's current number instead. An order whose number the user typed
// leaves the counter alone.
#pragma once

#include <optional>
#include <string>

#include "host/data/tables/purchasing_tables.h"
#include "host/data/tables/suite_tables.h"

namespace crvpo {

class PONumberCounter {
 public:
  static constexpr const char* changeTitle = "Purchase Order Number Change";

  explicit PONumberCounter(crv::Connection& connection) : connection_(&connection) {}

  // Re-reads the company settings; when orders are numbered automatically
  // gives `order` the counter's number as plain digits (blank for 0) and
  // remembers it as the assigned number. Answers the assigned number (0
  // when none).
  crv::Id prime(crv::POMasterRecord& order);

  crv::Id assigned() const { return assigned_; }
  void setAssigned(crv::Id number) { assigned_ = number; }

  // The single Systems row as it is stored now, or nothing.
  std::optional<crv::SystemsRecord> readSettings() const;

  // True when a save of `order` (an insert) must advance the counter:
  // numbering is automatic and the order carries its assigned number.
  bool drawsFromCounter(const crv::SystemsRecord& settings, const crv::POMasterRecord& order) const;

  // The text of the message shown when another station took the number.
  static std::string changeText(crv::Id from, crv::Id to);

 private:
  crv::Connection* connection_;
  crv::Id assigned_ = 0;
};

}  // namespace crvpo

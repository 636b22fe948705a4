// The company's purchase-order number counter.
#include "crvpo/entry/po_number_counter.h"

#include "crvpo/entry/line_commitment.h"
#include "host/framework/table/private_table.h"

namespace crvpo {

std::optional<crv::SystemsRecord> PONumberCounter::readSettings() const {
  crv::PrivateTable<crv::SystemsRecord> systems(*connection_);
  systems.table.set(crv::SystemsRecord::KeySystemID);
  if (systems.table.next() != crv::TableStatus::Ok) return std::nullopt;
  return systems.rec;
}

crv::Id PONumberCounter::prime(crv::POMasterRecord& order) {
  assigned_ = 0;
  const auto settings = readSettings();
  if (!settings || settings->AutoPONumber == 0) return 0;
  assigned_ = settings->NextPONumber;
  order.PONumber = plainDigits(assigned_);
  return assigned_;
}

bool PONumberCounter::drawsFromCounter(const crv::SystemsRecord& settings,
                                       const crv::POMasterRecord& order) const {
  return settings.AutoPONumber != 0 && assigned_ != 0 && readAsNumber(order.PONumber.view()) == assigned_;
}

std::string PONumberCounter::changeText(crv::Id from, crv::Id to) {
  return "The automatically assigned Purchase Order Number will be changed |from " + plainDigits(from) +
         " to " + plainDigits(to) + ".";
}

}  // namespace crvpo

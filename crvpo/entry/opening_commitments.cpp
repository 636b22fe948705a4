// Building the opening commitments of an order.
#include "crvpo/entry/opening_commitments.h"

#include <algorithm>

#include "host/framework/table/private_table.h"

namespace crvpo {

std::optional<Commitment> OpeningCommitments::of(const crv::PODetailRecord& line) {
  Commitment entry;
  entry.detailId = line.DetailID;
  switch (lineKind(line)) {
    case LineKind::Job:
      entry.key = jobCostId(line);
      entry.amount = openAmount(line);
      entry.detailType = "Job";
      return entry;
    case LineKind::Inventory:
      entry.key = line.ItemID.view();
      entry.quantity = line.INVQuantity;
      entry.detailType = "Inventory";
      return entry;
    case LineKind::None:
      break;
  }
  return std::nullopt;
}

std::optional<OpeningCommitments> OpeningCommitments::ofOrder(crv::Connection& connection, crv::Id poid) {
  OpeningCommitments list;
  crv::PrivateTable<crv::PODetailRecord> lines(connection);
  lines.rec.POID = poid;
  if (lines.table.setRange(crv::PODetailRecord::KeyPOID, 1) != crv::TableStatus::Ok) return std::nullopt;
  for (;;) {
    const crv::TableStatus status = lines.table.next();
    if (status == crv::TableStatus::EndOfFile) return list;
    if (status != crv::TableStatus::Ok) return std::nullopt;
    if (auto entry = of(lines.rec)) list.add(std::move(*entry));
  }
}

std::optional<Commitment> OpeningCommitments::takeLine(crv::Id detailId) {
  auto found = std::find_if(entries_.begin(), entries_.end(),
                            [detailId](const Commitment& entry) { return entry.detailId == detailId; });
  if (found == entries_.end() || detailId == 0) return std::nullopt;
  Commitment entry = *found;
  entries_.erase(found);
  return entry;
}

}  // namespace crvpo

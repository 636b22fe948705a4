// What an order committed when it was opened for change: one entry per job
// or inventory line, in line order.
//
// Saving takes these back (last entry first) before posting the lines as
// they are now, which moves any change of quantity, price, job, cost code
// or item from the old target to the new one. The list is kept by the
// header form for the length of its window; a new order starts empty.
//
// Each entry remembers the line it came from, so that deleting a line from
// the form's list can undo that line's posting at once and drop the entry:
// the next save then does not take the same amount back a second time.
// Stock quantities are kept at the 4 places they were posted with, so a
// take-back returns exactly what the posting added.
#pragma once

#include <optional>
#include <vector>

#include "crvpo/entry/line_commitment.h"
#include "host/framework/table/table.h"
#include "host/framework/values/text.h"

namespace crvpo {

struct Commitment {
  crv::Text<24> key;         // JCCost identifier of a job line, the item of an inventory line
  crv::Amount amount;        // open amount of a job line
  crv::Quantity quantity;    // INVQuantity of an inventory line
  crv::Text<11> detailType;  // "Job" or "Inventory"
  crv::Id detailId = 0;      // the line (POD:DetailID)

  LineKind kind() const { return detailType == "Job" ? LineKind::Job : LineKind::Inventory; }
  bool operator==(const Commitment&) const = default;
};

class OpeningCommitments {
 public:
  // The entries of the order's lines in KeyPOID order, read on
  // `connection` through a buffer of their own. Nothing when the lines
  // cannot be read to their end (the runtime error says why): a partial
  // list would take back too little at the next save.
  static std::optional<OpeningCommitments> ofOrder(crv::Connection& connection, crv::Id poid);
  // The entry one line contributes, if it commits anything.
  static std::optional<Commitment> of(const crv::PODetailRecord& line);

  void add(Commitment entry) { entries_.push_back(std::move(entry)); }
  // Removes and returns the entry of a line, if there is one.
  std::optional<Commitment> takeLine(crv::Id detailId);
  void clear() { entries_.clear(); }

  const std::vector<Commitment>& entries() const { return entries_; }
  bool empty() const { return entries_.empty(); }

 private:
  std::vector<Commitment> entries_;
};

}  // namespace crvpo

// What an order committed when it was opened for change: one entry per job
// or inventory line, in line order, by the rule of line_commitment.h.
//
// Saving takes these back (last entry first) before posting the lines as
// they are now, which moves any change of quantity, price, job, cost code,
// change order or item from the old target to the new one. The list is
// kept by the header form for the length of its window; a new order starts
// empty.
//
// Each entry remembers the line it came from, so that deleting a line from
// the form's list can undo that line's posting at once and drop the entry:
// the next save then does not take the same amount back a second time.
//
// The list also remembers how many rebuilds of committed costs the company
// had when it was taken. A rebuild since then counted the order's lines as
// they stood at that moment, not these entries, so the save or Cancel that
// takes them back rebuilds the committed costs again afterwards.
#pragma once

#include <optional>
#include <vector>

#include "crvpo/entry/line_commitment.h"
#include "host/framework/table/table.h"

namespace crvpo {

class OpeningCommitments {
 public:
  // The entries of the order's lines in KeyPOID order, read on
  // `connection` through buffers of their own. Nothing when a read fails
  // (the runtime error says why): a partial list would take back too
  // little at the next save.
  static std::optional<OpeningCommitments> ofOrder(crv::Connection& connection, crv::Id poid);

  void add(Commitment entry) { entries_.push_back(std::move(entry)); }
  // Removes and returns the entry of a line, if there is one.
  std::optional<Commitment> takeLine(crv::Id detailId);
  const Commitment* find(crv::Id detailId) const;
  // Back to the empty list of a new order.
  void clear() { *this = OpeningCommitments(); }

  const std::vector<Commitment>& entries() const { return entries_; }
  bool empty() const { return entries_.empty(); }

  // The company's rebuild count when the list was taken; nothing for a new
  // order, whose lines no rebuild counts before its first save.
  std::optional<crv::Id> rebuildsSeen() const { return rebuildsSeen_; }
  void setRebuildsSeen(crv::Id rebuilds) { rebuildsSeen_ = rebuilds; }

 private:
  std::vector<Commitment> entries_;
  std::optional<crv::Id> rebuildsSeen_;
};

}  // namespace crvpo

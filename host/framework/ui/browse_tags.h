// The tagged rows of a list: row identities in ascending order, without
// duplicates. Tags outlive paging and sort changes; the list's owner reads
// them for work on "the tagged orders".
#pragma once

#include <cstddef>
#include <set>

#include "host/framework/storage/storage_backend.h"

namespace crv::ui {

class BrowseTags {
 public:
  bool contains(RowId row) const { return rows_.count(row) != 0; }
  void tag(RowId row) { rows_.insert(row); }
  void untag(RowId row) { rows_.erase(row); }
  // Returns whether the row is tagged afterwards.
  bool toggle(RowId row) {
    if (rows_.erase(row) != 0) return false;
    rows_.insert(row);
    return true;
  }
  void clear() { rows_.clear(); }
  bool empty() const { return rows_.empty(); }
  std::size_t size() const { return rows_.size(); }
  const std::set<RowId>& rows() const { return rows_; }

 private:
  std::set<RowId> rows_;
};

}  // namespace crv::ui

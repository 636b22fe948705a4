// One sort order of a list: the key it reads, the range that limits it, the
// filter that skips rows within it and how its locator reads typed text.
//
// A range fixes leading key fields to single values and may end with one
// field between two values; the values are read when the list resets, so
// callbacks can follow the window. Rows outside the range are never read:
// reading starts at the range's first row and stops at its last. The filter
// runs on each row read, with the row in the table's buffer.
#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "host/framework/record/record.h"
#include "host/framework/ui/browse_key_value.h"
#include "host/framework/values/picture.h"

namespace crv::ui {

class BrowseSort {
 public:
  explicit BrowseSort(const KeyDef& key, std::string name = {});

  // The next key field after those already limited equals `value`.
  BrowseSort& fix(KeyValue value);
  // The next key field lies between `low` and `high`, both included; no
  // field can be limited after it.
  BrowseSort& between(KeyValue low, KeyValue high);
  // Rows for which `accept` answers false are skipped.
  BrowseSort& filter(std::function<bool()> accept);
  // Reads locator text for a number or date key field through a picture;
  // without one, text fields take the text as typed and other fields its
  // plain form ("12.50", a day number).
  BrowseSort& locatorPicture(std::string_view picture);
  // Shows the rows in the key's reverse order (rows with equal keys too).
  BrowseSort& descending(bool on = true) {
    descending_ = on;
    return *this;
  }
  bool isDescending() const { return descending_; }

  const KeyDef& key() const { return *key_; }
  const std::string& name() const { return name_; }
  // Leading key fields the range limits, and of them those fixed to one value.
  std::size_t rangeParts() const { return limits_.size(); }
  std::size_t fixedParts() const;
  // The key field the locator positions on: the first one not fixed by the
  // range, or -1 when the range fixes all of them.
  int locatorPart() const;
  const std::optional<Picture>& locatorPicture() const { return locatorPicture_; }

  // Writes the range's values now into the leading key fields of `low` and
  // `high`.
  void applyRange(Record& low, Record& high) const;
  bool accepts() const { return !filter_ || filter_(); }

 private:
  struct Limit {
    KeyValue low;
    KeyValue high;
    bool fixed;
  };

  const KeyDef* key_;
  std::string name_;
  std::vector<Limit> limits_;
  std::function<bool()> filter_;
  std::optional<Picture> locatorPicture_;
  bool descending_ = false;
};

}  // namespace crv::ui

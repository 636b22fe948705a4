// The fields of one record of an import source (header or detail) as the
// source form edits them: a list of entries with their contents ("PO
// Number", "Unused") and length, numbered 1, 2, 3 in file order, each with
// its spreadsheet column name and, for fixed-position files, its start
// position (1 for the first, then the previous start plus the previous
// length).
//
// Entries can be added (contents "Not Used", length 0), removed and moved:
// to the bottom (the entries after it move up), up or down (a swap with the
// neighbour; nothing at either end) and to the top (the entries before it
// move down). After every change the list is numbered afresh and the moved
// entry stays highlighted. An entry whose contents match no field code
// (such as "Not Used") is left out of the stored layout.
#pragma once

#include <string>
#include <vector>

#include "crvpo/importexport/import_layout.h"
#include "host/framework/ui/row_list_model.h"

namespace crvpo {

class ImportFieldList {
 public:
  static constexpr const char* notUsed = "Not Used";

  struct Entry {
    std::string contents;
    int length = 0;
    bool operator==(const Entry&) const = default;
  };

  explicit ImportFieldList(bool detail);

  void load(const ImportLayout& layout);
  // Five columns with length and start position, or three.
  void setFixed(bool fixed);

  // Each returns the index of the entry to highlight (-1 for none).
  int add();
  int remove(int index);
  int moveToBottom(int index);
  int moveUp(int index);
  int moveDown(int index);
  int moveToTop(int index);
  // An entry was changed in place.
  void changed(int index);

  const std::vector<Entry>& entries() const { return entries_; }
  Entry& entry(int index) { return entries_.at(static_cast<std::size_t>(index)); }
  bool valid(int index) const { return index >= 0 && index < static_cast<int>(entries_.size()); }
  // The stored cells of the entries: code and length as two digits.
  std::string cells() const;
  crv::ui::RowListModel& model() { return model_; }

 private:
  int show(int highlight);

  bool detail_;
  bool fixed_ = false;
  std::vector<Entry> entries_;
  crv::ui::RowListModel model_;
};

// The stored layout of a header list and a detail list.
std::string layoutString(const ImportFieldList& header, const ImportFieldList& detail);

}  // namespace crvpo

// Editing the field list of an import source.
#include "crvpo/importexport/import_field_list.h"

#include <algorithm>

#include "host/siblings/CRVMISC/get_column_name.h"

namespace crvpo {
namespace {

std::vector<std::string> headings(bool fixed) {
  if (fixed) return {"Field #", "Column", "Field Contents", "Length", "Start Position"};
  return {"Field #", "Column", "Field Contents"};
}

template <class Field>
void loadCells(const std::vector<LayoutCell<Field>>& cells, std::vector<ImportFieldList::Entry>& entries) {
  entries.clear();
  for (const auto& cell : cells)
    entries.push_back({std::string(descriptorOf(cell.field).contents), cell.width});
}

}  // namespace

ImportFieldList::ImportFieldList(bool detail) : detail_(detail), model_(headings(false)) {}

void ImportFieldList::load(const ImportLayout& layout) {
  if (detail_)
    loadCells(layout.detail, entries_);
  else
    loadCells(layout.header, entries_);
  show(entries_.empty() ? -1 : 0);
}

void ImportFieldList::setFixed(bool fixed) {
  fixed_ = fixed;
  model_.setHeaders(headings(fixed));
  show(model_.current());
}

int ImportFieldList::add() {
  entries_.push_back({notUsed, 0});
  return show(static_cast<int>(entries_.size()) - 1);
}

int ImportFieldList::remove(int index) {
  if (!valid(index)) return show(model_.current());
  entries_.erase(entries_.begin() + index);
  return show(std::min(index, static_cast<int>(entries_.size()) - 1));
}

int ImportFieldList::moveToBottom(int index) {
  if (!valid(index)) return show(model_.current());
  std::rotate(entries_.begin() + index, entries_.begin() + index + 1, entries_.end());
  return show(static_cast<int>(entries_.size()) - 1);
}

int ImportFieldList::moveUp(int index) {
  if (!valid(index) || index == 0) return show(index);
  std::swap(entries_[static_cast<std::size_t>(index)], entries_[static_cast<std::size_t>(index - 1)]);
  return show(index - 1);
}

int ImportFieldList::moveDown(int index) {
  if (!valid(index) || index + 1 == static_cast<int>(entries_.size())) return show(index);
  std::swap(entries_[static_cast<std::size_t>(index)], entries_[static_cast<std::size_t>(index + 1)]);
  return show(index + 1);
}

int ImportFieldList::moveToTop(int index) {
  if (!valid(index)) return show(model_.current());
  std::rotate(entries_.begin(), entries_.begin() + index, entries_.begin() + index + 1);
  return show(0);
}

void ImportFieldList::changed(int index) { show(index); }

int ImportFieldList::show(int highlight) {
  model_.clear();
  int start = 1;
  for (std::size_t i = 0; i < entries_.size(); ++i) {
    const Entry& entry = entries_[i];
    const int number = static_cast<int>(i) + 1;
    std::vector<std::string> row = {std::to_string(number), crv::siblings::getColumnName(number),
                                    entry.contents};
    if (fixed_) {
      row.push_back(std::to_string(entry.length));
      row.push_back(std::to_string(start));
    }
    start += entry.length;
    model_.addRow(row);
  }
  if (valid(highlight)) model_.setCurrent(highlight);
  return valid(highlight) ? highlight : -1;
}

std::string ImportFieldList::cells() const {
  std::string out;
  for (const Entry& entry : entries_) {
    if (detail_) {
      if (auto field = detailFieldByContents(entry.contents))
        out += cellText(descriptorOf(*field).code, entry.length);
    } else if (auto field = headerFieldByContents(entry.contents)) {
      out += cellText(descriptorOf(*field).code, entry.length);
    }
  }
  return out;
}

std::string layoutString(const ImportFieldList& header, const ImportFieldList& detail) {
  return header.cells() + std::string(ImportLayout::separator) + detail.cells();
}

}  // namespace crvpo

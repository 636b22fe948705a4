// Lists over rows in memory.
#include "host/framework/ui/row_list_model.h"

#include <algorithm>

#include "host/framework/values/text.h"

namespace crv::ui {

RowListModel::RowListModel(std::vector<std::string> headers) : headers_(std::move(headers)) {}

void RowListModel::setHeaders(std::vector<std::string> headers) {
  headers_ = std::move(headers);
  ++revision_;
}

void RowListModel::clear() {
  rows_.clear();
  tags_.clear();
  current_ = -1;
  top_ = 0;
  ++revision_;
}

void RowListModel::addRow(std::vector<ListCell> cells) {
  cells.resize(headers_.size());
  rows_.push_back(std::move(cells));
  tags_.push_back(false);
  if (current_ < 0) current_ = 0;
  ++revision_;
}

void RowListModel::addRow(const std::vector<std::string>& texts) {
  std::vector<ListCell> cells;
  for (const auto& text : texts) cells.push_back(ListCell{text, {}, {}, {}});
  addRow(std::move(cells));
}

void RowListModel::setCurrent(int index) {
  current_ = rows_.empty() ? -1 : std::clamp(index, 0, size() - 1);
  keepInPage();
  ++revision_;
}

void RowListModel::setTagged(int index, bool tagged) {
  tags_.at(static_cast<std::size_t>(index)) = tagged;
  ++revision_;
}

int RowListModel::rowCount() const { return std::max(0, std::min(visible_, size() - top_)); }

ListCell RowListModel::cell(int row, int column) const {
  const auto& cells = rows_.at(static_cast<std::size_t>(top_ + row));
  return cells.at(static_cast<std::size_t>(column));
}

bool RowListModel::tagged(int row) const { return tags_.at(static_cast<std::size_t>(top_ + row)); }

void RowListModel::select(int row) { setCurrent(top_ + row); }

void RowListModel::setVisibleRows(int rows) {
  visible_ = std::max(1, rows);
  keepInPage();
  ++revision_;
}

void RowListModel::scroll(int rows) { setCurrent((current_ < 0 ? 0 : current_) + rows); }

void RowListModel::locate(std::string_view typed) {
  const std::string_view wanted = trim(typed);
  for (int i = 0; i < size(); ++i) {
    const std::string_view first =
        trim(row(i).empty() ? std::string_view() : std::string_view(row(i)[0].text));
    if (compareClipped(toUpperAscii(first), toUpperAscii(wanted)) >= 0) {
      setCurrent(i);
      return;
    }
  }
  setCurrent(size() - 1);
}

void RowListModel::keepInPage() {
  if (current_ < 0) {
    top_ = 0;
    return;
  }
  if (current_ < top_) top_ = current_;
  if (current_ >= top_ + visible_) top_ = current_ - visible_ + 1;
}

}  // namespace crv::ui

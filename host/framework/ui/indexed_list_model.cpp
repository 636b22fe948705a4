// Lists formatted page by page.
#include "host/framework/ui/indexed_list_model.h"

#include <algorithm>

#include "host/framework/values/text.h"

namespace crv::ui {

IndexedListModel::IndexedListModel(std::vector<std::string> headers, CellOf cellOf)
    : headers_(std::move(headers)), cellOf_(std::move(cellOf)) {}

void IndexedListModel::setHeaders(std::vector<std::string> headers) {
  headers_ = std::move(headers);
  ++revision_;
}

void IndexedListModel::reset(int rows) {
  size_ = std::max(rows, 0);
  top_ = 0;
  current_ = size_ > 0 ? 0 : -1;
  ++revision_;
}

int IndexedListModel::rowCount() const { return std::max(0, std::min(visible_, size_ - top_)); }

void IndexedListModel::setCurrent(int index) {
  current_ = size_ == 0 ? -1 : std::clamp(index, 0, size_ - 1);
  if (current_ >= 0) top_ = std::clamp(top_, std::max(0, current_ - visible_ + 1), current_);
  ++revision_;
}

void IndexedListModel::setVisibleRows(int rows) {
  visible_ = std::max(1, rows);
  setCurrent(current_);
}

void IndexedListModel::locate(std::string_view typed) {
  const std::string wanted = toUpperAscii(trim(typed));
  for (int i = 0; i < size_; ++i) {
    if (compareClipped(toUpperAscii(trim(cellOf_(i, 0).text)), wanted) >= 0) {
      setCurrent(i);
      return;
    }
  }
  setCurrent(size_ - 1);
}

}  // namespace crv::ui

// A list over rows that a procedure keeps in its own form, formatted only
// when a page shows them.
//
// RowListModel keeps every cell of every row as text; a preview of a
// hundred thousand imported orders with thirty columns would cost a few
// hundred megabytes that way. Here the list knows only how many rows there
// are and asks the procedure for the cells of the rows on the page.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "host/framework/ui/list_model.h"

namespace crv::ui {

class IndexedListModel final : public ListModel {
 public:
  // The cell of a row (0-based among all rows) and column.
  using CellOf = std::function<ListCell(int row, int column)>;

  IndexedListModel(std::vector<std::string> headers, CellOf cellOf);

  void setHeaders(std::vector<std::string> headers);
  // The rows changed: there are `rows` of them now; the highlight goes to
  // the first.
  void reset(int rows);
  int size() const { return size_; }
  // The highlighted row among all rows, -1 when none.
  int current() const { return current_; }
  void setCurrent(int index);

  int columnCount() const override { return static_cast<int>(headers_.size()); }
  std::string header(int column) const override { return headers_.at(static_cast<std::size_t>(column)); }
  int rowCount() const override;
  ListCell cell(int row, int column) const override { return cellOf_(top_ + row, column); }
  int selected() const override { return current_ < 0 ? -1 : current_ - top_; }
  void select(int row) override { setCurrent(top_ + row); }
  int visibleRows() const override { return visible_; }
  void setVisibleRows(int rows) override;
  void scroll(int rows) override { setCurrent((current_ < 0 ? 0 : current_) + rows); }
  void home() override { setCurrent(0); }
  void end() override { setCurrent(size_ - 1); }
  void locate(std::string_view typed) override;
  void refresh() override { ++revision_; }
  std::uint64_t revision() const override { return revision_; }

 private:
  std::vector<std::string> headers_;
  CellOf cellOf_;
  int size_ = 0;
  int current_ = -1;
  int top_ = 0;
  int visible_ = 20;
  std::uint64_t revision_ = 0;
};

}  // namespace crv::ui

// A list over rows held in memory: the local lists of a procedure (a
// queue of units, a priority list, search results) shown in a List
// control.
//
// All rows are kept; the model shows a page of visibleRows() of them at a
// time, as the list interface asks, and moves the page as the highlight
// passes its ends.
#pragma once

#include <string>
#include <vector>

#include "host/framework/ui/list_model.h"

namespace crv::ui {

class RowListModel final : public ListModel {
 public:
  explicit RowListModel(std::vector<std::string> headers = {});

  void setHeaders(std::vector<std::string> headers);
  void clear();
  void addRow(std::vector<ListCell> cells);
  void addRow(const std::vector<std::string>& texts);
  // All rows, not only the page.
  int size() const { return static_cast<int>(rows_.size()); }
  const std::vector<ListCell>& row(int index) const { return rows_.at(static_cast<std::size_t>(index)); }
  std::vector<ListCell>& row(int index) { return rows_.at(static_cast<std::size_t>(index)); }
  // The highlighted row among all rows, -1 when none.
  int current() const { return current_; }
  void setCurrent(int index);
  void setTagged(int index, bool tagged);

  int columnCount() const override { return static_cast<int>(headers_.size()); }
  std::string header(int column) const override { return headers_.at(static_cast<std::size_t>(column)); }
  int rowCount() const override;
  ListCell cell(int row, int column) const override;
  bool tagged(int row) const override;
  int selected() const override { return current_ < 0 ? -1 : current_ - top_; }
  void select(int row) override;
  int visibleRows() const override { return visible_; }
  void setVisibleRows(int rows) override;
  void scroll(int rows) override;
  void home() override { setCurrent(0); }
  void end() override { setCurrent(size() - 1); }
  void locate(std::string_view typed) override;
  void refresh() override { ++revision_; }
  std::uint64_t revision() const override { return revision_; }

 private:
  void keepInPage();

  std::vector<std::string> headers_;
  std::vector<std::vector<ListCell>> rows_;
  std::vector<bool> tags_;
  int current_ = -1;
  int top_ = 0;
  int visible_ = 20;
  std::uint64_t revision_ = 0;
};

}  // namespace crv::ui

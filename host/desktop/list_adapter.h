// The widgets of a List control: a table view over the page of rows the
// list holds (ListTableModel), with a pager beside it that moves the list
// by rows and pages, which the list reads from its source.
//
// The view reports what the person did and leaves its meaning to the
// framework: a click on a row, a double click, the wheel and the pager
// (Scroll), a click on a column's header (HeaderClicked, which sorts the
// list where it can), a right click (PopupMenu). It tells the list how many
// rows fit. Column widths come from the list's column pictures and are
// remembered per window and list.
#pragma once

#include "host/desktop/control_adapter.h"

class QScrollBar;
class QTableView;

namespace crv::desktop {

class ListTableModel;

class ListAdapter final : public ControlAdapter {
 public:
  ListAdapter(ui::Control& control, EventSink& sink, QWidget* parent);

  QWidget* focusTarget() const override;
  void sync() override;

 private:
  class ListEvents;

  void connectSignals();
  // Moves the highlight by rows (the wheel, the pager).
  void scrollBy(int rows);
  int pageRows() const;
  void paged(int action);
  // The list loads as many rows as the view shows; called after a resize.
  void fitRows();
  void setWidths();
  int columnWidth(int column) const;
  void rememberWidth(int column, int width);
  QString settingsKey(int column) const;

  QTableView* view_;
  ListTableModel* model_;
  QScrollBar* pager_;
  ListEvents* filter_ = nullptr;
  bool widthsSet_ = false;
  bool restoring_ = false;
};

}  // namespace crv::desktop

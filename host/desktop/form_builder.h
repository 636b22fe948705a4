// Lays a window's controls out as a form: prompts in one column and their
// fields in the next, aligned down the window; each field as wide as its
// picture, with its lookup or calendar button and the value shown beside it
// (a vendor's name after its number) on the same line; groups, option
// groups, panels and sheets as boxes and tabs holding their own forms; lists
// across the window, taking the height it has; and the window's buttons in
// a row along the bottom, actions on the left and the dialog's own buttons
// (OK, Cancel, Close, Help and the default one) on the right.
//
// Procedures describe what a window holds and in what order; the layout is
// the front end's, so that every window looks alike. A control's width hint
// overrides its picture's width.
#pragma once

#include <QWidget>
#include <map>
#include <memory>
#include <vector>

#include "host/desktop/control_adapter.h"
#include "host/framework/ui/window.h"

class QGridLayout;
class QVBoxLayout;

namespace crv::desktop {

class FormBuilder {
 public:
  FormBuilder(ui::Window& window, EventSink& sink);

  // Builds every control into `root` (which gets the layout) and answers
  // the adapters in window order.
  std::vector<std::unique_ptr<ControlAdapter>> build(QWidget& root);

 private:
  class Grid;
  struct ButtonRow;
  void plan();
  // Lays out the controls inside `container` (nullptr: the window's own)
  // into `area`, whose layout is `layout`.
  void fill(const ui::Control* container, QWidget& area, QVBoxLayout& layout, bool topLevel);
  void place(ui::Control& control, QWidget& area, QVBoxLayout& layout, Grid& grid);
  void placeBox(ui::Control& box, QWidget& area, Grid& grid);
  void placeSheet(ui::Control& sheet, QWidget& area, QVBoxLayout& layout, Grid& grid);
  void placeField(ui::Control& field, QWidget& area, Grid& grid);
  // The buttons gathered so far in a row; the window's own row closes the
  // window with a rule above it.
  void placeButtons(ButtonRow& buttons, QWidget& area, QVBoxLayout& layout, Grid& grid, bool closesWindow);
  ControlAdapter* make(ui::Control& control, QWidget& parent);
  QWidget* fieldLine(ui::Control& field, QWidget& parent);
  void sizeField(ui::Control& field, QWidget& widget);
  bool placedWithOther(const ui::Control& control) const;
  int widestPrompt(const QWidget& root) const;

  ui::Window& window_;
  EventSink& sink_;
  std::vector<std::unique_ptr<ControlAdapter>> adapters_;
  std::map<const ui::Control*, ControlAdapter*> byControl_;
  // Prompts drawn with their field, and the field's prompt.
  std::map<const ui::Control*, ui::Control*> promptOf_;
  std::map<const ui::Control*, const ui::Control*> promptFor_;
  // Values shown beside a field (a name after a number).
  std::map<const ui::Control*, std::vector<ui::Control*>> companions_;
  std::map<const ui::Control*, const ui::Control*> companionOf_;
  int promptWidth_ = 0;
};

}  // namespace crv::desktop

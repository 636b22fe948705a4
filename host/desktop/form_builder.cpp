// Laying out a window's controls.
#include "host/desktop/form_builder.h"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>
#include <vector>

namespace crv::desktop {
namespace {

using ui::Control;
using ui::ControlKind;

constexpr int wideField = 40;  // characters from which a field takes the width it gets

bool isField(const Control& c) {
  switch (c.kind()) {
    case ControlKind::Entry:
    case ControlKind::Text:
    case ControlKind::DropList:
    case ControlKind::DropCombo:
    case ControlKind::Check:
    case ControlKind::Option:
      return true;
    case ControlKind::String:
      return c.binding().bound();
    default:
      return false;
  }
}

bool isDialogButton(const Control& c) {
  switch (c.role()) {
    case ui::ButtonRole::Ok:
    case ui::ButtonRole::Cancel:
    case ui::ButtonRole::Close:
    case ui::ButtonRole::Help:
      return true;
    default:
      return c.isDefault();
  }
}

bool holdsControls(const ui::Window& window, const Control& container) {
  for (const auto& owned : window.controls())
    if (owned->parent() == &container) return true;
  return false;
}

}  // namespace

FormBuilder::FormBuilder(ui::Window& window, EventSink& sink) : window_(window), sink_(sink) {}

void FormBuilder::plan() {
  const auto& controls = window_.controls();
  for (std::size_t i = 0; i < controls.size(); ++i) {
    Control& c = *controls[i];
    if (c.prompt()) {
      promptOf_[&c] = c.prompt();
      promptFor_[c.prompt()] = &c;
    }
  }
  for (std::size_t i = 0; i < controls.size(); ++i) {
    Control& c = *controls[i];
    // A prompt not tied to a field labels the field right after it.
    if (c.kind() == ControlKind::Prompt && !promptFor_.count(&c) && i + 1 < controls.size()) {
      Control& next = *controls[i + 1];
      if (isField(next) && !promptOf_.count(&next) && next.parent() == c.parent()) {
        promptOf_[&next] = &c;
        promptFor_[&c] = &next;
      }
    }
    // Values shown right after an entry (past its lookup button) belong on
    // its line.
    if (c.kind() == ControlKind::Entry || c.kind() == ControlKind::DropList ||
        c.kind() == ControlKind::DropCombo) {
      std::size_t j = i + 1;
      if (j < controls.size() && controls[j].get() == c.lookupButton()) ++j;
      while (j < controls.size()) {
        Control& next = *controls[j];
        const bool companion = next.kind() == ControlKind::String && next.binding().bound() &&
                               next.parent() == c.parent() && !next.prompt() && !promptOf_.count(&next);
        if (!companion) break;
        companions_[&c].push_back(&next);
        companionOf_[&next] = &c;
        ++j;
      }
    }
  }
}

bool FormBuilder::placedWithOther(const Control& c) const {
  if (c.kind() == ControlKind::Prompt && promptFor_.count(&c)) return true;
  if (c.kind() == ControlKind::Button && c.serves()) return true;
  if (companionOf_.count(&c)) return true;
  return c.kind() == ControlKind::Radio || c.kind() == ControlKind::Tab;
}

ControlAdapter* FormBuilder::make(Control& control, QWidget& parent) {
  auto adapter = makeAdapter(control, sink_, &parent);
  if (!adapter) return nullptr;
  ControlAdapter* made = adapter.get();
  byControl_[&control] = made;
  adapters_.push_back(std::move(adapter));
  return made;
}

void FormBuilder::sizeField(Control& field, QWidget& widget) {
  const int chars = fieldChars(field);
  const bool digits = field.picture() && field.picture()->kind() != PictureKind::String;
  switch (field.kind()) {
    case ControlKind::Entry:
    case ControlKind::DropCombo:
      if (chars >= wideField)
        widget.setMinimumWidth(fieldWidth(widget, 32, false));
      else
        widget.setFixedWidth(fieldWidth(widget, chars ? chars : 20, digits));
      break;
    case ControlKind::DropList: {
      int widest = 0;
      for (const auto& choice : field.choices())
        widest =
            std::max(widest, widget.fontMetrics().horizontalAdvance(QString::fromStdString(choice.text)));
      widget.setMinimumWidth(std::max(widest + 48, 120));
      break;
    }
    case ControlKind::String:
      if (chars) widget.setMinimumWidth(fieldWidth(widget, std::min(chars, wideField), digits));
      break;
    default:
      break;
  }
}

// The field with its lookup button and the values shown beside it.
QWidget* FormBuilder::fieldLine(Control& field, QWidget& parent) {
  ControlAdapter* adapter = make(field, parent);
  QWidget* widget = adapter ? adapter->widget() : nullptr;
  if (!widget) return nullptr;
  sizeField(field, *widget);
  const auto companions = companions_.find(&field);
  const bool alone = !field.lookupButton() && companions == companions_.end();
  if (alone) return widget;
  auto* line = new QWidget(&parent);
  auto* layout = new QHBoxLayout(line);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(4);
  widget->setParent(line);
  layout->addWidget(widget);
  if (Control* lookup = field.lookupButton()) {
    if (ControlAdapter* button = make(*lookup, *line)) {
      button->widget()->setFixedHeight(widget->sizeHint().height());
      layout->addWidget(button->widget());
    }
  }
  if (companions != companions_.end()) {
    layout->addSpacing(8);
    for (Control* value : companions->second)
      if (ControlAdapter* shown = make(*value, *line)) {
        sizeField(*value, *shown->widget());
        layout->addWidget(shown->widget(), 1);
      }
  }
  if (companions == companions_.end()) layout->addStretch(1);
  return line;
}

// The grid of one container: prompts in the first column, fields in the
// second, headings and boxes across both. It starts with its first row and
// ends where a list, a sheet or a row of buttons goes across the container,
// so that a long list does not stretch the prompts' column.
class FormBuilder::Grid {
 public:
  Grid(QVBoxLayout& outer, int promptWidth) : outer_(outer), promptWidth_(promptWidth) {}

  void addField(QWidget* prompt, QWidget& line, bool fill) {
    QGridLayout& g = grid();
    if (prompt) g.addWidget(prompt, row_, 0, Qt::AlignLeft | Qt::AlignVCenter);
    if (fill)
      g.addWidget(&line, row_, 1);
    else
      g.addWidget(&line, row_, 1, Qt::AlignLeft | Qt::AlignVCenter);
    ++row_;
  }
  void addAcross(QWidget& widget) { grid().addWidget(&widget, row_++, 0, 1, 2); }
  // A box across the container; boxes that give the same layout row sit
  // side by side in one row.
  void addBox(QWidget& box, int layoutRow, QWidget& area) {
    if (layoutRow < 0) {
      sideBySide_ = nullptr;
      addAcross(box);
      return;
    }
    if (!sideBySide_ || sideBySideRow_ != layoutRow) {
      auto* across = new QWidget(&area);
      sideBySide_ = new QHBoxLayout(across);
      sideBySide_->setContentsMargins(0, 0, 0, 0);
      sideBySide_->setSpacing(8);
      sideBySideRow_ = layoutRow;
      addAcross(*across);
    }
    sideBySide_->addWidget(&box, 1, Qt::AlignTop);
  }
  // Numbers shown (not typed) in one grid share a width, so that their
  // right-aligned digits line up like a column of figures.
  void addShownNumber(QWidget& widget) { shownNumbers_.push_back(&widget); }

  void end() {
    int widest = 0;
    for (QWidget* w : shownNumbers_) widest = std::max(widest, w->minimumWidth());
    for (QWidget* w : shownNumbers_) w->setMinimumWidth(widest);
    shownNumbers_.clear();
    grid_ = nullptr;
    sideBySide_ = nullptr;
  }

 private:
  QGridLayout& grid() {
    if (!grid_) {
      grid_ = new QGridLayout;
      grid_->setHorizontalSpacing(12);
      grid_->setVerticalSpacing(6);
      grid_->setColumnStretch(1, 1);
      // Every form in the window puts its fields at the same distance from
      // its prompts, so boxes under each other line up.
      grid_->setColumnMinimumWidth(0, promptWidth_);
      outer_.addLayout(grid_);
      row_ = 0;
    }
    return *grid_;
  }

  QVBoxLayout& outer_;
  int promptWidth_;
  QGridLayout* grid_ = nullptr;
  int row_ = 0;
  std::vector<QWidget*> shownNumbers_;
  QHBoxLayout* sideBySide_ = nullptr;
  int sideBySideRow_ = -1;
};

// The buttons of one container, gathered for a row: actions on the left,
// the window's own buttons (OK, Cancel, Close, Help, the default) on the
// right.
struct FormBuilder::ButtonRow {
  std::vector<Control*> actions;
  std::vector<Control*> dialog;
};

void FormBuilder::fill(const Control* container, QWidget& area, QVBoxLayout& outer, bool topLevel) {
  Grid grid(outer, promptWidth_);
  ButtonRow buttons;
  for (const auto& owned : window_.controls()) {
    Control& c = *owned;
    if (c.parent() != container || placedWithOther(c)) continue;
    if (c.kind() == ControlKind::Button) {
      // Buttons inside a box stay where they are in the order; the
      // window's own buttons gather at the bottom.
      (topLevel && isDialogButton(c) ? buttons.dialog : buttons.actions).push_back(&c);
      continue;
    }
    if (!topLevel) placeButtons(buttons, area, outer, grid, false);
    place(c, area, outer, grid);
  }
  placeButtons(buttons, area, outer, grid, topLevel);
  grid.end();
}

void FormBuilder::place(Control& c, QWidget& area, QVBoxLayout& outer, Grid& grid) {
  switch (c.kind()) {
    case ControlKind::Group:
    case ControlKind::Panel:
      placeBox(c, area, grid);
      break;
    case ControlKind::Sheet:
      placeSheet(c, area, outer, grid);
      break;
    case ControlKind::List:
      if (ControlAdapter* list = make(c, area)) {
        grid.end();
        outer.addWidget(list->widget(), 1);
      }
      break;
    case ControlKind::Prompt:  // a prompt on its own: a heading across the form
    case ControlKind::Progress:
    case ControlKind::Image:
      if (ControlAdapter* made = make(c, area)) grid.addAcross(*made->widget());
      break;
    case ControlKind::String:
      if (!c.binding().bound() && !promptOf_.count(&c)) {
        if (ControlAdapter* label = make(c, area)) grid.addAcross(*label->widget());
        break;
      }
      placeField(c, area, grid);
      break;
    default:
      placeField(c, area, grid);
      break;
  }
}

void FormBuilder::placeBox(Control& c, QWidget& area, Grid& grid) {
  ControlAdapter* box = make(c, area);
  if (!box) return;
  auto* frame = qobject_cast<QFrame*>(box->widget());
  if (c.kind() == ControlKind::Panel && frame && !holdsControls(window_, c)) {
    // A panel holding nothing is a rule across the form.
    frame->setFrameShape(QFrame::HLine);
    frame->setFrameShadow(QFrame::Sunken);
    grid.addAcross(*frame);
    return;
  }
  auto* inner = new QVBoxLayout(box->widget());
  inner->setContentsMargins(10, c.kind() == ControlKind::Group ? 8 : 10, 10, 10);
  inner->setSpacing(6);
  fill(&c, *box->widget(), *inner, false);
  grid.addBox(*box->widget(), c.layout().row, area);
}

void FormBuilder::placeSheet(Control& c, QWidget& area, QVBoxLayout& outer, Grid& grid) {
  ControlAdapter* sheet = make(c, area);
  if (!sheet) return;
  for (Control* tab : c.members()) {
    QWidget* page = sheet->childArea(*tab);
    if (!page) continue;
    auto* inner = new QVBoxLayout(page);
    inner->setContentsMargins(10, 10, 10, 10);
    inner->setSpacing(8);
    fill(tab, *page, *inner, false);
    inner->addStretch(1);
  }
  grid.end();
  outer.addWidget(sheet->widget());
}

void FormBuilder::placeField(Control& c, QWidget& area, Grid& grid) {
  QWidget* line = fieldLine(c, area);
  if (!line) return;
  QWidget* prompt = nullptr;
  if (const auto owned = promptOf_.find(&c); owned != promptOf_.end())
    if (ControlAdapter* made = make(*owned->second, area)) prompt = made->widget();
  grid.addField(prompt, *line, c.kind() == ControlKind::Text);
  ControlAdapter* field = byControl_.at(&c);
  if (auto* label = qobject_cast<QLabel*>(prompt)) label->setBuddy(field->focusTarget());
  if (c.kind() == ControlKind::String && c.picture() && c.picture()->kind() == PictureKind::Number)
    grid.addShownNumber(*field->widget());
}

void FormBuilder::placeButtons(ButtonRow& buttons, QWidget& area, QVBoxLayout& outer, Grid& grid,
                               bool closesWindow) {
  if (buttons.actions.empty() && buttons.dialog.empty()) return;
  auto* line = new QHBoxLayout;
  line->setSpacing(6);
  for (Control* b : buttons.actions)
    if (ControlAdapter* a = make(*b, area)) line->addWidget(a->widget());
  line->addStretch(1);
  for (Control* b : buttons.dialog)
    if (ControlAdapter* a = make(*b, area)) line->addWidget(a->widget());
  if (closesWindow) {
    auto* rule = new QFrame(&area);
    rule->setFrameShape(QFrame::HLine);
    rule->setFrameShadow(QFrame::Sunken);
    outer.addSpacing(4);
    outer.addWidget(rule);
  }
  outer.addLayout(line);
  buttons.actions.clear();
  buttons.dialog.clear();
  grid.end();
}

int FormBuilder::widestPrompt(const QWidget& root) const {
  int widest = 0;
  for (const auto& [field, prompt] : promptOf_) {
    QString text = QString::fromStdString(prompt->text());
    text.remove('&');
    widest = std::max(widest, root.fontMetrics().horizontalAdvance(text));
  }
  return widest;
}

std::vector<std::unique_ptr<ControlAdapter>> FormBuilder::build(QWidget& root) {
  plan();
  promptWidth_ = widestPrompt(root);
  auto* layout = new QVBoxLayout(&root);
  layout->setContentsMargins(14, 14, 14, 12);
  layout->setSpacing(10);
  fill(nullptr, root, *layout, true);
  // Adapters in window order, so that syncing follows the order a person
  // reads the window in.
  std::vector<std::unique_ptr<ControlAdapter>> ordered;
  for (const auto& owned : window_.controls()) {
    auto it = std::find_if(adapters_.begin(), adapters_.end(),
                           [&](const auto& a) { return a && &a->control() == owned.get(); });
    if (it != adapters_.end()) ordered.push_back(std::move(*it));
  }
  return ordered;
}

}  // namespace crv::desktop

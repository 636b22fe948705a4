// The adapters of each control kind.
#include "host/desktop/control_adapter.h"

#include <QAbstractItemView>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QCompleter>
#include <QFileInfo>
#include <QFrame>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSettings>
#include <QSignalBlocker>
#include <QStringListModel>
#include <QTabBar>
#include <QTabWidget>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>
#include <QWheelEvent>
#include <algorithm>
#include <functional>

#include "host/desktop/icon_library.h"
#include "host/desktop/list_table_model.h"
#include "host/framework/services/message_box.h"
#include "host/framework/ui/browse_class.h"
#include "host/framework/ui/list_model.h"
#include "host/framework/ui/type_ahead.h"
#include "host/framework/ui/window.h"
#include "host/framework/values/text.h"

namespace crv::desktop {
namespace {

using ui::Control;
using ui::ControlKind;
using ui::EventKind;

QString qs(const std::string& text) { return QString::fromStdString(text); }

bool numberPicture(const Control& control) {
  return control.picture() && control.picture()->kind() != PictureKind::String;
}

// A text the widget shows only when it differs, so that the cursor and
// selection survive a sync that changed nothing.
template <class W>
void setTextIfChanged(W& widget, const QString& text) {
  if (widget.text() != text) widget.setText(text);
}

// --- labels: prompts, and strings that show a text or a value ---

class LabelAdapter final : public ControlAdapter {
 public:
  LabelAdapter(Control& control, EventSink& sink, QWidget* parent) : ControlAdapter(control, sink) {
    label_ = new QLabel(parent);
    if (control.kind() == ControlKind::String) {
      label_->setTextFormat(Qt::PlainText);
      label_->setWordWrap(!control.binding().bound());
      label_->setTextInteractionFlags(Qt::TextSelectableByMouse);
      if (numberPicture(control)) label_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    }
    setWidget(label_);
  }
  void sync() override {
    ControlAdapter::sync();
    const Control& c = control();
    // Strings show their value; "|" breaks the lines of a text.
    QString text = c.kind() == ControlKind::Prompt ? qs(c.text()) : qs(c.shown());
    if (c.kind() == ControlKind::String) text.replace('|', '\n');
    setTextIfChanged(*label_, text);
  }

 private:
  QLabel* label_;
};

// --- entries ---

// Ctrl and a left click on an entry ask for the control's pop-up menu (a
// right click keeps the entry's own cut-and-paste menu).
class CtrlClickMenu final : public QObject {
 public:
  CtrlClickMenu(std::function<void()> open, QObject* parent) : QObject(parent), open_(std::move(open)) {}
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() != QEvent::MouseButtonPress) return false;
    const auto* click = static_cast<QMouseEvent*>(event);
    if (click->button() != Qt::LeftButton || !(click->modifiers() & Qt::ControlModifier)) return false;
    open_();
    return true;
  }

 private:
  std::function<void()> open_;
};

class EntryAdapter final : public ControlAdapter {
 public:
  EntryAdapter(Control& control, EventSink& sink, QWidget* parent) : ControlAdapter(control, sink) {
    edit_ = new QLineEdit(parent);
    if (numberPicture(control) && control.picture()->kind() == PictureKind::Number)
      edit_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    edit_->setClearButtonEnabled(false);
    QObject::connect(edit_, &QLineEdit::textEdited, edit_, [this](const QString& text) {
      dirty_ = true;
      if (this->control().immediate()) {
        ui::Event changed = ui::Event::field(EventKind::NewSelection, this->control());
        changed.input = text.toStdString();
        this->sink().post(std::move(changed));
      }
    });
    QObject::connect(edit_, &QLineEdit::editingFinished, edit_, [this] { flush(); });
    if (!control.typeAheadSection().empty()) offerTypedValues();
    edit_->installEventFilter(new CtrlClickMenu([this] { post(EventKind::PopupMenu); }, edit_));
    setWidget(edit_);
  }
  void sync() override {
    ControlAdapter::sync();
    edit_->setReadOnly(control().readOnly());
    if (!dirty_) setTextIfChanged(*edit_, qs(control().shown()));
  }
  bool flush() override {
    if (!dirty_) return false;
    dirty_ = false;
    ui::Event accepted = ui::Event::field(EventKind::Accepted, control());
    accepted.input = edit_->text().toStdString();
    sink().post(std::move(accepted));
    return true;
  }
  bool editsText() const override { return true; }
  void focusedByProcedure() override { edit_->selectAll(); }

 private:
  // Values typed into this field before pop up as completions; they are
  // read again as the person types, so a value kept a moment ago in another
  // window is offered too.
  void offerTypedValues() {
    auto* kept = new QStringListModel(edit_);
    auto* completer = new QCompleter(kept, edit_);
    completer->setCaseSensitivity(Qt::CaseInsensitive);
    completer->setCompletionMode(QCompleter::PopupCompletion);
    edit_->setCompleter(completer);
    QObject::connect(edit_, &QLineEdit::textEdited, edit_, [this, kept] {
      QStringList values;
      for (const std::string& value :
           ui::typeAhead().completions(control().typeAheadSection(), control().typeAheadField(), ""))
        values << qs(value);
      if (values != kept->stringList()) kept->setStringList(values);
    });
  }

  QLineEdit* edit_;
  bool dirty_ = false;
};

class TextAdapter final : public ControlAdapter {
 public:
  TextAdapter(Control& control, EventSink& sink, QWidget* parent) : ControlAdapter(control, sink) {
    edit_ = new QPlainTextEdit(parent);
    edit_->setTabChangesFocus(true);
    edit_->setMinimumHeight(edit_->fontMetrics().lineSpacing() * 4 + 12);
    QObject::connect(edit_, &QPlainTextEdit::textChanged, edit_, [this] {
      if (!this->sink().syncing()) dirty_ = true;
    });
    setWidget(edit_);
  }
  void sync() override {
    ControlAdapter::sync();
    edit_->setReadOnly(control().readOnly());
    const QString text = qs(control().shown());
    if (!dirty_ && edit_->toPlainText() != text) edit_->setPlainText(text);
  }
  bool flush() override {
    if (!dirty_) return false;
    dirty_ = false;
    ui::Event accepted = ui::Event::field(EventKind::Accepted, control());
    accepted.input = edit_->toPlainText().toStdString();
    sink().post(std::move(accepted));
    return true;
  }
  bool editsText() const override { return true; }

 private:
  QPlainTextEdit* edit_;
  bool dirty_ = false;
};

// --- check boxes and option groups ---

class CheckAdapter final : public ControlAdapter {
 public:
  CheckAdapter(Control& control, EventSink& sink, QWidget* parent) : ControlAdapter(control, sink) {
    box_ = new QCheckBox(parent);
    QObject::connect(box_, &QCheckBox::clicked, box_,
                     [this](bool on) { post(EventKind::Accepted, on ? 1 : 0); });
    setWidget(box_);
  }
  void sync() override {
    ControlAdapter::sync();
    setTextIfChanged(*box_, qs(control().text()));
    box_->setChecked(control().ticked());
  }

 private:
  QCheckBox* box_;
};

class OptionAdapter final : public ControlAdapter {
 public:
  OptionAdapter(Control& control, EventSink& sink, QWidget* parent) : ControlAdapter(control, sink) {
    box_ = new QGroupBox(parent);
    group_ = new QButtonGroup(box_);
    const auto radios = control.members();
    // Radios side by side, unless their captions together are too long for
    // a line: then one under the other, so that none is cut.
    std::size_t captions = 0;
    for (const Control* radio : radios) captions += radio->text().size();
    QBoxLayout* layout = captions > 90 ? static_cast<QBoxLayout*>(new QVBoxLayout(box_))
                                       : static_cast<QBoxLayout*>(new QHBoxLayout(box_));
    layout->setSpacing(captions > 90 ? 4 : 14);
    for (std::size_t i = 0; i < radios.size(); ++i) {
      auto* radio = new QRadioButton(box_);
      group_->addButton(radio, static_cast<int>(i));
      layout->addWidget(radio);
      radios_.push_back({radios[i], radio});
    }
    layout->addStretch(1);
    QObject::connect(group_, &QButtonGroup::idClicked, box_,
                     [this](int id) { post(EventKind::Accepted, id); });
    setWidget(box_);
  }
  QWidget* focusTarget() const override {
    const int chosen = control().chosenIndex();
    if (chosen >= 0 && chosen < static_cast<int>(radios_.size()))
      return radios_[static_cast<std::size_t>(chosen)].second;
    return radios_.empty() ? widget() : radios_.front().second;
  }
  void sync() override {
    ControlAdapter::sync();
    box_->setTitle(qs(control().text()));
    const int chosen = control().chosenIndex();
    group_->setExclusive(chosen >= 0);
    for (std::size_t i = 0; i < radios_.size(); ++i) {
      auto& [model, radio] = radios_[i];
      setTextIfChanged(*radio, qs(model->text()));
      radio->setHidden(model->hidden());
      radio->setEnabled(!model->disabled());
      radio->setChecked(static_cast<int>(i) == chosen);
    }
    group_->setExclusive(true);
  }

 private:
  QGroupBox* box_;
  QButtonGroup* group_;
  std::vector<std::pair<Control*, QRadioButton*>> radios_;
};

// --- drop lists and drop combos ---

class DropAdapter final : public ControlAdapter {
 public:
  DropAdapter(Control& control, EventSink& sink, QWidget* parent) : ControlAdapter(control, sink) {
    combo_ = new QComboBox(parent);
    combo_->setEditable(control.kind() == ControlKind::DropCombo);
    combo_->setInsertPolicy(QComboBox::NoInsert);
    QObject::connect(combo_, &QComboBox::activated, combo_, [this](int index) {
      dirty_ = false;
      post(EventKind::NewSelection, index);
      post(EventKind::Accepted, index);
    });
    if (QLineEdit* edit = combo_->lineEdit()) {
      QObject::connect(edit, &QLineEdit::textEdited, edit, [this] { dirty_ = true; });
      QObject::connect(edit, &QLineEdit::editingFinished, edit, [this] { flush(); });
    }
    setWidget(combo_);
  }
  void sync() override {
    ControlAdapter::sync();
    QStringList texts;
    for (const auto& choice : control().choices()) texts << qs(stripHotKey(choice.text));
    if (texts != items_) {
      combo_->clear();
      combo_->addItems(texts);
      items_ = texts;
    }
    if (combo_->isEditable()) {
      if (!dirty_) setTextIfChanged(*combo_->lineEdit(), qs(control().shown()));
    } else {
      combo_->setCurrentIndex(control().chosenIndex());
    }
  }
  bool flush() override {
    if (!dirty_ || !combo_->lineEdit()) return false;
    dirty_ = false;
    ui::Event accepted = ui::Event::field(EventKind::Accepted, control());
    accepted.input = combo_->lineEdit()->text().toStdString();
    sink().post(std::move(accepted));
    return true;
  }
  bool editsText() const override { return combo_->isEditable(); }

 private:
  QComboBox* combo_;
  QStringList items_;
  bool dirty_ = false;
};

// --- lists ---

// The view shows the page the list holds; the pager beside it moves the
// list by rows and pages, which the list reads from its source.
class ListAdapter final : public ControlAdapter {
 public:
  ListAdapter(Control& control, EventSink& sink, QWidget* parent) : ControlAdapter(control, sink) {
    auto* frame = new QWidget(parent);
    auto* layout = new QHBoxLayout(frame);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    view_ = new QTableView(frame);
    model_ = new ListTableModel(control, view_);
    view_->setModel(model_);
    view_->setSelectionBehavior(QAbstractItemView::SelectRows);
    view_->setSelectionMode(QAbstractItemView::SingleSelection);
    view_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view_->setAlternatingRowColors(true);
    view_->setShowGrid(false);
    view_->setWordWrap(false);
    view_->setTabKeyNavigation(false);
    view_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    view_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    view_->setIconSize(QSize(16, 16));
    view_->verticalHeader()->hide();
    view_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    view_->verticalHeader()->setDefaultSectionSize(view_->fontMetrics().height() + 8);
    view_->horizontalHeader()->setHighlightSections(false);
    view_->horizontalHeader()->setStretchLastSection(true);
    view_->horizontalHeader()->setSectionsClickable(true);
    view_->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    const int rows = control.model() ? std::max(control.model()->visibleRows(), 5) : 10;
    view_->setMinimumHeight(view_->verticalHeader()->defaultSectionSize() * std::min(rows, 14) +
                            view_->horizontalHeader()->sizeHint().height() + 4);
    pager_ = new QScrollBar(Qt::Vertical, frame);
    pager_->setRange(0, 2);
    pager_->setPageStep(1);
    pager_->setValue(1);
    layout->addWidget(view_, 1);
    layout->addWidget(pager_);

    QObject::connect(view_, &QTableView::pressed, view_, [this](const QModelIndex& index) {
      if (!index.isValid()) return;
      const ui::ListModel* list = this->control().model();
      if (list && list->selected() != index.row()) post(EventKind::NewSelection, index.row());
    });
    QObject::connect(view_, &QTableView::doubleClicked, view_, [this](const QModelIndex& index) {
      if (index.isValid()) post(EventKind::Accepted);
    });
    QObject::connect(pager_, &QScrollBar::actionTriggered, pager_, [this](int action) { paged(action); });
    QObject::connect(view_->horizontalHeader(), &QHeaderView::sectionClicked, view_,
                     [this](int column) { sortBy(column); });
    QObject::connect(view_->horizontalHeader(), &QHeaderView::sectionResized, view_,
                     [this](int column, int, int width) { rememberWidth(column, width); });
    view_->setContextMenuPolicy(Qt::CustomContextMenu);
    QObject::connect(view_, &QWidget::customContextMenuRequested, view_,
                     [this] { post(EventKind::PopupMenu); });
    filter_ = new ListEvents(*this, view_);
    view_->installEventFilter(filter_);
    view_->viewport()->installEventFilter(filter_);
    setWidget(frame);
  }

  QWidget* focusTarget() const override { return view_; }

  bool takeKey(ui::Key key) override {
    const int rows = ui::listScrollFor(key, pageRows());
    if (rows == 0) return false;
    scrollBy(rows);
    return true;
  }

  void sync() override {
    ControlAdapter::sync();
    if (model_->sync() || !widthsSet_) setWidths();
    const ui::ListModel* list = control().model();
    const int selected = list ? list->selected() : -1;
    const QModelIndex current = selected >= 0 ? model_->index(selected, 0) : QModelIndex();
    if (current.isValid()) {
      view_->selectionModel()->setCurrentIndex(
          current, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
      view_->scrollTo(current);
    } else {
      view_->selectionModel()->clear();
    }
    pager_->setValue(1);
    fitRows();
  }

  // Moves the highlight by rows (the arrow and page keys, the wheel).
  void scrollBy(int rows) {
    ui::Event moved = ui::Event::field(EventKind::Scroll, control());
    moved.index = rows;
    sink().post(std::move(moved));
  }
  int pageRows() const { return control().model() ? std::max(1, control().model()->visibleRows()) : 1; }

  // The list loads as many rows as the view shows; called after a resize.
  void fitRows() {
    ui::ListModel* list = control().model();
    const int rowHeight = view_->verticalHeader()->defaultSectionSize();
    if (!list || rowHeight <= 0 || !view_->isVisible()) return;
    const int fits = std::max(1, view_->viewport()->height() / rowHeight);
    if (fits != list->visibleRows()) {
      list->setVisibleRows(fits);
      if (model_->sync()) setWidths();
    }
  }

 private:
  QString settingsKey(int column) const {
    return QStringLiteral("lists/%1/%2/%3")
        .arg(qs(control().window().title()), qs(control().equate()), QString::number(column));
  }

  void setWidths() {
    const ui::ListModel* list = control().model();
    if (!list) return;
    widthsSet_ = true;
    restoring_ = true;
    QSettings settings;
    const auto* browse = dynamic_cast<const ui::BrowseClass*>(list);
    const QFontMetrics metrics = view_->fontMetrics();
    int total = 0;
    for (int c = 0; c < list->columnCount(); ++c) {
      int chars = 0;
      bool digits = false;
      if (c < static_cast<int>(control().columns().size())) {
        const auto& column = control().columns()[static_cast<std::size_t>(c)];
        chars = column.width;
        if (!chars && column.picture) chars = column.picture->displayWidth();
        digits = column.picture && column.picture->kind() != PictureKind::String;
      } else if (browse && c < browse->columnCount() && browse->column(c).picture) {
        chars = browse->column(c).picture->displayWidth();
        digits = browse->column(c).picture->kind() != PictureKind::String;
      }
      const int header = metrics.horizontalAdvance(qs(list->header(c))) + 24;
      int width = std::max(header, chars ? fieldWidth(*view_, std::min(chars, 36), digits) : 120);
      const QVariant saved = settings.value(settingsKey(c));
      if (saved.isValid() && saved.toInt() > 20) width = saved.toInt();
      view_->setColumnWidth(c, width);
      total += width;
    }
    // The list asks for room to show its columns, within reason.
    view_->setMinimumWidth(std::min(total + 4, 980));
    restoring_ = false;
  }

  void rememberWidth(int column, int width) {
    if (restoring_ || sink().syncing()) return;
    QSettings().setValue(settingsKey(column), width);
  }

  void paged(int action) {
    switch (action) {
      case QAbstractSlider::SliderSingleStepAdd:
        scrollBy(1);
        break;
      case QAbstractSlider::SliderSingleStepSub:
        scrollBy(-1);
        break;
      case QAbstractSlider::SliderPageStepAdd:
        scrollBy(pageRows());
        break;
      case QAbstractSlider::SliderPageStepSub:
        scrollBy(-pageRows());
        break;
      default:
        break;
    }
  }

  // A click on a header sorts by that column when the list has a sort
  // order starting with the column's field. A sheet whose tabs are the
  // list's sort orders is told, so the tab and the order stay together.
  void sortBy(int column) {
    auto* browse = dynamic_cast<ui::BrowseClass*>(control().model());
    if (!browse || column >= browse->columnCount()) return;
    const std::string& field = browse->column(column).field;
    if (field.empty()) return;
    for (int s = 0; s < browse->sortCount(); ++s) {
      const auto& sort = browse->sort(s);
      const int part = sort.locatorPart();
      if (part < 0 || !sort.key().fields[static_cast<std::size_t>(part)]) continue;
      if (!equalsIgnoreCase(sort.key().fields[static_cast<std::size_t>(part)], field)) continue;
      if (s == browse->currentSort()) return;
      for (const auto& owned : control().window().controls()) {
        Control& sheet = *owned;
        if (sheet.kind() != ControlKind::Sheet ||
            static_cast<int>(sheet.members().size()) != browse->sortCount())
          continue;
        ui::Event chosen = ui::Event::field(EventKind::NewSelection, sheet);
        chosen.index = s;
        sink().post(std::move(chosen));
        return;
      }
      browse->setSort(s);
      sync();
      return;
    }
  }

  // The wheel moves the highlight as the arrow keys do; a resize changes
  // how many rows the list loads.
  class ListEvents final : public QObject {
   public:
    ListEvents(ListAdapter& list, QObject* parent) : QObject(parent), list_(list) {}
    bool eventFilter(QObject* watched, QEvent* event) override {
      if (event->type() == QEvent::Wheel) {
        const int delta = static_cast<QWheelEvent*>(event)->angleDelta().y();
        if (delta != 0) list_.scrollBy(delta > 0 ? -3 : 3);
        return true;
      }
      if (event->type() == QEvent::Resize && watched == list_.view_->viewport()) list_.fitRows();
      return false;
    }

   private:
    ListAdapter& list_;
  };

  QTableView* view_;
  ListTableModel* model_;
  QScrollBar* pager_;
  ListEvents* filter_ = nullptr;
  bool widthsSet_ = false;
  bool restoring_ = false;
};

// --- buttons ---

class ButtonAdapter final : public ControlAdapter {
 public:
  ButtonAdapter(Control& control, EventSink& sink, QWidget* parent) : ControlAdapter(control, sink) {
    if (control.serves()) {
      // A lookup or calendar button sits right beside its entry.
      auto* tool = new QToolButton(parent);
      tool->setToolButtonStyle(Qt::ToolButtonTextOnly);
      // Out of the tab order: Tab goes from field to field, F2 presses it.
      tool->setFocusPolicy(Qt::ClickFocus);
      tool->setToolTip(control.role() == ui::ButtonRole::Calendar ? QObject::tr("Select a date (F2)")
                                                                  : QObject::tr("Look up (F2)"));
      button_ = tool;
    } else {
      auto* push = new QPushButton(parent);
      push->setAutoDefault(false);
      push->setMinimumWidth(
          std::max(push->sizeHint().width(), push->fontMetrics().horizontalAdvance("Cancel") + 32));
      button_ = push;
    }
    QObject::connect(button_, &QAbstractButton::clicked, button_, [this] {
      this->sink().flushTyping();
      post(EventKind::Accepted);
    });
    // A right click offers a button's other ways, where the window has some.
    button_->setContextMenuPolicy(Qt::CustomContextMenu);
    QObject::connect(button_, &QWidget::customContextMenuRequested, button_,
                     [this] { post(EventKind::PopupMenu); });
    setWidget(button_);
  }
  void sync() override {
    ControlAdapter::sync();
    const Control& c = control();
    QString text = qs(c.text());
    if (c.role() == ui::ButtonRole::Calendar && (text.isEmpty() || text == "..."))
      text = QStringLiteral("\u25BE");
    setTextIfChanged(*button_, text);
    if (!c.icon().empty()) button_->setIcon(icon(c.icon()));
    if (auto* push = qobject_cast<QPushButton*>(button_)) push->setDefault(c.isDefault());
  }

 private:
  QAbstractButton* button_;
};

// --- containers ---

class GroupAdapter final : public ControlAdapter {
 public:
  GroupAdapter(Control& control, EventSink& sink, QWidget* parent) : ControlAdapter(control, sink) {
    if (control.kind() == ControlKind::Group) {
      box_ = new QGroupBox(parent);
      setWidget(box_);
    } else {
      auto* frame = new QFrame(parent);
      frame->setFrameShape(QFrame::StyledPanel);
      frame->setFrameShadow(QFrame::Sunken);
      setWidget(frame);
    }
  }
  QWidget* childArea(const Control& container) const override {
    return &container == &control() ? widget() : nullptr;
  }
  void sync() override {
    ControlAdapter::sync();
    if (box_) box_->setTitle(qs(control().text()));
  }

 private:
  QGroupBox* box_ = nullptr;
};

// A sheet is a tab widget whose pages hold their tabs' controls; a sheet
// whose tabs hold nothing (tabs that choose a list's order) is a tab bar.
class SheetAdapter final : public ControlAdapter {
 public:
  SheetAdapter(Control& control, EventSink& sink, QWidget* parent) : ControlAdapter(control, sink) {
    tabs_ = control.members();
    bool pages = false;
    for (const auto& owned : control.window().controls())
      for (Control* tab : tabs_)
        if (owned->parent() == tab) pages = true;
    if (pages) {
      widget_ = new QTabWidget(parent);
      for (Control* tab : tabs_) {
        auto* page = new QWidget(widget_);
        widget_->addTab(page, qs(tab->text()));
        pages_.push_back(page);
      }
      QObject::connect(widget_, &QTabWidget::tabBarClicked, widget_, [this](int index) { chosen(index); });
      setWidget(widget_);
    } else {
      bar_ = new QTabBar(parent);
      bar_->setExpanding(false);
      bar_->setDrawBase(false);
      for (Control* tab : tabs_) bar_->addTab(qs(tab->text()));
      QObject::connect(bar_, &QTabBar::tabBarClicked, bar_, [this](int index) { chosen(index); });
      setWidget(bar_);
    }
  }
  // The page of a tab, where the tab's controls go; nullptr for a bar.
  QWidget* childArea(const Control& tab) const override {
    for (std::size_t i = 0; i < tabs_.size() && i < pages_.size(); ++i)
      if (tabs_[i] == &tab) return pages_[i];
    return nullptr;
  }
  void sync() override {
    ControlAdapter::sync();
    QTabBar* bar = bar_ ? bar_ : widget_->tabBar();
    for (std::size_t i = 0; i < tabs_.size(); ++i) {
      const int index = static_cast<int>(i);
      if (bar->tabText(index) != qs(tabs_[i]->text())) bar->setTabText(index, qs(tabs_[i]->text()));
      bar->setTabVisible(index, !tabs_[i]->hidden());
      bar->setTabEnabled(index, !tabs_[i]->disabled());
    }
    const int current = control().currentTab();
    if (current >= 0 && current != bar->currentIndex()) {
      if (widget_)
        widget_->setCurrentIndex(current);
      else
        bar_->setCurrentIndex(current);
    }
  }

 private:
  void chosen(int index) {
    if (index >= 0 && index != control().currentTab()) post(EventKind::NewSelection, index);
  }

  std::vector<Control*> tabs_;
  std::vector<QWidget*> pages_;
  QTabWidget* widget_ = nullptr;
  QTabBar* bar_ = nullptr;
};

// --- images and progress bars ---

class ImageAdapter final : public ControlAdapter {
 public:
  ImageAdapter(Control& control, EventSink& sink, QWidget* parent) : ControlAdapter(control, sink) {
    label_ = new QLabel(parent);
    label_->setAlignment(Qt::AlignCenter);
    setWidget(label_);
  }
  void sync() override {
    ControlAdapter::sync();
    // The image is a file when the text names one, else a named icon.
    const std::string& source = control().text().empty() ? control().icon() : control().text();
    if (source == shown_) return;
    shown_ = source;
    const QString file = qs(source);
    if (!source.empty() && QFileInfo::exists(file)) {
      QPixmap picture(file);
      label_->setPixmap(picture.width() > 320 ? picture.scaledToWidth(320, Qt::SmoothTransformation)
                                              : picture);
    } else {
      label_->setPixmap(icon(source).pixmap(48, 48));
    }
  }

 private:
  QLabel* label_;
  std::string shown_ = "\n";
};

class ProgressAdapter final : public ControlAdapter {
 public:
  ProgressAdapter(Control& control, EventSink& sink, QWidget* parent) : ControlAdapter(control, sink) {
    bar_ = new QProgressBar(parent);
    bar_->setRange(0, 100);
    bar_->setMinimumWidth(280);
    setWidget(bar_);
  }
  void sync() override {
    ControlAdapter::sync();
    bar_->setValue(std::clamp(control().progress(), 0, 100));
  }

 private:
  QProgressBar* bar_;
};

}  // namespace

void ControlAdapter::post(EventKind kind, int index) {
  ui::Event event = ui::Event::field(kind, control_);
  event.index = index;
  sink_.post(std::move(event));
}

void ControlAdapter::sync() {
  if (!widget_) return;
  const Control& c = control_;
  if (widget_->isHidden() != c.hidden()) widget_->setHidden(c.hidden());
  widget_->setEnabled(!c.disabled());
  const QString tip = qs(c.tip());
  if (widget_->toolTip() != tip) widget_->setToolTip(tip);
  QFont font = widget_->font();
  const bool bold = c.fontWeight() >= 600;
  if (font.bold() != bold) {
    font.setBold(bold);
    widget_->setFont(font);
  }
  if (c.foreground() || c.background()) {
    QPalette palette = widget_->palette();
    if (c.foreground()) {
      const QColor color = QColor::fromRgb(static_cast<QRgb>(*c.foreground()));
      palette.setColor(QPalette::WindowText, color);
      palette.setColor(QPalette::Text, color);
      palette.setColor(QPalette::ButtonText, color);
    }
    if (c.background()) {
      const QColor color = QColor::fromRgb(static_cast<QRgb>(*c.background()));
      palette.setColor(QPalette::Base, color);
      palette.setColor(QPalette::Window, color);
      widget_->setAutoFillBackground(true);
    }
    widget_->setPalette(palette);
  }
}

int fieldChars(const Control& control) {
  if (control.layout().width > 0) return control.layout().width;
  if (const Picture* picture = control.picture()) return picture->displayWidth();
  if (const auto ref = control.binding().fieldRef(); ref && ref->def().width > 0)
    return static_cast<int>(ref->def().width);
  return 0;
}

int fieldWidth(const QWidget& widget, int chars, bool digits) {
  const QFontMetrics metrics = widget.fontMetrics();
  // Text is measured by the average letter, which most names are close to;
  // numbers and dates by the digit, which they are made of.
  const int per = digits ? metrics.horizontalAdvance('0') : metrics.averageCharWidth();
  return per * std::max(chars, 2) + 16;
}

std::unique_ptr<ControlAdapter> makeAdapter(Control& control, EventSink& sink, QWidget* parent) {
  switch (control.kind()) {
    case ControlKind::Prompt:
    case ControlKind::String:
      return std::make_unique<LabelAdapter>(control, sink, parent);
    case ControlKind::Entry:
      return std::make_unique<EntryAdapter>(control, sink, parent);
    case ControlKind::Text:
      return std::make_unique<TextAdapter>(control, sink, parent);
    case ControlKind::Check:
      return std::make_unique<CheckAdapter>(control, sink, parent);
    case ControlKind::Option:
      return std::make_unique<OptionAdapter>(control, sink, parent);
    case ControlKind::DropList:
    case ControlKind::DropCombo:
      return std::make_unique<DropAdapter>(control, sink, parent);
    case ControlKind::List:
      return std::make_unique<ListAdapter>(control, sink, parent);
    case ControlKind::Button:
      return std::make_unique<ButtonAdapter>(control, sink, parent);
    case ControlKind::Group:
    case ControlKind::Panel:
      return std::make_unique<GroupAdapter>(control, sink, parent);
    case ControlKind::Sheet:
      return std::make_unique<SheetAdapter>(control, sink, parent);
    case ControlKind::Image:
      return std::make_unique<ImageAdapter>(control, sink, parent);
    case ControlKind::Progress:
      return std::make_unique<ProgressAdapter>(control, sink, parent);
    case ControlKind::Radio:
    case ControlKind::Tab:
      return nullptr;
  }
  return nullptr;
}

}  // namespace crv::desktop

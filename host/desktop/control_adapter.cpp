// The adapters of each control kind.
#include "host/desktop/control_adapter.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QCompleter>
#include <QFileInfo>
#include <QFrame>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QStringListModel>
#include <QTabBar>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>
#include <functional>

#include "host/desktop/icon_library.h"
#include "host/desktop/list_adapter.h"
#include "host/framework/services/message_box.h"
#include "host/framework/ui/input.h"
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
      this->sink().post(ui::textEdited(this->control(), text.toStdString()));
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
    sink().post(ui::textEntered(control(), edit_->text().toStdString()));
    return true;
  }
  void focusArrived() override { edit_->selectAll(); }

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
    sink().post(ui::textEntered(control(), edit_->toPlainText().toStdString()));
    return true;
  }

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
                     [this](bool on) { this->sink().post(ui::activated(this->control(), on ? 1 : 0)); });
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
                     [this](int id) { this->sink().post(ui::activated(this->control(), id)); });
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
    // A radio chosen by a key takes the focus from the one before.
    if (box_->isAncestorOf(QApplication::focusWidget()) && focusTarget() != QApplication::focusWidget())
      focusTarget()->setFocus(Qt::OtherFocusReason);
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
      this->sink().post(ui::activated(this->control(), index));
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
    // Entries are data (a vendor's name may hold "&"), not captions.
    for (const auto& choice : control().choices()) texts << qs(choice.text);
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
    sink().post(ui::textEntered(control(), combo_->lineEdit()->text().toStdString()));
    return true;
  }

 private:
  QComboBox* combo_;
  QStringList items_;
  bool dirty_ = false;
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
      this->sink().post(ui::activated(this->control()));
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
    if (index >= 0) sink().post(ui::activated(control(), index));
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

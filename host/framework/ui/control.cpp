// Controls: properties, shown values and input.
#include "host/framework/ui/control.h"

#include "host/framework/services/message_box.h"
#include "host/framework/ui/list_model.h"
#include "host/framework/ui/window.h"
#include "host/framework/values/text.h"

namespace crv::ui {

std::string_view controlKindName(ControlKind kind) {
  switch (kind) {
    case ControlKind::Prompt:
      return "prompt";
    case ControlKind::Entry:
      return "entry";
    case ControlKind::Text:
      return "text";
    case ControlKind::String:
      return "string";
    case ControlKind::Check:
      return "check";
    case ControlKind::Option:
      return "option";
    case ControlKind::Radio:
      return "radio";
    case ControlKind::DropList:
      return "droplist";
    case ControlKind::DropCombo:
      return "dropcombo";
    case ControlKind::List:
      return "list";
    case ControlKind::Button:
      return "button";
    case ControlKind::Group:
      return "group";
    case ControlKind::Sheet:
      return "sheet";
    case ControlKind::Tab:
      return "tab";
    case ControlKind::Image:
      return "image";
    case ControlKind::Progress:
      return "progress";
    case ControlKind::Panel:
      return "panel";
  }
  return "control";
}

std::string_view buttonRoleName(ButtonRole role) {
  switch (role) {
    case ButtonRole::None:
      return "none";
    case ButtonRole::Ok:
      return "ok";
    case ButtonRole::Cancel:
      return "cancel";
    case ButtonRole::Close:
      return "close";
    case ButtonRole::Help:
      return "help";
    case ButtonRole::Lookup:
      return "lookup";
    case ButtonRole::Calendar:
      return "calendar";
  }
  return "none";
}

Control::Control(Window& window, int id, ControlKind kind, std::string equate)
    : window_(&window), id_(id), kind_(kind), equate_(std::move(equate)) {}

bool Control::is(std::string_view equate) const { return equalsIgnoreCase(equate_, equate); }

void Control::touch() { window_->touch(); }

Control& Control::setText(std::string text) {
  text_ = std::move(text);
  touch();
  return *this;
}

Control& Control::setPicture(std::string_view picture) {
  if (picture.empty())
    picture_.reset();
  else
    picture_ = Picture::parse(picture);
  touch();
  return *this;
}

Control& Control::bind(Binding binding) {
  binding_ = std::move(binding);
  touch();
  return *this;
}

std::string Control::shownValue() const { return binding_.bound() ? binding_.format(picture()) : text_; }

std::string Control::shown() const {
  switch (kind_) {
    case ControlKind::Entry:
    case ControlKind::Text:
    case ControlKind::DropCombo:
    case ControlKind::String:
      return shownValue();
    case ControlKind::Check:
      return ticked() ? "on" : "off";
    case ControlKind::DropList: {
      const int at = chosenIndex();
      return at < 0 ? std::string() : choices_[static_cast<std::size_t>(at)].text;
    }
    case ControlKind::Option:
    case ControlKind::Sheet: {
      const auto radios = members();
      const int at = chosenIndex();
      return at < 0 || at >= static_cast<int>(radios.size())
                 ? std::string()
                 : stripHotKey(radios[static_cast<std::size_t>(at)]->text());
    }
    case ControlKind::List: {
      if (!model_ || model_->selected() < 0) return {};
      std::string row;
      for (int c = 0; c < model_->columnCount(); ++c) {
        if (c) row += " | ";
        row += trim(model_->cell(model_->selected(), c).text);
      }
      return row;
    }
    case ControlKind::Progress:
      return std::to_string(progress_);
    default:
      return text_;
  }
}

bool Control::takeInput(std::string_view typed) {
  if (!binding_.bound()) {
    const Picture* p = picture();
    if (p && p->kind() == PictureKind::String && typed.size() > static_cast<std::size_t>(p->width()))
      typed = typed.substr(0, utf8CutLength(typed, static_cast<std::size_t>(p->width())));
    text_ = std::string(typed);
    touch();
    return true;
  }
  const bool ok = binding_.parse(typed, picture());
  if (ok) touch();
  return ok;
}

bool Control::choose(int index) {
  if (index < 0) return false;
  switch (kind_) {
    case ControlKind::DropList:
    case ControlKind::DropCombo:
      if (index >= static_cast<int>(choices_.size())) return false;
      if (binding_.bound() && !binding_.setPlain(choices_[static_cast<std::size_t>(index)].value))
        return false;
      chosen_ = index;
      touch();
      return true;
    case ControlKind::Option: {
      const auto radios = members();
      if (index >= static_cast<int>(radios.size())) return false;
      if (binding_.bound() && !binding_.setPlain(radios[static_cast<std::size_t>(index)]->radioValue()))
        return false;
      chosen_ = index;
      touch();
      return true;
    }
    case ControlKind::Sheet:
      if (index >= static_cast<int>(members().size())) return false;
      chosen_ = index;
      touch();
      return true;
    case ControlKind::Check:
      setTicked(index != 0);
      return true;
    default:
      return false;
  }
}

Control& Control::setCheckValues(std::string ticked, std::string cleared) {
  checkOn_ = std::move(ticked);
  checkOff_ = std::move(cleared);
  touch();
  return *this;
}

bool Control::ticked() const {
  if (!binding_.bound()) return chosen_ == 1;
  return clip(binding_.plain()) == clip(checkOn_);
}

void Control::setTicked(bool on) {
  if (binding_.bound()) binding_.setPlain(on ? checkOn_ : checkOff_);
  chosen_ = on ? 1 : 0;
  touch();
}

Control& Control::setChoices(std::vector<Choice> choices) {
  choices_ = std::move(choices);
  if (chosen_ >= static_cast<int>(choices_.size())) chosen_ = -1;
  touch();
  return *this;
}

Control& Control::setChoices(std::string_view texts) {
  std::vector<Choice> list;
  if (!texts.empty()) {
    std::size_t start = 0;
    for (;;) {
      const std::size_t bar = texts.find('|', start);
      std::string text(texts.substr(start, bar == std::string_view::npos ? texts.npos : bar - start));
      list.push_back(Choice{text, text});
      if (bar == std::string_view::npos) break;
      start = bar + 1;
    }
  }
  return setChoices(std::move(list));
}

int Control::chosenIndex() const {
  if (!binding_.bound()) return chosen_;
  const std::string value = binding_.plain();
  if (kind_ == ControlKind::Option) {
    const auto radios = members();
    for (std::size_t i = 0; i < radios.size(); ++i)
      if (clip(radios[i]->radioValue()) == clip(value)) return static_cast<int>(i);
    return -1;
  }
  if (kind_ == ControlKind::Sheet) return chosen_;
  for (std::size_t i = 0; i < choices_.size(); ++i)
    if (clip(choices_[i].value) == clip(value)) return static_cast<int>(i);
  return -1;
}

Control& Control::setRadioValue(std::string value) {
  radioValue_ = std::move(value);
  touch();
  return *this;
}

std::string Control::radioValue() const { return radioValue_ ? *radioValue_ : stripHotKey(text_); }

std::vector<Control*> Control::members() const {
  std::vector<Control*> result;
  const ControlKind member = kind_ == ControlKind::Sheet ? ControlKind::Tab : ControlKind::Radio;
  for (const auto& c : window_->controls())
    if (c->parent_ == this && c->kind_ == member) result.push_back(c.get());
  return result;
}

Control& Control::setModel(ListModel* model) {
  model_ = model;
  touch();
  return *this;
}

Control& Control::setColumns(std::vector<ListColumn> columns) {
  columns_ = std::move(columns);
  touch();
  return *this;
}

Control& Control::setColumnWidth(std::size_t column, int width) {
  if (column >= columns_.size()) columns_.resize(column + 1);
  columns_[column].width = width;
  touch();
  return *this;
}

ListColumn Control::listColumn(int column) const {
  ListColumn shown;
  if (column >= 0 && column < static_cast<int>(columns_.size()))
    shown = columns_[static_cast<std::size_t>(column)];
  if (!model_ || column < 0 || column >= model_->columnCount()) return shown;
  if (shown.header.empty()) shown.header = model_->header(column);
  if (!shown.picture)
    if (const Picture* picture = model_->columnPicture(column)) shown.picture = *picture;
  return shown;
}

Control& Control::setHidden(bool hidden) {
  hidden_ = hidden;
  touch();
  return *this;
}

Control& Control::setDisabled(bool disabled) {
  disabled_ = disabled;
  touch();
  return *this;
}

Control& Control::setReadOnly(bool readOnly) {
  readOnly_ = readOnly;
  touch();
  return *this;
}

Control& Control::setRequired(bool required) {
  required_ = required;
  touch();
  return *this;
}

Control& Control::setImmediate(bool immediate) {
  immediate_ = immediate;
  touch();
  return *this;
}

Control& Control::setFontWeight(int weight) {
  fontWeight_ = weight;
  touch();
  return *this;
}

Control& Control::setColors(std::optional<std::uint32_t> foreground,
                            std::optional<std::uint32_t> background) {
  foreground_ = foreground;
  background_ = background;
  touch();
  return *this;
}

Control& Control::setIcon(std::string icon) {
  icon_ = std::move(icon);
  touch();
  return *this;
}

Control& Control::setTip(std::string tip) {
  tip_ = std::move(tip);
  touch();
  return *this;
}

Control& Control::setTypeAhead(std::string section, std::string field) {
  typeAheadSection_ = std::move(section);
  typeAheadField_ = std::move(field);
  touch();
  return *this;
}

Control& Control::setProgress(int percent) {
  progress_ = percent < 0 ? 0 : percent > 100 ? 100 : percent;
  touch();
  return *this;
}

Control& Control::setDefault(bool isDefault) {
  default_ = isDefault;
  touch();
  return *this;
}

Control& Control::setRole(ButtonRole role) {
  role_ = role;
  touch();
  return *this;
}

Control& Control::in(Control& container) {
  parent_ = &container;
  touch();
  return *this;
}

Control& Control::setPrompt(Control& prompt) {
  prompt_ = &prompt;
  touch();
  return *this;
}

Control& Control::setLookupButton(Control& button) {
  lookup_ = &button;
  button.serves_ = this;
  touch();
  return *this;
}

Control& Control::at(int row, int column, int width) {
  layout_ = LayoutHint{row, column, width};
  touch();
  return *this;
}

bool Control::isShown() const {
  for (const Control* c = this; c; c = c->parent_)
    if (c->hidden_) return false;
  return true;
}

bool Control::isVisible() const {
  if (!isShown()) return false;
  for (const Control* c = this; c->parent_; c = c->parent_) {
    if (c->kind_ != ControlKind::Tab || c->parent_->kind_ != ControlKind::Sheet) continue;
    const auto tabs = c->parent_->members();
    const int current = c->parent_->currentTab() < 0 ? 0 : c->parent_->currentTab();
    if (current >= static_cast<int>(tabs.size()) || tabs[static_cast<std::size_t>(current)] != c)
      return false;
  }
  return true;
}

bool Control::isEnabled() const {
  for (const Control* c = this; c; c = c->parent_)
    if (c->disabled_) return false;
  return true;
}

bool Control::isEntryLike() const {
  switch (kind_) {
    case ControlKind::Entry:
    case ControlKind::Text:
    case ControlKind::Check:
    case ControlKind::Option:
    case ControlKind::DropList:
    case ControlKind::DropCombo:
      return true;
    default:
      return false;
  }
}

}  // namespace crv::ui

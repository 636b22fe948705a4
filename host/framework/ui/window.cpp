// Windows: building, finding controls, focus and posted events.
#include "host/framework/ui/window.h"

#include <stdexcept>

#include "host/framework/services/message_box.h"
#include "host/framework/values/text.h"

namespace crv::ui {
namespace {

// A prompt's caption as a person reads it: no hot-key mark, no colon.
std::string promptWords(std::string_view caption) {
  std::string words = stripHotKey(caption);
  std::string_view view = trim(words);
  if (!view.empty() && view.back() == ':') view.remove_suffix(1);
  return std::string(trim(view));
}

}  // namespace

Window::Window(std::string title) : title_(std::move(title)) {}

void Window::setTitle(std::string title) {
  title_ = std::move(title);
  touch();
}

void Window::setIcon(std::string icon) {
  icon_ = std::move(icon);
  touch();
}

void Window::setHelp(std::string page, std::string anchor) {
  help_ = HelpTopic{std::move(page), std::move(anchor)};
  touch();
}

void Window::setModal(bool modal) {
  modal_ = modal;
  touch();
}

void Window::setTimer(int hundredths) {
  timer_ = hundredths < 0 ? 0 : hundredths;
  touch();
}

Control& Window::add(ControlKind kind, std::string equate, std::string text) {
  if (!equate.empty() && find(equate))
    throw std::invalid_argument("window \"" + title_ + "\" already has a control " + equate);
  controls_.push_back(
      std::make_unique<Control>(*this, static_cast<int>(controls_.size()) + 1, kind, std::move(equate)));
  Control& control = *controls_.back();
  if (!text.empty()) control.setText(std::move(text));
  touch();
  return control;
}

Control& Window::addPrompt(std::string equate, std::string text) {
  return add(ControlKind::Prompt, std::move(equate), std::move(text));
}

Control& Window::addEntry(std::string equate, Binding binding, std::string_view picture) {
  Control& entry = add(ControlKind::Entry, std::move(equate));
  entry.bind(std::move(binding));
  entry.setPicture(picture);
  return entry;
}

Control& Window::addField(std::string prompt, std::string equate, Binding binding, std::string_view picture) {
  Control& label = addPrompt(equate + ":Prompt", std::move(prompt));
  Control& entry = addEntry(std::move(equate), std::move(binding), picture);
  entry.setPrompt(label);
  return entry;
}

Control& Window::addFieldIn(Control& group, std::string prompt, std::string equate, Binding binding,
                            std::string_view picture) {
  Control& entry = addField(std::move(prompt), std::move(equate), std::move(binding), picture);
  entry.prompt()->in(group);
  return entry.in(group);
}

void Window::lockForViewing() {
  for (const auto& owned : controls_) {
    Control& c = *owned;
    switch (c.kind()) {
      case ControlKind::Entry:
      case ControlKind::Text:
        c.setReadOnly(true);
        break;
      case ControlKind::Check:
      case ControlKind::DropList:
      case ControlKind::DropCombo:
        c.disable();
        break;
      case ControlKind::Button:
        if (c.role() == ButtonRole::Lookup || c.role() == ButtonRole::Calendar) c.disable();
        break;
      default:
        break;
    }
  }
}

Control& Window::addButton(std::string equate, std::string text, ButtonRole role) {
  Control& button = add(ControlKind::Button, std::move(equate), std::move(text));
  button.setRole(role);
  return button;
}

Control& Window::addCheck(std::string equate, std::string text, Binding binding) {
  Control& check = add(ControlKind::Check, std::move(equate), std::move(text));
  check.bind(std::move(binding));
  return check;
}

Control& Window::addDropList(std::string equate, Binding binding, std::string_view choices) {
  Control& list = add(ControlKind::DropList, std::move(equate));
  list.bind(std::move(binding));
  list.setChoices(choices);
  return list;
}

Control& Window::addList(std::string equate, ListModel* model) {
  Control& list = add(ControlKind::List, std::move(equate));
  list.setModel(model);
  return list;
}

Control& Window::addString(std::string equate, std::string text) {
  return add(ControlKind::String, std::move(equate), std::move(text));
}

Control& Window::addLookup(Control& entry, ButtonRole role) {
  Control& button = addButton(entry.equate() + ":Lookup", "...", role);
  if (entry.parent()) button.in(*entry.parent());
  entry.setLookupButton(button);
  return button;
}

Control* Window::find(std::string_view equate) const {
  for (const auto& c : controls_)
    if (c->is(equate)) return c.get();
  return nullptr;
}

Control& Window::control(std::string_view equate) const {
  if (Control* c = find(equate)) return *c;
  throw std::out_of_range("window \"" + title_ + "\" has no control " + std::string(equate));
}

Control* Window::findByPrompt(std::string_view prompt) const {
  const std::string wanted = promptWords(prompt);
  for (const auto& c : controls_)
    if (c->prompt() && equalsIgnoreCase(promptWords(c->prompt()->text()), wanted)) return c.get();
  return nullptr;
}

void Window::setFieldHidden(std::string_view equate, bool hidden) {
  Control& entry = control(equate);
  entry.setHidden(hidden);
  if (entry.prompt()) entry.prompt()->setHidden(hidden);
  if (entry.lookupButton()) entry.lookupButton()->setHidden(hidden);
}

void Window::select(Control& control) {
  focus_ = &control;
  touch();
}

Control* Window::firstFocusable() const {
  for (const auto& c : controls_) {
    const bool takesFocus =
        c->isEntryLike() || c->kind() == ControlKind::List || c->kind() == ControlKind::Button;
    if (takesFocus && c->isVisible() && c->isEnabled()) return c.get();
  }
  return nullptr;
}

Control* Window::defaultButton() const {
  for (const auto& c : controls_)
    if (c->kind() == ControlKind::Button && c->isDefault()) return c.get();
  return nullptr;
}

Control* Window::buttonWithRole(ButtonRole role) const {
  for (const auto& c : controls_)
    if (c->kind() == ControlKind::Button && c->role() == role) return c.get();
  return nullptr;
}

void Window::post(EventKind kind, Control* control) {
  Event event = Event::window(kind);
  event.control = control;
  post(std::move(event));
}

Event Window::takePosted() {
  Event event = std::move(posted_.front());
  posted_.pop_front();
  return event;
}

void Window::alert(Key key) { alerted_.insert(key); }

void Window::unalert(Key key) { alerted_.erase(key); }

}  // namespace crv::ui

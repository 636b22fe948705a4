// The meaning of keys, clicks and typed text.
#include "host/framework/ui/input.h"

#include <cstddef>

#include "host/framework/ui/list_model.h"
#include "host/framework/ui/window.h"

namespace crv::ui {
namespace {

bool editsText(const Control& control) {
  const ControlKind kind = control.kind();
  return kind == ControlKind::Entry || kind == ControlKind::Text || kind == ControlKind::DropCombo;
}

bool belongsToField(const Control& focus, Key key) {
  switch (key) {
    case Key::Delete:
    case Key::Backspace:
    case Key::Insert:
    case Key::Space:
    case Key::Left:
    case Key::Right:
    case Key::Home:
    case Key::End:
      return editsText(focus);
    case Key::Enter:
    case Key::Up:
    case Key::Down:
    case Key::PageUp:
    case Key::PageDown:
      return focus.kind() == ControlKind::Text;
    default:
      return false;
  }
}

bool usable(const Control* control) { return control && control->isVisible() && control->isEnabled(); }

KeyMeaning leftToField() {
  KeyMeaning meaning;
  meaning.fieldsOwn = true;
  return meaning;
}

KeyMeaning reporting(std::vector<Event> events) {
  KeyMeaning meaning;
  meaning.reportsTyping = !events.empty();
  meaning.events = std::move(events);
  return meaning;
}

KeyMeaning moveOn(const Window& window, Control* focus, bool backwards) {
  Control* next = tabStopAfter(window, focus, backwards);
  if (!next || next == focus) return {};
  KeyMeaning meaning = reporting({Event::field(EventKind::Selected, *next)});
  meaning.focusTo = next;
  return meaning;
}

KeyMeaning enter(const Window& window, Control* focus) {
  if (usable(focus) && (focus->kind() == ControlKind::Button || focus->kind() == ControlKind::List))
    return reporting({Event::field(EventKind::Accepted, *focus)});
  Control* button = window.defaultButton();
  if (usable(button)) return reporting({Event::field(EventKind::Accepted, *button)});
  return moveOn(window, focus, false);
}

KeyMeaning space(Control* focus) {
  if (!usable(focus)) return leftToField();
  switch (focus->kind()) {
    case ControlKind::Check:
      return reporting(activated(*focus, focus->ticked() ? 0 : 1));
    case ControlKind::Button:
      return reporting(activated(*focus));
    case ControlKind::Option:
      return reporting(activated(*focus, focus->chosenIndex() < 0 ? 0 : focus->chosenIndex()));
    default:
      return leftToField();
  }
}

// Chooses the radio or tab before (step -1) or after (step 1) the chosen
// one, passing over hidden and disabled ones.
KeyMeaning chooseBeside(Control& group, int chosen, int step) {
  if (chosen < 0) return {};
  const auto members = group.members();
  for (int at = chosen + step; at >= 0 && at < static_cast<int>(members.size()); at += step) {
    const Control& member = *members[static_cast<std::size_t>(at)];
    if (!member.hidden() && !member.disabled()) return reporting(activated(group, at));
  }
  return {};
}

KeyMeaning inDropList(Control& list, Key key) {
  const int count = static_cast<int>(list.choices().size());
  const int chosen = list.chosenIndex();
  int at = -1;
  switch (key) {
    case Key::Up:
    case Key::PageUp:
      at = chosen - 1;
      break;
    case Key::Down:
    case Key::PageDown:
      at = chosen + 1;
      break;
    case Key::Home:
      at = 0;
      break;
    case Key::End:
      at = count - 1;
      break;
    default:
      return {};
  }
  if (at < 0 || at >= count || at == chosen) return {};
  return reporting(activated(list, at));
}

KeyMeaning arrow(const Window& window, Control* focus, Key key) {
  if (!usable(focus)) return {};
  const bool back = key == Key::Left || key == Key::Up;
  const bool sideways = key == Key::Left || key == Key::Right;
  switch (focus->kind()) {
    case ControlKind::List: {
      const int rows = focus->model() ? listScrollFor(key, focus->model()->visibleRows()) : 0;
      if (rows == 0) return {};
      Event moved = Event::field(EventKind::Scroll, *focus);
      moved.index = rows;
      return reporting({moved});
    }
    case ControlKind::DropList:
    case ControlKind::DropCombo:
      return inDropList(*focus, key);
    case ControlKind::Option:
      return sideways ? chooseBeside(*focus, focus->chosenIndex(), back ? -1 : 1) : KeyMeaning{};
    case ControlKind::Sheet:
      return sideways ? chooseBeside(*focus, focus->currentTab(), back ? -1 : 1) : KeyMeaning{};
    case ControlKind::Button:
    case ControlKind::Check:
      return key == Key::Home || key == Key::End || key == Key::PageUp || key == Key::PageDown
                 ? KeyMeaning{}
                 : moveOn(window, focus, back);
    default:
      return {};
  }
}

}  // namespace

KeyMeaning keyMeaning(Window& window, Control* focus, Key key) {
  if (key == Key::None || (focus && belongsToField(*focus, key))) return leftToField();
  if (window.isAlerted(key)) {
    Event alert = focus ? Event::field(EventKind::AlertKey, *focus) : Event::window(EventKind::AlertKey);
    alert.key = key;
    return reporting({alert});
  }
  switch (key) {
    case Key::Escape: {
      KeyMeaning meaning;
      meaning.events.push_back(Event::window(EventKind::CloseWindow));
      return meaning;
    }
    case Key::Enter:
      return enter(window, focus);
    case Key::Tab:
    case Key::ShiftTab:
      return moveOn(window, focus, key == Key::ShiftTab);
    case Key::Space:
      return space(focus);
    case Key::Up:
    case Key::Down:
    case Key::Left:
    case Key::Right:
    case Key::PageUp:
    case Key::PageDown:
    case Key::Home:
    case Key::End:
      return arrow(window, focus, key);
    default:
      return leftToField();
  }
}

int listScrollFor(Key key, int pageRows) {
  switch (key) {
    case Key::Up:
      return -1;
    case Key::Down:
      return 1;
    case Key::PageUp:
      return -pageRows;
    case Key::PageDown:
      return pageRows;
    case Key::Home:
      return Event::kScrollToFirst;
    case Key::End:
      return Event::kScrollToLast;
    default:
      return 0;
  }
}

bool isTabStop(const Control& control) {
  if (!usable(&control)) return false;
  switch (control.kind()) {
    case ControlKind::List:
    case ControlKind::Sheet:
      return true;
    case ControlKind::Button:
      return !control.serves();
    default:
      return control.isEntryLike();
  }
}

Control* tabStopAfter(const Window& window, const Control* from, bool backwards) {
  const auto& controls = window.controls();
  const int count = static_cast<int>(controls.size());
  if (count == 0) return nullptr;
  // Control ids are 1-based positions in the window order.
  const int start = from ? from->id() - 1 : (backwards ? 0 : count - 1);
  const int step = backwards ? count - 1 : 1;
  for (int i = 1; i <= count; ++i) {
    Control& candidate = *controls[static_cast<std::size_t>((start + step * i) % count)];
    if (isTabStop(candidate)) return &candidate;
  }
  return nullptr;
}

std::vector<Event> focusGiven(Control& control) {
  if (control.window().focus() == &control) return {};
  return {Event::field(EventKind::Selected, control)};
}

std::vector<Event> clicked(Control& control, int index) {
  std::vector<Event> events;
  if (control.kind() != ControlKind::Sheet) events = focusGiven(control);
  for (Event& event : activated(control, index)) events.push_back(std::move(event));
  return events;
}

std::vector<Event> activated(Control& control, int index) {
  Event accepted = Event::field(EventKind::Accepted, control);
  Event changed = Event::field(EventKind::NewSelection, control);
  accepted.index = changed.index = index;
  switch (control.kind()) {
    case ControlKind::Button:
      accepted.index = -1;
      return {accepted};
    case ControlKind::Check:
    case ControlKind::Option:
      return {accepted};
    case ControlKind::DropList:
    case ControlKind::DropCombo:
      return {changed, accepted};
    case ControlKind::Sheet:
      if (index == control.currentTab()) return {};
      return {changed};
    case ControlKind::List:
      if (!control.model() || index == control.model()->selected()) return {};
      return {changed};
    default:
      return {};
  }
}

std::vector<Event> cellClicked(Control& list, int row, int column) {
  Event changed = Event::field(EventKind::NewSelection, list);
  changed.index = row;
  changed.column = column;
  return {changed};
}

std::vector<Event> doubleClicked(Control& list) { return {Event::field(EventKind::Accepted, list)}; }

std::vector<Event> textEdited(Control& field, std::string text) {
  if (!field.immediate()) return {};
  Event changed = Event::field(EventKind::NewSelection, field);
  changed.input = std::move(text);
  return {changed};
}

std::vector<Event> textEntered(Control& field, std::string text) {
  Event accepted = Event::field(EventKind::Accepted, field);
  accepted.input = std::move(text);
  return {accepted};
}

std::vector<Event> typed(Control& field, const std::string& text) {
  std::vector<Event> events = focusGiven(field);
  for (Event& event : textEdited(field, text)) events.push_back(std::move(event));
  for (Event& event : textEntered(field, text)) events.push_back(std::move(event));
  return events;
}

}  // namespace crv::ui

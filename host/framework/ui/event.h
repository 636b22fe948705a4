// Events: what happened in a window, as a front end reports it to the
// procedure that runs the window.
//
// A front end reports only what the person did (typed text, a chosen entry,
// a pressed key); turning typed text into a field's value under its
// picture is the framework's work, done on the procedure's thread, so that
// every front end reads and checks input the same way.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "host/framework/ui/key.h"

namespace crv::ui {

class Control;

enum class EventKind {
  None,
  Accepted,       // a control was completed: text typed and left, a button pressed
  Selected,       // a control got the focus
  NewSelection,   // another entry of a list, drop list or sheet was highlighted
  Rejected,       // typed text that does not fit the control's picture
  AlertKey,       // a key the window asked to hear about
  OpenWindow,     // the window is about to take input; the first event
  CloseWindow,    // the window's close box, Escape, or a post from the procedure
  Timer,          // the window's timer ran out
  Drop,           // files dropped on the window or a control
  PopupMenu,      // the person asked for a control's context menu
  Scroll,         // a list was scrolled by a number of rows
  HeaderClicked,  // a list's column header was clicked; index: the column
  Completed,      // posted by a procedure to run the OK steps
  Cancelled,      // posted by a procedure to leave as Cancel does
};

std::string_view eventKindName(EventKind kind);

struct Event {
  EventKind kind = EventKind::None;
  // The control the event is about; nullptr for events of the window.
  Control* control = nullptr;
  // Text the person typed into an entry (Accepted, or NewSelection of an
  // immediate entry); nullopt when the value did not come from typing.
  std::optional<std::string> input;
  // The chosen entry of a drop list, option group (its radio) or sheet (its
  // tab), the highlighted list row, 1/0 for a ticked/cleared check box, the
  // rows scrolled, the column whose header was clicked; -1 when not used.
  int index = -1;
  // The column of a clicked list cell (NewSelection); -1 when not known.
  int column = -1;
  // Scroll amounts that mean "to the first row" and "to the last row" (the
  // Home and End keys): a list jumps there without reading what lies between.
  static constexpr int kScrollToFirst = -2147483647 - 1;
  static constexpr int kScrollToLast = 2147483647;
  Key key = Key::None;             // AlertKey
  std::vector<std::string> files;  // Drop: full paths

  static Event window(EventKind kind) {
    Event e;
    e.kind = kind;
    return e;
  }
  static Event field(EventKind kind, Control& control) {
    Event e = window(kind);
    e.control = &control;
    return e;
  }
};

}  // namespace crv::ui

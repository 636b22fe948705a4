// What the person's input means: the events a key, a click or typed text
// gives the procedure that runs a window.
//
// Decided here once for every front end. The desktop view, the headless
// driver and the script runner only translate raw input (a Qt key event, a
// line of a script) into these calls and carry out the answer, so a key
// does on the desktop what it does in a test.
//
// Keys (keyMeaning), with the focus on a control:
// - Keys that work a field's text belong to the field: Delete, Backspace,
//   Insert, Space, Left, Right, Home and End in an entry, a text box or a
//   drop combo; Enter, Up, Down, PageUp and PageDown in a text box too.
// - Otherwise a key the window listens for (Window::alert) is an AlertKey.
// - Escape asks to close the window; what was typed is dropped.
// - Enter presses the focused button; in a list it accepts the list (the
//   list opens or chooses its highlighted row); elsewhere it presses the
//   default button, or moves on as Tab does when there is none to press.
// - Tab and Shift+Tab move to the next or previous tab stop, wrapping
//   around.
// - Up, Down, PageUp, PageDown, Home and End move a list's highlight. In a
//   drop list Up and PageUp choose the entry before, Down and PageDown the
//   entry after, Home and End the first and the last. Left and Right choose
//   the radio before or after in an option group and the tab before or
//   after in a sheet. On a button or a check box the arrows move on as Tab
//   (Right, Down) and Shift+Tab (Left, Up) do.
// - Space ticks or clears a check box, presses a button, and chooses the
//   radio an option group shows as chosen.
// - Any other key is the field's own (a digit typed, F4 dropping a list).
// Text typed into the focused field and not yet reported goes to the
// procedure before what the key does, unless the key closes the window.
//
// Clicks: a click gives the control the focus (the tabs of a sheet do not
// take it) and then activates it: a button is pressed, a check box ticked
// or cleared, a radio, a drop list's entry or a sheet's tab chosen, a
// list's row highlighted. Choosing what is chosen already reports nothing
// for a tab or a row. A double click on a list accepts it, as Enter does.
//
// Typed text: an immediate field reports each change as a NewSelection;
// leaving the field reports the text as an Accepted. The framework reads
// the text under the field's picture (WindowManager::takeEvent).
#pragma once

#include <string>
#include <vector>

#include "host/framework/ui/event.h"

namespace crv::ui {

class Window;

// What a key does.
struct KeyMeaning {
  // The key belongs to the focused field's own editing (a caret moved, a
  // character deleted, a list dropped down): a front end whose widgets do
  // that lets the widget have it; the others do nothing.
  bool fieldsOwn = false;
  // Text typed into the focused field and not yet reported goes to the
  // procedure first (an Accepted with the text).
  bool reportsTyping = false;
  // Events for the procedure, in order; none when the key does nothing.
  std::vector<Event> events;
  // The control the focus moves to (its Selected is among the events), so
  // that a front end moving its own focus follows; nullptr when it stays.
  Control* focusTo = nullptr;
};

// `focus` is the control the key was pressed in, nullptr for the window.
KeyMeaning keyMeaning(Window& window, Control* focus, Key key);

// The rows a key moves a list's highlight (arrows, page keys, Home and End)
// for a list showing `pageRows` rows; 0 for any other key.
int listScrollFor(Key key, int pageRows);

// Whether Tab stops at the control: a shown, enabled entry, text box, check
// box, option group, drop list, list, sheet, or a button that is not an
// entry's lookup or calendar button (those are pressed with F2).
bool isTabStop(const Control& control);
// The tab stop after (or before) `from` in window order, wrapping around;
// nullptr when the window has none.
Control* tabStopAfter(const Window& window, const Control* from, bool backwards = false);

// The person put the focus on a control: Selected, unless it has it.
std::vector<Event> focusGiven(Control& control);
// A click on a control, as described above.
std::vector<Event> clicked(Control& control, int index = -1);
// What a click does besides giving the focus, for a front end whose
// toolkit reports the focus by itself. `index`: the entry, radio, tab or
// row; 1 or 0 for a check box ticked or cleared.
std::vector<Event> activated(Control& control, int index = -1);
// A click on a cell of a list: the row is highlighted, and the
// NewSelection carries the cell's column, also when the row was highlighted
// already, so that a list can act on a click in one column (a tag column).
std::vector<Event> cellClicked(Control& list, int row, int column);
// A double click on a list.
std::vector<Event> doubleClicked(Control& list);

// Text typed into a field, as it changes and when the field is left.
std::vector<Event> textEdited(Control& field, std::string text);
std::vector<Event> textEntered(Control& field, std::string text);
// Text typed into a field all at once: the field takes the focus, the text
// and is left.
std::vector<Event> typed(Control& field, const std::string& text);

}  // namespace crv::ui

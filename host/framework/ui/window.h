// A window as the procedure builds and changes it, independent of any
// toolkit: title, icon, help topic, timer, controls in tab order, focus,
// the events the procedure posted to itself and the keys it listens for.
//
// Front ends draw a Window and report what the person does in it; the
// procedure's WindowManager runs its event loop. Controls keep their
// address for the life of the window.
#pragma once

#include <cstdint>
#include <deque>
#include <memory>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "host/framework/ui/control.h"
#include "host/framework/ui/event.h"

namespace crv::ui {

// A page of the help and an anchor in it.
struct HelpTopic {
  std::string page;    // "html/PO_Enter_Purchase_Orders.htm"
  std::string anchor;  // "po_insert_or_change_a_purchase_order_detail_screen", may be empty

  bool empty() const { return page.empty(); }
  // "page#anchor", or the page alone.
  std::string text() const { return anchor.empty() ? page : page + "#" + anchor; }
};

class Window {
 public:
  explicit Window(std::string title = {});
  Window(const Window&) = delete;
  Window& operator=(const Window&) = delete;

  const std::string& title() const { return title_; }
  void setTitle(std::string title);
  const std::string& icon() const { return icon_; }
  void setIcon(std::string icon);
  const HelpTopic& help() const { return help_; }
  void setHelp(std::string page, std::string anchor = {});
  bool modal() const { return modal_; }
  void setModal(bool modal);
  // Hundredths of a second between Timer events; 0 for none.
  int timer() const { return timer_; }
  void setTimer(int hundredths);

  // Adds a control at the end of the tab order. Equates are unique in a
  // window (std::invalid_argument otherwise); an empty equate is allowed
  // for decoration.
  Control& add(ControlKind kind, std::string equate, std::string text = {});
  Control& addPrompt(std::string equate, std::string text);
  Control& addEntry(std::string equate, Binding binding, std::string_view picture = {});
  // A prompt ("<equate>:Prompt") and its entry.
  Control& addField(std::string prompt, std::string equate, Binding binding, std::string_view picture = {});
  // The same inside a group (the prompt too).
  Control& addFieldIn(Control& group, std::string prompt, std::string equate, Binding binding,
                      std::string_view picture = {});
  Control& addButton(std::string equate, std::string text, ButtonRole role = ButtonRole::None);
  Control& addCheck(std::string equate, std::string text, Binding binding);
  Control& addDropList(std::string equate, Binding binding, std::string_view choices);
  Control& addList(std::string equate, ListModel* model);
  Control& addString(std::string equate, std::string text);
  // A lookup or calendar button ("<equate>:Lookup") for an entry.
  Control& addLookup(Control& entry, ButtonRole role = ButtonRole::Lookup);

  const std::vector<std::unique_ptr<Control>>& controls() const { return controls_; }
  // By equate (without regard to case), or nullptr.
  Control* find(std::string_view equate) const;
  // By equate; throws std::out_of_range naming the window.
  Control& control(std::string_view equate) const;
  // The control whose prompt reads `prompt` (hot-key marks, a trailing ':'
  // and case ignored), or nullptr.
  Control* findByPrompt(std::string_view prompt) const;

  // Nothing can be typed, chosen or looked up any more: entries and texts
  // become read-only, check boxes and drop lists and lookup and calendar
  // buttons disabled (a form opened for viewing).
  void lockForViewing();

  // Hides or shows an entry with its prompt and lookup button.
  void setFieldHidden(std::string_view equate, bool hidden);
  void hideField(std::string_view equate) { setFieldHidden(equate, true); }
  void unhideField(std::string_view equate) { setFieldHidden(equate, false); }

  Control* focus() const { return focus_; }
  void select(Control& control);
  void select(std::string_view equate) { select(control(equate)); }
  // The first control a person can type into or press, in tab order.
  Control* firstFocusable() const;
  Control* defaultButton() const;
  // The button of a role (the first one), or nullptr.
  Control* buttonWithRole(ButtonRole role) const;

  // Events the procedure posts to itself, taken before the person's.
  void post(Event event) { posted_.push_back(std::move(event)); }
  void post(EventKind kind, Control* control = nullptr);
  bool hasPosted() const { return !posted_.empty(); }
  Event takePosted();
  void clearPosted() { posted_.clear(); }

  // Keys the window wants as AlertKey events.
  void alert(Key key);
  void unalert(Key key);
  bool isAlerted(Key key) const { return alerted_.count(key) != 0; }

  // Moves on with every change of the window or its controls.
  std::uint64_t revision() const { return revision_; }
  void touch() { ++revision_; }

 private:
  std::string title_;
  std::string icon_;
  HelpTopic help_;
  bool modal_ = true;
  int timer_ = 0;
  std::vector<std::unique_ptr<Control>> controls_;
  Control* focus_ = nullptr;
  std::deque<Event> posted_;
  std::set<Key> alerted_;
  std::uint64_t revision_ = 0;
};

}  // namespace crv::ui

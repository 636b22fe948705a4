// The same keys through the headless driver and through the desktop's
// widgets give a procedure the same events: what a key means is decided
// once in the framework, and both front ends only translate keys into it.
#include <gtest/gtest.h>

#include <QApplication>
#include <map>
#include <sstream>

#include "host/desktop/gui_robot.h"
#include "host/desktop/qt_front_end.h"
#include "host/framework/ui/headless/headless_driver.h"
#include "host/framework/ui/row_list_model.h"
#include "host/framework/ui/window_manager.h"

namespace crv::test {
namespace {

using ui::Binding;
using ui::Control;
using ui::ControlKind;
using ui::Event;

constexpr const char* title = "Keys";

// A window with a tab stop of every kind, in this order: ?Name (with a
// lookup button), ?Taxable, ?Type, ?Ship, ?Sorts, ?List, ?Notes, ?Go (the
// default button), ?Other. It writes down every event it takes.
class KeySampler final : public ui::WindowManager {
 public:
  explicit KeySampler(std::vector<std::string>& log) : WindowManager("KeySampler"), log_(log) {
    ui::Window& w = window();
    w.setTitle(title);
    Control& name = w.addField("&Name:", "?Name", Binding::local(name_, "LOC:Name"), "@s20");
    w.addLookup(name);
    w.addCheck("?Taxable", "&Taxable", Binding::local(taxable_, "LOC:Taxable"));
    w.addPrompt("?Type:Prompt", "T&ype:");
    w.addDropList("?Type", Binding::local(type_, "LOC:Type"), "Job|G/L Account|Equipment");
    Control& option = w.add(ControlKind::Option, "?Ship", "Ship To").bind(Binding::local(ship_, "LOC:Ship"));
    w.add(ControlKind::Radio, "?Ship:Job", "&Job").in(option);
    w.add(ControlKind::Radio, "?Ship:Vendor", "&Vendor").in(option);
    Control& sheet = w.add(ControlKind::Sheet, "?Sorts");
    w.add(ControlKind::Tab, "?Sorts:Number", "N&umber").in(sheet);
    w.add(ControlKind::Tab, "?Sorts:Name", "Na&me").in(sheet);
    sheet.choose(0);
    for (int i = 1; i <= 60; ++i) rows_.addRow(std::vector<std::string>{"Row " + std::to_string(i)});
    rows_.setCurrent(0);
    w.addList("?List", &rows_);
    w.add(ControlKind::Text, "?Notes").bind(Binding::local(notes_, "LOC:Notes"));
    w.addButton("?Go", "&Go").setDefault();
    w.addButton("?Other", "&Other");
    w.alert(ui::Key::Insert);
    w.select(name);
  }

 protected:
  ui::Level takeEvent(const Event& event) override {
    if (event.kind != ui::EventKind::OpenWindow) log_.push_back(describe(event));
    return WindowManager::takeEvent(event);
  }

 private:
  // A list's page is as long as the view makes it, so page moves are
  // written as pages rather than rows.
  static std::string scrolled(const Event& event) {
    const int page = event.control->model()->visibleRows();
    if (event.index == Event::kScrollToFirst) return "first";
    if (event.index == Event::kScrollToLast) return "last";
    if (event.index == page) return "page";
    if (event.index == -page) return "-page";
    return std::to_string(event.index);
  }
  static std::string describe(const Event& event) {
    std::ostringstream line;
    line << ui::eventKindName(event.kind);
    if (event.control) line << " " << event.control->equate();
    if (event.kind == ui::EventKind::Scroll)
      line << " " << scrolled(event);
    else if (event.index >= 0)
      line << " " << event.index;
    if (event.key != ui::Key::None) line << " " << ui::keyName(event.key);
    if (event.input) line << " \"" << *event.input << "\"";
    return line.str();
  }

  std::vector<std::string>& log_;
  Text<20> name_;
  std::uint8_t taxable_ = 0;
  std::string type_ = "Job";
  std::string ship_ = "Job";
  std::string notes_;
  ui::RowListModel rows_{std::vector<std::string>{"Row"}};
};

std::vector<std::string> words(const std::string& text) {
  std::istringstream in(text);
  std::vector<std::string> out;
  for (std::string word; in >> word;) out.push_back(word);
  return out;
}

std::vector<std::string> throughHeadlessDriver(const std::vector<std::string>& keys) {
  std::vector<std::string> log;
  ui::HeadlessDriver person;
  person.start([&log] { KeySampler(log).run(); });
  person.expectWindow(title);
  for (const std::string& key : keys) person.key(key);
  person.key("Escape");
  person.expectFinished();
  return log;
}

void pressOnDesktop(const std::string& name) {
  static const std::map<std::string, std::pair<Qt::Key, Qt::KeyboardModifiers>> keys{
      {"Enter", {Qt::Key_Return, Qt::NoModifier}},
      {"Tab", {Qt::Key_Tab, Qt::NoModifier}},
      {"ShiftTab", {Qt::Key_Backtab, Qt::ShiftModifier}},
      {"Space", {Qt::Key_Space, Qt::NoModifier}},
      {"Escape", {Qt::Key_Escape, Qt::NoModifier}},
      {"Up", {Qt::Key_Up, Qt::NoModifier}},
      {"Down", {Qt::Key_Down, Qt::NoModifier}},
      {"Left", {Qt::Key_Left, Qt::NoModifier}},
      {"Right", {Qt::Key_Right, Qt::NoModifier}},
      {"PageUp", {Qt::Key_PageUp, Qt::NoModifier}},
      {"PageDown", {Qt::Key_PageDown, Qt::NoModifier}},
      {"Home", {Qt::Key_Home, Qt::NoModifier}},
      {"End", {Qt::Key_End, Qt::NoModifier}},
      {"F2", {Qt::Key_F2, Qt::NoModifier}},
      {"F4", {Qt::Key_F4, Qt::NoModifier}},
      {"Insert", {Qt::Key_Insert, Qt::NoModifier}},
      {"Delete", {Qt::Key_Delete, Qt::NoModifier}},
      {"Keypad5", {Qt::Key_5, Qt::KeypadModifier}},
  };
  const auto& [key, modifiers] = keys.at(name);
  pressKey(key, modifiers);
}

std::vector<std::string> throughDesktop(const std::vector<std::string>& keys) {
  std::vector<std::string> log;
  desktop::QtFrontEnd frontEnd;
  ui::FrontEnd* previous = ui::setFrontEnd(&frontEnd);
  GuiRobot robot;
  // One key a step: each step waits until the procedure waits again.
  for (const std::string& key : keys) robot.inWindow(title, [key](QWidget&) { pressOnDesktop(key); });
  robot.inWindow(title, [](QWidget&) { pressOnDesktop("Escape"); });
  robot.start();
  KeySampler(log).run();
  ui::setFrontEnd(previous);
  EXPECT_EQ(robot.failure(), "");
  return log;
}

TEST(SameKeys, AKeySequenceGivesTheSameEventsInTheHeadlessDriverAndOnTheDesktop) {
  struct Case {
    std::string keys;
    std::vector<std::string> events;  // before the closing Escape
  };
  const std::vector<Case> cases{
      // Enter in an entry presses the default button.
      {"Enter", {"Accepted ?Go"}},
      // Tab goes round the tab stops; a lookup button is not one.
      {"Tab Tab Tab Tab Tab Tab Tab Tab Tab",
       {"Selected ?Taxable", "Selected ?Type", "Selected ?Ship", "Selected ?Sorts", "Selected ?List",
        "Selected ?Notes", "Selected ?Go", "Selected ?Other", "Selected ?Name"}},
      {"ShiftTab ShiftTab", {"Selected ?Other", "Selected ?Go"}},
      // Keys that work a field's text are the entry's, even Insert, which
      // the window listens for.
      {"Delete Insert Left Home Keypad5 Up PageDown F4", {}},
      {"F2", {"AlertKey ?Name F2", "Accepted ?Name:Lookup"}},
      {"Tab Space Space Right",
       {"Selected ?Taxable", "Accepted ?Taxable 1", "Accepted ?Taxable 0", "Selected ?Type"}},
      {"Tab Tab Down Down Down Up Home End Left",
       {"Selected ?Taxable", "Selected ?Type", "NewSelection ?Type 1", "Accepted ?Type 1",
        "NewSelection ?Type 2", "Accepted ?Type 2", "NewSelection ?Type 1", "Accepted ?Type 1",
        "NewSelection ?Type 0", "Accepted ?Type 0", "NewSelection ?Type 2", "Accepted ?Type 2"}},
      {"Tab Tab Tab Right Right Left Space Down",
       {"Selected ?Taxable", "Selected ?Type", "Selected ?Ship", "Accepted ?Ship 1", "Accepted ?Ship 0",
        "Accepted ?Ship 0"}},
      {"Tab Tab Tab Tab Right Right Left",
       {"Selected ?Taxable", "Selected ?Type", "Selected ?Ship", "Selected ?Sorts", "NewSelection ?Sorts 1",
        "NewSelection ?Sorts 0"}},
      // In a list the moving keys scroll, and Enter accepts the list rather
      // than pressing the default button.
      {"ShiftTab ShiftTab ShiftTab ShiftTab Down PageDown Up PageUp End Home Insert Enter",
       {"Selected ?Other", "Selected ?Go", "Selected ?Notes", "Selected ?List", "Scroll ?List 1",
        "NewSelection ?List", "Scroll ?List page", "NewSelection ?List", "Scroll ?List -1",
        "NewSelection ?List", "Scroll ?List -page", "NewSelection ?List", "Scroll ?List last",
        "NewSelection ?List", "Scroll ?List first", "NewSelection ?List", "AlertKey ?List Insert",
        "Accepted ?List"}},
      // Enter and the moving keys are a text box's own.
      {"ShiftTab ShiftTab ShiftTab Enter Up PageDown",
       {"Selected ?Other", "Selected ?Go", "Selected ?Notes"}},
      // On a button Space and Enter press it; the arrows move on.
      {"ShiftTab Left Space Enter Right",
       {"Selected ?Other", "Selected ?Go", "Accepted ?Go", "Accepted ?Go", "Selected ?Other"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.keys);
    std::vector<std::string> expected = c.events;
    expected.push_back("CloseWindow");
    const auto keys = words(c.keys);
    EXPECT_EQ(throughHeadlessDriver(keys), expected);
    EXPECT_EQ(throughDesktop(keys), expected);
  }
}

}  // namespace
}  // namespace crv::test

// Values behind controls: what a person sees under a picture and what
// typed text does to the value, including text that must be refused.
#include "host/framework/ui/binding.h"

#include <gtest/gtest.h>

#include "host/framework/ui/control.h"
#include "host/framework/ui/window.h"

namespace crv::ui {
namespace {

Picture pic(std::string_view p) { return Picture::parse(p); }

TEST(BindingTest, NumbersShowUnderTheirPictureAndReadBackExactly) {
  Amount amount;
  auto b = Binding::local(amount, "LOC:Total");
  const Picture money = pic("@n-14.2");
  ASSERT_TRUE(b.parse("$1,234.5", &money));
  EXPECT_EQ(amount, *Amount::parse("1234.50"));
  EXPECT_EQ(b.format(&money), "1,234.50");
  ASSERT_TRUE(b.parse("(2.005)", &money));
  EXPECT_EQ(amount, *Amount::parse("-2.01"));  // rounded half away from zero
  EXPECT_FALSE(b.parse("12a", &money));
  EXPECT_EQ(amount, *Amount::parse("-2.01"));
  ASSERT_TRUE(b.parse("", &money));
  EXPECT_TRUE(amount.isZero());
  EXPECT_EQ(b.format(nullptr), "0.00");

  Quantity quantity;
  auto q = Binding::local(quantity);
  ASSERT_TRUE(q.parse("1.23456", nullptr));
  EXPECT_EQ(quantity, *Quantity::parse("1.2346"));

  double price = 0;
  auto r = Binding::local(price);
  ASSERT_TRUE(r.parse("12.5", nullptr));
  EXPECT_EQ(price, 12.5);
  EXPECT_EQ(r.format(nullptr), "12.5");
  const Picture five = pic("@n-15.5");
  EXPECT_EQ(r.format(&five), "12.50000");
}

TEST(BindingTest, WholeNumbersRefuseValuesOutsideTheirRange) {
  Id id = 7;
  auto b = Binding::local(id);
  EXPECT_FALSE(b.parse("-1", nullptr));
  EXPECT_FALSE(b.parse("4294967296", nullptr));
  EXPECT_EQ(id, 7u);
  ASSERT_TRUE(b.parse("4294967295", nullptr));
  EXPECT_EQ(id, 4294967295u);

  Byte code = 1;
  auto c = Binding::local(code);
  EXPECT_FALSE(c.parse("256", nullptr));
  ASSERT_TRUE(c.parse("2.4", nullptr));
  EXPECT_EQ(code, 2);

  std::int32_t count = 0;
  auto n = Binding::local(count);
  const Picture blankZero = pic("@n_6b");
  EXPECT_EQ(n.format(&blankZero), "");
  ASSERT_TRUE(n.parse("-42", nullptr));
  EXPECT_EQ(n.plain(), "-42");
}

TEST(BindingTest, DatesAndTimesReadAsAPersonTypesThem) {
  Date date;
  auto d = Binding::local(date);
  const Picture shortDate = pic("@d1b");
  ASSERT_TRUE(d.parse("7/4/24", &shortDate));
  EXPECT_EQ(date, Date::compose(7, 4, 2024));
  EXPECT_EQ(d.format(&shortDate), "07/04/24");
  EXPECT_EQ(d.format(nullptr), "07/04/2024");
  EXPECT_FALSE(d.parse("2/30/24", &shortDate));
  EXPECT_EQ(date, Date::compose(7, 4, 2024));
  ASSERT_TRUE(d.parse("", &shortDate));
  EXPECT_TRUE(date.isNone());
  EXPECT_EQ(d.format(&shortDate), "");

  Time time;
  auto t = Binding::local(time);
  ASSERT_TRUE(t.parse("9:05", nullptr));
  EXPECT_EQ(time, Time::compose(9, 5, 0));
  EXPECT_EQ(t.format(nullptr), "09:05");
  ASSERT_TRUE(t.parse("13:00:30", nullptr));
  EXPECT_EQ(t.format(nullptr), "13:00:30");
  EXPECT_FALSE(t.parse("25:00", nullptr));
  EXPECT_FALSE(t.parse("9", nullptr));
  EXPECT_FALSE(t.parse("1:2:3:4", nullptr));
}

TEST(BindingTest, TextIsCutAtThePictureAndTheField) {
  Text<10> code;
  auto b = Binding::local(code, "LOC:Code");
  const Picture six = pic("@s6");
  ASSERT_TRUE(b.parse("ABCDEFGHIJKL", &six));
  EXPECT_EQ(code, "ABCDEF");
  ASSERT_TRUE(b.parse("ABCDEFGHIJKL", nullptr));
  EXPECT_EQ(code, "ABCDEFGHIJ");
  EXPECT_EQ(b.name(), "LOC:Code");

  std::string note;
  auto s = Binding::local(note);
  ASSERT_TRUE(s.parse("caf\xc3\xa9", &six));
  EXPECT_EQ(note, "caf\xc3\xa9");
  ASSERT_TRUE(s.parse("abcde\xc3\xa9", &six));
  EXPECT_EQ(note, "abcde") << "a character is never split";
}

TEST(BindingTest, ControlsShowChoicesAndCheckValues) {
  Window window("Choices");
  Text<12> type;
  Text<1> flag;
  Byte level = 0;
  Control& list = window.addDropList("?Type", Binding::local(type), "Job|G/L Account");
  Control& check = window.addCheck("?Flag", "&Flag", Binding::local(flag));
  check.setCheckValues("Y", "N");
  Control& option = window.add(ControlKind::Option, "?Level");
  option.bind(Binding::local(level));
  window.add(ControlKind::Radio, "?Low", "&Low").in(option).setRadioValue("1");
  window.add(ControlKind::Radio, "?High", "&High").in(option).setRadioValue("2");

  EXPECT_EQ(list.shown(), "") << "a value that is not a choice shows nothing";
  ASSERT_TRUE(list.choose(1));
  EXPECT_EQ(type, "G/L Account");
  EXPECT_EQ(list.shown(), "G/L Account");
  EXPECT_FALSE(list.choose(2));

  EXPECT_EQ(check.shown(), "off");
  check.setTicked(true);
  EXPECT_EQ(flag, "Y") << "stored as the ticked value";
  EXPECT_EQ(check.shown(), "on");

  ASSERT_TRUE(option.choose(1));
  EXPECT_EQ(level, 2);
  EXPECT_EQ(option.shown(), "High");
  level = 1;
  EXPECT_EQ(option.shown(), "Low");
}

TEST(BindingTest, HiddenAndDisabledContainersAndTabsHideTheirControls) {
  Window window("Tabs");
  std::string a;
  std::string b;
  Control& sheet = window.add(ControlKind::Sheet, "?Sheet");
  Control& first = window.add(ControlKind::Tab, "?Tab1", "General").in(sheet);
  Control& second = window.add(ControlKind::Tab, "?Tab2", "Notes").in(sheet);
  Control& onFirst = window.addEntry("?A", Binding::local(a)).in(first);
  Control& onSecond = window.addEntry("?B", Binding::local(b)).in(second);
  EXPECT_TRUE(onFirst.isVisible());
  EXPECT_FALSE(onSecond.isVisible());
  EXPECT_TRUE(onSecond.isShown()) << "on another tab, not hidden";
  sheet.choose(1);
  EXPECT_TRUE(onSecond.isVisible());
  EXPECT_EQ(sheet.shown(), "Notes");
  second.disable();
  EXPECT_FALSE(onSecond.isEnabled());
  sheet.hide();
  EXPECT_FALSE(onFirst.isShown());
  EXPECT_EQ(window.firstFocusable(), nullptr);
}

}  // namespace
}  // namespace crv::ui

// Reading typed and pasted serial numbers, ranges among them, and the
// checks a line's serial list makes whichever way numbers arrive.
#include "crvpo/reconcile/serial_numbers.h"

#include <gtest/gtest.h>

#include <variant>

namespace crvpo {
namespace {

crv::Quantity units(std::string_view text) { return *crv::Quantity::parse(text); }

TEST(SerialNumbers, TypedPastedAndRangeTextIsReadIntoNumbers) {
  struct Case {
    const char* text;
    std::vector<std::string> numbers;  // first ones, then the last when more than 4
    std::size_t count;
  };
  const Case cases[] = {
      {"SN-0001..SN-0250", {"SN-0001", "SN-0002", "SN-0250"}, 250},
      {"X-0098..X-0101", {"X-0098", "X-0099", "X-0100", "X-0101"}, 4},
      {"A9..A11", {"A9", "A10", "A11"}, 3},
      {"G7-1A .. G7-3A", {"G7-1A", "G7-2A", "G7-3A"}, 3},
      {"  a1 \r\n\n\tb2\t\r\nSN-1..SN-2\n", {"a1", "b2", "SN-1", "SN-2"}, 4},
      {"7..7", {"7"}, 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    const auto read = readSerialNumbers(c.text, 1000, units("1000"));
    ASSERT_TRUE(std::holds_alternative<std::vector<std::string>>(read)) << std::get<SerialRefusal>(read).text;
    const auto& numbers = std::get<std::vector<std::string>>(read);
    ASSERT_EQ(numbers.size(), c.count);
    for (std::size_t i = 0; i + 1 < c.numbers.size(); ++i) EXPECT_EQ(numbers[i], c.numbers[i]);
    EXPECT_EQ(numbers.back(), c.numbers.back());
  }
}

TEST(SerialNumbers, TextThatIsNoListOfNumbersIsRefusedWithItsReason) {
  struct Case {
    const char* text;
    std::size_t room;
    const char* title;
  };
  const std::string longNumber(41, '7');
  const Case cases[] = {
      {"SN-5..SN-1", 10, "Invalid Range"},
      {"AB-1..CD-2", 10, "Invalid Range"},
      {"SN-A..SN-B", 10, "Invalid Range"},
      {"1..99999999999999", 10, "Too Many Serial Numbers"},  // refused before it is expanded
      {"a\nb\nc", 2, "Too Many Serial Numbers"},
      {longNumber.c_str(), 10, "Serial Number Too Long"},
      {" \n \r\n", 10, "No Serial Number"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    const auto read = readSerialNumbers(c.text, c.room, units("2.5"));
    ASSERT_TRUE(std::holds_alternative<SerialRefusal>(read));
    EXPECT_EQ(std::get<SerialRefusal>(read).title, c.title);
  }
  EXPECT_EQ(std::get<SerialRefusal>(readSerialNumbers("a\nb\nc", 2, units("2.5"))).text,
            "You must supply only one serial number for each of the 2.5 units received.");
}

// Numbers typed one at a time and the same numbers pasted or given as a
// range meet the same checks, and a refused addition adds nothing.
TEST(SerialNumbers, OneAtATimeAndInBulkMeetTheSameChecks) {
  struct Case {
    std::vector<std::string> oneByOne;
    std::string bulk;
    const char* refusal;  // title of the refusal both meet; empty when both are taken
  };
  const Case cases[] = {
      {{"SN-1", "SN-2", "SN-3"}, "SN-1..SN-3", ""},
      {{"SN-1", "SN-2", "SN-3", "SN-4"}, "SN-1\nSN-2\nSN-3\nSN-4", "Too Many Serial Numbers"},
      {{"SN-1", "SN-1"}, "SN-1\nSN-1", "Duplicate Serial Number"},
      {{"SN-2", "SN-1..SN-2"}, "SN-2\nSN-1..SN-2", "Duplicate Serial Number"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.bulk);
    SerialNumberList typed;
    std::optional<SerialRefusal> typedRefusal;
    for (const std::string& number : c.oneByOne)
      if (!typedRefusal) typedRefusal = typed.add(number, units("3"));
    SerialNumberList pasted;
    const auto pastedRefusal = pasted.add(c.bulk, units("3"));
    EXPECT_EQ(typedRefusal ? typedRefusal->title : "", c.refusal);
    EXPECT_EQ(pastedRefusal ? pastedRefusal->title : "", c.refusal);
    EXPECT_EQ(pasted.size(), pastedRefusal ? 0u : c.oneByOne.size()) << "a refused paste adds nothing";
  }
}

TEST(SerialNumbers, ChangingARowKeepsItsRecordsAndRefusesANumberTwice) {
  SerialNumberList list;
  list.load({{11, 21, "A"}, {12, 22, "B"}});
  EXPECT_EQ(list.change(1, "A")->title, "Duplicate Serial Number");
  EXPECT_EQ(list.change(1, " ")->title, "No Serial Number");
  EXPECT_FALSE(list.change(1, "B2"));
  EXPECT_EQ(list.rows()[1], (ReceivedSerial{12, 22, "B2"}));
  EXPECT_FALSE(list.add("B", units("3"))) << "the old number is free again";
  EXPECT_EQ(list.add("B2", units("4"))->title, "Duplicate Serial Number");
}

}  // namespace
}  // namespace crvpo

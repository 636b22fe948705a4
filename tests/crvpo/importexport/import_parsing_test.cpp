// Reading the text of import files: the stored layout string, splitting a
// line of each format into fields, the twelve date formats, numbers with
// their formatting, and lines in the Windows code page.
#include <gtest/gtest.h>

#include "crvpo/importexport/import_layout.h"
#include "crvpo/importexport/import_source.h"
#include "crvpo/importexport/import_values.h"
#include "crvpo/importexport/line_splitter.h"

namespace crvpo {
namespace {

std::vector<std::string> split(std::string_view line, FileFormat format, std::vector<int> widths,
                               int* unclosed = nullptr) {
  SplitLine out;
  splitLine(line, format, widths, out);
  if (unclosed) *unclosed = out.unclosedQuote;
  return out.values;
}

TEST(ImportLayoutTest, TheBuiltInLayoutReadsBackAsWritten) {
  const ImportLayout layout = ImportLayout::parse(builtInLayout);
  EXPECT_EQ(layout.toString(), builtInLayout);
  ASSERT_EQ(layout.header.size(), 24u);
  ASSERT_EQ(layout.detail.size(), 18u);
  EXPECT_EQ(layout.header[4].field, HeaderField::PONumber);
  EXPECT_EQ(layout.header[5].field, HeaderField::IssueDate) << "D1 of a header is the issue date";
  EXPECT_EQ(layout.detail[15].field, DetailField::DeliverAfterDate) << "D1 of a detail is its first date";

  const ImportLayout fixed = ImportLayout::parse("PN10VI05ZZ07####QO08");
  EXPECT_EQ(fixed.header,
            (std::vector<LayoutCell<HeaderField>>{
                {HeaderField::PONumber, 10}, {HeaderField::VendorID, 5}, {HeaderField::Unused, 7}}))
      << "an unknown code keeps its place as an unused field";
  EXPECT_EQ(fixed.detail, (std::vector<LayoutCell<DetailField>>{{DetailField::QtyOrdered, 8}}));
}

TEST(LineSplitterTest, SplitsEachFormatAsItsFilesAreWritten) {
  const std::vector<int> three = {0, 0, 0};
  EXPECT_EQ(split(R"(H,"Smith, Jones",12)", FileFormat::Comma, three),
            (std::vector<std::string>{"H", "Smith, Jones", "12"}))
      << "a comma inside quotes stays in the value";
  EXPECT_EQ(split(R"(D,"12"" pipe, ""schedule 40""","")", FileFormat::Comma, three),
            (std::vector<std::string>{"D", R"(12" pipe, "schedule 40")", ""}))
      << "two quotes inside a quoted field are one";
  EXPECT_EQ(split("H,5", FileFormat::Comma, three), (std::vector<std::string>{"H", "5", ""}))
      << "a short line leaves the rest empty";
  EXPECT_EQ(split("H\t\"a,b\"\t7   ", FileFormat::Tab, three), (std::vector<std::string>{"H", "a,b", "7"}));
  EXPECT_EQ(split("PO-1000042 103", FileFormat::Fixed, {10, 5}),
            (std::vector<std::string>{"PO-1000042", " 103"}))
      << "PN10 VI05: characters 1-10 and 11-15";

  int unclosed = -1;
  EXPECT_EQ(split(R"(H,"cut off here)", FileFormat::Comma, three, &unclosed),
            (std::vector<std::string>{"H", "cut off here", ""}));
  EXPECT_EQ(unclosed, 1) << "an old line cut inside a quote keeps its text and says so";
}

TEST(ImportDatesTest, EachFormatReadsTheSameDate) {
  const crv::Date july4 = crv::Date::compose(7, 4, 2024);
  struct Case {
    const char* format;
    const char* text;
  };
  for (const Case& c :
       {Case{"MM/DD/YYYY", "7/4/2024"}, Case{"MM/DD/YYYY", " 7/ 4/2024"}, Case{"MM/DD/YY", "07/04/24"},
        Case{"MM-DD-YY", "7-4-24"}, Case{"MM-DD-YYYY", "07-04-2024"}, Case{"DD/MM/YY", "4/7/24"},
        Case{"DD/MM/YYYY", "04/07/2024"}, Case{"DD-MM-YY", "04-07-24"}, Case{"DD-MM-YYYY", "4-7-2024"},
        Case{"MMDDYY", "070424"}, Case{"MMDDYYYY", "07042024"}, Case{"DDMMYY", "040724"},
        Case{"DDMMYYYY", "04072024"}, Case{"MM/DD/YYYY", "\"7/4/2024\""}}) {
    SCOPED_TRACE(std::string(c.format) + " " + c.text);
    const auto format = DateFormat::named(c.format);
    ASSERT_TRUE(format);
    const DateRead read = readDate(c.text, *format);
    EXPECT_TRUE(read.valid);
    EXPECT_EQ(read.date, july4);
  }
  const DateFormat us = *DateFormat::named("MM/DD/YYYY");
  EXPECT_EQ(readDate(" 0/ 0/0000", us).date, crv::Date()) << "the export's empty date";
  EXPECT_TRUE(readDate(" 0/ 0/0000", us).valid);
  EXPECT_TRUE(readDate("", us).valid);
  for (const char* bad : {"13/45/2024", "7/4", "July 4", "2/30/2024", "7/4/20x4"}) {
    SCOPED_TRACE(bad);
    EXPECT_FALSE(readDate(bad, us).valid);
    EXPECT_EQ(readDate(bad, us).date, crv::Date());
  }
  EXPECT_FALSE(DateFormat::named("YYYY-MM-DD")) << "other formats leave dates empty";
}

TEST(ImportValuesTest, NumbersLoseTheirFormattingButNotTheirLetters) {
  EXPECT_EQ(readImportNumber("$1,250.50"), "1250.50");
  EXPECT_EQ(readImportNumber("(12.00)"), "-12.00");
  EXPECT_EQ(readImportNumber(" 8.5% "), "8.5");
  EXPECT_EQ(readImportNumber(""), "0");
  EXPECT_FALSE(readImportNumber("1O0")) << "a letter makes it no number, not 10";
  EXPECT_FALSE(readImportNumber("12abc"));
}

TEST(ImportValuesTest, WindowsTextBecomesUtf8) {
  EXPECT_TRUE(isValidUtf8("Caf\xC3\xA9"));
  EXPECT_FALSE(isValidUtf8("Caf\xE9"));
  EXPECT_FALSE(isValidUtf8("\xC0\xAF")) << "overlong";
  EXPECT_EQ(windows1252ToUtf8("Caf\xE9 \x93quoted\x94 \x80"),
            "Caf\xC3\xA9 \xE2\x80\x9Cquoted\xE2\x80\x9D \xE2\x82\xAC");
}

}  // namespace
}  // namespace crvpo

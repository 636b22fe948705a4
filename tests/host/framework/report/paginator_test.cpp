// Pagination: bands flowing onto new pages, repeated headers and footers,
// page numbers and their restart, bound values, keeping bands together,
// bands too tall for a page, wrapped text and image proportions.
#include "host/framework/report/paginator.h"

#include <gtest/gtest.h>

#include "host/framework/report/fixed_width_measurer.h"
#include "host/framework/values/decimal.h"

namespace crv {
namespace {

// Letter with 36pt margins: header 100 and footer 30 leave a body from
// y 136 to y 726, room for eleven 50pt details.
Report sampleReport() {
  Report report;
  report.pageHeader.setHeight(100);
  report.pageHeader.addText(0, 0, 200, "HEADER");
  report.pageFooter.setHeight(30);
  report.pageFooter.addText(0, 0, 200, "FOOTER");
  report.pageFooter.addPageNumber(340, 0, 200, "Page {page} of {pages}", {}, Align::Right);
  report.band("Detail", BandKind::Detail, 50).addText(0, 0, 100, "detail");
  return report;
}

std::vector<const PlacedText*> textsOf(const LaidOutPage& page, std::string_view text) {
  std::vector<const PlacedText*> found;
  for (const PagePrimitive& primitive : page.primitives)
    if (const auto* placed = std::get_if<PlacedText>(&primitive); placed && placed->text == text)
      found.push_back(placed);
  return found;
}

std::string footerNumber(const LaidOutPage& page) {
  for (const PagePrimitive& primitive : page.primitives)
    if (const auto* placed = std::get_if<PlacedText>(&primitive);
        placed && placed->text.rfind("Page ", 0) == 0)
      return placed->text;
  return {};
}

TEST(Paginator, FlowsBandsOntoNewPagesWithHeaderAndFooterOnEach) {
  Report report = sampleReport();
  FixedWidthMeasurer measurer;
  PageCollector pages;
  Paginator paginator(report, measurer, pages);
  for (int i = 0; i < 25; ++i) paginator.print("Detail");
  paginator.finish();

  ASSERT_EQ(pages.pages().size(), 3u);
  std::vector<std::size_t> details;
  for (const LaidOutPage& page : pages.pages()) {
    details.push_back(textsOf(page, "detail").size());
    ASSERT_EQ(textsOf(page, "HEADER").size(), 1u);
    EXPECT_DOUBLE_EQ(textsOf(page, "HEADER")[0]->y, 36);
    ASSERT_EQ(textsOf(page, "FOOTER").size(), 1u);
    EXPECT_DOUBLE_EQ(textsOf(page, "FOOTER")[0]->y, 726);
    EXPECT_DOUBLE_EQ(page.width, 612);
    EXPECT_DOUBLE_EQ(page.height, 792);
  }
  EXPECT_EQ(details, (std::vector<std::size_t>{11, 11, 3}));
  const auto first = textsOf(pages.pages()[0], "detail");
  EXPECT_DOUBLE_EQ(first.front()->y, 136);
  EXPECT_DOUBLE_EQ(first.back()->y, 636);
  EXPECT_DOUBLE_EQ(first.front()->x, 36);
  EXPECT_EQ(paginator.pagesStarted(), 3);
  EXPECT_EQ(paginator.overflows(), 0);
}

TEST(Paginator, NumbersPagesAndRestartsTheNumberingForEachOrder) {
  Report report = sampleReport();
  FixedWidthMeasurer measurer;
  PageCollector pages;
  Paginator paginator(report, measurer, pages);
  for (int i = 0; i < 15; ++i) paginator.print("Detail");
  paginator.restartPageNumbers();
  EXPECT_TRUE(pages.pages().empty()) << "pages wait until their numbering is complete";
  paginator.print("Detail");
  EXPECT_EQ(pages.pages().size(), 2u) << "the first order's pages go out when the next numbering begins";
  paginator.restartPageNumbers();
  paginator.restartPageNumbers();
  paginator.print("Detail");
  paginator.finish();

  ASSERT_EQ(pages.pages().size(), 4u);
  std::vector<std::string> numbers;
  std::vector<int> sequence;
  for (const LaidOutPage& page : pages.pages()) {
    numbers.push_back(footerNumber(page));
    sequence.push_back(page.sequence);
  }
  EXPECT_EQ(numbers, (std::vector<std::string>{"Page 1 of 2", "Page 2 of 2", "Page 1 of 1", "Page 1 of 1"}));
  EXPECT_EQ(sequence, (std::vector<int>{1, 2, 3, 4}));
  EXPECT_EQ(pages.pages()[1].number, 2);
  EXPECT_EQ(pages.pages()[1].count, 2);
  // Right-aligned in its box once the text is known: 11 characters of 6pt.
  for (const PagePrimitive& primitive : pages.pages()[0].primitives) {
    if (const auto* text = std::get_if<PlacedText>(&primitive); text && text->text == "Page 1 of 2") {
      EXPECT_DOUBLE_EQ(text->x, 36 + 340 + 200 - 66);
    }
  }
}

TEST(Paginator, HandsPagesOnAsTheyCloseWhenNoPageCountIsPrinted) {
  Report report = sampleReport();
  std::get<TextItem>(report.pageFooter.items().back()).text = "Page {page}";
  FixedWidthMeasurer measurer;
  PageCollector pages;
  Paginator paginator(report, measurer, pages);
  for (int i = 0; i < 23; ++i) paginator.print("Detail");
  EXPECT_EQ(pages.pages().size(), 2u) << "two full pages are out while the third is open";
  paginator.restartPageNumbers();
  paginator.print("Detail");
  paginator.finish();

  std::vector<std::string> numbers;
  for (const LaidOutPage& page : pages.pages()) numbers.push_back(footerNumber(page));
  EXPECT_EQ(numbers, (std::vector<std::string>{"Page 1", "Page 2", "Page 3", "Page 1"}));
  EXPECT_EQ(pages.pages()[2].count, 0);
}

TEST(Paginator, ReadsBoundValuesWhenBandsPrintAndPagesOpenAndClose) {
  Report report;
  std::string vendor;
  Amount amount;
  report.pageHeader.setHeight(20);
  report.pageHeader.addBound(0, 0, 200, [&] { return "Vendor " + vendor; });
  report.pageFooter.setHeight(20);
  report.pageFooter.addBound(0, 0, 200, [&] { return "For " + vendor; });
  Band& line = report.band("Line", BandKind::Detail, 14);
  line.addField(0, 0, 120, amount, "@n-15.2");
  line.addField(200, 0, 120, vendor, "@s20");
  FixedWidthMeasurer measurer;
  PageCollector pages;
  Paginator paginator(report, measurer, pages);

  vendor = "Acme";
  amount = *Amount::parse("1234.5");
  paginator.print("Line");
  paginator.restartPageNumbers();
  vendor = "Brick";
  amount = *Amount::parse("-7");
  paginator.print("Line");
  paginator.finish();

  ASSERT_EQ(pages.pages().size(), 2u);
  const LaidOutPage& first = pages.pages()[0];
  EXPECT_EQ(textsOf(first, "Vendor Acme").size(), 1u);
  EXPECT_EQ(textsOf(first, "For Acme").size(), 1u);
  ASSERT_EQ(textsOf(first, "1,234.50").size(), 1u);
  EXPECT_DOUBLE_EQ(textsOf(first, "1,234.50")[0]->x, 36 + 120 - 8 * 6) << "numbers right-aligned";
  ASSERT_EQ(textsOf(first, "Acme").size(), 1u);
  EXPECT_DOUBLE_EQ(textsOf(first, "Acme")[0]->x, 36 + 200) << "text left-aligned, padding dropped";
  const LaidOutPage& second = pages.pages()[1];
  EXPECT_EQ(textsOf(second, "Vendor Brick").size(), 1u);
  EXPECT_EQ(textsOf(second, "For Brick").size(), 1u);
  EXPECT_EQ(textsOf(second, "-7.00").size(), 1u);
}

TEST(Paginator, MovesABandKeptWithTheNextOneToTheNextPageWithIt) {
  Report report = sampleReport();
  Band& group = report.band("Group", BandKind::GroupHeader, 50);
  group.addText(0, 0, 100, "group");
  group.setKeepWithNext(true);
  FixedWidthMeasurer measurer;
  PageCollector pages;
  Paginator paginator(report, measurer, pages);
  for (int i = 0; i < 10; ++i) paginator.print("Detail");
  EXPECT_DOUBLE_EQ(paginator.remainingHeight(), 90);
  paginator.print("Group");  // fits alone, but not with the detail that follows
  paginator.print("Detail");
  paginator.print("Group");  // kept band at the very end is still printed
  paginator.finish();

  ASSERT_EQ(pages.pages().size(), 2u);
  EXPECT_TRUE(textsOf(pages.pages()[0], "group").empty());
  ASSERT_EQ(textsOf(pages.pages()[1], "group").size(), 2u);
  EXPECT_DOUBLE_EQ(textsOf(pages.pages()[1], "group")[0]->y, 136);
  EXPECT_DOUBLE_EQ(textsOf(pages.pages()[1], "detail")[0]->y, 186);
}

TEST(Paginator, PlacesABandTallerThanAPageOnceAndMakesNoBlankPages) {
  Report report = sampleReport();
  report.band("Huge", BandKind::Detail, 1000).addText(0, 0, 100, "huge");
  FixedWidthMeasurer measurer;
  PageCollector pages;
  Paginator paginator(report, measurer, pages);
  paginator.pageBreak();
  paginator.restartPageNumbers();
  paginator.print("Detail");
  paginator.print("Huge");
  paginator.print("Detail");
  paginator.pageBreak();
  paginator.pageBreak();
  paginator.finish();
  paginator.finish();

  ASSERT_EQ(pages.pages().size(), 3u);
  EXPECT_EQ(textsOf(pages.pages()[1], "huge").size(), 1u);
  EXPECT_EQ(paginator.overflows(), 1);
  EXPECT_THROW(paginator.print("Nonesuch"), std::invalid_argument);
}

TEST(Paginator, WrapsLongTextAndGrowsItsBand) {
  Report report;
  Band& text = report.band("Text", BandKind::Detail, 12);
  std::string words = "one two three four five";
  text.addBound(0, 0, 60, [&] { return words; }).wrap = true;
  report.band("After", BandKind::Detail, 12).addText(0, 0, 60, "after");
  FixedWidthMeasurer measurer;
  PageCollector pages;
  Paginator paginator(report, measurer, pages);
  paginator.print("Text");
  paginator.print("After");
  paginator.finish();

  const LaidOutPage& page = pages.pages().at(0);
  ASSERT_EQ(textsOf(page, "one two").size(), 1u);
  ASSERT_EQ(textsOf(page, "three four").size(), 1u);
  ASSERT_EQ(textsOf(page, "five").size(), 1u);
  EXPECT_DOUBLE_EQ(textsOf(page, "three four")[0]->y, 36 + 12);
  EXPECT_DOUBLE_EQ(textsOf(page, "after")[0]->y, 36 + 36);
}

TEST(Paginator, KeepsAnImagesProportionsInsideItsBox) {
  // A PNG header for a picture 200 wide and 100 high.
  auto png = std::make_shared<std::vector<std::uint8_t>>(
      std::vector<std::uint8_t>{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n', 0, 0, 0, 13,
                                'I',  'H', 'D', 'R', 0,    0,    0,    200,  0, 0, 0, 100});
  Report report;
  Band& band = report.band("Logo", BandKind::Detail, 100);
  band.addImage(10, 0, 100, 100, png, ImageFit::KeepAspect);
  band.addImage(10, 0, 100, 100, png, ImageFit::Stretch);
  band.addImage(0, 0, 30, 30, "no such file.png", ImageFit::KeepAspect);
  FixedWidthMeasurer measurer;
  PageCollector pages;
  Paginator paginator(report, measurer, pages);
  paginator.print("Logo");
  paginator.finish();

  const auto& primitives = pages.pages().at(0).primitives;
  ASSERT_EQ(primitives.size(), 3u);
  const auto& kept = std::get<PlacedImage>(primitives[0]);
  EXPECT_DOUBLE_EQ(kept.x, 46);
  EXPECT_DOUBLE_EQ(kept.width, 100);
  EXPECT_DOUBLE_EQ(kept.height, 50);
  EXPECT_DOUBLE_EQ(std::get<PlacedImage>(primitives[1]).height, 100);
  EXPECT_DOUBLE_EQ(std::get<PlacedImage>(primitives[2]).width, 30) << "unknown size: the whole box";
}

}  // namespace
}  // namespace crv

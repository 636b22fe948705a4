// Report files: a definition with every kind of band and item survives a
// save and a reload unchanged, and a file that is not exactly right is
// refused with the line and the reason rather than half understood.
#include "host/framework/report/report_file.h"

#include <gtest/gtest.h>

#include "support/temp_folder.h"

namespace crv {
namespace {

ReportDefinition everyKind() {
  ReportDefinition d;
  d.type = "PrintPurchaseOrder";
  d.name = "Acme \"own\" form";
  d.page.paper = PaperSize::A4;
  d.page.orientation = Orientation::Landscape;
  d.page.margins = {20, 30, 40, 50.5};
  d.order = "POP:PONumber, -POP:IssueDate";
  d.filter = "=\"POP:POAmount > \" + 100";
  d.printDialog = true;
  DefinedBand& header = d.band(DefinedBandKind::Header);
  header.name = "Order";
  header.newPage = true;
  header.restartPageNumbers = true;
  DefinedBand& detail = d.band(DefinedBandKind::Detail);
  detail.height = 13;
  detail.when = "POD:TextFlag<>1";
  DefinedItem field;
  field.kind = DefinedItemKind::Field;
  field.x = 2.5;
  field.width = 58;
  field.name = "POD:Description";
  field.picture = "@s60";
  field.font = Font{"DejaVu Serif", 7.5, true, true};
  field.align = Align::Right;
  field.wrap = true;
  field.color = Color{10, 20, 30};
  detail.items.push_back(field);
  DefinedItem computed = field;
  computed.name.clear();
  computed.expression = "'NUMBER: ' + POP:PONumber";
  detail.items.push_back(computed);
  DefinedItem caption;
  caption.text = "Line one\nline \\two\\\ttabbed";
  detail.items.push_back(caption);
  DefinedBand& footer = d.band(DefinedBandKind::PageFooter);
  footer.height = 100;
  DefinedItem page;
  page.kind = DefinedItemKind::PageNumber;
  page.text = "Page {page} of {pages}";
  footer.items.push_back(page);
  DefinedItem line;
  line.kind = DefinedItemKind::Line;
  line.x2 = 540;
  line.y2 = 3;
  line.thickness = 0.75;
  footer.items.push_back(line);
  DefinedItem box;
  box.kind = DefinedItemKind::Box;
  box.width = 540;
  box.height = 16;
  box.thickness = 0;
  box.fill = Color{230, 230, 230};
  footer.items.push_back(box);
  DefinedItem image;
  image.kind = DefinedItemKind::Image;
  image.width = 80;
  image.height = 40;
  image.file = "logo files/logo.png";
  image.fit = ImageFit::Stretch;
  footer.items.push_back(image);
  d.band(DefinedBandKind::Form);
  return d;
}

TEST(ReportFile, EveryBandAndItemSurvivesSaveAndReload) {
  test::TempFolder folder;
  const ReportDefinition written = everyKind();
  ASSERT_EQ(written.bands.front().kind, DefinedBandKind::Form);  // bands keep the order they print in
  writeReportFile(folder / "form.crvreport", written);
  EXPECT_FALSE(std::filesystem::exists(folder / "form.crvreport.part"));
  const ReportDefinition read = readReportFile(folder / "form.crvreport");
  EXPECT_EQ(reportDefinitionText(read), reportDefinitionText(written));

  EXPECT_EQ(read.type, "PrintPurchaseOrder");
  EXPECT_EQ(read.name, written.name);
  EXPECT_EQ(read.filter, written.filter);
  EXPECT_TRUE(read.printDialog);
  EXPECT_EQ(read.page.margins.bottom, 50.5);
  ASSERT_EQ(read.bands.size(), 4u);
  const DefinedBand& detail = read.bands[2];
  EXPECT_EQ(detail.when, "POD:TextFlag<>1");
  ASSERT_EQ(detail.items.size(), 3u);
  EXPECT_EQ(detail.items[0].font, (Font{"DejaVu Serif", 7.5, true, true}));
  EXPECT_EQ(detail.items[0].color, (Color{10, 20, 30}));
  EXPECT_EQ(detail.items[1].expression, "'NUMBER: ' + POP:PONumber");
  EXPECT_EQ(detail.items[2].text, "Line one\nline \\two\\\ttabbed");
  EXPECT_EQ(read.bands[3].items[2].fill, (Color{230, 230, 230}));
  EXPECT_EQ(read.bands[3].items[3].file, "logo files/logo.png");
}

TEST(ReportFile, RefusesWhatItDoesNotUnderstandNamingTheLine) {
  const std::string head = "CRVREPORT 1\ntype \"PrintPurchaseOrder\"\n";
  const struct {
    std::string text;
    std::string said;
  } cases[] = {
      {"", "the file is empty"},
      {"REPORT 1\n", "line 1: this is not a report file"},
      {"CRVREPORT 2\n", "line 1: the file is in format 2; this program reads format 1 and older"},
      {"CRVREPORT 1\nname \"x\"\n", "names no report type"},
      {head + "colour red\n", "line 3: unknown statement \"colour\""},
      {head + "band Detail\n  text x=1 colour=#000000\nend\n", "line 4: unknown attribute \"colour\""},
      {head + "band Detail\n  text x=1O\nend\n", "line 4: \"1O\" is not a number (x)"},
      {head + "band Detail\n  text text=\"open\nend\n", "line 4: a quoted text is not closed"},
      {head + "band Detail\n  field x=1 picture=@s10\nend\n",
       "line 4: a field needs a name or an expression"},
      {head + "band Detail\n  field name=\"A\" picture=@q\nend\n", "line 4: \"@q\" is not a picture"},
      {head + "band Detail\n  box fill=red\nend\n", "line 4: \"red\" is not a colour written #rrggbb (fill)"},
      {head + "band Middle\nend\n", "line 3: unknown band kind \"Middle\""},
      {head + "band Detail\n  text x=1\n", "line 4: the last band is not closed with end"},
      {head + "band Detail\n  text bold=2\nend\n", "line 4: \"2\" is neither 1 nor 0 (bold)"},
  };
  for (const auto& c : cases) {
    try {
      parseReportDefinition(c.text);
      ADD_FAILURE() << "accepted: " << c.text;
    } catch (const ReportFileError& error) {
      EXPECT_NE(std::string(error.what()).find(c.said), std::string::npos) << error.what();
    }
  }
}

TEST(ReportFile, ReadingNamesTheFile) {
  test::TempFolder folder;
  try {
    readReportFile(folder / "missing.crvreport");
    ADD_FAILURE();
  } catch (const ReportFileError& error) {
    EXPECT_NE(std::string(error.what()).find("missing.crvreport cannot be opened"), std::string::npos);
  }
}

}  // namespace
}  // namespace crv

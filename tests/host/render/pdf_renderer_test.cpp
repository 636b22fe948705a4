// PDF output: the text can be extracted, fonts are embedded, pages stream
// out with their numbers, a logo is stored once, and failures leave no
// partial file behind.
#include "host/render/pdf_renderer.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <memory>
#include <regex>
#include <set>
#include <sstream>

#include "host/framework/report/paginator.h"
#include "host/render/pango_text_measurer.h"
#include "host/render/png_renderer.h"
#include "support/sample_order_report.h"
#include "support/temp_folder.h"

namespace crv {
namespace {

namespace fs = std::filesystem;

bool havePoppler() {
  return std::system("command -v pdftotext pdffonts pdfinfo pdfimages >/dev/null 2>&1") == 0;
}

std::string run(const std::string& command) {
  std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(command.c_str(), "r"), pclose);
  std::string out;
  char buffer[4096];
  while (pipe && std::fgets(buffer, sizeof buffer, pipe.get())) out += buffer;
  return out;
}

std::string readAll(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

TEST(PdfRenderer, WritesSearchableTextWithEmbeddedFontsPageByPage) {
  if (!havePoppler()) GTEST_SKIP() << "poppler-utils not installed";
  test::TempFolder folder;
  fs::path file = folder / "Purchase Orders.pdf";
  test::SampleOrderReport sample;
  PangoTextMeasurer measurer;
  {
    PdfRenderer pdf(file);
    Paginator paginator(sample.report(), measurer, pdf);
    test::SampleOrder first = test::makeSampleOrder(1001, 3);
    first.vendor = "Café Müller & Søn";
    sample.print(paginator, first);
    EXPECT_EQ(pdf.pagesWritten(), 0);
    sample.print(paginator, test::makeSampleOrder(1002, 50));
    EXPECT_EQ(pdf.pagesWritten(), 1) << "each order's pages are written once its numbering ends";
    paginator.finish();
    EXPECT_EQ(pdf.pagesWritten(), 3);
    EXPECT_FALSE(fs::exists(file)) << "the file appears only when complete";
    pdf.finish();
  }
  ASSERT_TRUE(fs::exists(file));
  EXPECT_FALSE(fs::exists(folder / "Purchase Orders.pdf.part"));

  std::string quoted = "'" + file.string() + "'";
  std::string info = run("pdfinfo " + quoted);
  EXPECT_TRUE(std::regex_search(info, std::regex("Pages: +3\n"))) << info;
  std::string text = run("pdftotext -layout " + quoted + " -");
  for (const char* expected :
       {"PURCHASE ORDER", "NUMBER: 1001", "NUMBER: 1002", "Café Müller & Søn", "Page 1 of 1", "Page 1 of 2",
        "Page 2 of 2", "ITEM-50", "Concrete block", "TOTAL SUM OF", "23,587.50", "07/04/24",
        "MATERIALS AND/OR SERVICES TO BE FURNISHED"})
    EXPECT_NE(text.find(expected), std::string::npos) << expected << "\n" << text.substr(0, 2000);

  std::istringstream fonts(run("pdffonts " + quoted));
  std::string line;
  int fontLines = 0;
  std::getline(fonts, line);
  std::getline(fonts, line);
  while (std::getline(fonts, line)) {
    ++fontLines;
    EXPECT_NE(line.find("DejaVuSans"), std::string::npos) << line;
    EXPECT_NE(line.find(" yes yes "), std::string::npos) << "embedded subset: " << line;
  }
  EXPECT_GE(fontLines, 3) << "regular, bold and italic";
}

TEST(PdfRenderer, StoresARepeatedImageOnce) {
  if (!havePoppler()) GTEST_SKIP() << "poppler-utils not installed";
  test::TempFolder folder;
  // A logo made by the PNG renderer: a small page with a filled box.
  LaidOutPage logoPage;
  logoPage.width = 72;
  logoPage.height = 36;
  logoPage.primitives.push_back(PlacedBox{0, 0, 72, 36, 0, {}, Color{200, 30, 30}});
  PngRenderer(96).write(logoPage, folder / "logo.png");

  Report report;
  report.pageHeader.setHeight(60);
  report.pageHeader.addImage(0, 0, 120, 60, (folder / "logo.png").string(), ImageFit::KeepAspect);
  report.band("Line", BandKind::Detail, 300).addText(0, 0, 100, "line");
  fs::path file = folder / "logo.pdf";
  PangoTextMeasurer measurer;
  PdfRenderer pdf(file);
  Paginator paginator(report, measurer, pdf);
  for (int i = 0; i < 6; ++i) paginator.print("Line");
  paginator.finish();
  pdf.finish();
  EXPECT_EQ(pdf.imagesMissing(), 0);

  std::istringstream images(run("pdfimages -list '" + file.string() + "'"));
  std::string line;
  std::set<std::string> objects;
  int shown = 0;
  std::getline(images, line);
  std::getline(images, line);
  while (std::getline(images, line)) {
    std::istringstream fields(line);
    std::string page, num, type, width, height, color, comp, bpc, enc, interp, object;
    fields >> page >> num >> type >> width >> height >> color >> comp >> bpc >> enc >> interp >> object;
    if (type != "image") continue;
    ++shown;
    objects.insert(object);
    EXPECT_EQ(width, "96");
    EXPECT_EQ(height, "48");
  }
  EXPECT_EQ(shown, 3) << "one per page";
  EXPECT_EQ(objects.size(), 1u) << "one stored image object";
}

TEST(PdfRenderer, DrawsOtherFamiliesAndCharactersInTheFacesTheSystemChooses) {
  if (!havePoppler()) GTEST_SKIP() << "poppler-utils not installed";
  test::TempFolder folder;
  fs::path file = folder / "fonts.pdf";
  LaidOutPage page;
  page.width = 612;
  page.height = 792;
  page.primitives.push_back(PlacedText{36, 36, "Sans line", {}, {}});
  page.primitives.push_back(PlacedText{36, 72, "Serif line", Font{"DejaVu Serif", 10}, {}});
  // A mathematical capital that the sans faces lack.
  page.primitives.push_back(PlacedText{36, 108, "Capital \xF0\x9D\x90\x80 here", {}, {}});
  PdfRenderer pdf(file);
  pdf.addPage(page);
  pdf.finish();

  const std::string quoted = "'" + file.string() + "'";
  const std::string text = run("pdftotext " + quoted + " -");
  for (const char* expected : {"Sans line", "Serif line", "Capital \xF0\x9D\x90\x80 here"})
    EXPECT_NE(text.find(expected), std::string::npos) << expected << "\n" << text;
  const std::string fonts = run("pdffonts " + quoted);
  EXPECT_NE(fonts.find("+DejaVuSerif"), std::string::npos) << fonts;
}

TEST(PdfRenderer, LeavesNoPartialFileAndKeepsTheOldOneOnFailure) {
  test::TempFolder folder;
  fs::path file = folder / "order.pdf";
  std::ofstream(file) << "previous";
  LaidOutPage page;
  page.width = 612;
  page.height = 792;
  page.primitives.push_back(PlacedText{36, 36, "abandoned", {}, {}});
  {
    PdfRenderer pdf(file);
    pdf.addPage(page);
    EXPECT_TRUE(fs::exists(folder / "order.pdf.part"));
  }
  EXPECT_FALSE(fs::exists(folder / "order.pdf.part"));
  EXPECT_EQ(readAll(file), "previous");

  {
    PdfRenderer empty(file);
    EXPECT_THROW(empty.finish(), RenderError);
  }
  EXPECT_EQ(readAll(file), "previous");

  try {
    PdfRenderer nowhere(folder / "missing folder" / "order.pdf");
    FAIL() << "created a file in a missing folder";
  } catch (const RenderError& error) {
    EXPECT_NE(std::string(error.what()).find("missing folder/order.pdf"), std::string::npos) << error.what();
    EXPECT_NE(std::string(error.what()).find("No such file or directory"), std::string::npos) << error.what();
  }
}

}  // namespace
}  // namespace crv

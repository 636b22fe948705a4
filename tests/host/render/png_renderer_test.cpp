// PNG pictures of pages: pixel size by paper, orientation and resolution,
// and drawing that changes the picture.
#include "host/render/png_renderer.h"

#include <gtest/gtest.h>

#include "host/framework/report/image_size.h"
#include "host/framework/report/page_setup.h"
#include "support/temp_folder.h"

namespace crv {
namespace {

LaidOutPage blankPage(const PageSetup& setup) {
  LaidOutPage page;
  page.width = setup.width();
  page.height = setup.height();
  return page;
}

TEST(PngRenderer, MakesPicturesOfThePageSizeAtTheResolution) {
  PngRenderer screen(96);
  PngPicture letter = screen.render(blankPage(PageSetup{}));
  EXPECT_EQ(letter.width, 816);
  EXPECT_EQ(letter.height, 1056);
  auto size = imageSize(std::span<const std::uint8_t>(letter.bytes));
  ASSERT_TRUE(size);
  EXPECT_EQ(size->width, 816);
  EXPECT_EQ(size->height, 1056);

  PageSetup a4{PaperSize::A4, Orientation::Landscape, {}};
  test::TempFolder folder;
  PngRenderer(150).write(blankPage(a4), folder / "a4.png");
  size = imageSize(folder / "a4.png");
  ASSERT_TRUE(size);
  EXPECT_EQ(size->width, 1754);
  EXPECT_EQ(size->height, 1240);

  EXPECT_THROW(PngRenderer(0), std::invalid_argument);
  EXPECT_THROW(PngRenderer(5000), std::invalid_argument);
}

TEST(PngRenderer, DrawsThePrimitives) {
  PngRenderer renderer(72);
  LaidOutPage page = blankPage(PageSetup{});
  std::vector<std::uint8_t> blank = renderer.render(page).bytes;
  page.primitives.push_back(PlacedText{36, 36, "Page 1 of 1", {}, {}});
  page.primitives.push_back(PlacedBox{36, 100, 200, 50, 1, {}, Color::gray(200)});
  page.primitives.push_back(PlacedLine{36, 200, 300, 200, 0.5, {}});
  page.primitives.push_back(PlacedImage{36, 300, 50, 50, "/nonexistent/logo.png", {}});
  std::vector<std::uint8_t> drawn = renderer.render(page).bytes;
  EXPECT_NE(drawn, blank);
  EXPECT_GT(drawn.size(), blank.size());
}

}  // namespace
}  // namespace crv

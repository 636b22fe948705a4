// Image sizes from PNG and JPEG headers, and refusal of anything else.
#include "host/framework/report/image_size.h"

#include <gtest/gtest.h>

#include <vector>

namespace crv {
namespace {

using Bytes = std::vector<std::uint8_t>;

TEST(ImageSize, ReadsPngAndJpegHeaders) {
  Bytes png{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n', 0, 0, 0, 13,
            'I',  'H', 'D', 'R', 0,    0,    1,    44,   0, 0, 0, 75};
  auto size = imageSize(std::span<const std::uint8_t>(png));
  ASSERT_TRUE(size);
  EXPECT_EQ(size->width, 300);
  EXPECT_EQ(size->height, 75);

  // SOI, an APP0 segment to skip, then a baseline frame 640 x 480.
  Bytes jpeg{0xFF, 0xD8, 0xFF, 0xE0, 0, 6,    'J',  'F',  'I',  'F',
             0xFF, 0xC0, 0,    11,   8, 0x01, 0xE0, 0x02, 0x80, 3};
  size = imageSize(std::span<const std::uint8_t>(jpeg));
  ASSERT_TRUE(size);
  EXPECT_EQ(size->width, 640);
  EXPECT_EQ(size->height, 480);
}

TEST(ImageSize, RefusesOtherAndDamagedData) {
  for (const Bytes& bad :
       {Bytes{}, Bytes{'G', 'I', 'F', '8', '9', 'a'}, Bytes{0xFF, 0xD8, 0xFF, 0xE0, 0, 200},
        Bytes{0xFF, 0xD8, 0xFF, 0xDA, 0, 2}, Bytes{0x89, 'P', 'N', 'G'}}) {
    EXPECT_FALSE(imageSize(std::span<const std::uint8_t>(bad)));
  }
  EXPECT_FALSE(imageSize(std::filesystem::path("/nonexistent/logo.png")));
}

}  // namespace
}  // namespace crv

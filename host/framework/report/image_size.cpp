// PNG: the IHDR chunk follows the 8-byte signature. JPEG: the first
// start-of-frame marker among the segments carries height and width.
#include "host/framework/report/image_size.h"

#include <fstream>
#include <iterator>
#include <vector>

namespace crv {

namespace {

std::uint32_t bigEndian(std::span<const std::uint8_t> b, std::size_t at, int bytes) {
  std::uint32_t value = 0;
  for (int i = 0; i < bytes; ++i) value = (value << 8) | b[at + static_cast<std::size_t>(i)];
  return value;
}

std::optional<ImageSize> pngSize(std::span<const std::uint8_t> b) {
  static constexpr std::uint8_t signature[] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  if (b.size() < 24) return std::nullopt;
  for (std::size_t i = 0; i < 8; ++i)
    if (b[i] != signature[i]) return std::nullopt;
  if (b[12] != 'I' || b[13] != 'H' || b[14] != 'D' || b[15] != 'R') return std::nullopt;
  std::uint32_t width = bigEndian(b, 16, 4);
  std::uint32_t height = bigEndian(b, 20, 4);
  if (width == 0 || height == 0 || width > 0x7FFFFFFF || height > 0x7FFFFFFF) return std::nullopt;
  return ImageSize{static_cast<int>(width), static_cast<int>(height)};
}

bool isFrameMarker(std::uint8_t marker) {
  return marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
}

std::optional<ImageSize> jpegSize(std::span<const std::uint8_t> b) {
  if (b.size() < 4 || b[0] != 0xFF || b[1] != 0xD8) return std::nullopt;
  std::size_t at = 2;
  while (at + 4 <= b.size()) {
    if (b[at] != 0xFF) return std::nullopt;
    std::uint8_t marker = b[at + 1];
    if (marker == 0xFF) {  // fill byte
      ++at;
      continue;
    }
    if (marker == 0xD8 || marker == 0x01 || (marker >= 0xD0 && marker <= 0xD7)) {
      at += 2;
      continue;
    }
    std::size_t length = bigEndian(b, at + 2, 2);
    if (length < 2) return std::nullopt;
    if (isFrameMarker(marker)) {
      if (at + 9 > b.size()) return std::nullopt;
      int height = static_cast<int>(bigEndian(b, at + 5, 2));
      int width = static_cast<int>(bigEndian(b, at + 7, 2));
      if (width == 0 || height == 0) return std::nullopt;
      return ImageSize{width, height};
    }
    if (marker == 0xDA || marker == 0xD9) return std::nullopt;  // image data before any frame
    at += 2 + length;
  }
  return std::nullopt;
}

}  // namespace

std::optional<ImageSize> imageSize(std::span<const std::uint8_t> bytes) {
  if (auto png = pngSize(bytes)) return png;
  return jpegSize(bytes);
}

std::optional<ImageSize> imageSize(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  if (!in) return std::nullopt;
  std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  return imageSize(std::span<const std::uint8_t>(bytes));
}

}  // namespace crv

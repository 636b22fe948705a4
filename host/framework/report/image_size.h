// The pixel size of a PNG or JPEG image, read from its header without
// decoding it, so that layout can keep an image's proportions and callers
// can size a logo without any imaging library.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>

namespace crv {

struct ImageSize {
  int width = 0;
  int height = 0;
};

// nullopt when the bytes are neither a PNG nor a JPEG with a frame header.
std::optional<ImageSize> imageSize(std::span<const std::uint8_t> bytes);
// nullopt also when the file cannot be read.
std::optional<ImageSize> imageSize(const std::filesystem::path& file);

}  // namespace crv

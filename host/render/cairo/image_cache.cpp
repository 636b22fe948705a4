// Image decoding into cairo surfaces.
#include "host/render/cairo/image_cache.h"

#include <jpeglib.h>

#include <csetjmp>
#include <cstring>
#include <fstream>
#include <iterator>
#include <vector>

namespace crv::render {

namespace {

using Bytes = std::vector<std::uint8_t>;

struct PngReader {
  const Bytes* bytes;
  std::size_t at = 0;
};

cairo_status_t readPng(void* closure, unsigned char* data, unsigned int length) {
  auto* reader = static_cast<PngReader*>(closure);
  if (reader->bytes->size() - reader->at < length) return CAIRO_STATUS_READ_ERROR;
  std::memcpy(data, reader->bytes->data() + reader->at, length);
  reader->at += length;
  return CAIRO_STATUS_SUCCESS;
}

cairo_surface_t* decodePng(const Bytes& bytes) {
  PngReader reader{&bytes};
  cairo_surface_t* surface = cairo_image_surface_create_from_png_stream(readPng, &reader);
  if (cairo_surface_status(surface) == CAIRO_STATUS_SUCCESS) return surface;
  cairo_surface_destroy(surface);
  return nullptr;
}

struct JpegFailure {
  jpeg_error_mgr manager;
  std::jmp_buf jump;
};

void jpegFailed(j_common_ptr info) { std::longjmp(reinterpret_cast<JpegFailure*>(info->err)->jump, 1); }

void jpegSilent(j_common_ptr) {}

// Decodes into an RGB24 surface; nullptr on a damaged file. The decoder
// state is plain C, so leaving it by longjmp skips no C++ destructor: every
// C++ object used after setjmp is created before it.
cairo_surface_t* decodeJpeg(const Bytes& bytes) {
  jpeg_decompress_struct info;
  JpegFailure failure;
  cairo_surface_t* volatile surface = nullptr;
  info.err = jpeg_std_error(&failure.manager);
  failure.manager.error_exit = jpegFailed;
  failure.manager.output_message = jpegSilent;
  if (setjmp(failure.jump)) {
    jpeg_destroy_decompress(&info);
    if (surface) cairo_surface_destroy(surface);
    return nullptr;
  }
  jpeg_create_decompress(&info);
  jpeg_mem_src(&info, bytes.data(), static_cast<unsigned long>(bytes.size()));
  jpeg_read_header(&info, TRUE);
  info.out_color_space = JCS_RGB;
  jpeg_start_decompress(&info);
  int width = static_cast<int>(info.output_width);
  int height = static_cast<int>(info.output_height);
  surface = cairo_image_surface_create(CAIRO_FORMAT_RGB24, width, height);
  if (cairo_surface_status(surface) != CAIRO_STATUS_SUCCESS) std::longjmp(failure.jump, 1);
  unsigned char* pixels = cairo_image_surface_get_data(surface);
  int stride = cairo_image_surface_get_stride(surface);
  JSAMPARRAY row =
      (*info.mem->alloc_sarray)(reinterpret_cast<j_common_ptr>(&info), JPOOL_IMAGE, info.output_width * 3, 1);
  while (info.output_scanline < info.output_height) {
    int y = static_cast<int>(info.output_scanline);
    jpeg_read_scanlines(&info, row, 1);
    auto* out = reinterpret_cast<std::uint32_t*>(pixels + static_cast<std::ptrdiff_t>(y) * stride);
    for (int x = 0; x < width; ++x) {
      const JSAMPLE* rgb = row[0] + 3 * x;
      out[x] = (std::uint32_t{rgb[0]} << 16) | (std::uint32_t{rgb[1]} << 8) | rgb[2];
    }
  }
  jpeg_finish_decompress(&info);
  jpeg_destroy_decompress(&info);
  cairo_surface_mark_dirty(surface);
  return surface;
}

void releaseBytes(void* data) { delete static_cast<Bytes*>(data); }

cairo_surface_t* decode(const Bytes& bytes) {
  if (bytes.size() >= 8 && bytes[0] == 0x89 && bytes[1] == 'P') return decodePng(bytes);
  if (bytes.size() >= 3 && bytes[0] == 0xFF && bytes[1] == 0xD8) {
    cairo_surface_t* surface = decodeJpeg(bytes);
    if (surface) {
      // The PDF surface embeds these bytes instead of re-encoding pixels.
      auto* copy = new Bytes(bytes);
      if (cairo_surface_set_mime_data(surface, CAIRO_MIME_TYPE_JPEG, copy->data(), copy->size(), releaseBytes,
                                      copy) != CAIRO_STATUS_SUCCESS)
        delete copy;
    }
    return surface;
  }
  return nullptr;
}

}  // namespace

ImageCache::~ImageCache() {
  for (auto& [path, surface] : byPath_)
    if (surface) cairo_surface_destroy(surface);
  for (auto& [bytes, surface] : byBytes_)
    if (surface) cairo_surface_destroy(surface);
}

cairo_surface_t* ImageCache::surface(const PlacedImage& image) {
  if (image.bytes) {
    auto [at, added] = byBytes_.try_emplace(image.bytes, nullptr);
    if (added) {
      at->second = decode(*image.bytes);
      if (!at->second) ++missing_;
    }
    return at->second;
  }
  auto [at, added] = byPath_.try_emplace(image.path, nullptr);
  if (added) {
    std::ifstream in(image.path, std::ios::binary);
    Bytes bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    at->second = in.bad() ? nullptr : decode(bytes);
    if (!at->second) ++missing_;
  }
  return at->second;
}

}  // namespace crv::render

// Decoded images for the painter, kept for the whole rendering so that a
// logo on every page is read once and, in a PDF, stored once (cairo writes
// one image object per surface however many pages show it).
//
// PNG files are decoded by cairo; JPEG files are decoded with libjpeg, and
// keep their original bytes attached so a PDF embeds the JPEG as it is.
// An image that cannot be read gives nullptr (the page is drawn without it)
// and is counted in missing().
#pragma once

#include <cairo.h>

#include <map>
#include <string>

#include "host/framework/report/laid_out_page.h"

namespace crv::render {

class ImageCache {
 public:
  ImageCache() = default;
  ~ImageCache();
  ImageCache(const ImageCache&) = delete;
  ImageCache& operator=(const ImageCache&) = delete;

  // Owned by the cache.
  cairo_surface_t* surface(const PlacedImage& image);
  int missing() const { return missing_; }

 private:
  std::map<std::string, cairo_surface_t*> byPath_;
  std::map<ImageBytes, cairo_surface_t*> byBytes_;  // keeps the bytes alive with their surface
  int missing_ = 0;
};

}  // namespace crv::render

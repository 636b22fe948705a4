// PNG pictures through a cairo image surface.
#include "host/render/png_renderer.h"

#include <cmath>
#include <stdexcept>

#include "host/framework/services/file_replacement.h"
#include "host/render/image_cache.h"
#include "host/render/page_painter.h"

namespace crv {

struct PngRenderer::State {
  render::ImageCache images;
};

namespace {

cairo_status_t appendBytes(void* closure, const unsigned char* data, unsigned int length) {
  static_cast<std::vector<std::uint8_t>*>(closure)->insert(
      static_cast<std::vector<std::uint8_t>*>(closure)->end(), data, data + length);
  return CAIRO_STATUS_SUCCESS;
}

}  // namespace

PngRenderer::PngRenderer(double dpi) : state_(std::make_unique<State>()), dpi_(dpi) {
  if (!(dpi >= 1 && dpi <= 2400)) throw std::invalid_argument("resolution out of range");
}

PngRenderer::~PngRenderer() = default;

int PngRenderer::pixels(double points, double dpi) {
  return static_cast<int>(std::lround(points * dpi / 72.0));
}

PngPicture PngRenderer::render(const LaidOutPage& page) {
  PngPicture picture;
  picture.width = pixels(page.width, dpi_);
  picture.height = pixels(page.height, dpi_);
  cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_RGB24, picture.width, picture.height);
  cairo_t* cairo = cairo_create(surface);
  cairo_set_source_rgb(cairo, 1, 1, 1);
  cairo_paint(cairo);
  cairo_scale(cairo, dpi_ / 72.0, dpi_ / 72.0);
  {
    render::PagePainter painter(cairo, state_->images);
    painter.paint(page);
  }
  cairo_status_t status = cairo_status(cairo);
  cairo_destroy(cairo);
  cairo_surface_flush(surface);
  if (status == CAIRO_STATUS_SUCCESS) status = cairo_surface_status(surface);
  if (status == CAIRO_STATUS_SUCCESS)
    status = cairo_surface_write_to_png_stream(surface, appendBytes, &picture.bytes);
  cairo_surface_destroy(surface);
  if (status != CAIRO_STATUS_SUCCESS)
    throw RenderError("Cannot draw page " + std::to_string(page.sequence) + ": " +
                      cairo_status_to_string(status));
  return picture;
}

void PngRenderer::write(const LaidOutPage& page, const std::filesystem::path& file) {
  PngPicture picture = render(page);
  const std::string_view bytes(reinterpret_cast<const char*>(picture.bytes.data()), picture.bytes.size());
  if (const std::string error = replaceFile(file, bytes); !error.empty())
    throw RenderError("Cannot write PNG file " + file.string() + ": " + error);
}

}  // namespace crv

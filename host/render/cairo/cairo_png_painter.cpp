// PNG pictures through a cairo image surface.
#include "host/render/cairo/cairo_png_painter.h"

#include "host/render/cairo/page_painter.h"
#include "host/render/render_error.h"

namespace crv::render {
namespace {

cairo_status_t appendBytes(void* closure, const unsigned char* data, unsigned int length) {
  static_cast<std::vector<std::uint8_t>*>(closure)->insert(
      static_cast<std::vector<std::uint8_t>*>(closure)->end(), data, data + length);
  return CAIRO_STATUS_SUCCESS;
}

}  // namespace

PngPicture CairoPngPainter::render(const LaidOutPage& page, double dpi) {
  PngPicture picture;
  picture.width = PngRenderer::pixels(page.width, dpi);
  picture.height = PngRenderer::pixels(page.height, dpi);
  cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_RGB24, picture.width, picture.height);
  cairo_t* cairo = cairo_create(surface);
  cairo_set_source_rgb(cairo, 1, 1, 1);
  cairo_paint(cairo);
  cairo_scale(cairo, dpi / 72.0, dpi / 72.0);
  {
    PagePainter painter(cairo, images_);
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

}  // namespace crv::render

// The drawing engine this library exports.
#include "host/render/cairo/cairo_pdf_writer.h"
#include "host/render/cairo/cairo_png_painter.h"
#include "host/render/cairo/pango_measurer.h"
#include "host/render/cairo/report_fonts.h"

namespace crv::render {
namespace {

class CairoEngine final : public Engine {
 public:
  std::unique_ptr<PdfWriter> pdf(const std::filesystem::path& file) override {
    return std::make_unique<CairoPdfWriter>(file);
  }
  std::unique_ptr<PngPainter> png() override { return std::make_unique<CairoPngPainter>(); }
  std::unique_ptr<TextMeasurer> measurer() override { return std::make_unique<PangoMeasurer>(); }
};

}  // namespace
}  // namespace crv::render

crv::render::Engine* crvRenderEngine(bool fontconfigShared) {
  static crv::render::CairoEngine engine;
  crv::render::chooseFontConfiguration(fontconfigShared);
  return &engine;
}

// PNG pictures through the drawing engine.
#include "host/render/png_renderer.h"

#include <cmath>
#include <stdexcept>

#include "host/framework/services/file_replacement.h"
#include "host/render/render_engine.h"

namespace crv {

// Created with the first picture, so a renderer that draws nothing loads
// nothing.
struct PngRenderer::State {
  std::unique_ptr<render::PngPainter> painter;
};

PngRenderer::PngRenderer(double dpi) : state_(std::make_unique<State>()), dpi_(dpi) {
  if (!(dpi >= 1 && dpi <= 2400)) throw std::invalid_argument("resolution out of range");
}

PngRenderer::~PngRenderer() = default;

int PngRenderer::pixels(double points, double dpi) {
  return static_cast<int>(std::lround(points * dpi / 72.0));
}

PngPicture PngRenderer::render(const LaidOutPage& page) {
  if (!state_->painter) state_->painter = render::engine().png();
  return state_->painter->render(page, dpi_);
}

void PngRenderer::write(const LaidOutPage& page, const std::filesystem::path& file) {
  PngPicture picture = render(page);
  const std::string_view bytes(reinterpret_cast<const char*>(picture.bytes.data()), picture.bytes.size());
  if (const std::string error = replaceFile(file, bytes); !error.empty())
    throw RenderError("Cannot write PNG file " + file.string() + ": " + error);
}

}  // namespace crv

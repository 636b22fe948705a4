// PNG pictures through a cairo image surface: white paper, the page's drawing
// at the resolution asked for. Images stay decoded between pages.
#pragma once

#include "host/render/cairo/image_cache.h"
#include "host/render/render_engine.h"

namespace crv::render {

class CairoPngPainter final : public PngPainter {
 public:
  // Throws RenderError when the picture cannot be made (too large, no memory).
  PngPicture render(const LaidOutPage& page, double dpi) override;

 private:
  ImageCache images_;
};

}  // namespace crv::render

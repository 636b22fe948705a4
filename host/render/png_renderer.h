// Renders one laid-out page at a time to a PNG picture, for the previewer:
// white paper, the page's drawing at the chosen resolution. The picture is
// width x height points scaled by dpi / 72, rounded to whole pixels (a Letter
// page at 96 dpi is 816 x 1056).
//
// Images stay decoded between pages, so paging through a preview reads a
// logo once.
#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <vector>

#include "host/framework/report/laid_out_page.h"
#include "host/render/render_error.h"

namespace crv {

struct PngPicture {
  int width = 0;  // pixels
  int height = 0;
  std::vector<std::uint8_t> bytes;  // the PNG file's bytes
};

class PngRenderer {
 public:
  // Throws std::invalid_argument for a resolution outside 1..2400 dpi.
  explicit PngRenderer(double dpi = 96);
  ~PngRenderer();
  PngRenderer(const PngRenderer&) = delete;
  PngRenderer& operator=(const PngRenderer&) = delete;

  double dpi() const { return dpi_; }
  // Throws RenderError when the picture cannot be made (too large, no memory).
  PngPicture render(const LaidOutPage& page);
  // The same written to a file; throws RenderError when it cannot be written.
  void write(const LaidOutPage& page, const std::filesystem::path& file);

  static int pixels(double points, double dpi);

 private:
  struct State;
  std::unique_ptr<State> state_;
  double dpi_;
};

}  // namespace crv

// Text measurement with pango and fontconfig: the TextMeasurer that real
// reports lay out with, measuring exactly as the PDF and PNG renderers draw
// (same fonts, sizes in points, no hinting of metrics).
//
// Latin text is measured by its glyphs' advances (GlyphFonts), as the
// painter draws it; other text through pango, with widths cached per font
// and text. One measurer belongs to one thread.
#pragma once

#include <memory>

#include "host/framework/report/text_measurer.h"

namespace crv {

class PangoTextMeasurer final : public TextMeasurer {
 public:
  PangoTextMeasurer();
  ~PangoTextMeasurer() override;
  PangoTextMeasurer(const PangoTextMeasurer&) = delete;
  PangoTextMeasurer& operator=(const PangoTextMeasurer&) = delete;

  double textWidth(const Font& font, std::string_view text) const override;
  FontMetrics metrics(const Font& font) const override;

 private:
  struct State;
  std::unique_ptr<State> state_;
};

}  // namespace crv

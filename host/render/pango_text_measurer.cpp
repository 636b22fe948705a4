// Text measurement through the drawing engine.
#include "host/render/pango_text_measurer.h"

#include "host/render/render_engine.h"

namespace crv {

struct PangoTextMeasurer::State {
  std::unique_ptr<TextMeasurer> measurer;
};

PangoTextMeasurer::PangoTextMeasurer() : state_(std::make_unique<State>()) {
  state_->measurer = render::engine().measurer();
}

PangoTextMeasurer::~PangoTextMeasurer() = default;

double PangoTextMeasurer::textWidth(const Font& font, std::string_view text) const {
  return state_->measurer->textWidth(font, text);
}

FontMetrics PangoTextMeasurer::metrics(const Font& font) const { return state_->measurer->metrics(font); }

}  // namespace crv

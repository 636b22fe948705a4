// Measures with pango layouts of its own over the report font maps.
#include "host/render/cairo/pango_measurer.h"

#include <string>
#include <unordered_map>

#include "host/render/cairo/font_layouts.h"
#include "host/render/cairo/glyph_fonts.h"
#include "host/render/cairo/pango_support.h"

namespace crv::render {

struct PangoMeasurer::State {
  FontLayouts layouts;
  std::unordered_map<std::string, double> widths;
  GlyphFonts glyphs;
};

// Room for the captions and values a page repeats; emptied when full so that
// memory stays flat however many distinct texts a long run measures.
constexpr std::size_t widthCacheLimit = 4096;

PangoMeasurer::PangoMeasurer() : state_(std::make_unique<State>()) {}

PangoMeasurer::~PangoMeasurer() = default;

double PangoMeasurer::textWidth(const Font& font, std::string_view text) const {
  if (text.empty()) return 0;
  // Latin text measures by the glyphs the painter draws it with.
  if (double width = 0; state_->glyphs.width(font, text, width)) return width;
  std::string key = fontKey(font);
  key += '\0';
  key.append(text);
  auto found = state_->widths.find(key);
  if (found != state_->widths.end()) return found->second;
  PangoLayout* layout = state_->layouts.layout(font, validUtf8(text));
  PangoRectangle logical;
  pango_layout_get_extents(layout, nullptr, &logical);
  double width = static_cast<double>(logical.width) / PANGO_SCALE;
  if (state_->widths.size() >= widthCacheLimit) state_->widths.clear();
  state_->widths.emplace(std::move(key), width);
  return width;
}

FontMetrics PangoMeasurer::metrics(const Font& font) const { return state_->glyphs.metrics(font); }

}  // namespace crv::render

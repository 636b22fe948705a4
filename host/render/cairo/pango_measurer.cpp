// Measures with a private pango context over the cairo font map.
#include "host/render/cairo/pango_measurer.h"

#include <string>
#include <unordered_map>

#include "host/render/cairo/glyph_fonts.h"
#include "host/render/cairo/pango_support.h"

namespace crv::render {

struct PangoMeasurer::State {
  PangoFontMap* fontMap = nullptr;
  PangoContext* context = nullptr;
  PangoLayout* layout = nullptr;
  std::string layoutFont;  // key of the description the layout has now
  std::unordered_map<std::string, PangoFontDescription*> descriptions;
  std::unordered_map<std::string, double> widths;
  std::unordered_map<std::string, FontMetrics> metrics;
  GlyphFonts glyphs;

  ~State() {
    for (auto& [key, description] : descriptions) pango_font_description_free(description);
    if (layout) g_object_unref(layout);
    if (context) g_object_unref(context);
  }

  PangoFontDescription* description(const Font& font, const std::string& key) {
    auto [at, added] = descriptions.try_emplace(key, nullptr);
    if (added) at->second = describeFont(font);
    return at->second;
  }
};

// Room for the captions and values a page repeats; emptied when full so that
// memory stays flat however many distinct texts a long run measures.
constexpr std::size_t widthCacheLimit = 4096;

PangoMeasurer::PangoMeasurer() : state_(std::make_unique<State>()) {
  // The process's font map, shared with the painter: pango keeps its fonts
  // and fontconfig patterns there for the life of the process.
  state_->fontMap = pango_cairo_font_map_get_default();
  state_->context = pango_font_map_create_context(state_->fontMap);
  applyFontOptions(state_->context);
  state_->layout = pango_layout_new(state_->context);
}

PangoMeasurer::~PangoMeasurer() = default;

double PangoMeasurer::textWidth(const Font& font, std::string_view text) const {
  if (text.empty()) return 0;
  // Latin text measures by the glyphs the painter draws it with.
  if (double width = 0; state_->glyphs.width(font, text, width)) return width;
  std::string fontKey = render::fontKey(font);
  std::string key = fontKey;
  key += '\0';
  key.append(text);
  auto found = state_->widths.find(key);
  if (found != state_->widths.end()) return found->second;
  if (fontKey != state_->layoutFont) {
    pango_layout_set_font_description(state_->layout, state_->description(font, fontKey));
    state_->layoutFont = fontKey;
  }
  std::string valid = validUtf8(text);
  pango_layout_set_text(state_->layout, valid.data(), static_cast<int>(valid.size()));
  PangoRectangle logical;
  pango_layout_get_extents(state_->layout, nullptr, &logical);
  double width = static_cast<double>(logical.width) / PANGO_SCALE;
  if (state_->widths.size() >= widthCacheLimit) state_->widths.clear();
  state_->widths.emplace(std::move(key), width);
  return width;
}

FontMetrics PangoMeasurer::metrics(const Font& font) const {
  std::string key = fontKey(font);
  auto found = state_->metrics.find(key);
  if (found != state_->metrics.end()) return found->second;
  if (key != state_->layoutFont) {
    pango_layout_set_font_description(state_->layout, state_->description(font, key));
    state_->layoutFont = key;
  }
  // The height of a one-line layout is what the painter advances per line.
  pango_layout_set_text(state_->layout, "Xg", 2);
  PangoRectangle logical;
  pango_layout_get_extents(state_->layout, nullptr, &logical);
  double baseline = static_cast<double>(pango_layout_get_baseline(state_->layout)) / PANGO_SCALE;
  double height = static_cast<double>(logical.height) / PANGO_SCALE;
  FontMetrics result{baseline, height - baseline, height};
  state_->metrics.emplace(key, result);
  return result;
}

}  // namespace crv::render

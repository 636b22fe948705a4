// Reused pango layouts, one per font map.
#include "host/render/cairo/font_layouts.h"

#include "host/render/cairo/pango_support.h"
#include "host/render/cairo/report_fonts.h"

namespace crv::render {

FontLayouts::FontLayouts(cairo_t* cairo) : cairo_(cairo) {}

FontLayouts::~FontLayouts() {
  for (auto& [key, description] : descriptions_) pango_font_description_free(description);
  for (OnMap& on : layouts_) g_object_unref(on.layout);
}

PangoLayout* FontLayouts::layout(const Font& font, std::string_view text) {
  OnMap& on = onMap(fontMapFor(font, text));
  std::string key = fontKey(font);
  if (key != on.fontKey) {
    auto [at, added] = descriptions_.try_emplace(key, nullptr);
    if (added) at->second = describeFont(font);
    pango_layout_set_font_description(on.layout, at->second);
    on.fontKey = std::move(key);
  }
  pango_layout_set_text(on.layout, text.data(), static_cast<int>(text.size()));
  return on.layout;
}

FontLayouts::OnMap& FontLayouts::onMap(PangoFontMap* map) {
  for (OnMap& on : layouts_)
    if (on.map == map) return on;
  PangoContext* context = pango_font_map_create_context(map);
  if (cairo_) pango_cairo_update_context(cairo_, context);
  applyFontOptions(context);
  layouts_.push_back(OnMap{map, pango_layout_new(context), {}});
  g_object_unref(context);
  return layouts_.back();
}

}  // namespace crv::render

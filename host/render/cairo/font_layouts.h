// The pango layouts texts are laid out on when they need pango: one per font
// map (report faces or system, see report_fonts.h), each reused text after
// text, with the font descriptions they were given kept for the next time.
#pragma once

#include <cairo.h>
#include <pango/pangocairo.h>

#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "host/framework/report/font.h"

namespace crv::render {

class FontLayouts {
 public:
  // With a cairo context, the layouts follow its transformation for drawing
  // on it; the context must outlive this.
  explicit FontLayouts(cairo_t* cairo = nullptr);
  ~FontLayouts();
  FontLayouts(const FontLayouts&) = delete;
  FontLayouts& operator=(const FontLayouts&) = delete;

  // A layout holding `text` (valid UTF-8) in `font`; owned here and
  // changed by the next call.
  PangoLayout* layout(const Font& font, std::string_view text);

 private:
  struct OnMap {
    PangoFontMap* map = nullptr;
    PangoLayout* layout = nullptr;
    std::string fontKey;  // of the description the layout has now
  };
  OnMap& onMap(PangoFontMap* map);

  cairo_t* cairo_;
  std::vector<OnMap> layouts_;
  std::unordered_map<std::string, PangoFontDescription*> descriptions_;
};

}  // namespace crv::render

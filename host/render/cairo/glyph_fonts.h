// Latin text as positioned glyphs of one font, without going through pango
// for every string.
//
// Reports print thousands of short values a page (numbers, dates, codes,
// names); laying each out with pango costs far more than drawing it. Text
// whose characters are all Latin and all present in the report's font needs
// no shaping beyond one glyph per character, so its glyphs and advances are
// looked up once per character and font and reused. The measurer and the
// painter both use this, so such text measures exactly as it is drawn.
// Anything else (other scripts, characters the font lacks, invalid UTF-8)
// is left to pango by answering false.
#pragma once

#include <cairo.h>

#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "host/framework/report/font.h"
#include "host/framework/report/text_measurer.h"

namespace crv::render {

class GlyphFonts {
 public:
  GlyphFonts();
  ~GlyphFonts();
  GlyphFonts(const GlyphFonts&) = delete;
  GlyphFonts& operator=(const GlyphFonts&) = delete;

  // Appends the glyphs of `text` for a line whose top-left corner is at
  // (x, y), placed as pango would place that line, and sets `width` to its
  // advance; false (nothing appended) when the text needs pango. Clears
  // `readBack` when some glyph would not read back as its character from
  // the glyph alone (it is shared with another character of the font), so
  // that the text has to go along with the glyphs.
  bool glyphs(const Font& font, std::string_view text, double x, double y, std::vector<cairo_glyph_t>& out,
              double& width, bool& readBack);
  // The width alone; false when the text needs pango.
  bool width(const Font& font, std::string_view text, double& width);
  // The scaled font the glyphs belong to (kept for the life of the process).
  cairo_scaled_font_t* scaledFont(const Font& font);
  // The line metrics of the font as pango lays out one line.
  FontMetrics metrics(const Font& font);

 private:
  struct Face;
  Face& face(const Font& font);

  std::unordered_map<std::string, std::unique_ptr<Face>> faces_;
  Font lastFont_;
  Face* last_ = nullptr;
};

}  // namespace crv::render

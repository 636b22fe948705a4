// Glyph lookups per font and character, through the font pango chose.
#include "host/render/cairo/glyph_fonts.h"

#include <pango/pangocairo.h>

#include <array>

#include "host/render/cairo/pango_support.h"
#include "host/render/cairo/report_fonts.h"

namespace crv::render {

namespace {

// Latin letters, digits, punctuation and the Latin supplements and
// extensions: one glyph per character in the fonts reports use.
constexpr char32_t firstSimple = 0x20;
constexpr char32_t endSimple = 0x250;

// The next character of UTF-8 text, or 0 when the bytes are not a one- or
// two-byte sequence (those cover every simple character).
char32_t nextCharacter(std::string_view text, std::size_t& at) {
  const auto lead = static_cast<unsigned char>(text[at]);
  if (lead < 0x80) {
    ++at;
    return lead;
  }
  if ((lead & 0xE0) != 0xC0 || at + 1 >= text.size()) return 0;
  const auto trail = static_cast<unsigned char>(text[at + 1]);
  if ((trail & 0xC0) != 0x80) return 0;
  at += 2;
  const char32_t c = (static_cast<char32_t>(lead & 0x1F) << 6) | (trail & 0x3F);
  return c < 0x80 ? 0 : c;  // overlong forms are not text
}

}  // namespace

struct GlyphFonts::Face {
  struct Glyph {
    enum class State : unsigned char { Unknown, Present, Missing } state = State::Unknown;
    unsigned long index = 0;
    double advance = 0;
  };

  PangoFont* font = nullptr;
  cairo_scaled_font_t* scaled = nullptr;
  double baseline = 0;
  std::array<Glyph, endSimple> glyphs{};

  ~Face() {
    if (scaled) cairo_scaled_font_destroy(scaled);
    if (font) g_object_unref(font);
  }

  const Glyph& glyph(char32_t c) {
    Glyph& g = glyphs[c];
    if (g.state != Glyph::State::Unknown) return g;
    g.state = Glyph::State::Missing;
    gchar utf8[8];
    const int length = g_unichar_to_utf8(static_cast<gunichar>(c), utf8);
    cairo_glyph_t* found = nullptr;
    int count = 0;
    if (cairo_scaled_font_text_to_glyphs(scaled, 0, 0, utf8, length, &found, &count, nullptr, nullptr,
                                         nullptr) == CAIRO_STATUS_SUCCESS &&
        count == 1 && found[0].index != 0) {
      cairo_text_extents_t extents;
      cairo_scaled_font_glyph_extents(scaled, found, 1, &extents);
      g.index = found[0].index;
      g.advance = extents.x_advance;
      g.state = Glyph::State::Present;
    }
    cairo_glyph_free(found);
    return g;
  }
};

GlyphFonts::GlyphFonts() = default;
GlyphFonts::~GlyphFonts() = default;

GlyphFonts::Face& GlyphFonts::face(const Font& font) {
  if (last_ && font == lastFont_) return *last_;
  auto [at, added] = faces_.try_emplace(fontKey(font));
  if (added) {
    at->second = std::make_unique<Face>();
    Face& face = *at->second;
    PangoFontMap* map = fontMapFor(font, {});
    PangoContext* context = pango_font_map_create_context(map);
    applyFontOptions(context);
    PangoFontDescription* description = describeFont(font);
    face.font = pango_font_map_load_font(map, context, description);
    if (face.font)
      face.scaled =
          cairo_scaled_font_reference(pango_cairo_font_get_scaled_font(PANGO_CAIRO_FONT(face.font)));
    // Where pango puts the baseline of a one-line layout in this font.
    PangoLayout* layout = pango_layout_new(context);
    pango_layout_set_font_description(layout, description);
    pango_layout_set_text(layout, "Xg", 2);
    face.baseline = static_cast<double>(pango_layout_get_baseline(layout)) / PANGO_SCALE;
    g_object_unref(layout);
    pango_font_description_free(description);
    g_object_unref(context);
  }
  lastFont_ = font;
  last_ = at->second.get();
  return *last_;
}

cairo_scaled_font_t* GlyphFonts::scaledFont(const Font& font) { return face(font).scaled; }

bool GlyphFonts::width(const Font& font, std::string_view text, double& width) {
  Face& f = face(font);
  if (!f.scaled) return false;
  double total = 0;
  for (std::size_t at = 0; at < text.size();) {
    const char32_t c = nextCharacter(text, at);
    if (c < firstSimple || c >= endSimple) return false;
    const Face::Glyph& g = f.glyph(c);
    if (g.state != Face::Glyph::State::Present) return false;
    total += g.advance;
  }
  width = total;
  return true;
}

bool GlyphFonts::glyphs(const Font& font, std::string_view text, double x, double y,
                        std::vector<cairo_glyph_t>& out, double& width) {
  Face& f = face(font);
  if (!f.scaled) return false;
  const std::size_t start = out.size();
  const double baseline = y + f.baseline;
  double pen = x;
  for (std::size_t at = 0; at < text.size();) {
    const char32_t c = nextCharacter(text, at);
    const Face::Glyph* g = c >= firstSimple && c < endSimple ? &f.glyph(c) : nullptr;
    if (!g || g->state != Face::Glyph::State::Present) {
      out.resize(start);
      return false;
    }
    out.push_back(cairo_glyph_t{g->index, pen, baseline});
    pen += g->advance;
  }
  width = pen - x;
  return true;
}

}  // namespace crv::render

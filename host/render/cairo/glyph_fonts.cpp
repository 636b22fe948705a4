// Glyph lookups per font and character, through the font pango chose.
#include "host/render/cairo/glyph_fonts.h"

#include <cairo-ft.h>
#include <pango/pangocairo.h>

#include <array>
#include <mutex>

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

// Whether a PDF reader, given only the font's glyph, reads `c` back: the
// document's character map gives each glyph the lowest character the font
// maps to it, so a glyph shared with a lower character reads as that one.
bool glyphReadsBack(cairo_scaled_font_t* scaled, char32_t c, unsigned long index) {
  if (cairo_scaled_font_get_type(scaled) != CAIRO_FONT_TYPE_FT) return false;
  FT_Face face = cairo_ft_scaled_font_lock_face(scaled);
  if (!face) return false;
  bool first = false;
  FT_UInt glyph = 0;
  for (FT_ULong code = FT_Get_First_Char(face, &glyph); glyph != 0;
       code = FT_Get_Next_Char(face, code, &glyph)) {
    if (glyph != index) continue;
    first = code == c;
    break;
  }
  cairo_ft_scaled_font_unlock_face(scaled);
  return first;
}

// What the glyph runs need of a font, the same for every thread: made once
// per process under the store's lock from a font map nothing else uses, so
// that the measuring thread and the PDF writer's thread do not each ask
// pango (and fontconfig) for every font again. Afterwards only the cairo
// scaled font is used, which cairo lets threads share.
struct SharedFace {
  PangoFont* font = nullptr;
  cairo_scaled_font_t* scaled = nullptr;
  FontMetrics metrics;
};

class FaceStore {
 public:
  const SharedFace& face(const Font& font) {
    std::lock_guard lock(mutex_);
    auto [at, added] = faces_.try_emplace(fontKey(font));
    if (added) at->second = load(font);
    return *at->second;
  }

 private:
  static std::unique_ptr<SharedFace> load(const Font& font) {
    auto face = std::make_unique<SharedFace>();
    PangoFontMap* map = sharedFontMapFor(font);
    PangoContext* context = pango_font_map_create_context(map);
    applyFontOptions(context);
    PangoFontDescription* description = describeFont(font);
    // Where pango puts the baseline of a one-line layout in this font, and
    // how far it advances to the next line.
    PangoLayout* layout = pango_layout_new(context);
    pango_layout_set_font_description(layout, description);
    pango_layout_set_text(layout, "Xg", 2);
    // The glyph runs use the font pango lays Latin text out in (asking the
    // map for the font apart would have pango match it a second time).
    PangoLayoutLine* line = pango_layout_get_line_readonly(layout, 0);
    PangoFont* laidOutIn =
        line && line->runs ? static_cast<PangoGlyphItem*>(line->runs->data)->item->analysis.font : nullptr;
    if (laidOutIn) {
      face->font = PANGO_FONT(g_object_ref(laidOutIn));
      face->scaled =
          cairo_scaled_font_reference(pango_cairo_font_get_scaled_font(PANGO_CAIRO_FONT(face->font)));
    }
    PangoRectangle logical;
    pango_layout_get_extents(layout, nullptr, &logical);
    const double baseline = static_cast<double>(pango_layout_get_baseline(layout)) / PANGO_SCALE;
    const double height = static_cast<double>(logical.height) / PANGO_SCALE;
    face->metrics = FontMetrics{baseline, height - baseline, height};
    g_object_unref(layout);
    pango_font_description_free(description);
    g_object_unref(context);
    return face;
  }

  std::mutex mutex_;
  std::unordered_map<std::string, std::unique_ptr<SharedFace>> faces_;
};

// Kept for the life of the process, like the fonts pango caches.
FaceStore& faceStore() {
  static FaceStore* const store = new FaceStore;
  return *store;
}

}  // namespace

// A shared face with this thread's glyph lookups in it.
struct GlyphFonts::Face {
  struct Glyph {
    enum class State : unsigned char { Unknown, Present, Missing } state = State::Unknown;
    unsigned long index = 0;
    double advance = 0;
    bool readsBack = false;
  };

  const SharedFace* shared = nullptr;
  std::array<Glyph, endSimple> glyphs{};

  const Glyph& glyph(char32_t c) {
    Glyph& g = glyphs[c];
    if (g.state != Glyph::State::Unknown) return g;
    g.state = Glyph::State::Missing;
    gchar utf8[8];
    const int length = g_unichar_to_utf8(static_cast<gunichar>(c), utf8);
    cairo_glyph_t* found = nullptr;
    int count = 0;
    if (cairo_scaled_font_text_to_glyphs(shared->scaled, 0, 0, utf8, length, &found, &count, nullptr, nullptr,
                                         nullptr) == CAIRO_STATUS_SUCCESS &&
        count == 1 && found[0].index != 0) {
      cairo_text_extents_t extents;
      cairo_scaled_font_glyph_extents(shared->scaled, found, 1, &extents);
      g.index = found[0].index;
      g.advance = extents.x_advance;
      g.readsBack = glyphReadsBack(shared->scaled, c, g.index);
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
    at->second->shared = &faceStore().face(font);
  }
  lastFont_ = font;
  last_ = at->second.get();
  return *last_;
}

FontMetrics GlyphFonts::metrics(const Font& font) { return face(font).shared->metrics; }

cairo_scaled_font_t* GlyphFonts::scaledFont(const Font& font) { return face(font).shared->scaled; }

bool GlyphFonts::width(const Font& font, std::string_view text, double& width) {
  Face& f = face(font);
  if (!f.shared->scaled) return false;
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
                        std::vector<cairo_glyph_t>& out, double& width, bool& readBack) {
  Face& f = face(font);
  if (!f.shared->scaled) return false;
  const std::size_t start = out.size();
  const double baseline = y + f.shared->metrics.ascent;
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
    readBack = readBack && g->readsBack;
  }
  width = pen - x;
  return true;
}

}  // namespace crv::render

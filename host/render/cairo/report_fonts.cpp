// Fontconfig configurations and each thread's pango font maps over them.
#include "host/render/cairo/report_fonts.h"

#include <fontconfig/fontconfig.h>
#include <pango/pangofc-fontmap.h>

#include <cctype>
#include <string>
#include <unordered_map>

#include "host/render/cairo/report_font_files.h"

namespace crv::render {
namespace {

// Until told otherwise, the engine keeps to the system configuration.
bool fontconfigShared = true;

// Fontconfig compares family names without regard to case or spaces.
std::string familyKey(std::string_view family) {
  std::string key;
  for (char c : family)
    if (c != ' ') key += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return key;
}

struct ReportFaces {
  FcConfig* config = nullptr;  // null: the system configuration serves all text
  // Per family: the characters every face of that family has.
  std::unordered_map<std::string, FcCharSet*> coverage;
};

// A configuration of the report faces alone, made the process's current one
// so that fontconfig never reads the system's (pango starts fontconfig with
// whatever is current); null when a face's file cannot be loaded.
FcConfig* loadReportFaces() {
  std::size_t files = 0;
  while (reportFontFiles[files]) ++files;
  if (files == 0) return nullptr;
  FcConfig* config = FcConfigCreate();
  bool loaded = config != nullptr;
  for (std::size_t i = 0; loaded && i < files; ++i)
    loaded = FcConfigAppFontAddFile(config, reinterpret_cast<const FcChar8*>(reportFontFiles[i]));
  const FcFontSet* faces = loaded ? FcConfigGetFonts(config, FcSetApplication) : nullptr;
  if (faces && static_cast<std::size_t>(faces->nfont) >= files && FcConfigSetCurrent(config)) return config;
  if (config) FcConfigDestroy(config);
  return nullptr;
}

void addCoverage(FcPattern* face, ReportFaces& faces) {
  FcCharSet* characters = nullptr;
  if (FcPatternGetCharSet(face, FC_CHARSET, 0, &characters) != FcResultMatch) return;
  FcChar8* family = nullptr;
  for (int i = 0; FcPatternGetString(face, FC_FAMILY, i, &family) == FcResultMatch; ++i) {
    FcCharSet*& common = faces.coverage[familyKey(reinterpret_cast<const char*>(family))];
    FcCharSet* narrowed = common ? FcCharSetIntersect(common, characters) : FcCharSetCopy(characters);
    if (common) FcCharSetDestroy(common);
    common = narrowed;
  }
}

const ReportFaces& reportFaces() {
  static const ReportFaces faces = [] {
    ReportFaces made;
    if (fontconfigShared || !(made.config = loadReportFaces())) return made;
    const FcFontSet* set = FcConfigGetFonts(made.config, FcSetApplication);
    for (int i = 0; i < set->nfont; ++i) addCoverage(set->fonts[i], made);
    return made;
  }();
  return faces;
}

// Whether every character of `text` has a glyph in `characters`. Control
// characters are line breaks and tabs to pango, not glyphs.
bool covers(const FcCharSet* characters, std::string_view text) {
  const char* end = text.data() + text.size();
  for (const char* at = text.data(); at < end; at = g_utf8_next_char(at)) {
    const gunichar c = g_utf8_get_char_validated(at, end - at);
    if (c == static_cast<gunichar>(-1) || c == static_cast<gunichar>(-2)) return false;
    if (c >= 0x20 && !FcCharSetHasChar(characters, c)) return false;
  }
  return true;
}

PangoFontMap* newFontMap(FcConfig* config) {
  PangoFontMap* map = pango_cairo_font_map_new_for_font_type(CAIRO_FONT_TYPE_FT);
  pango_fc_font_map_set_config(PANGO_FC_FONT_MAP(map), config);
  return map;
}

// This thread's maps, released when the thread ends.
struct ThreadFontMaps {
  PangoFontMap* report = nullptr;
  PangoFontMap* system = nullptr;

  ~ThreadFontMaps() {
    if (report) g_object_unref(report);
    if (system) g_object_unref(system);
  }
};

thread_local ThreadFontMaps maps;

// Loaded once for the process, the first time a text needs it.
FcConfig* systemConfiguration() {
  static FcConfig* const system = FcInitLoadConfigAndFonts();
  return system;
}

PangoFontMap* systemFontMap() {
  if (!maps.system) maps.system = newFontMap(systemConfiguration());
  return maps.system;
}

bool reportFamily(const ReportFaces& faces, const Font& font) {
  return faces.coverage.contains(familyKey(font.family));
}

}  // namespace

void chooseFontConfiguration(bool shared) { fontconfigShared = shared; }

PangoFontMap* fontMapFor(const Font& font, std::string_view text) {
  const ReportFaces& faces = reportFaces();
  if (!faces.config) return pango_cairo_font_map_get_default();
  const auto found = faces.coverage.find(familyKey(font.family));
  if (found == faces.coverage.end() || !covers(found->second, text)) return systemFontMap();
  if (!maps.report) maps.report = newFontMap(faces.config);
  return maps.report;
}

PangoFontMap* sharedFontMapFor(const Font& font) {
  const ReportFaces& faces = reportFaces();
  if (!faces.config) {
    static PangoFontMap* const current = pango_cairo_font_map_new();
    return current;
  }
  if (!reportFamily(faces, font)) {
    static PangoFontMap* const system = newFontMap(systemConfiguration());
    return system;
  }
  static PangoFontMap* const report = newFontMap(faces.config);
  return report;
}

}  // namespace crv::render

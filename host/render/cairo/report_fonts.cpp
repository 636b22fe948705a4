// Fontconfig configurations and each thread's pango font maps over them.
#include "host/render/cairo/report_fonts.h"

#include <fontconfig/fontconfig.h>
#include <pango/pangofc-fontmap.h>

#include <cctype>
#include <cstring>
#include <filesystem>
#include <set>
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

bool listed(const FcChar8* file) {
  for (const char* const* at = reportFontFiles; *at; ++at)
    if (std::strcmp(*at, reinterpret_cast<const char*>(file)) == 0) return true;
  return false;
}

// Leaves only the listed faces in `fonts` and answers whether all of them
// are there.
bool keepListedOnly(FcFontSet* fonts) {
  int kept = 0;
  for (int i = 0; i < fonts->nfont; ++i) {
    FcChar8* file = nullptr;
    if (FcPatternGetString(fonts->fonts[i], FC_FILE, 0, &file) == FcResultMatch && listed(file))
      fonts->fonts[kept++] = fonts->fonts[i];
    else
      FcPatternDestroy(fonts->fonts[i]);
  }
  fonts->nfont = kept;
  std::size_t files = 0;
  while (reportFontFiles[files]) ++files;
  return files > 0 && static_cast<std::size_t>(kept) == files;
}

// Adds the report faces to `config` as fontconfig's caches of their folders
// describe them where the caches are current (reading a font file to learn
// its characters costs more than all the rest of the set-up); answers
// whether every listed face is there.
bool addReportFaces(FcConfig* config) {
  const std::string caches = std::string("<fontconfig><cachedir>") + fontconfigCacheFolder +
                             "</cachedir><cachedir prefix=\"xdg\">fontconfig</cachedir></fontconfig>";
  if (!FcConfigParseAndLoadFromMemory(config, reinterpret_cast<const FcChar8*>(caches.c_str()), FcFalse))
    return false;
  std::set<std::string> folders;
  for (const char* const* file = reportFontFiles; *file; ++file)
    folders.insert(std::filesystem::path(*file).parent_path().string());
  for (const std::string& folder : folders)
    if (!FcConfigAppFontAddDir(config, reinterpret_cast<const FcChar8*>(folder.c_str()))) return false;
  FcFontSet* fonts = FcConfigGetFonts(config, FcSetApplication);
  return fonts && keepListedOnly(fonts);
}

// A configuration of the report faces alone, made the process's current one
// so that fontconfig never reads the system's (pango starts fontconfig with
// whatever is current); null when a listed face cannot be had.
FcConfig* loadReportFaces() {
  FcConfig* config = FcConfigCreate();
  if (config && addReportFaces(config) && FcConfigSetCurrent(config)) return config;
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

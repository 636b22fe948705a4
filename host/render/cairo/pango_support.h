// Pango settings shared by the measurer and the painter, so that a text
// measures the same when laid out as when drawn: font descriptions with
// absolute sizes in points (one point is one unit of user space on a PDF
// page) and font options without hinted metrics (hinting would make widths
// depend on the resolution of the output).
#pragma once

#include <pango/pangocairo.h>

#include <string>
#include <string_view>

#include "host/framework/report/font.h"

namespace crv::render {

// A new description for the font; the caller frees it.
PangoFontDescription* describeFont(const Font& font);

// Applies unhinted metrics and outlines to a pango context.
void applyFontOptions(PangoContext* context);

// The text itself when it is valid UTF-8, else a copy with the invalid
// bytes replaced, which pango requires.
std::string validUtf8(std::string_view text);

// A key for caches: family, size, weight and slant.
std::string fontKey(const Font& font);

}  // namespace crv::render

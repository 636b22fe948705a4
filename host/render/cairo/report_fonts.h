// The font maps reports are drawn and measured with.
//
// Starting fontconfig the usual way reads every configuration file under
// /etc/fonts and the cache of every installed font, which costs a command
// that prints one order more than all its drawing. Reports are drawn in a
// few faces of one family, so a process in which nothing else uses
// fontconfig gives it a configuration of its own that holds just those faces
// (the files fontconfig matched for them on the machine that built the
// program), as fontconfig's cache of their folder describes them when the
// cache is current. Text those faces cannot give exactly as the system
// configuration would (another family, a character they lack) is drawn from
// a font map over the system configuration, loaded the first time such text
// comes. When a report face's file is missing, everything uses the system
// configuration.
//
// Pango's font maps are not shared between threads: each thread gets maps of
// its own over the same configurations, and one map per configuration is
// kept for callers that serialize their use of it.
#pragma once

#include <pango/pangocairo.h>

#include <string_view>

#include "host/framework/report/font.h"

namespace crv::render {

// Makes the engine use the report faces' own configuration, unless
// `fontconfigShared`: another part of the process (a window toolkit) uses
// fontconfig and owns its current configuration. Called once, before any
// font map is asked for.
void chooseFontConfiguration(bool fontconfigShared);

// The font map that draws `text` in `font` as the system configuration
// would. With an empty text the family alone decides.
PangoFontMap* fontMapFor(const Font& font, std::string_view text);

// The font map for `font`'s family (as fontMapFor with an empty text), one
// for the whole process: its users serialize every use of it and of the
// fonts it gives.
PangoFontMap* sharedFontMapFor(const Font& font);

}  // namespace crv::render

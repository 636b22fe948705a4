// Whether this process can show windows, and what to tell the person when it
// cannot. The entry point asks before it loads the desktop, so a run without
// a display never loads the toolkit.
#pragma once

#include <ostream>

namespace crv {

// Whether a window can be shown: a display (X11 or Wayland), or a Qt
// platform named in QT_QPA_PLATFORM (such as "offscreen").
bool hasDisplay();
// What to do without a display: run off screen, under a virtual display, or
// use the command line.
void explainNoDisplay(std::ostream& out);

}  // namespace crv

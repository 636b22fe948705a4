// The desktop application: the main window on a company, with the Qt front
// end installed for the procedures it runs.
#pragma once

#include <filesystem>
#include <ostream>

namespace crv::desktop {

// Whether a window can be shown: a display (X11 or Wayland), or a Qt
// platform named in QT_QPA_PLATFORM (such as "offscreen").
bool hasDisplay();
// What to do without a display: run off screen, under a virtual display, or
// use the command line.
void explainNoDisplay(std::ostream& out);

// Runs the application on the company in `folder` until its main window
// closes; answers the exit code. Without a display it explains and
// answers 2.
int runDesktop(const std::filesystem::path& folder, int argc, char** argv);

}  // namespace crv::desktop

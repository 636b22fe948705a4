// The desktop application: the main window on a company, with the Qt front
// end installed for the procedures it runs.
//
// The library is a plugin: crvhost loads it only for the desktop commands
// and calls crvRunDesktop, so the command line never loads Qt Widgets.
#pragma once

#include <filesystem>

#include "host/framework/services/module_export.h"

namespace crv::desktop {

// Runs the application on the company in `folder` until its main window
// closes; answers the exit code. Without a display it explains and
// answers 2.
//
// With CRV_QUIT_WHEN_SHOWN set to the CLOCK_MONOTONIC reading (in
// nanoseconds) at which the caller started the program, the application
// prints "main window shown after N ms" once the main window has been
// painted and quits: the start-up benchmark's measure.
int runDesktop(const std::filesystem::path& folder, int argc, char** argv);

}  // namespace crv::desktop

extern "C" CRV_EXPORT int crvRunDesktop(const char* folder, int argc, char** argv);

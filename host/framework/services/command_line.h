// The process's command line, as the operating system holds it.
//
// Read from /proc/self/cmdline rather than from main's arguments, so that
// library load hooks, which run before main, see the switches too.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace crv {

// The program name followed by its arguments; empty when it cannot be read.
std::vector<std::string> commandLineArguments();

}  // namespace crv

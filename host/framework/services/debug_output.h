// The debug output: trace lines for developers and support.
//
// Lines always go to an in-memory list (the most recent ones are kept, so a
// long session cannot grow it without bound), where the host's diagnostics
// and the tests read them. They are also written to the error stream when
// the environment variable CRV_DEBUG is set. Safe to call from any thread and
// during library load and unload.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace crv {

void debugOutput(std::string line);

// The kept lines, oldest first.
std::vector<std::string> debugLines();
void clearDebugLines();

// How many of the most recent lines are kept.
inline constexpr std::size_t debugLinesKept = 10000;

}  // namespace crv

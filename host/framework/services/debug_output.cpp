// The debug output.
#include "host/framework/services/debug_output.h"

#include <cstdio>
#include <cstdlib>
#include <deque>
#include <mutex>

namespace crv {
namespace {

struct DebugStore {
  std::mutex mutex;
  std::deque<std::string> lines;
};

// Never destroyed: library unload hooks write here after the process has
// started tearing down its static objects.
DebugStore& store() {
  static DebugStore* instance = new DebugStore;
  return *instance;
}

}  // namespace

void debugOutput(std::string line) {
  if (std::getenv("CRV_DEBUG")) std::fprintf(stderr, "%s\n", line.c_str());
  DebugStore& s = store();
  std::lock_guard lock(s.mutex);
  s.lines.push_back(std::move(line));
  if (s.lines.size() > debugLinesKept) s.lines.pop_front();
}

std::vector<std::string> debugLines() {
  DebugStore& s = store();
  std::lock_guard lock(s.mutex);
  return {s.lines.begin(), s.lines.end()};
}

void clearDebugLines() {
  DebugStore& s = store();
  std::lock_guard lock(s.mutex);
  s.lines.clear();
}

}  // namespace crv

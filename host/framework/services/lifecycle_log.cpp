// The lifecycle log.
#include "host/framework/services/lifecycle_log.h"

#include <cstdio>
#include <mutex>

namespace crv {
namespace {

struct LogStore {
  std::mutex mutex;
  std::vector<LifecycleLog::Entry> entries;
};

// Never destroyed, for the unload hooks that run during process exit.
LogStore& store() {
  static LogStore* instance = new LogStore;
  return *instance;
}

}  // namespace

void LifecycleLog::record(std::string module, std::string event, std::string detail) {
  LogStore& s = store();
  std::lock_guard lock(s.mutex);
  s.entries.push_back(Entry{std::move(module), std::move(event), std::move(detail)});
}

std::vector<LifecycleLog::Entry> LifecycleLog::entries() {
  LogStore& s = store();
  std::lock_guard lock(s.mutex);
  return s.entries;
}

void LifecycleLog::clear() {
  LogStore& s = store();
  std::lock_guard lock(s.mutex);
  s.entries.clear();
}

std::string LifecycleLog::pointerText(const void* object) {
  if (!object) return "null";
  char text[32];
  std::snprintf(text, sizeof text, "%p", object);
  return text;
}

}  // namespace crv

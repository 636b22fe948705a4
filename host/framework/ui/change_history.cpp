// The change history and its in-memory sink.
#include "host/framework/ui/change_history.h"

namespace crv::ui {

TableError MemoryChangeHistory::record(const HistoryEntry& entry) {
  std::lock_guard lock(mutex_);
  entries_.push_back(entry);
  return {};
}

std::vector<HistoryEntry> MemoryChangeHistory::entries() const {
  std::lock_guard lock(mutex_);
  return entries_;
}

void MemoryChangeHistory::clear() {
  std::lock_guard lock(mutex_);
  entries_.clear();
}

ChangeHistorySink* ChangeHistory::setSink(ChangeHistorySink* sink) {
  std::lock_guard lock(mutex_);
  ChangeHistorySink* previous = sink_;
  sink_ = sink;
  return previous;
}

ChangeHistorySink& ChangeHistory::sink() {
  std::lock_guard lock(mutex_);
  return sink_ ? *sink_ : memory_;
}

void ChangeHistory::setUser(std::string user) {
  std::lock_guard lock(mutex_);
  user_ = std::move(user);
}

std::string ChangeHistory::user() const {
  std::lock_guard lock(mutex_);
  return user_;
}

TableError ChangeHistory::record(std::string procedure, std::string field, std::string oldValue,
                                 std::string newValue) {
  HistoryEntry entry{std::move(procedure), std::move(field), std::move(oldValue), std::move(newValue), user(),
                     Date::today(),        Time::now()};
  return sink().record(entry);
}

ChangeHistory& changeHistory() {
  static ChangeHistory history;
  return history;
}

}  // namespace crv::ui

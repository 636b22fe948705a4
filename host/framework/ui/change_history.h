// The change history: which registered field of which form was changed
// from what to what, by whom and when.
//
// Forms register the fields whose changes matter; when a form writes a
// changed record, every registered field whose shown value differs from the
// one at opening is recorded, in the same transaction as the record, so a
// change is never kept without its history. Entries go to a sink: the
// in-memory one by default, a table in the company database when the data
// layer installs one.
#pragma once

#include <mutex>
#include <string>
#include <vector>

#include "host/framework/table/table_error.h"
#include "host/framework/values/date.h"
#include "host/framework/values/time.h"

namespace crv::ui {

struct HistoryEntry {
  std::string procedure;  // "UpdatePODetail"
  std::string field;      // "POD:QtyOrdered"
  std::string oldValue;   // as shown in the form
  std::string newValue;
  std::string user;
  Date date;
  Time time;

  bool operator==(const HistoryEntry&) const = default;
};

class ChangeHistorySink {
 public:
  virtual ~ChangeHistorySink() = default;
  // The error when the entry could not be kept.
  virtual TableError record(const HistoryEntry& entry) = 0;
};

class MemoryChangeHistory final : public ChangeHistorySink {
 public:
  TableError record(const HistoryEntry& entry) override;
  std::vector<HistoryEntry> entries() const;
  void clear();

 private:
  mutable std::mutex mutex_;
  std::vector<HistoryEntry> entries_;
};

class ChangeHistory {
 public:
  // nullptr goes back to the in-memory sink. Returns the sink that was set.
  ChangeHistorySink* setSink(ChangeHistorySink* sink);
  ChangeHistorySink& sink();
  MemoryChangeHistory& memory() { return memory_; }

  // The user the entries are recorded under (the host sets it at log-in).
  void setUser(std::string user);
  std::string user() const;

  // Records one change, stamped with the user and the current date and
  // time; the error when it could not be kept.
  TableError record(std::string procedure, std::string field, std::string oldValue, std::string newValue);

 private:
  mutable std::mutex mutex_;
  MemoryChangeHistory memory_;
  ChangeHistorySink* sink_ = nullptr;
  std::string user_;
};

// The process's change history.
ChangeHistory& changeHistory();

}  // namespace crv::ui

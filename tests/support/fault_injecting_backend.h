// A storage backend for tests that fails on demand: it wraps the real
// backend and makes the Nth read, write or commit after arming fail with a
// chosen error (busy, disk full, I/O), so that failure paths are reached on
// purpose. Until armed, and after the fault fired, it only passes calls on.
//
//   test::FaultInjectingBackend storage;
//   auto company = Company::open(folder, true, storage);
//   storage.failNth(test::StorageOp::Write, 3, test::Fault::DiskFull);  // the 3rd write from now
//   ... run the operation, check what it did ...
//   EXPECT_TRUE(storage.fired());
//
// Reads are fetches, fetches by row and rows handed out by a scan (the end
// of a scan is not a read); writes are inserts, updates and removes. A
// table name restricts the count to that table's reads or writes.
#pragma once

#include <memory>
#include <mutex>
#include <string>
#include <string_view>

#include "host/framework/storage/storage_backend.h"

namespace crv::test {

enum class StorageOp { Read, Write, Commit };
enum class Fault {
  Busy,      // another station holds the lock (File Is Already Locked)
  DiskFull,  // the disk ran out of room
  IoError,   // the storage engine could not read or write its file
};

// The error a backend answers for `fault`.
TableError faultError(Fault fault);

class FaultInjectingBackend final : public StorageBackend {
 public:
  // Wraps the SQLite backend.
  FaultInjectingBackend();
  explicit FaultInjectingBackend(std::unique_ptr<StorageBackend> real);
  ~FaultInjectingBackend() override;

  std::string name() const override;
  std::unique_ptr<Connection> open(const std::string& location, const SchemaInfo& schema,
                                   bool create) override;

  // Arms the backend: the nth (1-based) operation of kind `op` from now on,
  // on `table` when one is named, fails with `fault`. Replaces an earlier
  // arming.
  void failNth(StorageOp op, int nth, Fault fault, std::string_view table = {});
  void disarm();
  // Whether the armed fault has fired.
  bool fired() const;
  // Operations of kind `op` (on the armed table, if any) counted since the
  // last arming.
  int counted(StorageOp op) const;

  // Called by the wrapped connections: the error to answer instead of
  // running the operation, or none.
  TableError intercept(StorageOp op, std::string_view table);

 private:
  struct Plan;
  std::unique_ptr<StorageBackend> real_;
  mutable std::mutex mutex_;
  std::unique_ptr<Plan> plan_;
};

}  // namespace crv::test

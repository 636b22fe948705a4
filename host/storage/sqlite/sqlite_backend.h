// The embedded storage backend: one SQLite database file per company.
//
// Each table is an SQLite table with one column per field and one index per
// key; a key that leaves out blank rows is a partial index. The database runs
// in WAL mode so that several processes on one machine can share it, with a
// busy wait so that a station waits briefly for another's write.
#pragma once

#include "host/framework/storage/storage_backend.h"

namespace crv {

class SqliteBackend final : public StorageBackend {
 public:
  std::string name() const override { return "sqlite"; }
  std::unique_ptr<Connection> open(const std::string& location, const SchemaInfo& schema,
                                   bool create) override;
};

}  // namespace crv

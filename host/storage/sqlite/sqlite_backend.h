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
  // What every connection runs with: WAL so that stations share the file, a
  // full sync at each commit so that a committed write survives a power
  // cut, and a page cache (64 MiB at most, taken only as pages are read)
  // that holds the pages a long write keeps coming back to. With the
  // default 2 MiB, a run inserting into a table with many keys (order
  // headers have eight) evicts index pages it still has to change, so
  // SQLite writes them into the log in the middle of the transaction and
  // reads them back for the next rows.
  static constexpr const char* connectionSettings =
      "PRAGMA journal_mode=WAL; PRAGMA synchronous=FULL; PRAGMA cache_size=-65536";

  std::string name() const override { return "sqlite"; }
  std::unique_ptr<Connection> open(const std::string& location, const SchemaInfo& schema,
                                   bool create) override;
};

}  // namespace crv

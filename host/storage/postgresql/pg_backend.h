// The server storage backend: a company as one schema of a PostgreSQL
// database, over libpq.
//
// Each table is a table of the company's schema with one column per field
// and one index per key; a key that leaves out blank rows is a partial
// index. Text columns use the "C" collation, so text orders byte by byte as
// on the embedded engine; a case-insensitive key indexes the lower-case form
// of its text fields (lower() folds only A to Z under "C", as the embedded
// engine's NOCASE does), so both engines order such keys alike. Auto-numbers
// and the hidden row identity come from one sequence per table.
//
// The password never comes from the company folder: libpq reads it from
// ~/.pgpass or the file PGPASSFILE names.
#pragma once

#include <string>

#include "host/framework/services/module_export.h"
#include "host/framework/storage/server_company.h"
#include "host/framework/storage/storage_backend.h"

namespace crv {

class PostgresqlBackend final : public StorageBackend {
 public:
  explicit PostgresqlBackend(ServerCompany server) : server_(std::move(server)) {}
  std::string name() const override { return "postgresql"; }
  // `location` is only the name used in messages; the server and schema are
  // the ones given to the constructor.
  std::unique_ptr<Connection> open(const std::string& location, const SchemaInfo& schema,
                                   bool create) override;

 private:
  ServerCompany server_;
};

}  // namespace crv

// A new backend for `server`, for a host that loads this library only when a
// company on a server is opened.
extern "C" CRV_EXPORT crv::StorageBackend* crvCreatePostgresqlBackend(const crv::ServerCompany* server);

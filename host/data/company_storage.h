// Where a company folder keeps its data: the SQLite file "company.db" in the
// folder, or the PostgreSQL server that the folder's "company.ini" names:
//
//   [Database]
//   Engine=postgresql
//   Host=db.example.com
//   Port=5432
//   Database=accounting
//   Schema=harbor_ridge
//   User=jsullivan
//
// The password is never kept in the folder (a shared folder would hand it to
// everyone who can read it): libpq reads it from ~/.pgpass or the file
// PGPASSFILE names, and a company.ini holding one is refused.
#pragma once

#include <filesystem>
#include <memory>
#include <string>

#include "host/framework/storage/server_company.h"
#include "host/framework/storage/storage_backend.h"

namespace crv {

class CompanyStorage {
 public:
  static constexpr const char* databaseFileName = "company.db";
  static constexpr const char* serverFileName = "company.ini";

  // Reads company.ini when the folder has one. Throws StorageOpenError when
  // it names no engine this program knows or holds a password.
  explicit CompanyStorage(std::filesystem::path folder);

  bool onServer() const { return onServer_; }
  const ServerCompany& server() const { return server_; }
  // company.db or company.ini is there.
  bool exists() const;
  // The database as messages name it: the file, or the server and schema.
  std::string describe() const;
  // The engine's backend, opening describe().
  std::unique_ptr<StorageBackend> backend() const;
  // A connection of its own; every call is another station. Throws
  // StorageOpenError.
  std::unique_ptr<Connection> open(const SchemaInfo& schema, bool create) const;

  // Makes `folder` (created when missing) a server company folder.
  static void writeServerSettings(const std::filesystem::path& folder, const ServerCompany& server);
  // A server company from a URL "postgresql://user@host:port/database?schema=name";
  // throws std::invalid_argument saying what is wrong with it.
  static ServerCompany parseUrl(const std::string& url);

 private:
  std::filesystem::path folder_;
  bool onServer_ = false;
  ServerCompany server_;
};

}  // namespace crv

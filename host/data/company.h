// A company: its data folder and its database, the SQLite file in the folder
// or a schema on the PostgreSQL server the folder's company.ini names
// (host/data/company_storage.h).
//
// Opening a company opens (or creates) the database with every table the
// host knows, upgrades an older layout, and attaches the table access
// objects to it. Only one company is open in a process at a time; closing
// it detaches the tables again.
#pragma once

#include <filesystem>
#include <memory>

#include "host/data/company_storage.h"
#include "host/framework/storage/storage_backend.h"

namespace crv {

class Company {
 public:
  static constexpr const char* databaseFileName = CompanyStorage::databaseFileName;
  // The data version this program writes; older databases are upgraded.
  // Version 2 keeps a version and the last writer with every row.
  static constexpr int schemaVersion = 2;

  // Throws StorageOpenError with a message naming the file and the problem.
  static std::unique_ptr<Company> open(const std::filesystem::path& folder, bool create = false);
  // The same through a given backend (tests wrap the real one to make it
  // fail on demand).
  static std::unique_ptr<Company> open(const std::filesystem::path& folder, bool create,
                                       StorageBackend& backend);
  static bool exists(const std::filesystem::path& folder);
  // The company open in this process, or nullptr.
  static Company* current();

  ~Company();
  Company(const Company&) = delete;
  Company& operator=(const Company&) = delete;

  const std::filesystem::path& folder() const { return folder_; }
  std::filesystem::path databaseFile() const { return folder_ / databaseFileName; }
  const CompanyStorage& storage() const { return storage_; }
  Connection& connection() { return *connection_; }
  // A connection of its own to the same database, as another station has.
  std::unique_ptr<Connection> connect() const;

  // The schema every company database holds.
  static SchemaInfo schema();

 private:
  Company(std::filesystem::path folder, CompanyStorage storage, std::unique_ptr<Connection> connection);

  std::filesystem::path folder_;
  CompanyStorage storage_;
  std::unique_ptr<Connection> connection_;
};

}  // namespace crv

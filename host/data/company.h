// A company: its data folder and the database in it.
//
// Opening a company opens (or creates) the database file in the folder with
// every table the host knows, upgrades an older layout, and attaches the
// table access objects to it. Only one company is open in a process at a
// time; closing it detaches the tables again.
#pragma once

#include <filesystem>
#include <memory>

#include "host/framework/storage/storage_backend.h"

namespace crv {

class Company {
 public:
  static constexpr const char* databaseFileName = "company.db";
  // The data version this program writes; older databases are upgraded.
  static constexpr int schemaVersion = 1;

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
  Connection& connection() { return *connection_; }

  // The schema every company database holds.
  static SchemaInfo schema();

 private:
  Company(std::filesystem::path folder, std::unique_ptr<Connection> connection);

  std::filesystem::path folder_;
  std::unique_ptr<Connection> connection_;
};

}  // namespace crv

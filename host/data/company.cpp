// Opening and closing a company.
#include "host/data/company.h"

#include "host/data/tables/table_registry.h"
#include "host/storage/sqlite/sqlite_backend.h"

namespace crv {
namespace {
Company* openCompany = nullptr;
}

SchemaInfo Company::schema() {
  SchemaInfo info;
  info.application = "crvpo company";
  info.version = schemaVersion;
  info.tables = TableRegistry::definitions();
  return info;
}

bool Company::exists(const std::filesystem::path& folder) {
  std::error_code ec;
  return std::filesystem::exists(folder / databaseFileName, ec);
}

std::unique_ptr<Company> Company::open(const std::filesystem::path& folder, bool create) {
  SqliteBackend backend;
  return open(folder, create, backend);
}

std::unique_ptr<Company> Company::open(const std::filesystem::path& folder, bool create,
                                       StorageBackend& backend) {
  if (openCompany)
    throw StorageOpenError("Another company is already open: " + openCompany->folder().string());
  std::error_code ec;
  if (create) std::filesystem::create_directories(folder, ec);
  if (!std::filesystem::is_directory(folder, ec))
    throw StorageOpenError("The company folder \"" + folder.string() + "\" does not exist.");
  auto connection = backend.open((folder / databaseFileName).string(), schema(), create);
  return std::unique_ptr<Company>(new Company(folder, std::move(connection)));
}

Company* Company::current() { return openCompany; }

Company::Company(std::filesystem::path folder, std::unique_ptr<Connection> connection)
    : folder_(std::move(folder)), connection_(std::move(connection)) {
  for (Table* table : TableRegistry::tables()) table->attach(connection_.get());
  openCompany = this;
}

Company::~Company() {
  for (Table* table : TableRegistry::tables()) {
    while (table->isOpen()) table->close();
    table->attach(nullptr);
  }
  openCompany = nullptr;
}

}  // namespace crv

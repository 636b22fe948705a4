// Company folders and their engines.
#include "host/data/company_storage.h"

#include <stdexcept>

#include "host/framework/services/ini_class.h"
#include "host/framework/services/plugin_library.h"
#include "host/framework/values/text.h"
#include "host/storage/sqlite/sqlite_backend.h"

namespace crv {
namespace {

constexpr const char* section = "Database";

[[noreturn]] void refuse(const std::filesystem::path& file, const std::string& problem) {
  throw StorageOpenError("The company settings \"" + file.string() + "\" cannot be used: " + problem);
}

}  // namespace

CompanyStorage::CompanyStorage(std::filesystem::path folder) : folder_(std::move(folder)) {
  const auto file = folder_ / serverFileName;
  std::error_code ec;
  if (!std::filesystem::exists(file, ec)) return;
  INIClass ini;
  ini.init(file);
  const std::string engine = toUpperAscii(ini.fetch(section, "Engine"));
  if (engine.empty() || engine == "SQLITE") return;
  if (engine != "POSTGRESQL")
    refuse(file, "the engine \"" + ini.fetch(section, "Engine") + "\" is not known (postgresql or sqlite)");
  if (!ini.fetch(section, "Password").empty())
    refuse(file,
           "it holds a password; keep the password in ~/.pgpass (or the file PGPASSFILE names) and "
           "remove it from the company folder");
  onServer_ = true;
  server_.host = ini.fetch(section, "Host", "localhost");
  server_.port = ini.fetch(section, "Port", "5432");
  server_.database = ini.fetch(section, "Database");
  server_.schema = ini.fetch(section, "Schema");
  server_.user = ini.fetch(section, "User");
  if (const std::string problem = server_.problem(); !problem.empty()) refuse(file, problem);
}

bool CompanyStorage::exists() const {
  std::error_code ec;
  return onServer_ || std::filesystem::exists(folder_ / databaseFileName, ec);
}

std::string CompanyStorage::describe() const {
  return onServer_ ? server_.describe() : (folder_ / databaseFileName).string();
}

// The server backend (libpq, with its TLS, Kerberos and LDAP libraries) is
// loaded only when a company on a server is opened.
std::unique_ptr<StorageBackend> CompanyStorage::backend() const {
  if (!onServer_) return std::make_unique<SqliteBackend>();
  const PluginEntry entry = pluginEntry("crvpostgresql", "crvCreatePostgresqlBackend");
  if (!entry.address)
    throw StorageOpenError("The company on " + describe() + " cannot be opened: " + entry.error);
  using Create = StorageBackend*(const ServerCompany*);
  return std::unique_ptr<StorageBackend>(reinterpret_cast<Create*>(entry.address)(&server_));
}

std::unique_ptr<Connection> CompanyStorage::open(const SchemaInfo& schema, bool create) const {
  return backend()->open(describe(), schema, create);
}

void CompanyStorage::writeServerSettings(const std::filesystem::path& folder, const ServerCompany& server) {
  std::error_code ec;
  std::filesystem::create_directories(folder, ec);
  INIClass ini;
  ini.init(folder / serverFileName);
  const bool written =
      ini.update(section, "Engine", "postgresql") && ini.update(section, "Host", server.host) &&
      ini.update(section, "Port", server.port) && ini.update(section, "Database", server.database) &&
      ini.update(section, "Schema", server.schema) && ini.update(section, "User", server.user);
  if (!written) throw StorageOpenError("The company settings cannot be written: " + ini.lastError());
}

ServerCompany CompanyStorage::parseUrl(const std::string& url) {
  std::string rest;
  for (const char* scheme : {"postgresql://", "postgres://"})
    if (url.rfind(scheme, 0) == 0) rest = url.substr(std::string(scheme).size());
  if (rest.empty())
    throw std::invalid_argument(
        "\"" + url + "\" is not a server address (postgresql://user@host:port/database?schema=name)");
  ServerCompany server;
  server.port = "5432";
  const auto at = rest.find('@');
  if (at != std::string::npos) {
    server.user = rest.substr(0, at);
    if (server.user.find(':') != std::string::npos)
      throw std::invalid_argument("the address holds a password; keep it in ~/.pgpass instead");
    rest = rest.substr(at + 1);
  }
  const auto slash = rest.find('/');
  std::string hostPort = rest.substr(0, slash);
  std::string path = slash == std::string::npos ? "" : rest.substr(slash + 1);
  if (const auto colon = hostPort.rfind(':'); colon != std::string::npos) {
    server.port = hostPort.substr(colon + 1);
    hostPort = hostPort.substr(0, colon);
  }
  server.host = hostPort.empty() ? "localhost" : hostPort;
  const auto query = path.find('?');
  server.database = path.substr(0, query);
  if (query != std::string::npos) {
    const std::string parameters = path.substr(query + 1);
    if (parameters.rfind("schema=", 0) == 0) server.schema = parameters.substr(7);
  }
  if (server.user.empty()) {
    const char* user = std::getenv("USER");
    server.user = user ? user : "";
  }
  if (const std::string problem = server.problem(); !problem.empty()) throw std::invalid_argument(problem);
  return server;
}

}  // namespace crv

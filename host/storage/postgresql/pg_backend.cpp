// Opening a company on a PostgreSQL server: connects, checks that the schema
// is a company of a version this program reads, then lays out or upgrades
// its tables and keys in one transaction under the company's write lock, so
// that a failure leaves the schema as it was and two stations opening a new
// company at once do not both lay it out.
#include "host/storage/postgresql/pg_backend.h"

#include <map>
#include <set>
#include <vector>

#include "host/storage/postgresql/pg_connection.h"

namespace crv {
namespace {

using postgresql::PgConnection;
using postgresql::quote;

constexpr const char* companyTable = "_crv_company";

[[noreturn]] void fail(const std::string& location, const std::string& problem) {
  throw StorageOpenError("The company database \"" + location + "\" cannot be opened: " + problem);
}

bool mentions(const std::string& text, const char* part) { return text.find(part) != std::string::npos; }

// libpq says what went wrong in its own words; the person is told what to do.
std::string explainConnectFailure(const std::string& why, const ServerCompany& server) {
  if (mentions(why, "password authentication failed") || mentions(why, "no password supplied"))
    return "the server refused user \"" + server.user +
           "\": the password in ~/.pgpass (or in the file PGPASSFILE names) is missing or wrong (" + why +
           ")";
  if (mentions(why, "database \"") && mentions(why, "does not exist"))
    return "the database \"" + server.database + "\" does not exist on the server (" + why + ")";
  if (mentions(why, "Connection refused") || mentions(why, "could not connect") || mentions(why, "timeout") ||
      mentions(why, "could not translate host name") || mentions(why, "No such file"))
    return "the database server does not answer at " + server.host + " port " + server.port +
           "; is it running? (" + why + ")";
  return why;
}

std::string columnType(FieldKind kind) {
  switch (kind) {
    case FieldKind::Text:
      return "text COLLATE \"C\" NOT NULL DEFAULT ''";
    case FieldKind::Real:
      return "double precision NOT NULL DEFAULT 0";
    default:
      return "bigint NOT NULL DEFAULT 0";
  }
}

class Layout {
 public:
  Layout(PgConnection& connection, std::string location)
      : connection_(connection), location_(std::move(location)) {}

  void exec(const std::string& sql) {
    const TableError error = connection_.execute(sql);
    if (error.failed()) fail(location_, error.describe());
  }

  // Tables and indexes go to the server in one round trip.
  void later(std::string sql) { pending_.push_back(std::move(sql)); }
  void flush() {
    std::string all;
    for (const std::string& sql : pending_) all += sql + ";\n";
    pending_.clear();
    if (!all.empty()) exec(all);
  }

  postgresql::Result query(const std::string& sql, const postgresql::Params& params) {
    TableError error;
    postgresql::Result result = connection_.read(sql, params, error);
    if (error.failed()) fail(location_, error.describe());
    return result;
  }

  // The stored data version: 0 for a new company.
  int check(const std::string& schema, const SchemaInfo& info, bool create) {
    auto found = query(
        "SELECT (SELECT count(*) FROM pg_namespace WHERE nspname = $1), "
        "to_regclass($2) IS NOT NULL, (SELECT count(*) FROM pg_tables WHERE schemaname = $1)",
        {schema, quote(schema) + "." + quote(companyTable)});
    if (found.integer(0, 0) == 0) {
      if (!create) fail(location_, "the company's schema \"" + schema + "\" does not exist in the database");
      exec("CREATE SCHEMA " + quote(schema));
      return 0;
    }
    if (found.text(0, 1) != "t") {
      if (found.integer(0, 2) != 0)
        fail(location_, "the schema \"" + schema + "\" is not a company database");
      return 0;
    }
    auto stored = query("SELECT application, version FROM " + quote(companyTable), {});
    if (stored.rows() != 1 || stored.text(0, 0) != info.application)
      fail(location_, "the schema \"" + schema + "\" is not a company database");
    const auto version = static_cast<int>(stored.integer(0, 1));
    if (version > info.version)
      fail(location_, "it was written by a newer version of this program (data version " +
                          std::to_string(version) + ", this program reads up to " +
                          std::to_string(info.version) + ")");
    return version;
  }

  void readColumns(const std::string& schema) {
    auto rows = query(
        "SELECT table_name, column_name FROM information_schema.columns WHERE table_schema = $1", {schema});
    for (int i = 0; i < rows.rows(); ++i) columns_[std::string(rows.text(i, 0))].emplace(rows.text(i, 1));
  }

  void table(const TableDef& def) {
    const std::string name = postgresql::lowerAscii(def.name());
    const std::string table = quote(def.name());
    const std::string sequence = quote(def.name() + "_seq");
    const int autoField = def.autoNumberField();
    const std::string identity = "bigint PRIMARY KEY DEFAULT nextval('" + sequence + "')";
    auto existing = columns_.find(name);
    if (existing == columns_.end()) {
      std::string sql = "CREATE TABLE " + table + " (";
      if (autoField < 0) sql += quote(postgresql::hiddenRowColumn) + " " + identity + ", ";
      for (std::size_t i = 0; i < def.layout().size(); ++i) {
        const FieldDef& field = def.layout().at(i);
        sql += quote(field.name) + " " +
               (static_cast<int>(i) == autoField ? identity : columnType(field.kind)) + ", ";
      }
      sql += quote(postgresql::versionColumn) + " bigint NOT NULL DEFAULT 1, " +
             quote(postgresql::writerColumn) + " text NOT NULL DEFAULT '')";
      const std::string owner = autoField >= 0 ? def.layout().at(static_cast<std::size_t>(autoField)).name
                                               : postgresql::hiddenRowColumn;
      later("CREATE SEQUENCE " + sequence + "; " + sql + "; ALTER SEQUENCE " + sequence + " OWNED BY " +
            table + "." + quote(owner));
    } else {
      for (const FieldDef& field : def.layout().fields())
        if (!existing->second.count(postgresql::lowerAscii(field.name)))
          later("ALTER TABLE " + table + " ADD COLUMN " + quote(field.name) + " " + columnType(field.kind));
    }
    for (const KeyDef* key : def.keys()) index(def, *key);
  }

  void index(const TableDef& def, const KeyDef& key) {
    const int autoField = def.autoNumberField();
    if (autoField >= 0 && key.size() == 1 && def.layout().indexOf(key.fields[0]) == autoField) return;
    const postgresql::KeyExpressions expressions(def);
    std::string sql = std::string("CREATE ") + (key.unique ? "UNIQUE " : "") + "INDEX IF NOT EXISTS " +
                      quote(def.name() + "_" + key.name) + " ON " + quote(def.name()) + " (";
    for (std::size_t i = 0; i < key.size(); ++i)
      sql +=
          (i ? ", " : "") + (expressions.noCase(key.fields[i]) ? "(" + expressions.column(key.fields[i]) + ")"
                                                               : expressions.column(key.fields[i]));
    // Rows with equal keys follow their row identity, read straight from the
    // index.
    if (!key.unique)
      sql += ", " + quote(autoField >= 0 ? def.layout().at(static_cast<std::size_t>(autoField)).name
                                         : postgresql::hiddenRowColumn);
    sql += ")";
    if (key.excludeBlank) sql += " WHERE " + postgresql::partialCondition(def, key);
    later(sql);
  }

  void stamp(const SchemaInfo& info) {
    exec("CREATE TABLE IF NOT EXISTS " + quote(companyTable) +
         " (application text NOT NULL, version integer NOT NULL); DELETE FROM " + quote(companyTable));
    query("INSERT INTO " + quote(companyTable) + " (application, version) VALUES ($1, $2::integer)",
          {info.application, std::to_string(info.version)});
  }

 private:
  PgConnection& connection_;
  std::string location_;
  std::map<std::string, std::set<std::string>> columns_;
  std::vector<std::string> pending_;
};

}  // namespace

std::unique_ptr<Connection> PostgresqlBackend::open(const std::string& location, const SchemaInfo& schema,
                                                    bool create) {
  if (const std::string problem = server_.problem(); !problem.empty()) fail(location, problem);
  postgresql::Settings settings{{"host", server_.host},
                                {"port", server_.port.empty() ? "5432" : server_.port},
                                {"dbname", server_.database},
                                {"user", server_.user},
                                // Notices (an index that already exists, on every open) are not
                                // the person's business; warnings and errors still come.
                                {"options", "-c search_path=" + server_.schema +
                                                " -c lock_timeout=5000 -c client_min_messages=warning"},
                                {"application_name", "crvhost"},
                                {"connect_timeout", "10"}};
  auto connection = std::make_unique<PgConnection>(settings, server_.schema, location, schema.version);
  try {
    connection->connect();
  } catch (const StorageOpenError& error) {
    fail(location, explainConnectFailure(error.what(), server_));
  }
  const TableError begun = connection->begin(std::chrono::milliseconds(5000));
  if (begun.failed()) fail(location, "another station is laying out the company (" + begun.describe() + ")");
  try {
    Layout layout(*connection, location);
    const int version = layout.check(server_.schema, schema, create);
    layout.readColumns(server_.schema);
    for (const TableDef* def : schema.tables) layout.table(*def);
    layout.flush();
    for (const Migration& migration : schema.migrations) {
      if (version == 0 || migration.toVersion <= version) continue;
      const TableError error = migration.apply(*connection);
      if (error.failed())
        fail(location, "upgrading to data version " + std::to_string(migration.toVersion) + " (" +
                           migration.description + ") failed: " + error.describe());
    }
    layout.stamp(schema);
    const TableError committed = connection->commit();
    if (committed.failed()) fail(location, committed.describe());
  } catch (...) {
    connection->rollback();
    throw;
  }
  return connection;
}

}  // namespace crv

crv::StorageBackend* crvCreatePostgresqlBackend(const crv::ServerCompany* server) {
  return new crv::PostgresqlBackend(*server);
}

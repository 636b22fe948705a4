// Opening an SQLite company database: checks that the file is ours and not
// newer than this program, then lays out or upgrades its tables and keys in
// one transaction so that a failure leaves the file as it was. A file that
// already holds everything is opened without that transaction, so opening
// never waits for another station's long write.
#include "host/storage/sqlite/sqlite_backend.h"

#include <sqlite3.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <set>

#include "host/storage/sqlite/sqlite_connection.h"

namespace crv {
namespace sqlite {
std::string partialCondition(const TableDef& def, const KeyDef& key);
}

namespace {

using sqlite::quote;
namespace fs = std::filesystem;

// Identifies the file as a company database ("CRVP").
constexpr int applicationId = 0x43525650;

[[noreturn]] void fail(const std::string& location, const std::string& problem) {
  throw StorageOpenError("The company database \"" + location + "\" cannot be opened: " + problem);
}

std::string columnType(FieldKind kind) {
  switch (kind) {
    case FieldKind::Text:
      return "TEXT NOT NULL DEFAULT ''";
    case FieldKind::Real:
      return "REAL NOT NULL DEFAULT 0";
    default:
      return "INTEGER NOT NULL DEFAULT 0";
  }
}

class Database {
 public:
  Database(sqlite3* db, std::string location) : db_(db), location_(std::move(location)) {}

  void exec(const std::string& sql) {
    char* message = nullptr;
    const int rc = sqlite3_exec(db_, sql.c_str(), nullptr, nullptr, &message);
    if (rc != SQLITE_OK) {
      const std::string text = message ? message : sqlite3_errstr(rc);
      sqlite3_free(message);
      fail(location_, describe(rc, text));
    }
  }

  std::int64_t pragma(const std::string& name) {
    sqlite3_stmt* statement = nullptr;
    std::int64_t value = 0;
    int rc = sqlite3_prepare_v2(db_, ("PRAGMA " + name).c_str(), -1, &statement, nullptr);
    if (rc == SQLITE_OK) {
      rc = sqlite3_step(statement);
      if (rc == SQLITE_ROW) value = sqlite3_column_int64(statement, 0);
    }
    const std::string text = sqlite3_errmsg(db_);
    sqlite3_finalize(statement);
    if (rc != SQLITE_ROW && rc != SQLITE_DONE && rc != SQLITE_OK) fail(location_, describe(rc, text));
    return value;
  }

  // The names of the file's tables and indexes.
  std::set<std::string> schemaNames() {
    std::set<std::string> names;
    sqlite3_stmt* statement = nullptr;
    sqlite3_prepare_v2(db_, "SELECT name FROM sqlite_master WHERE type IN ('table', 'index')", -1, &statement,
                       nullptr);
    while (statement && sqlite3_step(statement) == SQLITE_ROW)
      names.insert(reinterpret_cast<const char*>(sqlite3_column_text(statement, 0)));
    sqlite3_finalize(statement);
    return names;
  }

  std::set<std::string> columns(const std::string& table) {
    std::set<std::string> names;
    sqlite3_stmt* statement = nullptr;
    sqlite3_prepare_v2(db_, ("PRAGMA table_info(" + quote(table) + ")").c_str(), -1, &statement, nullptr);
    while (statement && sqlite3_step(statement) == SQLITE_ROW)
      names.insert(reinterpret_cast<const char*>(sqlite3_column_text(statement, 1)));
    sqlite3_finalize(statement);
    return names;
  }

  static std::string describe(int rc, const std::string& text) {
    switch (rc & 0xff) {
      case SQLITE_NOTADB:
        return "it is not a company database (" + text + ")";
      case SQLITE_FULL:
        return "the disk is full (" + text + ")";
      case SQLITE_READONLY:
        return "the file or its folder is read-only (" + text + ")";
      case SQLITE_CANTOPEN:
        return "the file cannot be opened (" + text + ")";
      case SQLITE_BUSY:
        return "another program holds it locked (" + text + ")";
      case SQLITE_CORRUPT:
        return "the file is damaged (" + text + ")";
      default:
        return text;
    }
  }

 private:
  sqlite3* db_;
  std::string location_;
};

// Only a regular file is opened (a pipe or device would hang or read
// garbage), and an empty one only when a company is being created: an
// empty file is a damaged or truncated company, never an empty company.
void checkFileKind(const std::string& location, bool create) {
  std::error_code ec;
  const fs::file_status status = fs::status(location, ec);
  if (!fs::exists(status)) return;
  if (!fs::is_regular_file(status)) fail(location, "it is not a regular file");
  if (!create && fs::file_size(location, ec) == 0)
    fail(location, "the file is empty (0 bytes), so it holds no company");
}

void checkHeader(const std::string& location) {
  std::error_code ec;
  if (!fs::exists(location, ec) || fs::file_size(location, ec) == 0) return;
  std::ifstream in(location, std::ios::binary);
  char header[16] = {};
  in.read(header, sizeof header);
  if (in.gcount() < 16 || std::string(header, 15) != "SQLite format 3")
    fail(location, "it is not a company database");
}

void checkWritable(const std::string& location) {
  const fs::path path(location);
  const fs::path folder = path.has_parent_path() ? path.parent_path() : fs::path(".");
  if (::access(folder.c_str(), W_OK) != 0)
    fail(location, "the folder \"" + folder.string() + "\" is read-only or cannot be written");
  std::error_code ec;
  if (fs::exists(path, ec) && ::access(path.c_str(), W_OK) != 0) fail(location, "the file is read-only");
}

std::string indexName(const TableDef& def, const KeyDef& key) { return def.name() + "_" + key.name; }

// A key on the auto-numbered field alone is the row identity itself, not
// an index.
bool isRowIdentity(const TableDef& def, const KeyDef& key) {
  const int autoField = def.autoNumberField();
  return autoField >= 0 && key.size() == 1 && def.layout().indexOf(key.fields[0]) == autoField;
}

// Whether the file holds every table, column and index of `schema` at its
// version, so that there is nothing to lay out.
bool laidOut(Database& db, const SchemaInfo& schema, std::int64_t appId, std::int64_t version) {
  if (appId != applicationId || version != schema.version) return false;
  const std::set<std::string> names = db.schemaNames();
  for (const TableDef* def : schema.tables) {
    const std::set<std::string> existing = db.columns(def->name());
    for (const FieldDef& field : def->layout().fields())
      if (!existing.count(field.name)) return false;
    for (const KeyDef* key : def->keys())
      if (!isRowIdentity(*def, *key) && !names.count(indexName(*def, *key))) return false;
  }
  return true;
}

void createTable(Database& db, const TableDef& def) {
  const int autoField = def.autoNumberField();
  std::set<std::string> noCase;
  for (const KeyDef* key : def.keys())
    if (key->noCase)
      for (std::size_t i = 0; i < key->size(); ++i) noCase.insert(key->fields[i]);
  auto column = [&](const FieldDef& field) {
    std::string text = quote(field.name) + " " + columnType(field.kind);
    if (field.kind == FieldKind::Text && noCase.count(field.name)) text += " COLLATE NOCASE";
    return text;
  };

  const auto existing = db.columns(def.name());
  if (existing.empty()) {
    std::string sql = "CREATE TABLE " + quote(def.name()) + " (";
    if (autoField < 0) sql += "\"_row\" INTEGER PRIMARY KEY AUTOINCREMENT, ";
    for (std::size_t i = 0; i < def.layout().size(); ++i) {
      const FieldDef& field = def.layout().at(i);
      if (i > 0) sql += ", ";
      sql += static_cast<int>(i) == autoField ? quote(field.name) + " INTEGER PRIMARY KEY AUTOINCREMENT"
                                              : column(field);
    }
    db.exec(sql + ", " + sqlite::versionColumns + ")");
  } else {
    for (const FieldDef& field : def.layout().fields())
      if (!existing.count(field.name))
        db.exec("ALTER TABLE " + quote(def.name()) + " ADD COLUMN " + column(field));
    if (!existing.count(sqlite::versionColumn)) {
      db.exec("ALTER TABLE " + quote(def.name()) + " ADD COLUMN " + quote(sqlite::versionColumn) +
              " INTEGER NOT NULL DEFAULT 1");
      db.exec("ALTER TABLE " + quote(def.name()) + " ADD COLUMN " + quote(sqlite::writerColumn) +
              " TEXT NOT NULL DEFAULT ''");
    }
  }

  for (const KeyDef* key : def.keys()) {
    if (isRowIdentity(def, *key)) continue;
    std::string sql = std::string("CREATE ") + (key->unique ? "UNIQUE " : "") + "INDEX IF NOT EXISTS " +
                      quote(indexName(def, *key)) + " ON " + quote(def.name()) + " (";
    for (std::size_t i = 0; i < key->size(); ++i) sql += (i ? ", " : "") + quote(key->fields[i]);
    sql += ")";
    if (key->excludeBlank) sql += " WHERE " + sqlite::partialCondition(def, *key);
    db.exec(sql);
  }
}

}  // namespace

std::unique_ptr<Connection> SqliteBackend::open(const std::string& location, const SchemaInfo& schema,
                                                bool create) {
  std::error_code ec;
  const bool exists = fs::exists(location, ec);
  if (!exists && !create) fail(location, "the file does not exist");
  checkFileKind(location, create);
  checkHeader(location);
  checkWritable(location);

  sqlite3* handle = nullptr;
  int rc = sqlite3_open_v2(location.c_str(), &handle,
                           SQLITE_OPEN_READWRITE | (create ? SQLITE_OPEN_CREATE : 0) | SQLITE_OPEN_NOMUTEX,
                           nullptr);
  if (rc != SQLITE_OK) {
    const std::string text = handle ? sqlite3_errmsg(handle) : sqlite3_errstr(rc);
    sqlite3_close_v2(handle);
    fail(location, Database::describe(rc, text));
  }
  sqlite3_extended_result_codes(handle, 1);
  sqlite3_busy_timeout(handle, sqlite::SqliteConnection::defaultBusyMilliseconds);
  auto connection = std::make_unique<sqlite::SqliteConnection>(handle, location, schema.version);
  Database db(handle, location);

  const std::int64_t appId = db.pragma("application_id");
  const std::int64_t tables = db.pragma("schema_version");
  if (appId != applicationId && (appId != 0 || tables != 0)) fail(location, "it is not a company database");
  const std::int64_t version = db.pragma("user_version");
  if (version > schema.version)
    fail(location, "it was written by a newer version of this program (data version " +
                       std::to_string(version) + ", this program reads up to " +
                       std::to_string(schema.version) + ")");

  db.exec(SqliteBackend::connectionSettings);
  if (laidOut(db, schema, appId, version)) return connection;

  // Tables, columns and indexes this program knows are laid out on every
  // open, so a database of the same version made by an older build gains
  // what was added since; existing ones are left alone.
  db.exec("BEGIN IMMEDIATE");
  try {
    for (const TableDef* def : schema.tables) createTable(db, *def);
    for (const Migration& migration : schema.migrations) {
      if (version == 0 || migration.toVersion <= version) continue;
      const TableError error = migration.apply(*connection);
      if (error.failed())
        fail(location, "upgrading to data version " + std::to_string(migration.toVersion) + " (" +
                           migration.description + ") failed: " + error.describe());
    }
    db.exec("PRAGMA application_id=" + std::to_string(applicationId));
    db.exec("PRAGMA user_version=" + std::to_string(schema.version));
    db.exec("COMMIT");
  } catch (...) {
    sqlite3_exec(handle, "ROLLBACK", nullptr, nullptr, nullptr);
    throw;
  }
  return connection;
}

}  // namespace crv

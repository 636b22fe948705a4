// Copying a company between engines.
#include "host/data/company_copy.h"

#include "host/data/company.h"
#include "host/framework/storage/bulk_insert.h"
#include "host/framework/table/transaction.h"

namespace crv {
namespace {

// FNV-1a over the plain text of every field, with separators so that moved
// characters between fields change the sum.
class Checksum {
 public:
  void add(Record& record) {
    for (std::size_t i = 0; i < record.layout().size(); ++i) {
      for (char c : record.field(i).toString()) mix(static_cast<unsigned char>(c));
      mix(0x1f);
    }
    mix(0x1e);
  }
  std::uint64_t value() const { return hash_; }

 private:
  void mix(unsigned char byte) {
    hash_ ^= byte;
    hash_ *= 1099511628211ull;
  }
  std::uint64_t hash_ = 14695981039346656037ull;
};

// Reads every row of a table in row order.
TableError eachRow(Connection& connection, const TableDef& def,
                   const std::function<TableError(Record&)>& row) {
  auto record = def.newRecord();
  auto cursor = connection.store(def).scan(ScanRequest{});
  RowRef at;
  for (;;) {
    TableError error = cursor->next(*record, at);
    if (error.code == ErrorCode::RecordNotAvailable) return {};
    if (error.failed()) return error;
    if (TableError failed = row(*record); failed.failed()) return failed;
  }
}

bool holdsData(Connection& connection, std::string& table) {
  for (const TableDef* def : Company::schema().tables) {
    std::int64_t rows = 0;
    connection.store(*def).count(ScanRequest{}, rows);
    if (rows > 0) {
      table = def->name();
      return true;
    }
  }
  return false;
}

std::string failed(const std::string& step, const std::string& table, const TableError& error) {
  return step + " " + table + " failed: " + error.describe();
}

// Copies every table inside one transaction on the target; the source's
// counts and checksums go into `result`.
bool copyTables(Connection& source, Connection& target, CompanyCopyResult& result,
                const std::function<void(const std::string&)>& progress) {
  // Holding the source's write lock while reading keeps other stations'
  // writes out, so the copy is the company at one moment.
  Transaction reading(source);
  if (!reading.started()) {
    result.error = "other stations are writing to the source: " + reading.error().describe();
    return false;
  }
  Transaction transaction(target);
  if (!transaction.started()) {
    result.error = "the target is busy: " + transaction.error().describe();
    return false;
  }
  for (const TableDef* def : Company::schema().tables) {
    if (progress) progress(def->name());
    TableCopyCheck check;
    check.table = def->name();
    Checksum sum;
    const std::unique_ptr<BulkInsert> into = target.bulkInsert(*def);
    TableError error = eachRow(source, *def, [&](Record& record) {
      sum.add(record);
      ++check.sourceRows;
      return into->add(record);
    });
    if (!error.failed()) error = into->finish();
    if (error.failed()) {
      result.error = failed("Copying", def->name(), error);
      return false;
    }
    check.sourceChecksum = sum.value();
    result.tables.push_back(check);
  }
  if (transaction.commit() != TableStatus::Ok) {
    result.error = "committing the copy failed: " + transaction.error().describe();
    return false;
  }
  return true;
}

}  // namespace

bool CompanyCopyResult::verified() const {
  if (!copied) return false;
  for (const TableCopyCheck& table : tables)
    if (!table.matches()) return false;
  return true;
}

CompanyCopyResult copyCompany(const std::filesystem::path& from, const std::filesystem::path& to,
                              const std::function<void(const std::string&)>& progress) {
  CompanyCopyResult result;
  const CompanyStorage sourceStorage(from);
  const CompanyStorage targetStorage(to);
  if (!sourceStorage.exists()) {
    result.error = "there is no company in \"" + from.string() + "\"";
    return result;
  }
  if (sourceStorage.describe() == targetStorage.describe()) {
    result.error = "the source and the target are the same database";
    return result;
  }
  std::error_code ec;
  std::filesystem::create_directories(to, ec);
  auto source = sourceStorage.open(Company::schema(), false);
  auto target = targetStorage.open(Company::schema(), true);
  std::string table;
  if (holdsData(*target, table)) {
    result.error = "the target " + targetStorage.describe() + " already holds data (" + table +
                   "); copy into a new company only";
    return result;
  }
  result.copied = copyTables(*source, *target, result, progress);
  if (!result.copied) return result;
  const auto defs = Company::schema().tables;
  for (std::size_t i = 0; i < result.tables.size(); ++i) {
    TableCopyCheck& check = result.tables[i];
    Checksum sum;
    const TableError error = eachRow(*target, *defs[i], [&](Record& record) {
      sum.add(record);
      ++check.targetRows;
      return TableError{};
    });
    if (error.failed()) result.error = failed("Checking", check.table, error);
    check.targetChecksum = sum.value();
  }
  return result;
}

}  // namespace crv

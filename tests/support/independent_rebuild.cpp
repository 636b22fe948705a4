#include "support/independent_rebuild.h"

#include <libpq-fe.h>
#include <sqlite3.h>

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <functional>
#include <memory>
#include <stdexcept>

#include "host/data/company_storage.h"

namespace crv::test {
namespace {

// Open job lines and what each commits, in cents.
constexpr const char* kOpenJobLines = R"(
  open_job AS (
    SELECT d.JobID, d.CostCode, d.CODetailID, d.TotalAmount - d.AmountInvoiced AS open
    FROM PODetail d JOIN POMaster m ON m.POID = d.POID
    WHERE d.DetailType = 'Job' AND d.Reconciliation <> 2 AND d.QtyOrdered <> d.QtyInvoiced
      AND RTRIM(m.PONumber) <> ''),
  first_cost AS (
    SELECT JobID, CostCode, MIN(_row) AS row FROM JCCost GROUP BY JobID, CostCode))";

const std::string kCostLines = std::string("WITH") + kOpenJobLines + R"(
  SELECT c.JobID || '/' || c.CostCode, c.Committed, c.COCommitted,
    CASE WHEN c._row = f.row THEN COALESCE((SELECT SUM(o.open) FROM open_job o
      WHERE o.JobID = c.JobID AND o.CostCode = c.CostCode), 0) ELSE 0 END,
    CASE WHEN c._row = f.row THEN COALESCE((SELECT SUM(o.open) FROM open_job o
      JOIN JCCOD x ON x.CODID = o.CODetailID
      WHERE o.CODetailID <> 0 AND o.JobID = c.JobID AND o.CostCode = c.CostCode), 0) ELSE 0 END
  FROM JCCost c JOIN first_cost f ON f.JobID = c.JobID AND f.CostCode = c.CostCode
  ORDER BY c._row)";

const std::string kChangeOrderDetails = std::string("WITH") + kOpenJobLines + R"(
  SELECT x.CODID, x.Committed,
    COALESCE((SELECT SUM(o.open) FROM open_job o WHERE o.CODetailID = x.CODID
      AND EXISTS (SELECT 1 FROM JCCost c WHERE c.JobID = o.JobID AND c.CostCode = o.CostCode)), 0)
  FROM JCCOD x ORDER BY x.CODID)";

const std::string kStockOnOrder = R"(
  SELECT i.ItemID, i.QtyOnOrder,
    COALESCE((SELECT SUM(d.INVQuantity
        - ROUND(COALESCE(c.Factor, 1.0) * (d.QtyRcvdNotInvoiced + d.QtyThisPackSlip)))
      FROM PODetail d JOIN POMaster m ON m.POID = d.POID
      LEFT JOIN INCnvrt c ON d.ConversionID <> 0 AND c.ConversionID = d.ConversionID
      WHERE d.DetailType = 'Inventory' AND d.Reconciliation <> 2 AND d.ItemID = i.ItemID
        AND RTRIM(m.PONumber) <> ''), 0)
  FROM INMaster i ORDER BY i.ItemID)";

// One row of a rebuild query, whichever engine answered it.
class Row {
 public:
  virtual ~Row() = default;
  virtual std::string text(int column) const = 0;
  virtual std::int64_t number(int column) const = 0;
};

class Source {
 public:
  virtual ~Source() = default;
  virtual void each(const std::string& sql, const std::function<void(const Row&)>& row) = 0;
};

class SqliteSource final : public Source {
 public:
  explicit SqliteSource(const std::filesystem::path& file) {
    if (sqlite3_open_v2(file.c_str(), &db_, SQLITE_OPEN_READONLY, nullptr) != SQLITE_OK) {
      std::string message = sqlite3_errmsg(db_);
      sqlite3_close(db_);
      throw std::runtime_error("cannot open " + file.string() + ": " + message);
    }
  }
  ~SqliteSource() override { sqlite3_close(db_); }
  SqliteSource(const SqliteSource&) = delete;
  SqliteSource& operator=(const SqliteSource&) = delete;

  void each(const std::string& sql, const std::function<void(const Row&)>& row) override {
    sqlite3_stmt* statement = nullptr;
    if (sqlite3_prepare_v2(db_, sql.c_str(), -1, &statement, nullptr) != SQLITE_OK)
      throw std::runtime_error(std::string("rebuild query: ") + sqlite3_errmsg(db_));
    struct Current final : Row {
      sqlite3_stmt* s;
      std::string text(int column) const override {
        const unsigned char* value = sqlite3_column_text(s, column);
        return value ? reinterpret_cast<const char*>(value) : "";
      }
      std::int64_t number(int column) const override { return sqlite3_column_int64(s, column); }
    } current;
    current.s = statement;
    int status;
    while ((status = sqlite3_step(statement)) == SQLITE_ROW) row(current);
    sqlite3_finalize(statement);
    if (status != SQLITE_DONE) throw std::runtime_error(std::string("rebuild query: ") + sqlite3_errmsg(db_));
  }

 private:
  sqlite3* db_ = nullptr;
};

// The same SQL on the server: tables and fields there are the lower-case
// forms of their names, which unquoted names in SQL fold to.
class ServerSource final : public Source {
 public:
  explicit ServerSource(const ServerCompany& server) {
    const std::string options = "-c search_path=" + server.schema;
    const char* keywords[] = {"host", "port", "dbname", "user", "options", nullptr};
    const char* values[] = {server.host.c_str(), server.port.c_str(), server.database.c_str(),
                            server.user.c_str(), options.c_str(),     nullptr};
    conn_ = PQconnectdbParams(keywords, values, 0);
    if (PQstatus(conn_) != CONNECTION_OK) {
      const std::string message = PQerrorMessage(conn_);
      PQfinish(conn_);
      throw std::runtime_error("cannot reach " + server.describe() + ": " + message);
    }
  }
  ~ServerSource() override { PQfinish(conn_); }
  ServerSource(const ServerSource&) = delete;
  ServerSource& operator=(const ServerSource&) = delete;

  void each(const std::string& sql, const std::function<void(const Row&)>& row) override {
    PGresult* result = PQexec(conn_, sql.c_str());
    if (PQresultStatus(result) != PGRES_TUPLES_OK) {
      const std::string message = PQresultErrorMessage(result);
      PQclear(result);
      throw std::runtime_error("rebuild query: " + message);
    }
    struct Current final : Row {
      PGresult* r;
      int index = 0;
      std::string text(int column) const override { return PQgetvalue(r, index, column); }
      // Sums of whole numbers come back as numerics, sums over a real
      // factor as reals ("1e+06" included).
      std::int64_t number(int column) const override {
        return std::llround(std::strtod(PQgetvalue(r, index, column), nullptr));
      }
    } current;
    current.r = result;
    for (current.index = 0; current.index < PQntuples(result); ++current.index) row(current);
    PQclear(result);
  }

 private:
  PGconn* conn_ = nullptr;
};

std::unique_ptr<Source> sourceFor(const std::filesystem::path& companyFolder) {
  const CompanyStorage storage(companyFolder);
  if (storage.onServer()) return std::make_unique<ServerSource>(storage.server());
  return std::make_unique<SqliteSource>(companyFolder / CompanyStorage::databaseFileName);
}

std::string scaled(std::int64_t value, int places) {
  const bool negative = value < 0;
  std::uint64_t magnitude =
      negative ? 0 - static_cast<std::uint64_t>(value) : static_cast<std::uint64_t>(value);
  std::uint64_t unit = 1;
  for (int i = 0; i < places; ++i) unit *= 10;
  std::string fraction = std::to_string(magnitude % unit);
  fraction.insert(0, static_cast<std::size_t>(places) - fraction.size(), '0');
  return (negative ? "-" : "") + std::to_string(magnitude / unit) + "." + fraction;
}

void compare(std::vector<std::string>& out, const std::string& what, std::int64_t stored,
             std::int64_t rebuilt, int places) {
  if (stored != rebuilt)
    out.push_back(what + " " + scaled(stored, places) + ", rebuilt " + scaled(rebuilt, places));
}

}  // namespace

std::vector<std::string> figureDifferences(const std::filesystem::path& companyFolder) {
  auto db = sourceFor(companyFolder);
  std::vector<std::string> out;
  db->each(kCostLines, [&](const Row& row) {
    const std::string name = "JCCost " + row.text(0);
    compare(out, name + " Committed", row.number(1), row.number(3), 2);
    compare(out, name + " COCommitted", row.number(2), row.number(4), 2);
  });
  db->each(kChangeOrderDetails, [&](const Row& row) {
    compare(out, "JCCOD " + row.text(0) + " Committed", row.number(1), row.number(2), 2);
  });
  db->each(kStockOnOrder, [&](const Row& row) {
    compare(out, "INMaster " + row.text(0) + " QtyOnOrder", row.number(1), row.number(2), 4);
  });
  return out;
}

}  // namespace crv::test

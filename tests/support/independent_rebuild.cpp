#include "support/independent_rebuild.h"

#include <sqlite3.h>

#include <cstdint>
#include <stdexcept>

namespace crv::test {
namespace {

// Open job lines and what each commits, in cents.
constexpr const char* kOpenJobLines = R"(
  open_job AS (
    SELECT d.JobID, d.CostCode, d.CODetailID, d.TotalAmount - d.AmountInvoiced AS open
    FROM PODetail d JOIN POMaster m ON m.POID = d.POID
    WHERE d.DetailType = 'Job' AND d.Reconciliation <> 2 AND d.QtyOrdered <> d.QtyInvoiced),
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
      WHERE d.DetailType = 'Inventory' AND d.Reconciliation <> 2 AND d.ItemID = i.ItemID), 0)
  FROM INMaster i ORDER BY i.ItemID)";

class Database {
 public:
  explicit Database(const std::filesystem::path& file) {
    if (sqlite3_open_v2(file.c_str(), &db_, SQLITE_OPEN_READONLY, nullptr) != SQLITE_OK) {
      std::string message = sqlite3_errmsg(db_);
      sqlite3_close(db_);
      throw std::runtime_error("cannot open " + file.string() + ": " + message);
    }
  }
  ~Database() { sqlite3_close(db_); }
  Database(const Database&) = delete;
  Database& operator=(const Database&) = delete;

  template <typename Row>
  void each(const std::string& sql, Row row) {
    sqlite3_stmt* statement = nullptr;
    if (sqlite3_prepare_v2(db_, sql.c_str(), -1, &statement, nullptr) != SQLITE_OK)
      throw std::runtime_error(std::string("rebuild query: ") + sqlite3_errmsg(db_));
    int status;
    while ((status = sqlite3_step(statement)) == SQLITE_ROW) row(statement);
    sqlite3_finalize(statement);
    if (status != SQLITE_DONE) throw std::runtime_error(std::string("rebuild query: ") + sqlite3_errmsg(db_));
  }

 private:
  sqlite3* db_ = nullptr;
};

std::string text(sqlite3_stmt* statement, int column) {
  const unsigned char* value = sqlite3_column_text(statement, column);
  return value ? reinterpret_cast<const char*>(value) : "";
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
  Database db(companyFolder / "company.db");
  std::vector<std::string> out;
  db.each(kCostLines, [&](sqlite3_stmt* row) {
    const std::string name = "JCCost " + text(row, 0);
    compare(out, name + " Committed", sqlite3_column_int64(row, 1), sqlite3_column_int64(row, 3), 2);
    compare(out, name + " COCommitted", sqlite3_column_int64(row, 2), sqlite3_column_int64(row, 4), 2);
  });
  db.each(kChangeOrderDetails, [&](sqlite3_stmt* row) {
    compare(out, "JCCOD " + text(row, 0) + " Committed", sqlite3_column_int64(row, 1),
            sqlite3_column_int64(row, 2), 2);
  });
  db.each(kStockOnOrder, [&](sqlite3_stmt* row) {
    compare(out, "INMaster " + text(row, 0) + " QtyOnOrder", sqlite3_column_int64(row, 1),
            sqlite3_column_int64(row, 2), 4);
  });
  return out;
}

}  // namespace crv::test

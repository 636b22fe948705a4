// Compares the table API with raw SQLite prepared statements: inserting
// PODetail rows in one transaction and reading them back in KeyPOID order.
// Prints rows per second for both, their ratio, and the process's resident
// memory before and after each read so that whole-table loads would show.
// Both sides move values between the record buffer and SQLite the same way,
// so the ratio measures what the table layer adds: statement caching,
// cursors, positions and error handling.
//
//   table_api_bench [rows]      (default 1,000,000)
#include <sqlite3.h>
#include <sys/resource.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

#include "bench/bench_support.h"
#include "host/data/company.h"
#include "host/data/tables/purchasing_tables.h"
#include "host/framework/table/transaction.h"

namespace {

using Clock = std::chrono::steady_clock;

double seconds(Clock::time_point since) {
  return std::chrono::duration<double>(Clock::now() - since).count();
}

void fillLine(crv::PODetailRecord& line, long i) {
  line.clear();
  line.POID = static_cast<crv::Id>(i / 10 + 1);
  line.SequenceNo = static_cast<crv::Id>(i % 10 + 1);
  line.Description = "Concrete block 8 x 8 x 16, standard weight";
  line.QtyOrdered = crv::Quantity::fromRaw(120000);
  line.UnitPrice = 1.85;
  line.TotalAmount = crv::Amount::fromRaw(2220);
  line.UnitName = "EA";
  line.DetailType = "Job";
  line.JobID = "2024-001";
  line.CostCode = "03-200M";
}

struct Figures {
  double insertSeconds = 0;
  double readSeconds = 0;
  long rowsRead = 0;
  long memoryBeforeRead = 0;
  long memoryAfterRead = 0;
};

Figures runTableApi(const std::filesystem::path& folder, long rows) {
  Figures figures;
  auto company = crv::Company::open(folder, true);
  crv::PODetail.open();
  auto start = Clock::now();
  {
    crv::Transaction transaction(crv::PODetail);
    for (long i = 0; i < rows; ++i) {
      fillLine(crv::POD, i);
      if (crv::PODetail.tryInsert() != crv::TableStatus::Ok) {
        std::fprintf(stderr, "insert failed: %s\n", crv::PODetail.lastError().describe().c_str());
        std::exit(1);
      }
    }
    transaction.commit();
  }
  figures.insertSeconds = seconds(start);

  figures.memoryBeforeRead = bench::residentKiB();
  start = Clock::now();
  crv::PODetail.set(crv::POD.KeyPOID);
  while (crv::PODetail.next() == crv::TableStatus::Ok) ++figures.rowsRead;
  figures.readSeconds = seconds(start);
  figures.memoryAfterRead = bench::residentKiB();
  crv::PODetail.close();
  return figures;
}

Figures runRawSqlite(const std::filesystem::path& folder, long rows) {
  // Lay out the same tables and indexes, then work on the file directly.
  crv::Company::open(folder, true).reset();
  Figures figures;
  sqlite3* db = nullptr;
  sqlite3_open((folder / crv::Company::databaseFileName).c_str(), &db);
  sqlite3_exec(db, "PRAGMA journal_mode=WAL; PRAGMA synchronous=FULL", nullptr, nullptr, nullptr);

  const auto& layout = crv::POD.layout();
  crv::PODetailRecord line;
  sqlite3_stmt* insert = bench::prepareRawInsert(db, line, "PODetail", "DetailID");
  auto start = Clock::now();
  sqlite3_exec(db, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr);
  for (long i = 0; i < rows; ++i) {
    fillLine(line, i);
    bench::insertRaw(db, insert, line, 1);
  }
  sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr);
  figures.insertSeconds = seconds(start);
  sqlite3_finalize(insert);

  std::string select = "SELECT DetailID";
  for (const auto& field : layout.fields()) select += ", \"" + field.name + "\"";
  select += " FROM PODetail ORDER BY POID, SequenceNo, DetailID";
  sqlite3_stmt* read = nullptr;
  sqlite3_prepare_v2(db, select.c_str(), -1, &read, nullptr);
  figures.memoryBeforeRead = bench::residentKiB();
  start = Clock::now();
  while (sqlite3_step(read) == SQLITE_ROW) {
    for (std::size_t f = 0; f < layout.size(); ++f) {
      crv::FieldRef ref = line.field(f);
      const int column = static_cast<int>(f) + 1;
      switch (ref.kind()) {
        case crv::FieldKind::Text:
          ref.setText(std::string_view(reinterpret_cast<const char*>(sqlite3_column_text(read, column)),
                                       static_cast<std::size_t>(sqlite3_column_bytes(read, column))));
          break;
        case crv::FieldKind::Real:
          ref.setReal(sqlite3_column_double(read, column));
          break;
        default:
          ref.setInteger(sqlite3_column_int64(read, column));
          break;
      }
    }
    ++figures.rowsRead;
  }
  figures.readSeconds = seconds(start);
  figures.memoryAfterRead = bench::residentKiB();
  sqlite3_finalize(read);
  sqlite3_close(db);
  return figures;
}

}  // namespace

int main(int argc, char** argv) {
  const long rows = argc > 1 ? std::atol(argv[1]) : 1000000;
  const auto base = std::filesystem::temp_directory_path() / ("crv-bench-" + std::to_string(::getpid()));
  std::filesystem::remove_all(base);

  const Figures api = runTableApi(base / "api", rows);
  const Figures raw = runRawSqlite(base / "raw", rows);
  std::filesystem::remove_all(base);

  auto rate = [](long n, double s) { return s > 0 ? static_cast<double>(n) / s : 0.0; };
  std::printf("rows: %ld\n", rows);
  std::printf("%-22s %14s %14s %8s\n", "", "table API", "raw SQLite", "ratio");
  std::printf("%-22s %14.0f %14.0f %8.2f\n", "insert rows/s", rate(rows, api.insertSeconds),
              rate(rows, raw.insertSeconds), api.insertSeconds / raw.insertSeconds);
  std::printf("%-22s %14.0f %14.0f %8.2f\n", "read rows/s (KeyPOID)", rate(api.rowsRead, api.readSeconds),
              rate(raw.rowsRead, raw.readSeconds), api.readSeconds / raw.readSeconds);
  std::printf("%-22s %14ld %14ld\n", "rows read", api.rowsRead, raw.rowsRead);
  std::printf("%-22s %11ld KiB %10ld KiB\n", "RSS before read", api.memoryBeforeRead, raw.memoryBeforeRead);
  std::printf("%-22s %11ld KiB %10ld KiB\n", "RSS after read", api.memoryAfterRead, raw.memoryAfterRead);
  const bool withinTarget =
      api.insertSeconds <= 2 * raw.insertSeconds && api.readSeconds <= 2 * raw.readSeconds;
  std::printf("target (table API within 2x of raw SQLite both ways): %s\n", withinTarget ? "met" : "NOT met");
  return api.rowsRead == rows && raw.rowsRead == rows ? 0 : 1;
}

// Compares the table API with raw SQLite prepared statements: inserting
// PODetail rows in one transaction and reading them back in KeyPOID order,
// and inserting auto-numbered POMaster rows (eight keys) in one transaction;
// with a PostgreSQL server given (bench_engines.h), the table API on the
// server beside them, inserting a sample of the rows one by one and the rest
// with a bulk insert.
// Prints rows per second for both, their ratio, the CPU time (user and
// system) of each step, and the process's resident memory before and after
// each read so that whole-table loads would show. Both sides open the file
// the same way (no mutex, the same settings) and move values between the
// record buffer and SQLite the same way, so the ratio measures what the
// table layer adds: statement caching, cursors, positions and error
// handling.
//
//   table_api_bench [rows]      (default 1,000,000)
#include <sqlite3.h>
#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

#include "bench/bench_support.h"
#include "bench_engines.h"
#include "host/data/company.h"
#include "host/data/tables/purchasing_tables.h"
#include "host/framework/storage/bulk_insert.h"
#include "host/framework/table/transaction.h"
#include "host/storage/sqlite/sqlite_backend.h"

namespace {

using Clock = std::chrono::steady_clock;

double seconds(Clock::time_point since) {
  return std::chrono::duration<double>(Clock::now() - since).count();
}

double timevalSeconds(const timeval& t) { return static_cast<double>(t.tv_sec) + t.tv_usec / 1e6; }

// Wall, user and system time of one step: on a shared machine the CPU
// figures say more about this process than the wall time does.
struct Timing {
  double wall = 0, user = 0, system = 0;
};

class Stopwatch {
 public:
  Stopwatch() : start_(Clock::now()) { getrusage(RUSAGE_SELF, &usage_); }
  Timing elapsed() const {
    rusage now{};
    getrusage(RUSAGE_SELF, &now);
    return {seconds(start_), timevalSeconds(now.ru_utime) - timevalSeconds(usage_.ru_utime),
            timevalSeconds(now.ru_stime) - timevalSeconds(usage_.ru_stime)};
  }

 private:
  Clock::time_point start_;
  rusage usage_{};
};

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
  long inserted = 0;  // one by one, through the table API
  Timing insert;
  long bulkInserted = 0;
  double bulkSeconds = 0;
  Timing read;
  long rowsRead = 0;
  long memoryBeforeRead = 0;
  long memoryAfterRead = 0;
};

// The rest of the rows after the first `from`, in one bulk insert.
double bulkInsert(crv::Company& company, long from, long rows) {
  const auto start = Clock::now();
  auto bulk = company.connection().bulkInsert(crv::PODetail.def());
  crv::TableError error;
  for (long i = from; i < rows && !error.failed(); ++i) {
    fillLine(crv::POD, i);
    error = bulk->add(crv::POD);
  }
  if (!error.failed()) error = bulk->finish();
  if (error.failed()) {
    std::fprintf(stderr, "bulk insert failed: %s\n", error.describe().c_str());
    std::exit(1);
  }
  return seconds(start);
}

// Inserts the first `oneByOne` rows one by one in a transaction and the rest
// in bulk, then reads them all back.
Figures runTableApi(const std::filesystem::path& folder, long rows, long oneByOne) {
  Figures figures;
  auto company = crv::Company::open(folder, true);
  crv::PODetail.open();
  Stopwatch watch;
  {
    crv::Transaction transaction(crv::PODetail);
    for (long i = 0; i < oneByOne; ++i) {
      fillLine(crv::POD, i);
      if (crv::PODetail.tryInsert() != crv::TableStatus::Ok) {
        std::fprintf(stderr, "insert failed: %s\n", crv::PODetail.lastError().describe().c_str());
        std::exit(1);
      }
    }
    transaction.commit();
  }
  figures.inserted = oneByOne;
  figures.insert = watch.elapsed();
  figures.bulkInserted = rows - oneByOne;
  if (figures.bulkInserted > 0) figures.bulkSeconds = bulkInsert(*company, oneByOne, rows);

  figures.memoryBeforeRead = bench::residentKiB();
  watch = Stopwatch();
  crv::PODetail.set(crv::POD.KeyPOID);
  while (crv::PODetail.next() == crv::TableStatus::Ok) ++figures.rowsRead;
  figures.read = watch.elapsed();
  figures.memoryAfterRead = bench::residentKiB();
  crv::PODetail.close();
  return figures;
}

Figures runRawSqlite(const std::filesystem::path& folder, long rows) {
  // Lay out the same tables and indexes, then work on the file directly.
  crv::Company::open(folder, true).reset();
  Figures figures;
  sqlite3* db = nullptr;
  sqlite3_open_v2((folder / crv::Company::databaseFileName).c_str(), &db,
                  SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX, nullptr);
  sqlite3_exec(db, crv::SqliteBackend::connectionSettings, nullptr, nullptr, nullptr);

  const auto& layout = crv::POD.layout();
  crv::PODetailRecord line;
  sqlite3_stmt* insert = bench::prepareRawInsert(db, line, "PODetail", "DetailID");
  Stopwatch watch;
  sqlite3_exec(db, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr);
  for (long i = 0; i < rows; ++i) {
    fillLine(line, i);
    bench::insertRaw(db, insert, line, 1);
  }
  sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr);
  figures.insert = watch.elapsed();
  sqlite3_finalize(insert);

  std::string select = "SELECT DetailID";
  for (const auto& field : layout.fields()) select += ", \"" + field.name + "\"";
  select += " FROM PODetail ORDER BY POID, SequenceNo, DetailID";
  sqlite3_stmt* read = nullptr;
  sqlite3_prepare_v2(db, select.c_str(), -1, &read, nullptr);
  figures.memoryBeforeRead = bench::residentKiB();
  watch = Stopwatch();
  while (sqlite3_step(read) == SQLITE_ROW) {
    int column = 1;
    for (const crv::FieldDef& field : layout.fields()) {
      crv::FieldRef ref(line, field);
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
      ++column;
    }
    ++figures.rowsRead;
  }
  figures.read = watch.elapsed();
  figures.memoryAfterRead = bench::residentKiB();
  sqlite3_finalize(read);
  sqlite3_close(db);
  return figures;
}

// Auto-numbered order headers, one by one in one transaction.
Timing insertHeadersApi(const std::filesystem::path& folder, long rows) {
  auto company = crv::Company::open(folder, true);
  crv::POMaster.open();
  Stopwatch watch;
  {
    crv::Transaction transaction(crv::POMaster);
    for (long i = 0; i < rows; ++i) {
      bench::fillOrder(crv::POM, i);
      if (crv::POMaster.tryInsert() != crv::TableStatus::Ok) {
        std::fprintf(stderr, "insert failed: %s\n", crv::POMaster.lastError().describe().c_str());
        std::exit(1);
      }
    }
    transaction.commit();
  }
  const Timing timing = watch.elapsed();
  crv::POMaster.close();
  return timing;
}

Timing insertHeadersRaw(const std::filesystem::path& folder, long rows) {
  crv::Company::open(folder, true).reset();
  sqlite3* db = nullptr;
  sqlite3_open_v2((folder / crv::Company::databaseFileName).c_str(), &db,
                  SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX, nullptr);
  sqlite3_exec(db, crv::SqliteBackend::connectionSettings, nullptr, nullptr, nullptr);
  crv::POMasterRecord order;
  sqlite3_stmt* insert = bench::prepareRawInsert(db, order, "POMaster", "POID");
  Stopwatch watch;
  sqlite3_exec(db, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr);
  for (long i = 0; i < rows; ++i) {
    bench::fillOrder(order, i);
    bench::insertRaw(db, insert, order, 0);
  }
  sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr);
  const Timing timing = watch.elapsed();
  sqlite3_finalize(insert);
  sqlite3_close(db);
  return timing;
}

double rate(long n, double s) { return s > 0 ? static_cast<double>(n) / s : 0.0; }

void printComparison(const char* what, long rows, const Timing& api, const Timing& raw) {
  std::printf("%-24s %14.0f %14.0f %8.2f   (CPU user+sys: API %.2f+%.2f s, raw %.2f+%.2f s)\n", what,
              rate(rows, api.wall), rate(rows, raw.wall), api.wall / raw.wall, api.user, api.system, raw.user,
              raw.system);
}

}  // namespace

int main(int argc, char** argv) {
  const long rows = argc > 1 ? std::atol(argv[1]) : 1000000;
  const auto base = std::filesystem::temp_directory_path() / ("crv-bench-" + std::to_string(::getpid()));
  std::filesystem::remove_all(base);

  const Figures api = runTableApi(base / "api", rows, rows);
  const Figures raw = runRawSqlite(base / "raw", rows);
  const Timing headersApi = insertHeadersApi(base / "headers-api", rows);
  const Timing headersRaw = insertHeadersRaw(base / "headers-raw", rows);
  Figures server;
  if (bench::haveServer()) {
    bench::prepareServerFolder(base / "server");
    // One by one the server takes a round trip per row; a sample of them
    // gives the rate, and the rest go in bulk.
    server = runTableApi(base / "server", rows, std::min(rows, 50000L));
  }
  std::filesystem::remove_all(base);

  std::printf("rows: %ld\n", rows);
  std::printf("%-24s %14s %14s %8s\n", "", "table API", "raw SQLite", "ratio");
  printComparison("insert rows/s", rows, api.insert, raw.insert);
  printComparison("read rows/s (KeyPOID)", api.rowsRead, api.read, raw.read);
  printComparison("insert headers rows/s", rows, headersApi, headersRaw);
  std::printf("%-24s %14ld %14ld\n", "rows read", api.rowsRead, raw.rowsRead);
  std::printf("%-24s %11ld KiB %10ld KiB\n", "RSS before read", api.memoryBeforeRead, raw.memoryBeforeRead);
  std::printf("%-24s %11ld KiB %10ld KiB\n", "RSS after read", api.memoryAfterRead, raw.memoryAfterRead);
  if (bench::haveServer()) {
    std::printf("%-24s %14s\n", "", "API, PostgreSQL");
    std::printf("%-24s %14.0f (the first %ld rows)\n", "insert rows/s",
                rate(server.inserted, server.insert.wall), server.inserted);
    if (server.bulkInserted > 0)
      std::printf("%-24s %14.0f (the other %ld)\n", "bulk insert rows/s",
                  rate(server.bulkInserted, server.bulkSeconds), server.bulkInserted);
    std::printf("%-24s %14.0f\n", "read rows/s (KeyPOID)", rate(server.rowsRead, server.read.wall));
    std::printf("%-24s %14ld\n", "rows read", server.rowsRead);
    std::printf("%-24s %11ld KiB\n", "RSS before read", server.memoryBeforeRead);
    std::printf("%-24s %11ld KiB\n", "RSS after read", server.memoryAfterRead);
  } else {
    std::printf("PostgreSQL: no server given (scripts/bench.sh starts one)\n");
  }
  const bool withinTarget = api.insert.wall <= 1.1 * raw.insert.wall &&
                            api.read.wall <= 1.1 * raw.read.wall && headersApi.wall <= 1.5 * headersRaw.wall;
  std::printf("target (lines within 1.1x of raw SQLite both ways, headers within 1.5x): %s\n",
              withinTarget ? "met" : "NOT met");
  return api.rowsRead == rows && raw.rowsRead == rows ? 0 : 1;
}

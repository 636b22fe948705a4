// Importing and exporting purchase orders at volume: 100,000 orders of 10
// lines each (job, account and inventory lines) written as the exchange
// file, read and checked (the preview), imported into the demo company in
// one transaction, and exported again; against that, the same rows
// inserted into another copy of the company with raw SQLite prepared
// statements. Prints lines per second, the ratio to raw SQLite, and the
// process's resident memory around each step, so that the preview's cost
// per line shows and anything else that grew with the file would too.
// Each step is timed on the wall clock and in the process's CPU time (user
// and system): on a machine shared with other work the CPU time is the
// figure that compares.
//
//   import_export_bench [orders]      (default 100,000)
#include <sqlite3.h>
#include <sys/resource.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

#include "bench/bench_support.h"
#include "crvpo/importexport/import_reader.h"
#include "crvpo/importexport/import_source.h"
#include "crvpo/importexport/purchase_order_export.h"
#include "crvpo/importexport/purchase_order_import.h"
#include "host/app/demo_company.h"
#include "host/data/company.h"
#include "host/data/shared_values.h"
#include "host/data/tables/purchasing_tables.h"

namespace {

using Clock = std::chrono::steady_clock;
constexpr int linesPerOrder = 10;

double cpuNow() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  auto sum = [](const timeval& t) {
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_usec) / 1e6;
  };
  return sum(usage.ru_utime) + sum(usage.ru_stime);
}

// Wall and CPU seconds of one step.
struct Timing {
  double wall = 0;
  double cpu = 0;
};

class Stopwatch {
 public:
  Stopwatch() : wall_(Clock::now()), cpu_(cpuNow()) {}
  Timing elapsed() const {
    return {std::chrono::duration<double>(Clock::now() - wall_).count(), cpuNow() - cpu_};
  }

 private:
  Clock::time_point wall_;
  double cpu_;
};

void fillOrder(crv::POMasterRecord& po, long i) {
  po.clear();
  po.VendorID = static_cast<crv::Id>(101 + i % 25);
  po.PreparedBy = "Janet Sullivan";
  po.PreparedDate = crv::Date::compose(7, 1, 2024) + static_cast<std::int32_t>(i % 300);
  po.PONumber = "B" + std::to_string(1000000 + i);
  po.IssueDate = po.PreparedDate;
  po.DeliveryDate = po.PreparedDate + 7;
  po.PreTaxAmount = *crv::Amount::parse("2297.50");
  po.TaxRate = 8.5;
  po.TaxAmount = *crv::Amount::parse("195.29");
  po.POAmount = *crv::Amount::parse("2492.79");
  po.ShipToName = "Cedar Hills Elementary Addition";
  po.ShipToAddress1 = "12500 SW Walker Rd";
  po.ShipToCity = "Beaverton";
  po.ShipToState = "OR";
  po.ShipToZip = "97005";
  po.ShipVia = "Vendor truck";
  po.FOB = "Destination";
}

// Ten lines: six on jobs, two on accounts, two on inventory.
void fillLine(crv::PODetailRecord& line, long i) {
  static const char* codes[] = {"06-100M", "03-300M", "03-300S", "01-100G", "16-100M", "02-200E"};
  const int k = static_cast<int>(i % linesPerOrder);
  line.clear();
  line.SequenceNo = static_cast<crv::Id>(k + 1);
  line.Description = "Concrete block 8 x 8 x 16, standard weight, line " + std::to_string(k + 1);
  line.QtyOrdered = crv::Quantity(12 + k);
  line.UnitPrice = 12.5;
  line.TotalAmount = crv::multiply(line.QtyOrdered, 12.5);
  line.UnitName = "EA";
  line.DeliveryDate = crv::Date::compose(7, 8, 2024);
  if (k < 6) {
    line.DetailType = "Job";
    line.JobID = k < 4 ? "2401" : "2402";
    line.CostCode = codes[k];
    line.Account = "5100-00";
  } else if (k < 8) {
    line.DetailType = "G/L Account";
    line.Account = "6100-00";
  } else {
    line.DetailType = "Inventory";
    line.ItemID = k == 8 ? "LUM-2X4-8" : "DRYWALL-58";
    line.UnitName = k == 8 ? "EA" : "SHT";
  }
}

void writeExchangeFile(const std::filesystem::path& file, long orders) {
  std::ofstream out(file, std::ios::binary);
  crv::POMasterRecord po;
  crv::PODetailRecord line;
  for (long i = 0; i < orders; ++i) {
    fillOrder(po, i);
    out << crvpo::PurchaseOrderExport::headerLine(po);
    for (int k = 0; k < linesPerOrder; ++k) {
      fillLine(line, i * linesPerOrder + k);
      out << crvpo::PurchaseOrderExport::detailLine(line);
    }
  }
}

struct Figures {
  Timing read;
  Timing import;
  Timing exported;
  std::size_t lines = 0;
  std::size_t exportedLines = 0;
  long memoryBefore = 0;
  long memoryAfterRead = 0;
  long memoryAfterImport = 0;
  long memoryAfterExport = 0;
};

Figures runImport(const std::filesystem::path& folder, const std::filesystem::path& file) {
  Figures figures;
  auto company = crv::Company::open(folder);
  crv::DataPath = folder.string();
  crv::UserID = "ADM";
  crvpo::ImportSource source = crvpo::builtInSource();
  source.headerFile = file;
  figures.memoryBefore = bench::residentKiB();
  {
    crvpo::ImportPreview preview;
    Stopwatch reading;
    const crvpo::ReadOutcome read = crvpo::ImportReader(company->connection(), source).read(preview);
    figures.read = reading.elapsed();
    figures.memoryAfterRead = bench::residentKiB();
    figures.lines = preview.details.size();
    if (!read.read || preview.rejected() > 0) {
      std::fprintf(stderr, "preview failed: %s (%zu rejected)\n", read.message.c_str(), preview.rejected());
      std::exit(1);
    }
    Stopwatch importing;
    const crvpo::ImportOutcome imported =
        crvpo::PurchaseOrderImport(company->connection(), source).run(preview);
    figures.import = importing.elapsed();
    if (!imported.done) {
      std::fprintf(stderr, "import failed: %s\n", imported.message.c_str());
      std::exit(1);
    }
  }
  figures.memoryAfterImport = bench::residentKiB();
  Stopwatch exporting;
  const crvpo::ExportSummary exported =
      crvpo::PurchaseOrderExport(company->connection()).runAll(folder / "exported.txt");
  figures.exported = exporting.elapsed();
  figures.exportedLines = exported.orders + exported.lines;
  figures.memoryAfterExport = bench::residentKiB();
  return figures;
}

Timing runRaw(const std::filesystem::path& folder, long orders) {
  sqlite3* db = nullptr;
  sqlite3_open((folder / crv::Company::databaseFileName).c_str(), &db);
  sqlite3_exec(db, "PRAGMA journal_mode=WAL; PRAGMA synchronous=FULL", nullptr, nullptr, nullptr);
  crv::POMasterRecord po;
  crv::PODetailRecord line;
  sqlite3_stmt* insertOrder = bench::prepareRawInsert(db, po, "POMaster", "POID");
  sqlite3_stmt* insertLine = bench::prepareRawInsert(db, line, "PODetail", "DetailID");
  Stopwatch inserting;
  sqlite3_exec(db, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr);
  for (long i = 0; i < orders; ++i) {
    fillOrder(po, i);
    bench::insertRaw(db, insertOrder, po, 0);
    const crv::Id poid = static_cast<crv::Id>(sqlite3_last_insert_rowid(db));
    for (int k = 0; k < linesPerOrder; ++k) {
      fillLine(line, i * linesPerOrder + k);
      line.POID = poid;
      bench::insertRaw(db, insertLine, line, 1);
    }
  }
  sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr);
  const Timing elapsed = inserting.elapsed();
  sqlite3_finalize(insertOrder);
  sqlite3_finalize(insertLine);
  sqlite3_close(db);
  return elapsed;
}

}  // namespace

int main(int argc, char** argv) {
  const long orders = argc > 1 ? std::atol(argv[1]) : 100000;
  const auto base =
      std::filesystem::temp_directory_path() / ("crv-import-bench-" + std::to_string(::getpid()));
  std::filesystem::remove_all(base);
  std::filesystem::create_directories(base);
  crv::createDemoCompany(base / "demo");
  std::filesystem::copy(base / "demo", base / "raw", std::filesystem::copy_options::recursive);
  const auto file = base / "orders.txt";
  writeExchangeFile(file, orders);
  const auto fileBytes = std::filesystem::file_size(file);

  const Figures api = runImport(base / "demo", file);
  const Timing raw = runRaw(base / "raw", orders);
  std::filesystem::remove_all(base);

  const double lines = static_cast<double>(api.lines);
  const Timing both{api.read.wall + api.import.wall, api.read.cpu + api.import.cpu};
  auto row = [lines](const char* what, const Timing& t, double count) {
    std::printf("%-36s %8.2f s %10.0f /s   %8.2f s %10.0f /s\n", what, t.wall, count / t.wall, t.cpu,
                count / t.cpu);
  };
  std::printf("orders: %ld, detail lines: %zu, file: %.1f MB\n", orders, api.lines, fileBytes / 1e6);
  std::printf("%-36s %10s %13s %10s %13s\n", "detail lines", "wall", "wall rate", "CPU", "CPU rate");
  row("preview (read and check)", api.read, lines);
  row("import (write, post commitments)", api.import, lines);
  row("preview and import", both, lines);
  row("raw SQLite inserts of the same rows", raw, lines);
  row("export of every order (all lines)", api.exported, static_cast<double>(api.exportedLines));
  std::printf("%-36s %8.2f wall %8.2f CPU\n", "ratio (preview and import / raw)", both.wall / raw.wall,
              both.cpu / raw.cpu);
  std::printf("%-36s %8ld KiB\n", "RSS before the preview", api.memoryBefore);
  std::printf("%-36s %8ld KiB (%.0f bytes per detail line)\n", "RSS with the preview held",
              api.memoryAfterRead, (api.memoryAfterRead - api.memoryBefore) * 1024.0 / lines);
  std::printf("%-36s %8ld KiB\n", "RSS after the import", api.memoryAfterImport);
  std::printf("%-36s %8ld KiB\n", "RSS after the export", api.memoryAfterExport);
  const bool met = lines / both.cpu >= 50000 && both.cpu <= 3 * raw.cpu &&
                   static_cast<double>(api.exportedLines) / api.exported.cpu >= 200000;
  std::printf(
      "targets in CPU time (import >= 50,000 lines/s and within 3x of raw SQLite; export >= 200,000 "
      "lines/s): %s\n",
      met ? "met" : "NOT met");
  return 0;
}

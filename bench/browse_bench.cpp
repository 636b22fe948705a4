// Times a list over a large POMaster table in KeyPONumber order: opening on
// the first page, 100 page-downs, a jump with the locator to a number near
// the end, the last page and a refresh. Prints each step's time (max and mean
// for the page-downs), the rows the list read, and the resident memory before
// the list opens and after the last step, so that a list that loaded the
// table would show. Run it with two table sizes to see that neither time nor
// memory grows with the table.
//
//   browse_bench [rows] [visible rows]      (default 1,000,000 and 20)
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "bench/bench_support.h"
#include "bench_engines.h"
#include "host/data/company.h"
#include "host/data/company_copy.h"
#include "host/data/tables/purchasing_tables.h"
#include "host/framework/storage/bulk_insert.h"
#include "host/framework/ui/browse_class.h"

namespace {

using Clock = std::chrono::steady_clock;

double millis(Clock::time_point since) {
  return std::chrono::duration<double, std::milli>(Clock::now() - since).count();
}

struct Steps {
  double openMs = 0, pageMax = 0, pageMean = 0, locateMs = 0, endMs = 0, refreshMs = 0;
  long long rowsRead = 0;
  long memoryBefore = 0, memoryAfter = 0;
  std::string afterPaging, located;
  double worst() const { return std::max({openMs, pageMax, locateMs, endMs, refreshMs}); }
};

Steps runList(const std::filesystem::path& folder, long rows, int visible) {
  Steps steps;
  auto company = crv::Company::open(folder);
  crv::POMaster.open();
  steps.memoryBefore = bench::residentKiB();
  crv::ui::BrowseClass list(crv::POMaster, visible);
  list.addColumn("PO Number", "PONumber", "@s15");
  list.addColumn("ID", "VendorID", "@n_6b");
  list.addColumn("Issue Date", "IssueDate", "@d1b");
  list.addColumn("Job", "DefaultJob", "@s10");
  list.addColumn("Amount", "POAmount", "@n-14.2");
  list.addSort(crv::ui::BrowseSort(crv::POMasterRecord::KeyPONumber));

  auto start = Clock::now();
  list.init();
  steps.openMs = millis(start);
  double pageSum = 0;
  for (int i = 0; i < 100; ++i) {
    start = Clock::now();
    list.scroll(list.visibleRows());
    const double ms = millis(start);
    steps.pageMax = std::max(steps.pageMax, ms);
    pageSum += ms;
  }
  steps.pageMean = pageSum / 100;
  steps.afterPaging = list.highlighted() ? list.highlighted()->cells[0].text : "";
  start = Clock::now();
  list.locate(bench::orderNumber(rows - 5));
  steps.locateMs = millis(start);
  steps.located = list.highlighted() ? list.highlighted()->cells[0].text : "";
  start = Clock::now();
  list.end();
  steps.endMs = millis(start);
  start = Clock::now();
  list.refresh();
  steps.refreshMs = millis(start);
  steps.memoryAfter = bench::residentKiB();
  steps.rowsRead = static_cast<long long>(list.rowsRead());
  crv::POMaster.close();
  return steps;
}

void print(const char* engine, const Steps& steps, const std::string& target) {
  std::printf("-- %s\n", engine);
  std::printf("%-28s %9.3f ms\n", "open on the first page", steps.openMs);
  std::printf("%-28s %9.3f ms max, %.3f ms mean (now at %s)\n", "100 page-downs", steps.pageMax,
              steps.pageMean, steps.afterPaging.c_str());
  std::printf("%-28s %9.3f ms (at %s)\n", ("locate " + target).c_str(), steps.locateMs,
              steps.located.c_str());
  std::printf("%-28s %9.3f ms\n", "end", steps.endMs);
  std::printf("%-28s %9.3f ms\n", "refresh", steps.refreshMs);
  std::printf("%-28s %9lld\n", "rows read by the list", steps.rowsRead);
  std::printf("%-28s %9ld KiB\n", "RSS before the list", steps.memoryBefore);
  std::printf("%-28s %9ld KiB (%+ld KiB)\n", "RSS after the last step", steps.memoryAfter,
              steps.memoryAfter - steps.memoryBefore);
  std::printf("target (every step under 20 ms): %s\n", steps.worst() < 20 ? "met" : "NOT met");
}

}  // namespace

int main(int argc, char** argv) {
  const long rows = argc > 1 ? std::atol(argv[1]) : 1000000;
  const int visible = argc > 2 ? std::atoi(argv[2]) : 20;
  const auto base =
      std::filesystem::temp_directory_path() / ("crv-browse-bench-" + std::to_string(::getpid()));
  const auto folder = base / "sqlite";
  std::filesystem::remove_all(base);

  auto start = Clock::now();
  {
    auto company = crv::Company::open(folder, true);
    auto bulk = company->connection().bulkInsert(crv::POMaster.def());
    crv::POMasterRecord order;
    crv::TableError error;
    for (long i = 1; i <= rows && !error.failed(); ++i) {
      bench::fillOrder(order, i);
      error = bulk->add(order);
    }
    if (!error.failed()) error = bulk->finish();
    if (error.failed()) {
      std::fprintf(stderr, "insert failed: %s\n", error.describe().c_str());
      return 1;
    }
  }
  std::printf("rows: %ld, visible rows: %d, insert: %.1f s\n", rows, visible, millis(start) / 1000);
  const std::string target = bench::orderNumber(rows - 5);
  const Steps local = runList(folder, rows, visible);
  print("SQLite", local, target);
  bool found = local.located.find(target) == 0;

  if (bench::haveServer()) {
    const auto server = base / "postgresql";
    bench::prepareServerFolder(server);
    start = Clock::now();
    const crv::CompanyCopyResult copy = crv::copyCompany(folder, server);
    std::printf("copied to PostgreSQL in %.1f s (%s)\n", millis(start) / 1000,
                copy.verified() ? "counts and checksums match" : copy.error.c_str());
    const Steps remote = runList(server, rows, visible);
    print("PostgreSQL", remote, target);
    found = found && remote.located.find(target) == 0;
  } else {
    std::printf("PostgreSQL: no server given (scripts/bench.sh starts one)\n");
  }
  std::filesystem::remove_all(base);
  return found ? 0 : 1;
}

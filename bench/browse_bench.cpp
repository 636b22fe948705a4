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
#include <fstream>
#include <string>

#include "bench/bench_support.h"
#include "host/data/company.h"
#include "host/data/tables/purchasing_tables.h"
#include "host/framework/table/transaction.h"
#include "host/framework/ui/browse_class.h"

namespace {

using Clock = std::chrono::steady_clock;

double millis(Clock::time_point since) {
  return std::chrono::duration<double, std::milli>(Clock::now() - since).count();
}

std::string orderNumber(long i) {
  char text[32];
  std::snprintf(text, sizeof text, "P%07ld", i);
  return text;
}

void fillOrder(crv::POMasterRecord& order, long i) {
  order.clear();
  order.PONumber = orderNumber(i);
  order.SortPONumber = order.PONumber.view();
  order.VendorID = static_cast<crv::Id>(i % 500 + 1);
  order.SortVendorID = order.VendorID;
  order.IssueDate = crv::Date::fromDay(80000 + static_cast<std::int32_t>(i % 3000));
  order.DefaultJob = "2024-001";
  order.POAmount = crv::Amount::fromRaw(12345 + i % 100000);
  order.PreparedBy = "Bench";
  order.ShipToName = "Main yard";
}

}  // namespace

int main(int argc, char** argv) {
  const long rows = argc > 1 ? std::atol(argv[1]) : 1000000;
  const int visible = argc > 2 ? std::atoi(argv[2]) : 20;
  const auto folder =
      std::filesystem::temp_directory_path() / ("crv-browse-bench-" + std::to_string(::getpid()));
  std::filesystem::remove_all(folder);

  auto company = crv::Company::open(folder, true);
  crv::POMaster.open();
  auto start = Clock::now();
  {
    crv::Transaction transaction(crv::POMaster);
    for (long i = 1; i <= rows; ++i) {
      fillOrder(crv::POM, i);
      if (crv::POMaster.tryInsert() != crv::TableStatus::Ok) {
        std::fprintf(stderr, "insert failed: %s\n", crv::POMaster.lastError().describe().c_str());
        return 1;
      }
    }
    transaction.commit();
  }
  const double insertMs = millis(start);
  const long memoryBefore = bench::residentKiB();

  crv::ui::BrowseClass list(crv::POMaster, visible);
  list.addColumn("PO Number", "PONumber", "@s15");
  list.addColumn("ID", "VendorID", "@n_6b");
  list.addColumn("Issue Date", "IssueDate", "@d1b");
  list.addColumn("Job", "DefaultJob", "@s10");
  list.addColumn("Amount", "POAmount", "@n-14.2");
  list.addSort(crv::ui::BrowseSort(crv::POMasterRecord::KeyPONumber));

  start = Clock::now();
  list.init();
  const double openMs = millis(start);

  double pageMax = 0;
  double pageSum = 0;
  for (int i = 0; i < 100; ++i) {
    start = Clock::now();
    list.scroll(list.visibleRows());
    const double ms = millis(start);
    pageMax = std::max(pageMax, ms);
    pageSum += ms;
  }
  const std::string afterPaging = list.highlighted() ? list.highlighted()->cells[0].text : "";

  const std::string target = orderNumber(rows - 5);
  start = Clock::now();
  list.locate(target);
  const double locateMs = millis(start);
  const std::string located = list.highlighted() ? list.highlighted()->cells[0].text : "";

  start = Clock::now();
  list.end();
  const double endMs = millis(start);

  start = Clock::now();
  list.refresh();
  const double refreshMs = millis(start);
  const long memoryAfter = bench::residentKiB();

  crv::POMaster.close();
  company.reset();
  std::filesystem::remove_all(folder);

  const double mean = pageSum / 100;
  const double worst = std::max({openMs, pageMax, locateMs, endMs, refreshMs});
  std::printf("rows: %ld, visible rows: %d, insert: %.1f s\n", rows, visible, insertMs / 1000);
  std::printf("%-28s %9.3f ms\n", "open on the first page", openMs);
  std::printf("%-28s %9.3f ms max, %.3f ms mean (now at %s)\n", "100 page-downs", pageMax, mean,
              afterPaging.c_str());
  std::printf("%-28s %9.3f ms (at %s)\n", ("locate " + target).c_str(), locateMs, located.c_str());
  std::printf("%-28s %9.3f ms\n", "end", endMs);
  std::printf("%-28s %9.3f ms\n", "refresh", refreshMs);
  std::printf("%-28s %9lld\n", "rows read by the list", static_cast<long long>(list.rowsRead()));
  std::printf("%-28s %9ld KiB\n", "RSS before the list", memoryBefore);
  std::printf("%-28s %9ld KiB (%+ld KiB)\n", "RSS after the last step", memoryAfter,
              memoryAfter - memoryBefore);
  std::printf("target (every step under 20 ms): %s\n", worst < 20 ? "met" : "NOT met");
  return located.find(target) == 0 ? 0 : 1;
}

// Times the purchase-order lists over a large POMaster table, played as a
// person would through the headless driver: opening the paged list and the
// list sorted by headers, a page down, a locator jump near the end, a
// re-sort by a header click, tagging all (100,000 orders) with the totals
// of the tagged orders, and the search's first page for a vendor's name.
// Prints each step's time and the resident memory before the first list
// opens and after the last step.
//
//   order_list_bench [rows]      (default 1,000,000)
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "bench/bench_support.h"
#include "crvpo/entry/browse_po_master.h"
#include "crvpo/entry/browse_po_master_new.h"
#include "crvpo/entry/entry_state.h"
#include "crvpo/entry/search_po_master.h"
#include "host/data/company.h"
#include "host/data/shared_values.h"
#include "host/data/tables/payables_tables.h"
#include "host/data/tables/purchasing_tables.h"
#include "host/framework/table/transaction.h"
#include "host/framework/ui/headless/headless_driver.h"

namespace {

using Clock = std::chrono::steady_clock;

double millis(Clock::time_point since) {
  return std::chrono::duration<double, std::milli>(Clock::now() - since).count();
}

bool fill(long rows) {
  crv::APVendor.open();
  for (crv::Id v = 1; v <= 500; ++v) {
    crv::APV.clear();
    crv::APV.VendorID = v;
    crv::APV.VendorName = "Vendor " + std::to_string(v) + (v % 50 == 0 ? " Lumber Supply" : " Trading");
    if (crv::APVendor.tryInsert() != crv::TableStatus::Ok) return false;
  }
  crv::APVendor.close();
  crv::POMaster.open();
  crv::Transaction transaction(crv::POMaster);
  for (long i = 1; i <= rows; ++i) {
    char number[32];
    std::snprintf(number, sizeof number, "P%07ld", i);
    crv::POM.clear();
    crv::POM.PONumber = number;
    crv::POM.SortPONumber = crv::POM.PONumber.view();
    crv::POM.VendorID = static_cast<crv::Id>(i % 500 + 1);
    crv::POM.SortVendorID = crv::POM.VendorID;
    crv::POM.IssueDate = crv::Date::fromDay(80000 + static_cast<std::int32_t>(i % 3000));
    crv::POM.DefaultJob = "2024-001";
    crv::POM.POAmount = crv::Amount::fromRaw(12345 + i % 100000);
    if (crv::POMaster.tryInsert() != crv::TableStatus::Ok) return false;
  }
  transaction.commit();
  crv::POMaster.close();
  return true;
}

template <class F>
void step(const char* name, F action) {
  const auto start = Clock::now();
  action();
  std::printf("  %-44s %9.2f ms\n", name, millis(start));
}

}  // namespace

int main(int argc, char** argv) {
  const long rows = argc > 1 ? std::atol(argv[1]) : 1000000;
  const auto folder =
      std::filesystem::temp_directory_path() / ("crv-order-list-bench-" + std::to_string(::getpid()));
  std::filesystem::remove_all(folder);
  auto company = crv::Company::open(folder, true);
  // The paged list keeps its Repetitive Insert box in the settings folder.
  crv::IniPath = folder.string();
  if (!fill(rows)) {
    std::fprintf(stderr, "filling the table failed\n");
    return 1;
  }
  std::printf("order lists over %ld orders\n", rows);
  const long before = bench::residentKiB();
  {
    crv::ui::HeadlessDriver person;
    step("BrowsePOMaster: open", [&] { person.start([] { crvpo::browsePOMaster(); }, "BrowsePOMaster"); });
    step("page down", [&] { person.scroll("?Browse", 15); });
    step("locator jump near the end", [&] { person.type("?POLocator", "P0990000"); });
    step("tag all (100,000) and their totals", [&] { person.press("?TagAll"); });
    std::printf("  totals of the tagged: %s / %s\n", person.shown("?TOTALAMOUNT").c_str(),
                person.shown("?TOTALOPENAMOUNT").c_str());
    step("search: open, first page for \"lumber\"", [&] {
      person.press("?Search");
      person.type("?SearchText", "lumber");
    });
    person.press("?Cancel");
    person.press("?Close");
  }
  {
    crv::ui::HeadlessDriver person;
    step("BrowsePOMasterNew: open",
         [&] { person.start([] { crvpo::browsePOMasterNew(); }, "BrowsePOMasterNew"); });
    step("re-sort by ID", [&] { person.sortBy("?Browse", "ID"); });
    step("reverse the order", [&] { person.sortBy("?Browse", "ID[+]"); });
    step("re-sort by Job", [&] { person.sortBy("?Browse", "Job"); });
    step("page down", [&] { person.scroll("?Browse", 15); });
    person.press("?Close");
  }
  std::printf("resident memory: %ld KiB before the lists, %ld KiB after\n", before, bench::residentKiB());
  company.reset();
  std::filesystem::remove_all(folder);
  return 0;
}

// The purchase-order listing at size: a company of 100,000 orders with
// 1,000,000 lines (by default) listed in the detailed format, first to a
// PDF file, then to an .xlsx workbook.
//
// Prints, for the PDF: pages, wall and CPU seconds, pages per second of
// each, and the peak resident memory (VmHWM) after gathering the orders and
// after 10%, 50% and all of them printed, so that memory growing with the
// pages would show. For the workbook: rows, sheets, rows per second, and
// how long the rows took to make (the workbook writing them alongside) and
// the workbook to close (compressing its sheets). On a busy machine the CPU
// figures are the ones to compare.
//
//   po_listing_bench [orders] [lines per order] [folder]
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "bench/bench_support.h"
#include "crvpo/reports/print_po_listing.h"
#include "host/data/company.h"
#include "host/data/shared_values.h"
#include "host/data/tables/job_cost_tables.h"
#include "host/data/tables/payables_tables.h"
#include "host/data/tables/purchasing_tables.h"
#include "host/framework/table/transaction.h"
#include "host/siblings/CRVMISC/report_export.h"

namespace {

using Clock = std::chrono::steady_clock;

void check(crv::Table& table, crv::TableStatus status) {
  if (status == crv::TableStatus::Ok) return;
  std::fprintf(stderr, "%s: %s\n", table.name().c_str(), table.lastError().describe().c_str());
  std::exit(1);
}

constexpr int vendors = 400;
constexpr int jobs = 120;
const char* const items[] = {"BLK-816", "LUM-2X4", "PLY-12", "RBR-4",
                             "CONC-80", "WIRE-12", "PIPE-4", "GLV-L"};
const char* const descriptions[] = {"Concrete block 8x8x16 standard weight",
                                    "Stud 2x4x8 SPF",
                                    "Plywood 1/2in CDX 4x8",
                                    "Rebar #4 x 20ft grade 60",
                                    "Concrete mix 80 lb bag",
                                    "Romex 12/2 NM-B, 250 ft roll",
                                    "PVC pipe 4in schedule 40, 10 ft",
                                    "Leather work gloves, dozen"};

void addMasterData() {
  crv::Transaction transaction(crv::APVendor);
  for (int v = 1; v <= vendors; ++v) {
    crv::APV.clear();
    crv::APV.VendorID = static_cast<crv::Id>(1000 + v);
    crv::APV.VendorName = "Supplier " + std::to_string(v) + " Building Materials";
    crv::APV.Address = std::to_string(100 + v) + " Industrial Way";
    crv::APV.City = "Portland";
    crv::APV.State = "OR";
    crv::APV.Zip = "97209";
    crv::APV.Active = 1;
    check(crv::APVendor, crv::APVendor.tryInsert());
  }
  for (int j = 1; j <= jobs; ++j) {
    crv::JCH.clear();
    crv::JCH.JobID = std::to_string(2000 + j);
    crv::JCH.JobName = "Project " + std::to_string(j) + " Commercial Building";
    crv::JCH.Active = 1;
    check(crv::JCHeader, crv::JCHeader.tryInsert());
  }
  transaction.commit();
}

void addOrders(int orders, int linesPerOrder) {
  crv::Transaction transaction(crv::POMaster);
  for (int o = 1; o <= orders; ++o) {
    crv::POM.clear();
    crv::POM.POID = static_cast<crv::Id>(o);
    crv::POM.PONumber = std::to_string(100000 + o);
    crv::POM.VendorID = static_cast<crv::Id>(1000 + o % vendors + 1);
    crv::POM.DefaultJob = std::to_string(2000 + o % jobs + 1);
    crv::POM.IssueDate = crv::Date::compose(1, 1, 2025) + o % 365;
    crv::POM.DeliveryDate = crv::POM.IssueDate + 10;
    crv::POM.ShipToName = "Project " + std::to_string(o % jobs + 1) + " Commercial Building";
    crv::POM.ShipToAddress1 = std::to_string(o % 9000 + 100) + " Main Street";
    crv::POM.ShipToCity = "Beaverton";
    crv::POM.ShipToState = "OR";
    crv::POM.ShipToZip = "97005";
    crv::Amount total;
    for (int l = 1; l <= linesPerOrder; ++l) {
      crv::POD.clear();
      crv::POD.POID = crv::POM.POID;
      crv::POD.SequenceNo = static_cast<crv::Id>(l);
      const int kind = (o + l) % 8;
      crv::POD.ItemID = items[kind];
      crv::POD.Description = descriptions[kind];
      crv::POD.QtyOrdered = crv::Quantity(10 * l);
      crv::POD.UnitPrice = 1.25 + kind;
      crv::POD.TotalAmount =
          crv::Amount::fromRaw(static_cast<std::int64_t>(1000 * l * (125 + 100 * kind) / 100));
      crv::POD.UnitName = "EA";
      crv::POD.DetailType = "Job";
      crv::POD.JobID = crv::POM.DefaultJob;
      crv::POD.CostCode = "03-300M";
      check(crv::PODetail, crv::PODetail.tryInsert());
      total += crv::POD.TotalAmount;
    }
    crv::POM.PreTaxAmount = total;
    crv::POM.TaxAmount = crv::multiply(total, 0.085);
    crv::POM.POAmount = total + crv::POM.TaxAmount;
    check(crv::POMaster, crv::POMaster.tryInsert());
  }
  transaction.commit();
}

crv::POLimitsRecord detailedFormat() {
  crv::POL.clear();
  crv::POL.Report = "PO Listing";
  crv::POL.ReportTitle = "Every order, detailed";
  crv::POL.Unreconciled = crv::POL.PartiallyReconciled = crv::POL.FullyReconciled = 1;
  crv::POL.Sequence = "P";
  crv::POL.SortDetail = "W";
  crv::POL.SelectedRef = 3;
  crv::POL.CatFrom = crv::POL.CatTo = "Y";
  crv::POL.Orientation = 'P';
  check(crv::POLimits, crv::POLimits.tryInsert());
  return crv::POL;
}

void listToPdf(const crv::POLimitsRecord& format, const std::filesystem::path& pdf, int orders) {
  const Clock::time_point start = Clock::now();
  const double cpuStart = bench::cpuSeconds();
  crvpo::ListingRun run(format, pdf, nullptr, nullptr);
  long steps = 0;
  std::printf("%-22s %8s %8s %8s %10s %12s %10s\n", "PDF", "pages", "wall s", "cpu s", "pages/s",
              "pages/cpu-s", "VmHWM KiB");
  auto report = [&](const char* when) {
    const double wall = std::chrono::duration<double>(Clock::now() - start).count();
    const double cpu = bench::cpuSeconds() - cpuStart;
    std::printf("%-22s %8d %8.1f %8.1f %10.1f %12.1f %10ld\n", when, run.pages(), wall, cpu,
                run.pages() / wall, run.pages() / cpu, bench::statusKiB("VmHWM:"));
    std::fflush(stdout);
  };
  while (run.next()) {
    const long printed = ++steps - orders - 1;
    if (printed == 0) report("orders gathered");
    if (printed == orders / 10) report("10% printed");
    if (printed == orders / 2) report("50% printed");
  }
  const crvpo::ListingResult result = run.finish();
  report("all printed");
  std::printf("%d orders, %d pages, %.0f MiB\n\n", result.orders, result.pages,
              static_cast<double>(std::filesystem::file_size(pdf)) / 1048576.0);
}

// The lines go to the workbook as they are made, as the command line's
// export does; the workbook's own writing runs alongside on its thread.
void listToWorkbook(const crv::POLimitsRecord& format, const std::filesystem::path& xlsx) {
  const Clock::time_point start = Clock::now();
  const double cpuStart = bench::cpuSeconds();
  crv::siblings::ReportFileWriter writer(xlsx);
  std::vector<std::string> lines;
  auto handOver = [&] {
    for (const std::string& line : lines) writer.add(line);
    lines.clear();
  };
  crvpo::ListingRun run(format, std::nullopt, nullptr, &lines);
  while (run.next()) handOver();
  const crvpo::ListingResult result = run.finish();
  lines.emplace_back("Report Parameters:");
  lines.insert(lines.end(), result.limitLines.begin(), result.limitLines.end());
  handOver();
  const double madeWall = std::chrono::duration<double>(Clock::now() - start).count();
  const double madeCpu = bench::cpuSeconds() - cpuStart;
  writer.finish();
  const double wall = std::chrono::duration<double>(Clock::now() - start).count();
  const double cpu = bench::cpuSeconds() - cpuStart;
  std::printf("%-22s %8s %8s %8s %10s %12s %8s\n", "xlsx", "rows", "wall s", "cpu s", "rows/s", "rows/cpu-s",
              "sheets");
  std::printf("%-22s %8zu %8.1f %8.1f %10.0f %12.0f %8d\n", "listing to workbook", writer.rows(), wall, cpu,
              static_cast<double>(writer.rows()) / wall, static_cast<double>(writer.rows()) / cpu,
              writer.sheets());
  std::printf("%-22s %8s %8.1f %8.1f\n", "  until the last row", "", madeWall, madeCpu);
  std::printf("%-22s %8s %8.1f %8.1f\n", "  closing the workbook", "", wall - madeWall, cpu - madeCpu);
  std::printf("%.0f MiB\n", static_cast<double>(std::filesystem::file_size(xlsx)) / 1048576.0);
}

}  // namespace

int main(int argc, char** argv) {
  const int orders = argc > 1 ? std::atoi(argv[1]) : 100000;
  const int linesPerOrder = argc > 2 ? std::atoi(argv[2]) : 10;
  const std::filesystem::path folder =
      argc > 3 ? std::filesystem::path(argv[3]) : std::filesystem::temp_directory_path() / "po_listing_bench";
  std::filesystem::remove_all(folder);
  std::filesystem::create_directories(folder);
  crv::CompanyName = "Bench Construction Co.";
  crv::CostCodeLen = 6;
  crv::GENERIC = 0;

  auto company = crv::Company::open(folder, true);
  for (crv::Table* table : {&crv::APVendor, &crv::JCHeader, &crv::POMaster, &crv::PODetail, &crv::POLimits})
    table->open();
  const Clock::time_point start = Clock::now();
  addMasterData();
  addOrders(orders, linesPerOrder);
  const crv::POLimitsRecord format = detailedFormat();
  std::printf("company: %d orders, %d lines in %.1f s\n\n", orders, orders * linesPerOrder,
              std::chrono::duration<double>(Clock::now() - start).count());

  listToPdf(format, folder / "listing.pdf", orders);
  listToWorkbook(format, folder / "listing.xlsx");
  return 0;
}

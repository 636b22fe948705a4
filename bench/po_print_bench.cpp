// Prints a batch of purchase orders on the standard form to one PDF file:
// by default 1,000 orders of 10 lines in a new company, built through the
// print batch like a "Generate POs" run. Prints the batch build time, pages
// per second of the form run and the peak resident memory (VmHWM) after
// 100, 500 and all orders, so that memory growing with the pages already
// written would show. Then prints the same batch on the sample designer
// form (the standard form's content drawn in the report designer) and
// prints its pages per second.
//
//   po_print_bench [orders] [pdf file]   (default 1000, a temporary file)
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "crvpo/reports/create_po_print.h"
#include "crvpo/reports/designer_form_path.h"
#include "crvpo/reports/print_purchase_order.h"
#include "crvpo/reports/purchase_order_pdf.h"
#include "host/app/sample_designer_form.h"
#include "host/data/company.h"
#include "host/data/shared_values.h"
#include "host/data/tables/payables_tables.h"
#include "host/data/tables/purchasing_tables.h"
#include "host/data/tables/suite_tables.h"
#include "host/framework/table/transaction.h"

namespace {

using Clock = std::chrono::steady_clock;

long statusKiB(const char* key) {
  std::ifstream status("/proc/self/status");
  std::string line;
  while (std::getline(status, line))
    if (line.rfind(key, 0) == 0) return std::atol(line.c_str() + std::string(key).size());
  return 0;
}

// CPU time of the process: on a shared machine wall time says more about
// the other processes than about this one.
double cpuSeconds() { return static_cast<double>(std::clock()) / CLOCKS_PER_SEC; }

void fillCompany(int orders) {
  crv::SYS.clear();
  crv::SYS.CompanyName = "Bench Contracting Ltd.";
  crv::SYS.Address1 = "12 Harbour Road";
  crv::SYS.City = "Halifax";
  crv::SYS.State = "NS";
  crv::SYS.Zip = "B3H 1A1";
  crv::SYS.Phone = "902-555-0100";
  crv::Systems.insert();
  for (crv::Id v = 1; v <= 20; ++v) {
    crv::APV.clear();
    crv::APV.VendorID = v;
    crv::APV.VendorName = "Vendor " + std::to_string(v) + " Supply Co.";
    crv::APV.Address = "120 Industrial Way";
    crv::APV.City = "Springfield";
    crv::APV.State = "IL";
    crv::APV.Zip = "62701";
    crv::APVendor.insert();
  }
  for (int o = 1; o <= orders; ++o) {
    crv::POM.clear();
    crv::POMaster.primeAutoInc();
    crv::POM.PONumber = std::to_string(100000 + o);
    crv::POM.VendorID = static_cast<crv::Id>(o % 20 + 1);
    crv::POM.IssueDate = crv::Date::compose(7, 4, 2026);
    crv::POM.ShipToName = "Harbour Tower";
    crv::POM.ShipToAddress1 = "1 Quay Street";
    crv::POM.ShipToCity = "Halifax";
    crv::POM.ShipToState = "NS";
    crv::POM.TaxRate = 5.0;
    crv::POM.PreTaxAmount = crv::Amount(1850);
    crv::POM.POAmount = crv::Amount::fromRaw(194250);
    crv::POMaster.insert();
    for (int l = 1; l <= 10; ++l) {
      crv::POD.clear();
      crv::PODetail.primeAutoInc();
      crv::POD.POID = crv::POM.POID;
      crv::POD.SequenceNo = static_cast<crv::Id>(l);
      crv::POD.ItemID = "ITEM-" + std::to_string(l);
      crv::POD.Description = "Concrete block 8x8x16, lot " + std::to_string(l);
      crv::POD.QtyOrdered = crv::Quantity(l);
      crv::POD.UnitPrice = 18.5;
      crv::POD.UnitName = "EA";
      crv::POD.TotalAmount = crv::Amount::fromRaw(1850L * l);
      crv::POD.Taxable = 1;
      crv::PODetail.insert();
    }
  }
}

}  // namespace

int main(int argc, char** argv) {
  const int orders = argc > 1 ? std::atoi(argv[1]) : 1000;
  const auto folder =
      std::filesystem::temp_directory_path() / ("po_print_bench_" + std::to_string(::getpid()));
  std::filesystem::create_directories(folder);
  const std::filesystem::path pdf = argc > 2 ? std::filesystem::path(argv[2]) : folder / "batch.pdf";
  int result = 0;
  {
    auto company = crv::Company::open(folder, true);
    crv::DataPath = folder.string();
    crv::UserID = "BEN";
    crv::CompanyName = "Bench Contracting Ltd.";
    for (crv::Table* t : {&crv::Systems, &crv::APVendor, &crv::POMaster, &crv::PODetail, &crv::POPrint})
      t->open();
    {
      crv::Transaction setUp(crv::POMaster);
      fillCompany(orders);
      if (setUp.commit() != crv::TableStatus::Ok) {
        std::fprintf(stderr, "setting up the company failed: %s\n", setUp.error().describe().c_str());
        return 1;
      }
    }

    const auto buildStart = Clock::now();
    const double buildCpuStart = cpuSeconds();
    crv::DecimalVariable = crv::Amount();
    CreatePOPrint();
    const double buildSeconds = std::chrono::duration<double>(Clock::now() - buildStart).count();
    const double buildCpu = cpuSeconds() - buildCpuStart;
    const long rows = crv::POPrint.records();
    std::printf("batch of %ld rows for %d orders built in %.1f ms (%.1f ms CPU; target under 50 ms)\n", rows,
                orders, buildSeconds * 1000, buildCpu * 1000);
    if (rows != orders) result = 1;
    std::printf("%8s %10s %10s\n", "orders", "VmHWM KiB", "VmRSS KiB");

    int printed = 0;
    const auto start = Clock::now();
    const double cpuStart = cpuSeconds();
    const crvpo::PdfPrintResult run = crvpo::printStandardFormToPdf(pdf, [&] {
      ++printed;
      if (printed == 100 || printed == 500 || printed == orders)
        std::printf("%8d %10ld %10ld\n", printed, statusKiB("VmHWM:"), statusKiB("VmRSS:"));
    });
    const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
    const double cpu = cpuSeconds() - cpuStart;
    std::printf(
        "%d orders, %d pages in %.2f s (%.2f s CPU): %.1f pages/s, %.1f pages per CPU second; PDF %.1f MiB\n",
        run.orders, run.pages, seconds, cpu, run.pages / seconds, run.pages / cpu,
        static_cast<double>(std::filesystem::file_size(pdf)) / (1024.0 * 1024.0));
    if (run.pages == 0) result = 1;

    const auto form = folder / "Purchase Order.crvreport";
    crv::writeSamplePurchaseOrderForm(form);
    crvpo::setDesignerForm(form.string(), 0);
    std::ostringstream told;
    const auto designerStart = Clock::now();
    const double designerCpuStart = cpuSeconds();
    const crvpo::PdfPrintResult designed = crvpo::printDesignerFormToPdf(folder / "designer.pdf", told);
    const double designerSeconds = std::chrono::duration<double>(Clock::now() - designerStart).count();
    const double designerCpu = cpuSeconds() - designerCpuStart;
    std::printf(
        "designer form: %d orders, %d pages in %.2f s (%.2f s CPU): %.1f pages/s, %.1f pages per CPU "
        "second; VmHWM %ld KiB%s%s\n",
        designed.orders, designed.pages, designerSeconds, designerCpu, designed.pages / designerSeconds,
        designed.pages / designerCpu, statusKiB("VmHWM:"),
        told.str().empty() ? "" : "; said: ", told.str().c_str());
    if (designed.pages == 0) result = 1;
    for (crv::Table* t : {&crv::Systems, &crv::APVendor, &crv::POMaster, &crv::PODetail, &crv::POPrint})
      t->close();
  }
  if (argc <= 2) std::filesystem::remove_all(folder);
  return result;
}

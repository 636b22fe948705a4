// The purchase-order header form on an order of 1,000 lines, played by the
// headless driver as a person would, repeated 100 times:
//   open   the form opens the order for change (its lines read for the
//          totals, the opening commitments and what Cancel would put back);
//   line   one line is changed: the line form opens from the list, its
//          quantity is typed, OK writes it and the header's totals follow;
//   ok     OK saves the order: the commitments taken back and posted again,
//          the header written.
// Prints the median and the slowest of each step and the resident memory
// before the first and after the last repetition.
//
//   po_form_bench [lines] [repetitions]   (default 1000 100)
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "crvpo/entry/entry_state.h"
#include "crvpo/entry/update_po_master.h"
#include "host/data/company.h"
#include "host/data/shared_values.h"
#include "host/data/tables/job_cost_tables.h"
#include "host/data/tables/payables_tables.h"
#include "host/data/tables/purchasing_tables.h"
#include "host/data/tables/suite_tables.h"
#include "host/framework/services/global_request.h"
#include "host/framework/table/transaction.h"
#include "host/framework/ui/headless/headless_driver.h"

namespace {

using Clock = std::chrono::steady_clock;
namespace fs = std::filesystem;

constexpr int costLines = 50;

long residentKiB() {
  std::ifstream status("/proc/self/status");
  std::string line;
  while (std::getline(status, line))
    if (line.rfind("VmRSS:", 0) == 0) return std::atol(line.c_str() + 6);
  return -1;
}

std::string code(int c) { return std::to_string(10 + c) + "-100M"; }

void put(crv::Table& table) {
  table.open();
  if (table.insert() != crv::TableStatus::Ok) throw std::runtime_error("cannot write " + table.name());
  table.close();
}

// A company with one vendor, one job of 50 cost lines and one order of
// `lines` job lines spread over them, its figures posted.
crv::Id fill(int lines) {
  crv::Transaction transaction(crv::POMaster);
  crv::SYS.clear();
  crv::SYS.CompanyName = "Bench Builders";
  crv::SYS.AutoPONumber = 1;
  crv::SYS.NextPONumber = 2;
  crv::SYS.DefaultTaxRate = 8.5;
  crv::SYS.PODefaultDetailType = "Job";
  put(crv::Systems);
  crv::APV.clear();
  crv::APV.VendorID = 101;
  crv::APV.VendorName = "Bench Supply";
  crv::APV.Active = 1;
  put(crv::APVendor);
  crv::JCH.clear();
  crv::JCH.JobID = "5001";
  crv::JCH.JobName = "Bench Tower";
  crv::JCH.Active = 1;
  put(crv::JCHeader);
  for (int c = 0; c < costLines; ++c) {
    crv::JCC.clear();
    crv::JCC.JobID = "5001";
    crv::JCC.CostCode = code(c);
    crv::JCC.RecordID = crv::JCCostRecord::recordIdFor("5001", code(c), 6);
    crv::JCC.CurrentBudget = crv::Amount(10000000);
    crv::JCC.Committed = crv::Amount(static_cast<std::int64_t>(lines / costLines * 50));
    put(crv::JCCost);
  }
  crv::POM.clear();
  crv::POM.PONumber = "1";
  crv::POM.VendorID = 101;
  crv::POM.DefaultJob = "5001";
  crv::POM.PreTaxAmount = crv::Amount(static_cast<std::int64_t>(lines) * 50);
  crv::POM.POAmount = crv::POM.PreTaxAmount;
  crv::POM.SortVendorID = 101;
  crv::POM.SortPONumber = "1";
  put(crv::POMaster);
  const crv::Id order = crv::POM.POID;
  crv::PODetail.open();
  for (int l = 0; l < lines; ++l) {
    crv::POD.clear();
    crv::POD.POID = order;
    crv::POD.SequenceNo = static_cast<crv::Id>(l + 1);
    crv::POD.DetailType = "Job";
    crv::POD.Description = "Bench line " + std::to_string(l + 1);
    crv::POD.JobID = "5001";
    crv::POD.CostCode = code(l % costLines);
    crv::POD.QtyOrdered = crv::Quantity(10);
    crv::POD.UnitPrice = 5;
    crv::POD.TotalAmount = crv::Amount(50);
    crv::POD.CommittedPrice = crv::Amount(50);
    if (crv::PODetail.insert() != crv::TableStatus::Ok) throw std::runtime_error("cannot write PODetail");
  }
  crv::PODetail.close();
  transaction.commit();
  return order;
}

double ms(Clock::time_point since) {
  return std::chrono::duration<double, std::milli>(Clock::now() - since).count();
}

struct Step {
  const char* name;
  std::vector<double> times;
  void print() {
    std::sort(times.begin(), times.end());
    std::printf("%-6s median %7.2f ms   slowest %7.2f ms   (%zu runs)\n", name, times[times.size() / 2],
                times.back(), times.size());
  }
};

}  // namespace

int main(int argc, char** argv) {
  const int lines = argc > 1 ? std::atoi(argv[1]) : 1000;
  const int repetitions = argc > 2 ? std::atoi(argv[2]) : 100;
  const fs::path folder = fs::temp_directory_path() / ("po_form_bench_" + std::to_string(::getpid()));
  fs::remove_all(folder);
  int result = 0;
  try {
    auto company = crv::Company::open(folder, true);
    crv::DataPath = folder.string();
    crv::IniPath = folder.string();
    crv::CostCodeLen = 6;
    crv::JobIDLen = 10;
    crv::PURCHASELEVEL = 2;
    const crv::Id order = fill(lines);

    Step open{"open", {}}, line{"line", {}}, ok{"ok", {}};
    long before = 0;
    for (int r = 0; r < repetitions; ++r) {
      if (r == 1) before = residentKiB();  // after the first run has warmed the caches
      crv::POMaster.open();
      crv::POM.clear();
      crv::POM.POID = order;
      crv::POMaster.fetch(crv::POMasterRecord::KeyPOID);
      crv::POMaster.close();
      crv::ui::HeadlessDriver person;
      auto start = Clock::now();
      person.request(crv::ChangeRecord);
      person.start([] { crvpo::updatePOMaster(); }, "UpdatePOMaster");
      person.expectWindow("Changing a Purchase Order");
      open.times.push_back(ms(start));

      start = Clock::now();
      person.highlight("?LineList", 0);
      person.press("?LineChange");
      person.type("?POD:QtyOrdered", r % 2 == 0 ? "11" : "10");
      person.press("?OK");
      person.expectWindow("Changing a Purchase Order");
      line.times.push_back(ms(start));

      start = Clock::now();
      person.press("?OK");
      person.expectFinished();
      ok.times.push_back(ms(start));
    }
    const long after = residentKiB();
    std::printf("header form on an order of %d lines, %d repetitions\n", lines, repetitions);
    open.print();
    line.print();
    ok.print();
    std::printf("RSS after the first run %ld KiB, after the last %ld KiB (%+ld KiB)\n", before, after,
                after - before);
  } catch (const std::exception& error) {
    std::fprintf(stderr, "po_form_bench: %s\n", error.what());
    result = 1;
  }
  std::error_code ec;
  fs::remove_all(folder, ec);
  return result;
}

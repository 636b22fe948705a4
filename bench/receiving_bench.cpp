// Receiving: a packing slip of many lines, and one line with many serial
// numbers.
//
// Builds a company with one order of N inventory lines over 50 items (half
// of them bought by the box of 50) and a serialized item, then:
//   - receives every line of the order through the line form, played by
//     the headless driver as a clerk would (open the line, type the
//     quantity, OK), timed over the whole packing slip;
//   - the same receipts once more through the receipt alone (what the
//     form's OK runs), to show what the window costs;
//   - a range of S serial numbers typed into the serialized line's list,
//     expanded, checked and written with the receipt, timed.
//
// Each figure is the wall time and, in brackets, the processor time of the
// whole process (all threads), which is what a busy shared machine leaves
// comparable.
//
//   receiving_bench [lines] [serial numbers]   (default 500 10000)
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <string>

#include "crvpo/reconcile/line_receipt.h"
#include "crvpo/reconcile/reconcile_po_detail.h"
#include "crvpo/reconcile/serial_numbers.h"
#include "host/data/company.h"
#include "host/data/tables/inventory_tables.h"
#include "host/data/tables/purchasing_tables.h"
#include "host/framework/services/global_request.h"
#include "host/framework/table/transaction.h"
#include "host/framework/ui/headless/headless_driver.h"

namespace {

using Clock = std::chrono::steady_clock;
namespace fs = std::filesystem;

constexpr int items = 50;
constexpr crv::Id vendor = 110;
const std::string serializedItem = "GEN-7500";

double seconds(Clock::time_point since) {
  return std::chrono::duration<double>(Clock::now() - since).count();
}

double processorSeconds() {
  timespec now{};
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
  return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) / 1e9;
}

// Wall and processor time of a run.
struct Timing {
  double wall = 0;
  double processor = 0;
};

template <class Run>
Timing timed(Run run) {
  const auto start = Clock::now();
  const double processor = processorSeconds();
  run();
  return {seconds(start), processorSeconds() - processor};
}

std::string itemId(int i) { return "ITEM-" + std::to_string(100 + i); }

void check(crv::TableStatus status, const char* what) {
  if (status != crv::TableStatus::Ok) {
    std::fprintf(stderr, "setting up failed: %s\n", what);
    std::exit(1);
  }
}

void addItem(const std::string& id, bool boxed, bool serialized, crv::Quantity onOrder) {
  crv::INM.clear();
  crv::INM.ItemID = id;
  crv::INM.UnitName = "EA";
  crv::INM.Serialized = serialized;
  crv::INM.DefaultLocationID = "MAIN";
  crv::INM.DefaultBinID = "A1";
  crv::INM.QtyOnOrder = onOrder;
  check(crv::INMaster.insert(), "INMaster");
  if (!boxed) return;
  crv::INC.clear();
  crv::INC.ItemID = id;
  crv::INC.UnitName = "BOX";
  crv::INC.Factor = 50;
  check(crv::INCnvrt.insert(), "INCnvrt");
}

crv::Id addLine(crv::Id order, crv::Id sequence, const std::string& id, bool boxed, crv::Quantity ordered) {
  crv::POD.clear();
  crv::POD.POID = order;
  crv::POD.SequenceNo = sequence;
  crv::POD.DetailType = "Inventory";
  crv::POD.ItemID = id;
  crv::POD.Description = "Item " + id;
  crv::POD.QtyOrdered = ordered;
  crv::POD.UnitName = boxed ? "BOX" : "EA";
  crv::POD.INVQuantity = boxed ? crv::multiply<4>(ordered, 50.0) : ordered;
  crv::POD.UnitPrice = 8.25;
  crv::POD.TotalAmount = crv::multiply(ordered, 8.25);
  crv::POD.LocationID = "MAIN";
  crv::POD.BinID = "A1";
  check(crv::PODetail.insert(), "PODetail");
  return crv::POD.DetailID;
}

// The order of `lines` lines and the serialized line; answers its POID.
crv::Id build(crv::Connection& connection, int lines, int serials) {
  crv::Transaction transaction(connection);
  crv::INL.clear();
  crv::INL.LocationID = "MAIN";
  check(crv::INLoc.insert(), "INLoc");
  crv::INBN.clear();
  crv::INBN.LocationID = "MAIN";
  crv::INBN.BinID = "A1";
  check(crv::INBin.insert(), "INBin");
  for (int i = 0; i < items; ++i) addItem(itemId(i), i % 2 == 0, false, crv::Quantity(0));
  addItem(serializedItem, false, true, crv::Quantity(serials));
  crv::POM.clear();
  crv::POM.PONumber = "5001";
  crv::POM.SortPONumber = "5001";
  crv::POM.VendorID = vendor;
  check(crv::POMaster.insert(), "POMaster");
  for (int i = 0; i < lines; ++i)
    addLine(crv::POM.POID, i + 1, itemId(i % items), (i % items) % 2 == 0, crv::Quantity(20));
  addLine(crv::POM.POID, lines + 1, serializedItem, false, crv::Quantity(serials));
  check(transaction.commit(), "commit");
  return crv::POM.POID;
}

void loadLine(crv::Id order, crv::Id sequence) {
  crv::POD.clear();
  crv::POD.POID = order;
  crv::POD.SequenceNo = sequence;
  check(crv::PODetail.fetch(crv::PODetailRecord::KeyPOID), "reading a line");
}

void throughTheForm(crv::ui::HeadlessDriver& clerk, crv::Id order, int lines) {
  for (int i = 0; i < lines; ++i) {
    loadLine(order, i + 1);
    clerk.request(crv::ChangeRecord);
    clerk.start([] { crvpo::reconcilePODetail(); }, "ReconcilePODetail");
    clerk.type("?POD:QtyThisPackSlip", "5");
    clerk.press("?OK");
    if (!clerk.finished() || clerk.response() != crv::RequestCompleted) {
      std::fprintf(stderr, "line %d was not received:\n%s\n", i + 1, clerk.transcriptText().c_str());
      std::exit(1);
    }
  }
}

void writeLine(crv::TableSteps& steps) { steps.update(crv::PODetail); }

void throughTheReceipt(crv::Connection& connection, crv::Id order, int lines) {
  for (int i = 0; i < lines; ++i) {
    loadLine(order, i + 1);
    crv::POD.QtyThisPackSlip = crv::Quantity(7);
    crvpo::LineReceipt receipt(connection, crv::POD, vendor);
    if (!receipt.record(writeLine).done) {
      std::fprintf(stderr, "line %d was not received\n", i + 1);
      std::exit(1);
    }
  }
}

// The serialized line is in POD.
void serialRange(crv::Connection& connection, int serials) {
  crv::POD.QtyThisPackSlip = crv::Quantity(serials);
  crvpo::SerialNumberList list;
  char last[32];
  std::snprintf(last, sizeof last, "SN-%06d", serials);
  if (auto refusal = list.add("SN-000001.." + std::string(last), crv::POD.QtyThisPackSlip)) {
    std::fprintf(stderr, "the range was refused: %s\n", refusal->text.c_str());
    std::exit(1);
  }
  crvpo::LineReceipt receipt(connection, crv::POD, vendor);
  receipt.setSerialNumbers(list.rows(), {});
  if (!receipt.record(writeLine).done) {
    std::fprintf(stderr, "the serial numbers were not written\n");
    std::exit(1);
  }
}

}  // namespace

int main(int argc, char** argv) {
  const int lines = argc > 1 ? std::atoi(argv[1]) : 500;
  const int serials = argc > 2 ? std::atoi(argv[2]) : 10000;
  const fs::path folder = fs::temp_directory_path() / ("receiving_bench_" + std::to_string(::getpid()));
  fs::remove_all(folder);
  {
    auto company = crv::Company::open(folder, true);
    for (crv::Table* table : {&crv::POMaster, &crv::PODetail, &crv::PODetSer, &crv::INMaster, &crv::INCnvrt,
                              &crv::INItem, &crv::INPurch, &crv::INSerial, &crv::INLoc, &crv::INBin})
      table->open();
    const crv::Id order = build(company->connection(), lines, serials);

    crv::ui::HeadlessDriver clerk;
    const Timing form = timed([&] { throughTheForm(clerk, order, lines); });
    std::printf(
        "packing slip of %d lines through the line form (headless): %.3f s [%.3f s], %.2f ms a line "
        "(target < 2 s)\n",
        lines, form.wall, form.processor, form.wall * 1000 / lines);
    const Timing receipt = timed([&] { throughTheReceipt(company->connection(), order, lines); });
    std::printf("the same %d receipts without the window: %.3f s [%.3f s], %.2f ms a line\n", lines,
                receipt.wall, receipt.processor, receipt.wall * 1000 / lines);
    loadLine(order, lines + 1);
    const Timing range = timed([&] { serialRange(company->connection(), serials); });
    if (crv::PODetSer.records() != serials || crv::INSerial.records() != serials) {
      std::fprintf(stderr, "serial rows missing\n");
      return 1;
    }
    std::printf(
        "%d serial numbers from one range, expanded, checked and written: %.3f s [%.3f s] (target < 1 s)\n",
        serials, range.wall, range.processor);
  }
  fs::remove_all(folder);
  return 0;
}

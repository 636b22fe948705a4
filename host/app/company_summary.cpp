// Printing a company summary.
#include "host/app/company_summary.h"

#include <iomanip>

#include "host/data/shared_values.h"
#include "host/data/tables/payables_tables.h"
#include "host/data/tables/purchasing_tables.h"
#include "host/data/tables/suite_tables.h"
#include "host/data/tables/table_registry.h"
#include "host/framework/table/table_steps.h"
#include "host/framework/values/picture.h"

namespace crv {
namespace {

// Read failures go to the error stream and are counted; the summary goes on
// with what it can read.
class ReadErrors final : public StepFailureSink {
 public:
  explicit ReadErrors(std::ostream& errors) : errors_(errors) {}
  void stepFailed(const StepFailure& failure) override { errors_ << "Error: " << failure.text() << "\n"; }

 private:
  std::ostream& errors_;
};

void printHeading(std::ostream& out, TableSteps& steps) {
  Systems.open();
  Systems.set(SYS.KeySystemID);
  if (steps.next(Systems)) {
    out << SYS.CompanyName.view() << "\n";
    if (!SYS.Address1.empty()) out << SYS.Address1.view() << "\n";
    out << SYS.City.view() << (SYS.City.empty() ? "" : ", ") << SYS.State.view() << " " << SYS.Zip.view()
        << "\n";
    out << "Next purchase-order number: " << SYS.NextPONumber
        << (SYS.AutoPONumber ? " (numbered automatically)" : "") << "\n";
  } else {
    out << "(no company settings)\n";
  }
  Systems.close();
  out << "Data folder: " << DataPath << "\n\n";
}

void printTableCounts(std::ostream& out, TableSteps& steps) {
  out << "Table              Rows\n";
  for (const TableDef* def : TableRegistry::definitions()) {
    Table* table = TableRegistry::find(def->name());
    table->open();
    const std::int64_t rows = table->records();
    if (table->lastError().failed()) {
      steps.fail(StepFailure::of(*table, TableOp::Reading));
      out << std::left << std::setw(14) << def->name() << std::right << std::setw(9) << "?"
          << "\n";
    } else {
      out << std::left << std::setw(14) << def->name() << std::right << std::setw(9) << rows << "\n";
    }
    table->close();
  }
  out << "\n";
}

void printOpenOrders(std::ostream& out, TableSteps& steps) {
  const Picture amount = Picture::parse("@n-14.2");
  const Picture date = Picture::parse("@d1");
  POMaster.open();
  APVendor.open();
  out << "Open purchase orders\n";
  out << "PO Number        Issued   Vendor                              Amount\n";
  POMaster.set(POM.KeySortPONumber);
  while (steps.next(POMaster)) {
    APV.VendorID = POM.VendorID;
    const bool known = steps.fetch(APVendor, APV.KeyVendorID);
    out << std::left << std::setw(16) << POM.PONumber.view() << " " << date.format(POM.IssueDate) << " "
        << std::setw(30) << (known ? APV.VendorName.view() : std::string_view("(no vendor)")).substr(0, 30)
        << std::right << amount.format(POM.POAmount) << "\n";
  }
  APVendor.close();
  POMaster.close();
}

// Lines whose order does not exist: left behind by a program that stopped
// while adding a line, or by an order removed without its lines.
void printLinesWithoutOrder(std::ostream& out, TableSteps& steps) {
  PODetail.open();
  POMaster.open();
  std::int64_t found = 0;
  // Both in POID order, side by side.
  POMaster.set(POM.KeyPOID);
  PODetail.set(POD.KeyPOID);
  bool haveOrder = steps.next(POMaster);
  while (steps.next(PODetail)) {
    while (haveOrder && POM.POID < POD.POID) haveOrder = steps.next(POMaster);
    if (haveOrder && POM.POID == POD.POID) continue;
    if (found++ == 0) out << "\nLines without an order (DetailID, POID)\n";
    out << POD.DetailID << ", " << POD.POID << "\n";
  }
  POMaster.close();
  PODetail.close();
}

}  // namespace

int printCompanySummary(std::ostream& out, std::ostream& errors) {
  ReadErrors sink(errors);
  TableSteps steps(sink);
  printHeading(out, steps);
  printTableCounts(out, steps);
  printOpenOrders(out, steps);
  printLinesWithoutOrder(out, steps);
  return steps.failures();
}

}  // namespace crv

// Printing a company summary.
#include "host/app/company_summary.h"

#include <iomanip>

#include "host/data/shared_values.h"
#include "host/data/tables/payables_tables.h"
#include "host/data/tables/purchasing_tables.h"
#include "host/data/tables/suite_tables.h"
#include "host/data/tables/table_registry.h"
#include "host/framework/values/picture.h"

namespace crv {
namespace {

void printHeading(std::ostream& out) {
  Systems.open();
  Systems.set(SYS.KeySystemID);
  if (Systems.next() == TableStatus::Ok) {
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

void printTableCounts(std::ostream& out) {
  out << "Table              Rows\n";
  for (const TableDef* def : TableRegistry::definitions()) {
    Table* table = TableRegistry::find(def->name());
    table->open();
    out << std::left << std::setw(14) << def->name() << std::right << std::setw(9) << table->records()
        << "\n";
    table->close();
  }
  out << "\n";
}

void printOpenOrders(std::ostream& out) {
  const Picture amount = Picture::parse("@n-14.2");
  const Picture date = Picture::parse("@d1");
  POMaster.open();
  APVendor.open();
  out << "Open purchase orders\n";
  out << "PO Number        Issued   Vendor                              Amount\n";
  POMaster.set(POM.KeySortPONumber);
  while (POMaster.next() == TableStatus::Ok) {
    APV.VendorID = POM.VendorID;
    const bool known = APVendor.fetch(APV.KeyVendorID) == TableStatus::Ok;
    out << std::left << std::setw(16) << POM.PONumber.view() << " " << date.format(POM.IssueDate) << " "
        << std::setw(30) << (known ? APV.VendorName.view() : std::string_view("(no vendor)")).substr(0, 30)
        << std::right << amount.format(POM.POAmount) << "\n";
  }
  APVendor.close();
  POMaster.close();
}

}  // namespace

void printCompanySummary(std::ostream& out) {
  printHeading(out);
  printTableCounts(out);
  printOpenOrders(out);
}

}  // namespace crv

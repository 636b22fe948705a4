// Builds the signed-in user's print batch and the company heading.
#include "crvpo/reports/po_print_batch.h"

#include <charconv>

#include "crvpo/reports/address_lines.h"
#include "crvpo/reports/generate_pos_limits.h"
#include "crvpo/reports/print_state.h"
#include "host/data/shared_values.h"
#include "host/data/tables/job_cost_tables.h"
#include "host/data/tables/payables_tables.h"
#include "host/data/tables/purchasing_tables.h"
#include "host/data/tables/suite_tables.h"
#include "host/framework/services/message_box.h"
#include "host/framework/table/table.h"
#include "host/framework/table/table_error.h"

namespace crvpo {

using crv::TableOp;
using crv::TableStatus;

namespace {

constexpr std::string_view samplePreparer = "Jane Goodwin";
constexpr std::string_view sampleOrderNumber = "JG-2991349";
constexpr std::string_view sampleText =
    "This is a sample text line. Text lines carry notes for the vendor, such as delivery hours, "
    "packing wishes, or the name of the person who receives the goods.";
constexpr std::string_view sampleItems[5][2] = {
    {"Item 1", "First Line Item on Purchase Order"}, {"Item 2", "Second Line Item on Purchase Order"},
    {"Item 3", "Third Line Item on Purchase Order"}, {"Item 4", "Fourth Line Item on Purchase Order"},
    {"Item 5", "Fifth Line Item on Purchase Order"},
};

bool isPrinted(const crv::Text<1>& flag) { return flag == "1"; }

}  // namespace

std::uint32_t orderNumberValue(std::string_view number) {
  const auto first = number.find_first_not_of(' ');
  if (first == std::string_view::npos) return 0;
  number = clipped(number.substr(first));
  std::uint32_t value = 0;
  const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value);
  if (error != std::errc() || end != number.data() + number.size()) return 0;
  return value;
}

void POPrintBatchBuilder::showFailure(const crv::Table& table, std::string_view context) {
  crv::message(table.lastError().describe() + std::string(context));
}

void POPrintBatchBuilder::openTables(std::initializer_list<crv::Table*> tables) {
  for (crv::Table* table : tables) {
    if (table->open() == TableStatus::Ok) {
      opened_.push_back(table);
    } else {
      crv::message("Error Accessing " + table->name());
    }
  }
}

void POPrintBatchBuilder::build() {
  openTables({&crv::POLimits, &crv::POMaster, &crv::PODetail, &crv::POPrint, &crv::APVendor, &crv::JCHeader,
              &crv::Systems});
  keepOneLimitsRecord();
  clearUserRows();
  buildCompanyHeading();

  const crv::Amount request = crv::DecimalVariable;
  if (request == sampleOrderRequest) {
    buildSampleOrder();
  } else if (request == blankFormRequest) {
    buildBlankForm();
  } else if (request.raw() <= 0) {
    buildFromLimits();
  } else {
    buildSingleOrder(static_cast<crv::Id>(request.raw() / crv::Amount::scale));
  }

  for (auto it = opened_.rbegin(); it != opened_.rend(); ++it) (*it)->close();
  opened_.clear();
}

void POPrintBatchBuilder::keepOneLimitsRecord() { keepOneGeneratePOsRecord(); }

void POPrintBatchBuilder::clearUserRows() {
  crv::POP.clear();
  crv::POP.UserID = crv::UserID.view();
  if (crv::POPrint.setRange(crv::POP.KeyUserID, 1) != TableStatus::Ok) return;
  while (crv::POPrint.next() == TableStatus::Ok) {
    if (crv::POPrint.tryRemove() != TableStatus::Ok) {
      showFailure(crv::POPrint, crv::errorContext(TableOp::Deleting, "POPrint"));
    }
  }
}

void POPrintBatchBuilder::readFirstSystemsRow() {
  crv::SYS.clear();
  if (crv::Systems.set(crv::SYS.KeySystemID) != TableStatus::Ok || crv::Systems.next() != TableStatus::Ok) {
    crv::SYS.clear();
  }
}

void POPrintBatchBuilder::buildCompanyHeading() {
  readFirstSystemsRow();
  PrintState& state = printState();
  state.CompanyName = crv::SYS.CompanyName.view();
  const std::string city = cityLine(crv::SYS.City.view(), crv::SYS.State.view(), crv::SYS.Zip.view(), "  ");
  const std::string phone =
      crv::SYS.PrintPhoneOnForms != 0 ? "Phone: " + std::string(crv::SYS.Phone.padded()) : std::string();
  std::array<std::string, 4> lines{};
  std::size_t next = 0;
  if (!crv::SYS.Address1.empty()) lines[next++] = crv::SYS.Address1.str();
  if (!crv::SYS.Address2.empty()) lines[next++] = crv::SYS.Address2.str();
  lines[next++] = city;
  lines[next] = phone;
  state.CompanyLine1 = lines[0];
  state.CompanyLine2 = lines[1];
  state.CompanyLine3 = lines[2];
  state.CompanyLine4 = lines[3];
}

void POPrintBatchBuilder::buildSingleOrder(crv::Id poid) {
  crv::POM.clear();
  crv::POM.POID = poid;
  if (crv::POMaster.fetch(crv::POM.KeyPOID) != TableStatus::Ok) return;
  printState().PONumber = orderNumberValue(crv::POM.PONumber.view());
  addRowForOrder();
  printState().EmailSubject = "Purchase Order from " + std::string(crv::CompanyName.padded());
}

void POPrintBatchBuilder::buildFromLimits() {
  PrintState& state = printState();
  state.EmailSubject = "Purchase Order from " + std::string(crv::CompanyName.padded());

  crv::POL.clear();
  crv::POL.Report = generatePOsReport;
  const bool haveLimits = crv::POLimits.setFrom(crv::POL.KeyReport, 1) == TableStatus::Ok &&
                          crv::POLimits.next() == TableStatus::Ok && crv::POL.Report == generatePOsReport;
  if (!haveLimits) crv::POL.clear();
  const crv::POLimitsRecord limits = crv::POL;

  std::vector<crv::Id> chosen;
  crv::POM.clear();
  TableStatus positioned;
  if (limits.SelectedPONumbers == 1) {
    crv::POM.PONumber = limits.POFrom.view().substr(0, 15);
    positioned = crv::POMaster.setFrom(crv::POM.KeyPONumber);
  } else {
    positioned = crv::POMaster.set(crv::POM.KeyPONumber);
  }
  if (positioned == TableStatus::Ok) {
    while (crv::POMaster.next() == TableStatus::Ok) {
      if (limits.SelectedPONumbers == 1 && crv::POM.PONumber > limits.POTo.view()) break;
      const bool printed = isPrinted(crv::POM.PrintFlag);
      if (state.PrintCondition == "U" && printed) continue;
      if (state.PrintCondition == "P" && !printed) continue;
      chosen.push_back(crv::POM.POID);
    }
  }

  for (crv::Id poid : chosen) {
    crv::POM.clear();
    crv::POM.POID = poid;
    if (crv::POMaster.fetch(crv::POM.KeyPOID) == TableStatus::Ok) addRowForOrder();
  }

  if (!haveLimits) return;
  crv::POL.clear();
  crv::POL.Report = generatePOsReport;
  if (crv::POLimits.setFrom(crv::POL.KeyReport, 1) == TableStatus::Ok &&
      crv::POLimits.next() == TableStatus::Ok && crv::POL.Report == generatePOsReport) {
    crv::POL.RefFrom = static_cast<std::int32_t>(state.PONumber);
    if (crv::POLimits.tryUpdate() != TableStatus::Ok) {
      showFailure(crv::POLimits, crv::errorContext(TableOp::Saving, "POLimits"));
    }
  }
}

void POPrintBatchBuilder::handOutNumber() {
  PrintState& state = printState();
  crv::POM.PONumber = std::to_string(state.PONumber);
  if (crv::POMaster.tryUpdate() != TableStatus::Ok) {
    showFailure(crv::POMaster, crv::errorContext(TableOp::Saving, "POMaster"));
  }
  ++state.PONumber;
}

void POPrintBatchBuilder::addRowForOrder() {
  const PrintState& state = printState();
  std::array<std::string, 3> shipTo{};
  if (!crv::POM.ShipToName.empty()) {
    shipTo = closedUpLines(
        crv::POM.ShipToAddress1.view(), crv::POM.ShipToAddress2.view(),
        cityLine(crv::POM.ShipToCity.view(), crv::POM.ShipToState.view(), crv::POM.ShipToZip.view(), " "));
  }

  if (state.AssignPONumber == "A" || (state.AssignPONumber == "B" && crv::POM.PONumber.empty()))
    handOutNumber();

  crv::APV.clear();
  crv::APV.VendorID = crv::POM.VendorID;
  if (crv::APVendor.fetch(crv::APV.KeyVendorID) != TableStatus::Ok) {
    crv::APV.clear();
    crv::APV.VendorID = crv::POM.VendorID;
  }
  const auto vendor =
      closedUpLines(crv::APV.Address.view(), crv::APV.Address2.view(),
                    cityLine(crv::APV.City.view(), crv::APV.State.view(), crv::APV.Zip.view(), " "));

  if (state.SetPrintedFlag == 1 && !isPrinted(crv::POM.PrintFlag)) {
    crv::POM.PrintFlag = "1";
    if (crv::POMaster.tryUpdate() != TableStatus::Ok) {
      showFailure(crv::POMaster, crv::errorContext(TableOp::Saving, "POMaster"));
    }
  }

  crv::POP.clear();
  if (crv::POPrint.primeAutoInc() != TableStatus::Ok) {
    showFailure(crv::POPrint, crv::errorContext(TableOp::Autoincrementing, "POPrint"));
  }
  const crv::POMasterRecord& m = crv::POM;
  crv::POPrintRecord& p = crv::POP;
  p.UserID = crv::UserID.view();
  p.POID = m.POID;
  p.BatchID = m.BatchID.view();
  p.VendorID = m.VendorID;
  p.ShipToType = m.ShipToType.view();
  p.ShipToJob = m.ShipToJob.view();
  p.ShipToVendor = static_cast<std::uint16_t>(m.ShipToVendor & 0xFFFFu);
  p.ShipToCustomer = static_cast<std::uint16_t>(m.ShipToCustomer & 0xFFFFu);
  p.PreparedBy = m.PreparedBy.view();
  p.PreparedDate = m.PreparedDate;
  p.CheckNo = m.CheckNo.view();
  p.PONumber = m.PONumber.view();
  p.PrintFlag = m.PrintFlag.view();
  p.IssueDate = m.IssueDate;
  p.DeliverAfterDate = m.DeliverAfterDate;
  p.DeliveryDate = m.DeliveryDate;
  p.DeadlineDate = m.DeadlineDate;
  p.PreTaxAmount = m.PreTaxAmount;
  p.POAmount = m.POAmount;
  p.InvoiceNumber = m.InvoiceNumber.view();
  p.InvoiceDate = m.InvoiceDate;
  p.DueDate = m.DueDate;
  p.DiscountExpires = m.DiscountExpires;
  p.PaidDate = m.PaidDate;
  p.DiscountAmount = m.DiscountAmount;
  p.NotApproved = m.NotApproved;
  p.TaxRate = m.TaxRate;
  p.TaxAmount = m.TaxAmount;
  p.OtherCharges = m.OtherCharges;
  p.DefaultJob = m.DefaultJob.view();
  p.Taxable = m.Taxable;
  p.ShipToName = m.ShipToName.view();
  p.ShipToAddress1 = m.ShipToAddress1.view();
  p.ShipToAddress2 = m.ShipToAddress2.view();
  p.ShipToCity = m.ShipToCity.view();
  p.ShipToState = m.ShipToState.view();
  p.ShipToZip = m.ShipToZip.view();
  p.ShipToContact = m.ShipToContact.view();
  p.ShipVia = m.ShipVia.padded().substr(0, 10);
  p.ShipToInstructions = m.ShipToInstructions.view();
  p.ApprovedName = m.ApprovedName.view();
  p.ApprovedDate = m.ApprovedDate;
  p.Reconciled = m.Reconciled;
  p.ApprovalUserID1 = m.ApprovalUserID1.view();
  p.ApprovalUserID2 = m.ApprovalUserID2.view();
  p.QuantityReconciled = m.QuantityReconciled;
  p.AmountReconciled = m.AmountReconciled;
  p.SortVendorID = static_cast<std::uint16_t>(m.SortVendorID & 0xFFFFu);
  p.SortPONumber = m.SortPONumber.view();
  p.FOB = m.FOB.view();
  p.Terms = m.Terms.view();
  p.VendorLine1 = vendor[0];
  p.VendorLine2 = vendor[1];
  p.VendorLine3 = vendor[2];
  p.ShipToLine1 = shipTo[0];
  p.ShipToLine2 = shipTo[1];
  p.ShipToLine3 = shipTo[2];
  insertBatchRow();
}

void POPrintBatchBuilder::insertBatchRow() {
  if (crv::POPrint.tryInsert() != TableStatus::Ok) {
    showFailure(crv::POPrint, crv::errorContext(TableOp::Inserting, "POPrint"));
  }
}

void POPrintBatchBuilder::buildSampleOrder() {
  readFirstSystemsRow();
  crv::APV.clear();
  if (crv::APVendor.set(crv::APV.KeyVendorID) != TableStatus::Ok || crv::APVendor.next() != TableStatus::Ok) {
    crv::APV.clear();
  }
  crv::JCH.clear();
  if (crv::JCHeader.set(crv::JCH.KeyJobID) != TableStatus::Ok || crv::JCHeader.next() != TableStatus::Ok) {
    crv::JCH.clear();
  }
  const crv::Date today = crv::Date::today();
  const crv::Date delivery = crv::Date::fromDay(today.day() + 20);
  const crv::Date deadline = crv::Date::fromDay(today.day() + 35);

  crv::POP.clear();
  if (crv::POPrint.primeAutoInc() != TableStatus::Ok) {
    showFailure(crv::POPrint, crv::errorContext(TableOp::Autoincrementing, "POPrint"));
  }
  crv::POPrintRecord& p = crv::POP;
  p.UserID = crv::UserID.view();
  p.POID = crv::POPrintRecord::sampleOrderID;
  p.VendorID = crv::APV.VendorID;
  p.SortVendorID = static_cast<std::uint16_t>(crv::APV.VendorID & 0xFFFFu);
  p.PreparedBy = samplePreparer;
  p.PreparedDate = today;
  p.IssueDate = today;
  p.PONumber = sampleOrderNumber;
  p.SortPONumber = sampleOrderNumber;
  p.DeliverAfterDate = delivery;
  p.DeliveryDate = delivery;
  p.DeadlineDate = deadline;
  p.PreTaxAmount = crv::Amount(10000);
  p.POAmount = crv::Amount(10535);
  p.TaxRate = 5.0;
  p.TaxAmount = crv::Amount(500);
  p.OtherCharges = crv::Amount(35);
  p.DefaultJob = crv::JCH.JobID.view();
  p.Taxable = 1;
  p.ShipToName = crv::JCH.JobName.view();
  p.ShipVia = "Big Truck";
  p.ShipToInstructions = "Get it here on time please.";
  p.FOB = "Dallas";
  p.Terms = "Net 30";
  p.VendorLine1 = crv::APV.Address.view();
  p.VendorLine2 = crv::APV.Address2.view();
  p.VendorLine3 = std::string(crv::APV.City.view()) + ", " + std::string(crv::APV.State.padded()) + "  " +
                  std::string(crv::APV.Zip.view());
  p.ShipToLine1 = crv::JCH.Address.view();
  p.ShipToLine2 = crv::JCH.Address2.view();
  p.ShipToLine3 = std::string(crv::JCH.City.view()) + ", " + std::string(crv::JCH.State.padded()) + "  " +
                  std::string(crv::JCH.Zip.view());
  insertBatchRow();

  // The previous sample's lines go first so that the sample always shows
  // exactly its six lines.
  crv::POD.clear();
  crv::POD.POID = crv::POPrintRecord::sampleOrderID;
  if (crv::PODetail.setRange(crv::POD.KeyPOID, 1) == TableStatus::Ok) {
    while (crv::PODetail.next() == TableStatus::Ok) {
      if (crv::PODetail.tryRemove() != TableStatus::Ok) {
        showFailure(crv::PODetail, crv::errorContext(TableOp::Deleting, "PODetail"));
      }
    }
  }
  // Sample lines take ordinary auto-numbers: a fixed range above the real
  // lines would push the table's next number past it.
  for (int line = 0; line < 6; ++line) {
    crv::POD.clear();
    if (crv::PODetail.primeAutoInc() != TableStatus::Ok) {
      showFailure(crv::PODetail, crv::errorContext(TableOp::Autoincrementing, "PODetail"));
    }
    crv::PODetailRecord& d = crv::POD;
    d.POID = crv::POPrintRecord::sampleOrderID;
    d.SequenceNo = static_cast<crv::Id>(line + 1);
    if (line < 5) {
      d.ItemID = sampleItems[line][0];
      d.Description = sampleItems[line][1];
      d.QtyOrdered = crv::Quantity(100);
      d.UnitPrice = 20.0;
      d.PreTaxAmount = crv::Amount(2000);
      d.TaxAmount = crv::Amount(100);
      d.TotalAmount = crv::Amount(2100);
      d.UnitName = "Each";
      d.Taxable = 1;
      d.DeliverAfterDate = delivery;
      d.DeliveryDate = delivery;
      d.DeadlineDate = deadline;
    } else {
      d.TextFlag = 1;
      d.Text = sampleText;
    }
    if (crv::PODetail.tryInsert() != TableStatus::Ok) {
      showFailure(crv::PODetail, crv::errorContext(TableOp::Inserting, "PODetail"));
    }
  }
}

void POPrintBatchBuilder::buildBlankForm() {
  readFirstSystemsRow();
  const PrintState& state = printState();
  crv::POP.clear();
  if (crv::POPrint.primeAutoInc() != TableStatus::Ok) {
    showFailure(crv::POPrint, crv::errorContext(TableOp::Autoincrementing, "POPrint"));
  }
  crv::POP.UserID = crv::UserID.view();
  crv::POP.POID = crv::POPrintRecord::blankFormID;
  crv::POP.PONumber = state.AssignedPONumber.view();
  insertBatchRow();

  if (crv::SYS.AutoPONumber != 0 && state.blankFormNumbering == BlankFormNumbering::NextFromCounter) {
    crv::SYS.NextPONumber = crv::SYS.NextPONumber + 1;
    if (crv::Systems.tryUpdate() != TableStatus::Ok) {
      showFailure(crv::Systems, crv::errorContext(TableOp::Saving, "Systems"));
    }
  }
  crv::DecimalVariable = crv::Amount(static_cast<std::int64_t>(crv::POPrintRecord::blankFormID));
}

}  // namespace crvpo

void CreatePOPrint() { crvpo::POPrintBatchBuilder().build(); }

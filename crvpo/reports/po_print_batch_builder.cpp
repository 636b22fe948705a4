// Builds the signed-in user's print batch and the company heading.
#include "crvpo/reports/po_print_batch_builder.h"

#include <array>
#include <string>

#include "crvpo/reports/address_lines.h"
#include "crvpo/reports/create_po_print.h"
#include "crvpo/reports/generate_pos_limits.h"
#include "crvpo/reports/print_state.h"
#include "crvpo/reports/sample_purchase_order.h"
#include "host/data/shared_values.h"
#include "host/data/tables/job_cost_tables.h"
#include "host/data/tables/payables_tables.h"
#include "host/data/tables/purchasing_tables.h"
#include "host/data/tables/suite_tables.h"

namespace crvpo {

using crv::TableStatus;

namespace {

bool isPrinted(const crv::Text<1>& flag) { return flag == "1"; }

std::string emailSubject() { return "Purchase Order from " + std::string(crv::CompanyName.padded()); }

}  // namespace

void POPrintBatchBuilder::openTables(std::initializer_list<crv::Table*> tables) {
  for (crv::Table* table : tables) {
    if (table->open() == TableStatus::Ok)
      opened_.push_back(table);
    else
      observer_.cannotAccess(table->name());
  }
}

void POPrintBatchBuilder::build() {
  openTables({&crv::POLimits, &crv::POMaster, &crv::PODetail, &crv::POPrint, &crv::APVendor, &crv::JCHeader,
              &crv::Systems});
  const std::uint32_t nextNumber = printState().PONumber;
  if (!crv::runInOneTransaction(crv::POPrint.connection(), steps_, crv::POPrint.name(), crv::TableOp::Saving,
                                [this] { buildRows(); })) {
    // Nothing was built: the numbers go back to where they were, and the
    // caller's previous batch goes so that the form that follows prints
    // nothing rather than orders printed earlier.
    printState().PONumber = nextNumber;
    crv::runInOneTransaction(crv::POPrint.connection(), steps_, crv::POPrint.name(), crv::TableOp::Deleting,
                             [this] { clearUserRows(); });
  }
  for (auto it = opened_.rbegin(); it != opened_.rend(); ++it) (*it)->close();
  opened_.clear();
}

void POPrintBatchBuilder::buildRows() {
  keepOneGeneratePOsRecord(steps_);
  clearUserRows();
  buildCompanyHeading();

  printState().fromLimits = false;
  const crv::Amount request = crv::DecimalVariable;
  if (request == sampleOrderRequest) {
    addSampleOrder(steps_);
  } else if (request == blankFormRequest) {
    buildBlankForm();
  } else if (request.raw() <= 0) {
    buildFromLimits();
  } else {
    buildSingleOrder(static_cast<crv::Id>(request.raw() / crv::Amount::scale));
  }
}

// Positions on the first "Generate POs" record, in POL; false when there is
// none.
bool POPrintBatchBuilder::readGenerateRecord() {
  crv::POL.clear();
  crv::POL.Report = generatePOsReport;
  return crv::POLimits.setFrom(crv::POL.KeyReport, 1) == TableStatus::Ok &&
         crv::POLimits.next() == TableStatus::Ok && crv::POL.Report == generatePOsReport;
}

void POPrintBatchBuilder::clearUserRows() {
  crv::POP.clear();
  crv::POP.UserID = crv::UserID.view();
  if (crv::POPrint.setRange(crv::POP.KeyUserID, 1) != TableStatus::Ok) return;
  while (crv::POPrint.next() == TableStatus::Ok) steps_.remove(crv::POPrint);
}

void POPrintBatchBuilder::buildCompanyHeading() {
  crv::readFirst(crv::Systems, crv::SYS.KeySystemID);
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

// One order leaves the running number of limits batches alone: it keeps
// its own number, and one without a number takes the company counter's
// next number when orders are numbered.
void POPrintBatchBuilder::buildSingleOrder(crv::Id poid) {
  if (crv::fetchBy(crv::POMaster, crv::POM.KeyPOID, crv::POM.POID, poid) != TableStatus::Ok) return;
  const PrintState& state = printState();
  const bool numbering = state.AssignPONumber == "A" || state.AssignPONumber == "B";
  if (numbering && crv::POM.PONumber.empty()) takeCounterNumber();
  addRowForOrder(false);
  printState().EmailSubject = emailSubject();
}

// The orders the "Generate POs" limits (in POL) choose, in PO-number order.
std::vector<crv::Id> POPrintBatchBuilder::chosenOrders() {
  const crv::POLimitsRecord limits = crv::POL;
  const PrintState& state = printState();
  std::vector<crv::Id> chosen;
  crv::POM.clear();
  TableStatus positioned;
  if (limits.SelectedPONumbers == 1) {
    crv::POM.PONumber = limits.POFrom.view().substr(0, 15);
    positioned = crv::POMaster.setFrom(crv::POM.KeyPONumber);
  } else {
    positioned = crv::POMaster.set(crv::POM.KeyPONumber);
  }
  if (positioned != TableStatus::Ok) return chosen;
  while (steps_.next(crv::POMaster)) {
    if (limits.SelectedPONumbers == 1 && crv::POM.PONumber > limits.POTo.view()) break;
    const bool printed = isPrinted(crv::POM.PrintFlag);
    if (state.PrintCondition == "U" && printed) continue;
    if (state.PrintCondition == "P" && !printed) continue;
    chosen.push_back(crv::POM.POID);
  }
  return chosen;
}

void POPrintBatchBuilder::buildFromLimits() {
  PrintState& state = printState();
  state.EmailSubject = emailSubject();
  state.fromLimits = true;
  const bool haveLimits = readGenerateRecord();
  if (!haveLimits) crv::POL.clear();
  // Without a beginning number from the limits window the run goes on from
  // where the last limits batch stopped.
  if (state.PONumber == 0 && crv::POL.RefFrom > 0)
    state.PONumber = static_cast<std::uint32_t>(crv::POL.RefFrom);
  // The whole list is collected before any row is built: numbering a row
  // changes the order's place in PO-number order.
  for (crv::Id poid : chosenOrders())
    if (crv::fetchBy(crv::POMaster, crv::POM.KeyPOID, crv::POM.POID, poid) == TableStatus::Ok)
      addRowForOrder(true);

  if (haveLimits && readGenerateRecord()) {
    crv::POL.RefFrom = static_cast<std::int32_t>(state.PONumber);
    steps_.update(crv::POLimits);
  }
}

void POPrintBatchBuilder::takeCounterNumber() {
  if (!crv::readFirst(crv::Systems, crv::SYS.KeySystemID) || crv::SYS.NextPONumber == 0) return;
  crv::POM.PONumber = std::to_string(crv::SYS.NextPONumber);
  crv::SYS.NextPONumber = crv::SYS.NextPONumber + 1;
  if (steps_.update(crv::Systems)) steps_.update(crv::POMaster);
}

void POPrintBatchBuilder::handOutNumber() {
  PrintState& state = printState();
  crv::POM.PONumber = std::to_string(state.PONumber);
  steps_.update(crv::POMaster);
  ++state.PONumber;
}

// A batch has many orders and few vendors: each vendor is read once a build
// and its row kept, so that APV holds the same as if read for every order.
// The build's transaction keeps other stations from changing a vendor
// meanwhile.
void POPrintBatchBuilder::readVendor(crv::Id vendorId) {
  if (auto known = vendors_.find(vendorId); known != vendors_.end()) {
    crv::APV = known->second;
    return;
  }
  if (crv::fetchBy(crv::APVendor, crv::APV.KeyVendorID, crv::APV.VendorID, vendorId) != TableStatus::Ok) {
    crv::APV.clear();
    crv::APV.VendorID = vendorId;
  }
  vendors_.emplace(vendorId, crv::APV);
}

void POPrintBatchBuilder::addRowForOrder(bool fromLimits) {
  const PrintState& state = printState();
  std::array<std::string, 3> shipTo{};
  if (!crv::POM.ShipToName.empty()) {
    shipTo = closedUpLines(
        crv::POM.ShipToAddress1.view(), crv::POM.ShipToAddress2.view(),
        cityLine(crv::POM.ShipToCity.view(), crv::POM.ShipToState.view(), crv::POM.ShipToZip.view(), " "));
  }

  if (fromLimits &&
      (state.AssignPONumber == "A" || (state.AssignPONumber == "B" && crv::POM.PONumber.empty())))
    handOutNumber();

  readVendor(crv::POM.VendorID);
  const auto vendor =
      closedUpLines(crv::APV.Address.view(), crv::APV.Address2.view(),
                    cityLine(crv::APV.City.view(), crv::APV.State.view(), crv::APV.Zip.view(), " "));

  // The row is taken after the numbering, so that it carries the number
  // just stored. The order itself is marked printed only once the batch was
  // printed, saved as a PDF or e-mailed (markBatchOrdersPrinted); the row
  // carries the flag the printed form shows.
  crv::POP.clear();
  steps_.primeAutoInc(crv::POPrint);
  crv::POP.UserID = crv::UserID.view();
  crv::POP.copyFieldsByName(crv::POM);
  if (state.SetPrintedFlag == 1) crv::POP.PrintFlag = "1";
  crv::POP.VendorLine1 = vendor[0];
  crv::POP.VendorLine2 = vendor[1];
  crv::POP.VendorLine3 = vendor[2];
  crv::POP.ShipToLine1 = shipTo[0];
  crv::POP.ShipToLine2 = shipTo[1];
  crv::POP.ShipToLine3 = shipTo[2];
  steps_.insert(crv::POPrint);
}

void POPrintBatchBuilder::buildBlankForm() {
  crv::readFirst(crv::Systems, crv::SYS.KeySystemID);
  const PrintState& state = printState();
  crv::POP.clear();
  steps_.primeAutoInc(crv::POPrint);
  crv::POP.UserID = crv::UserID.view();
  crv::POP.POID = crv::POPrintRecord::blankFormID;
  crv::POP.PONumber = state.AssignedPONumber.view();
  steps_.insert(crv::POPrint);

  if (crv::SYS.AutoPONumber != 0 && state.blankFormNumbering == BlankFormNumbering::NextFromCounter) {
    crv::SYS.NextPONumber = crv::SYS.NextPONumber + 1;
    steps_.update(crv::Systems);
  }
  crv::DecimalVariable = crv::Amount(static_cast<std::int64_t>(crv::POPrintRecord::blankFormID));
}

void markBatchOrdersPrinted(crv::StepFailureSink& failures) {
  if (printState().SetPrintedFlag != 1) return;
  crv::TableSteps steps(failures);
  crv::POPrint.open();
  crv::POMaster.open();
  std::vector<crv::Id> orders;
  crv::POP.clear();
  crv::POP.UserID = crv::UserID.view();
  if (crv::POPrint.setRange(crv::POP.KeyUserID, 1) == TableStatus::Ok) {
    while (crv::POPrint.next() == TableStatus::Ok) orders.push_back(crv::POP.POID);
  }
  crv::runInOneTransaction(
      crv::POMaster.connection(), steps, crv::POMaster.name(), crv::TableOp::Saving, [&] {
        for (crv::Id poid : orders) {
          if (crv::fetchBy(crv::POMaster, crv::POM.KeyPOID, crv::POM.POID, poid) != TableStatus::Ok) continue;
          if (isPrinted(crv::POM.PrintFlag)) continue;
          crv::POM.PrintFlag = "1";
          steps.update(crv::POMaster);
        }
      });
  crv::POMaster.close();
  crv::POPrint.close();
}

}  // namespace crvpo

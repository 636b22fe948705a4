// Duplicating a purchase order in one transaction.
#include "crvpo/entry/purchase_order_duplication.h"

#include <algorithm>
#include <optional>
#include <stdexcept>
#include <vector>

#include "crvpo/entry/commitment_poster.h"
#include "crvpo/entry/line_amounts.h"
#include "crvpo/entry/order_lines.h"
#include "crvpo/entry/po_number_counter.h"
#include "host/data/tables/inventory_tables.h"
#include "host/framework/table/private_table.h"

namespace crvpo {
namespace {

constexpr const char* headerTable = "POMasterAlias";
constexpr const char* lineTable = "PODetail";

crv::Date shifted(crv::Date date, crv::Date issued, crv::Date today) {
  if (date.day() == 0) return {};
  return today + (date.day() - issued.day());
}

void makeHeader(crv::POMasterRecord& copy, const crv::POMasterRecord& source,
                const DuplicateProposal& chosen) {
  copy.copyFrom(source);
  copy.POID = 0;
  copy.PONumber = chosen.PONumber.view();
  copy.IssueDate = chosen.IssueDate;
  copy.DeliverAfterDate = chosen.DeliverAfterDate;
  copy.DeliveryDate = chosen.DeliveryDate;
  copy.DeadlineDate = chosen.DeadlineDate;
  copy.PreparedDate = crv::Date::today();
  // A copy is a new order: nothing of the original's printing, invoicing,
  // payment or reconciliation goes with it.
  copy.PrintFlag = "";
  copy.InvoiceNumber = "";
  copy.InvoiceDate = {};
  copy.DueDate = {};
  copy.DiscountExpires = {};
  copy.PaidDate = {};
  copy.Reconciled = 0;
  copy.RecTF = 0;
  copy.QuantityReconciled = {};
  copy.AmountReconciled = {};
  copy.SortVendorID = copy.VendorID;
  copy.SortPONumber = copy.PONumber.view();
}

// The whole ordered quantity of an inventory line in stock units, as the
// line form works it out; a unit without a conversion record keeps the
// source line's ratio of stock units to open quantity.
void stockQuantity(crv::TableSteps& steps, crv::Connection& connection, crv::PODetailRecord& line,
                   const crv::Quantity& open) {
  crv::PrivateTable<crv::INMasterRecord> items(connection);
  items.rec.ItemID = line.ItemID;
  if (!steps.fetch(items.table, crv::INMasterRecord::KeyItemID) || items.rec.UnitName == line.UnitName) {
    line.INVQuantity = line.QtyOrdered;
    return;
  }
  crv::PrivateTable<crv::INCnvrtRecord> conversions(connection);
  conversions.rec.ItemID = line.ItemID;
  conversions.rec.UnitName = line.UnitName;
  if (steps.fetch(conversions.table, crv::INCnvrtRecord::KeyItemUnit))
    line.INVQuantity = outstandingInStockUnits(line.QtyOrdered, {}, conversions.rec.Factor);
  else if (!open.isZero())
    line.INVQuantity = crv::divide<4>(crv::multiply<8>(line.INVQuantity, line.QtyOrdered), open);
}

void resetLine(crv::TableSteps& steps, crv::Connection& connection, crv::PODetailRecord& line, crv::Id copy) {
  const crv::Quantity open = line.QtyOrdered - line.QtyInvoiced;
  line.POID = copy;
  line.DetailID = 0;
  line.QtyThisPackSlip = {};
  line.QtyRcvdNotInvoiced = {};
  line.QtyInvoiced = {};
  line.QtyBackord = {};
  line.QtyThisInvoice = {};
  line.PriceThisInvoice = 0;
  line.PreTaxThisInvoice = {};
  line.TaxThisInvoice = {};
  line.TotalThisInvoice = {};
  line.AmountInvoiced = {};
  line.Reconciliation = 0;
  line.ReceiptDate = {};
  line.SerialID = 0;
  if (lineKind(line) == LineKind::Inventory) stockQuantity(steps, connection, line, open);
}

}  // namespace

DuplicateProposal PurchaseOrderDuplication::propose(const crv::POMasterRecord& source,
                                                    const crv::SystemsRecord& settings, crv::Date today) {
  DuplicateProposal proposal;
  if (settings.AutoPONumber != 0)
    proposal.PONumber = plainDigits(settings.NextPONumber);
  else
    proposal.PONumber = ("Copy of " + source.PONumber.str()).substr(0, 15);
  proposal.IssueDate = today;
  proposal.DeliverAfterDate = shifted(source.DeliverAfterDate, source.IssueDate, today);
  proposal.DeliveryDate = shifted(source.DeliveryDate, source.IssueDate, today);
  proposal.DeadlineDate = shifted(source.DeadlineDate, source.IssueDate, today);
  return proposal;
}

namespace {

// Step 1: the number the copy takes and the counter's move, inside the
// transaction. `renumbered` is set when another station used the
// proposed number meanwhile.
void takeNumber(crv::TableSteps& steps, crv::Connection& connection, DuplicateProposal& chosen,
                crv::Id proposedCounter, std::optional<crv::Id>& renumbered) {
  if (proposedCounter == 0 || readAsNumber(chosen.PONumber.view()) != proposedCounter) return;
  crv::PrivateTable<crv::SystemsRecord> systems(connection);
  steps.check(systems.table.set(crv::SystemsRecord::KeySystemID), systems.table, crv::TableOp::Reading);
  if (!steps.next(systems.table) || systems.rec.AutoPONumber == 0) return;
  const crv::Id number = std::max(systems.rec.NextPONumber, proposedCounter);
  if (number != proposedCounter) renumbered = number;
  chosen.PONumber = plainDigits(number);
  systems.rec.NextPONumber = number + 1;
  steps.update(systems.table);
}

// Inserts a row through a primed auto-number, as every new order and line
// is numbered; a failure is named after `name`.
void insertNumbered(crv::TableSteps& steps, crv::Table& table, const crv::Record& values,
                    std::string_view name) {
  table.buffer().clear();
  if (table.primeAutoInc() != crv::TableStatus::Ok)
    steps.fail({table.lastError(), crv::TableOp::Autoincrementing, std::string(name)});
  const int field = table.def().autoNumberField();
  const std::int64_t number = table.buffer().field(static_cast<std::size_t>(field)).integer();
  table.buffer().copyFrom(values);
  table.buffer().field(static_cast<std::size_t>(field)).setInteger(number);
  if (table.tryInsert() != crv::TableStatus::Ok)
    steps.fail({table.lastError(), crv::TableOp::Inserting, std::string(name)});
}

}  // namespace

crv::Id PurchaseOrderDuplication::write(crv::TableSteps& steps, const crv::POMasterRecord& source,
                                        DuplicateProposal& taken, crv::Id proposedCounter,
                                        std::optional<crv::Id>& renumbered) {
  takeNumber(steps, *connection_, taken, proposedCounter, renumbered);

  crv::PrivateTable<crv::POMasterRecord> headers(*connection_);
  crv::POMasterRecord header;
  makeHeader(header, source, taken);
  insertNumbered(steps, headers.table, header, headerTable);
  const crv::Id copyId = headers.rec.POID;

  std::vector<crv::PODetailRecord> lines = readOrderLines(steps, *connection_, source.POID);
  crv::PrivateTable<crv::PODetailRecord> copies(*connection_);
  CommitmentPoster poster(*connection_, steps);
  for (crv::PODetailRecord& line : lines) {
    resetLine(steps, *connection_, line, copyId);
    insertNumbered(steps, copies.table, line, lineTable);
    if (auto entry = OpeningCommitments::of(copies.rec)) poster.apply(*entry, +1);
  }
  return copyId;
}

PurchaseOrderDuplication::Result PurchaseOrderDuplication::copy(const crv::POMasterRecord& source,
                                                                const DuplicateProposal& chosen,
                                                                crv::Id proposedCounter) {
  Result result;
  DuplicateProposal taken = chosen;
  std::optional<crv::Id> renumbered;
  crv::Id copyId = 0;
  std::optional<crv::StepFailure> failure;
  try {
    failure = crv::runAtomically(*connection_, wait_, headerTable, crv::TableOp::Inserting,
                                 [&](crv::TableSteps& steps) {
                                   copyId = write(steps, source, taken, proposedCounter, renumbered);
                                   return true;
                                 });
  } catch (const std::exception& error) {
    result.outcome.fail(std::string(error.what()) + "||" + notCopiedText, failureTitle);
    return result;
  }
  if (failure) {
    result.outcome.fail(failureText(*failure, notCopiedText), failureTitle);
    return result;
  }
  if (renumbered)
    result.outcome.tell(PONumberCounter::changeText(proposedCounter, *renumbered),
                        PONumberCounter::changeTitle, crv::Icon::Information);
  result.outcome.done = true;
  result.copy = copyId;
  return result;
}

}  // namespace crvpo

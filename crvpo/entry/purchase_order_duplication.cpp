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
#include "host/framework/services/message_box.h"
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
StepResult stockQuantity(crv::Connection& connection, crv::PODetailRecord& line, const crv::Quantity& open) {
  crv::PrivateTable<crv::INMasterRecord> items(connection);
  items.rec.ItemID = line.ItemID;
  bool known = false;
  if (auto failure = fetchRow(items.table, crv::INMasterRecord::KeyItemID, known)) return failure;
  if (!known || items.rec.UnitName == line.UnitName) {
    line.INVQuantity = line.QtyOrdered;
    return std::nullopt;
  }
  crv::PrivateTable<crv::INCnvrtRecord> conversions(connection);
  conversions.rec.ItemID = line.ItemID;
  conversions.rec.UnitName = line.UnitName;
  bool converted = false;
  if (auto failure = fetchRow(conversions.table, crv::INCnvrtRecord::KeyItemUnit, converted)) return failure;
  if (converted)
    line.INVQuantity = outstandingInStockUnits(line.QtyOrdered, {}, conversions.rec.Factor);
  else if (!open.isZero())
    line.INVQuantity = crv::divide<4>(crv::multiply<8>(line.INVQuantity, line.QtyOrdered), open);
  return std::nullopt;
}

StepResult resetLine(crv::Connection& connection, crv::PODetailRecord& line, crv::Id copy) {
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
  if (lineKind(line) == LineKind::Inventory) return stockQuantity(connection, line, open);
  return std::nullopt;
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

OperationOutcome PurchaseOrderDuplication::fail(std::string text) {
  if (showMessages_) crv::message(text, failureTitle, crv::Icon::Stop);
  return OperationOutcome::failure(std::move(text));
}

namespace {

// Step 1: the number the copy takes and the counter's move, inside the
// transaction. `renumbered` is set when another station used the
// proposed number meanwhile.
StepResult takeNumber(crv::Connection& connection, DuplicateProposal& chosen, crv::Id proposedCounter,
                      std::optional<crv::Id>& renumbered) {
  if (proposedCounter == 0 || readAsNumber(chosen.PONumber.view()) != proposedCounter) return std::nullopt;
  crv::PrivateTable<crv::SystemsRecord> systems(connection);
  if (systems.table.set(crv::SystemsRecord::KeySystemID) != crv::TableStatus::Ok)
    return StepFailure::of(systems.table, crv::TableOp::Reading);
  const crv::TableStatus read = systems.table.next();
  if (read == crv::TableStatus::EndOfFile) return std::nullopt;
  if (read != crv::TableStatus::Ok) return StepFailure::of(systems.table, crv::TableOp::Reading);
  if (systems.rec.AutoPONumber == 0) return std::nullopt;
  const crv::Id number = std::max(systems.rec.NextPONumber, proposedCounter);
  if (number != proposedCounter) renumbered = number;
  chosen.PONumber = plainDigits(number);
  systems.rec.NextPONumber = number + 1;
  return updateRow(systems.table);
}

// Inserts a row through a primed auto-number, as every new order and line
// is numbered.
StepResult insertNumbered(crv::Table& table, const crv::Record& values, std::string_view name) {
  table.buffer().clear();
  if (table.primeAutoInc() != crv::TableStatus::Ok)
    return StepFailure{table.lastError(), crv::TableOp::Autoincrementing, std::string(name)};
  const int field = table.def().autoNumberField();
  const std::int64_t number = table.buffer().field(static_cast<std::size_t>(field)).integer();
  table.buffer().copyFrom(values);
  table.buffer().field(static_cast<std::size_t>(field)).setInteger(number);
  if (table.tryInsert() != crv::TableStatus::Ok)
    return StepFailure{table.lastError(), crv::TableOp::Inserting, std::string(name)};
  return std::nullopt;
}

}  // namespace

PurchaseOrderDuplication::Result PurchaseOrderDuplication::copy(const crv::POMasterRecord& source,
                                                                const DuplicateProposal& chosen,
                                                                crv::Id proposedCounter) {
  Result result;
  DuplicateProposal taken = chosen;
  std::optional<crv::Id> renumbered;
  {
    crv::Transaction transaction(*connection_, wait_);
    if (!transaction.started()) {
      result.outcome =
          fail(failureText(transaction.error(), crv::TableOp::Inserting, headerTable, notCopiedText));
      return result;
    }
    try {
      auto failed = [&](const StepFailure& failure) {
        result.outcome = fail(failureText(failure, notCopiedText));
        return result;
      };
      if (auto failure = takeNumber(*connection_, taken, proposedCounter, renumbered))
        return failed(*failure);

      crv::PrivateTable<crv::POMasterRecord> headers(*connection_);
      crv::POMasterRecord header;
      makeHeader(header, source, taken);
      if (auto failure = insertNumbered(headers.table, header, headerTable)) return failed(*failure);
      const crv::Id copyId = headers.rec.POID;

      std::vector<crv::PODetailRecord> lines;
      if (auto failure = readOrderLines(*connection_, source.POID, lines)) return failed(*failure);
      crv::PrivateTable<crv::PODetailRecord> copies(*connection_);
      CommitmentPoster poster(*connection_);
      for (crv::PODetailRecord& line : lines) {
        if (auto failure = resetLine(*connection_, line, copyId)) return failed(*failure);
        if (auto failure = insertNumbered(copies.table, line, lineTable)) return failed(*failure);
        if (auto entry = OpeningCommitments::of(copies.rec))
          if (auto failure = poster.apply(*entry, +1)) return failed(*failure);
      }

      if (transaction.commit() != crv::TableStatus::Ok) {
        result.outcome =
            fail(failureText(transaction.error(), crv::TableOp::Inserting, headerTable, notCopiedText));
        return result;
      }
      result.copy = copyId;
    } catch (const std::exception& error) {
      result.outcome = fail(std::string(error.what()) + "||" + notCopiedText);
      return result;
    }
  }
  if (renumbered && showMessages_)
    crv::message(PONumberCounter::changeText(proposedCounter, *renumbered), PONumberCounter::changeTitle,
                 crv::Icon::Information);
  result.outcome = OperationOutcome::success();
  return result;
}

}  // namespace crvpo

// Recording a line's receipt in one transaction.
#include "crvpo/reconcile/line_receipt.h"

#include <stdexcept>

#include "crvpo/reconcile/receipt_postings.h"
#include "crvpo/reconcile/serial_number_writer.h"

namespace crvpo {

LineReceipt::LineReceipt(crv::Connection& connection, crv::PODetailRecord& line, crv::Id vendor)
    : connection_(&connection), line_(&line), vendor_(vendor) {}

void LineReceipt::setSerialNumbers(std::vector<ReceivedSerial> list, std::string single) {
  serialized_ = true;
  serials_ = std::move(list);
  single_ = std::move(single);
}

std::vector<crv::Id> LineReceipt::writeSerials(crv::TableSteps& steps, crv::Quantity received,
                                               std::vector<ReceivedSerial>& rows) {
  SerialNumberWriter writer(*connection_, steps, *line_, lead_);
  std::vector<crv::Id> serialIds;
  if (received > crv::Quantity(1)) {
    line_->SerialID = 0;
    writer.writeList(rows);
    for (const ReceivedSerial& row : rows) serialIds.push_back(row.serialId);
  } else if (received == crv::Quantity(1)) {
    writer.writeSingle(single_, line_->SerialID);
  } else {
    line_->SerialID = 0;
    writer.removeAll();
  }
  return serialIds;
}

void LineReceipt::post(crv::TableSteps& steps, const LineWriter& writeLine,
                       std::vector<ReceivedSerial>& rows) {
  crv::PrivateTable<crv::PODetailRecord> stored(*connection_);
  stored.rec.DetailID = line_->DetailID;
  if (!steps.fetch(stored.table, crv::PODetailRecord::KeyDetailID)) {
    steps.fail(
        {crv::makeError(crv::ErrorCode::RecordNotFound, "PODetail"), crv::TableOp::Reading, "PODetail"});
    return;
  }
  const ReceiptQuantities quantities{stored.rec.QtyRcvdNotInvoiced, stored.rec.QtyThisPackSlip,
                                     line_->QtyThisPackSlip};
  // Earlier packing slips are not this form's to change.
  line_->QtyRcvdNotInvoiced = quantities.prior;

  std::vector<crv::Id> serialIds;
  if (serialized_) serialIds = writeSerials(steps, quantities.Received(), rows);
  ReceiptPostings postings(*connection_, steps, *line_, quantities, vendor_);
  const bool inventory = line_->DetailType == "Inventory";
  if (inventory) postings.postStock({stored.rec.LocationID.str(), stored.rec.BinID.str()});
  if (inventory || serialized_)
    postings.postHistory(serialized_ && quantities.Received() > crv::Quantity(1), serialIds);
  writeLine(steps);
}

std::string LineReceipt::failureText(const crv::StepFailure& failure) const {
  if (lead_.empty()) return crvpo::failureText(failure, notRecordedText);
  return lead_ + "|" + failure.error.describe() + "||" + notRecordedText;
}

OperationOutcome LineReceipt::record(const LineWriter& writeLine) {
  OperationOutcome outcome;
  const crv::Id keptSerial = line_->SerialID;
  const crv::Quantity keptPrior = line_->QtyRcvdNotInvoiced;
  std::vector<ReceivedSerial> rows = serials_;
  lead_.clear();
  std::optional<crv::StepFailure> failure;
  try {
    failure = crv::runAtomically(*connection_, wait_, "PODetail", crv::TableOp::Saving,
                                 [&](crv::TableSteps& steps) {
                                   post(steps, writeLine, rows);
                                   return true;
                                 });
  } catch (const std::exception& error) {
    failure.reset();
    outcome.fail(std::string(error.what()) + "||" + notRecordedText, {});
  }
  if (failure) outcome.fail(failureText(*failure), {});
  if (failure || !outcome.notices.empty()) {
    line_->SerialID = keptSerial;
    line_->QtyRcvdNotInvoiced = keptPrior;
    return outcome;
  }
  serials_ = std::move(rows);
  outcome.done = true;
  return outcome;
}

}  // namespace crvpo

// Recording a line's receipt in one transaction.
#include "crvpo/reconcile/line_receipt.h"

#include <stdexcept>

#include "crvpo/entry/commitment_poster.h"
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

StepResult LineReceipt::writeSerials(crv::Quantity received, std::vector<ReceivedSerial>& rows,
                                     std::vector<crv::Id>& serialIds) {
  SerialNumberWriter writer(*connection_, *line_);
  if (received > crv::Quantity(1)) {
    line_->SerialID = 0;
    if (auto failure = writer.writeList(rows)) return failure;
    for (const ReceivedSerial& row : rows) serialIds.push_back(row.serialId);
    return std::nullopt;
  }
  if (received == crv::Quantity(1)) return writer.writeSingle(single_, line_->SerialID);
  line_->SerialID = 0;
  return writer.removeAll();
}

StepResult LineReceipt::post(const std::function<StepResult()>& writeLine,
                             std::vector<ReceivedSerial>& rows) {
  crv::PrivateTable<crv::PODetailRecord> stored(*connection_);
  stored.rec.DetailID = line_->DetailID;
  bool found = false;
  if (auto failure = fetchRow(stored.table, crv::PODetailRecord::KeyDetailID, found)) return failure;
  if (!found)
    return StepFailure{
        crv::makeError(crv::ErrorCode::RecordNotFound, "PODetail"), crv::TableOp::Reading, "PODetail", {}};
  const ReceiptQuantities quantities{stored.rec.QtyRcvdNotInvoiced, stored.rec.QtyThisPackSlip,
                                     line_->QtyThisPackSlip};
  // Earlier packing slips are not this form's to change.
  line_->QtyRcvdNotInvoiced = quantities.prior;

  std::vector<crv::Id> serialIds;
  if (serialized_)
    if (auto failure = writeSerials(quantities.Received(), rows, serialIds)) return failure;
  ReceiptPostings postings(*connection_, *line_, quantities, vendor_);
  const bool inventory = line_->DetailType == "Inventory";
  if (inventory)
    if (auto failure = postings.postStock({stored.rec.LocationID.str(), stored.rec.BinID.str()}))
      return failure;
  if (inventory || serialized_)
    if (auto failure =
            postings.postHistory(serialized_ && quantities.Received() > crv::Quantity(1), serialIds))
      return failure;
  return writeLine();
}

OperationOutcome LineReceipt::record(const std::function<StepResult()>& writeLine) {
  const crv::Id keptSerial = line_->SerialID;
  const crv::Quantity keptPrior = line_->QtyRcvdNotInvoiced;
  auto fail = [&](std::string text) {
    line_->SerialID = keptSerial;
    line_->QtyRcvdNotInvoiced = keptPrior;
    return OperationOutcome::failure(std::move(text));
  };
  crv::Transaction transaction(*connection_, wait_);
  if (!transaction.started())
    return fail(failureText(transaction.error(), crv::TableOp::Saving, "PODetail", notRecordedText));
  std::vector<ReceivedSerial> rows = serials_;
  try {
    if (auto failure = post(writeLine, rows)) return fail(failureText(*failure, notRecordedText));
    if (transaction.commit() != crv::TableStatus::Ok)
      return fail(failureText(transaction.error(), crv::TableOp::Saving, "PODetail", notRecordedText));
  } catch (const std::exception& error) {
    return fail(std::string(error.what()) + "||" + notRecordedText);
  }
  serials_ = std::move(rows);
  return OperationOutcome::success();
}

}  // namespace crvpo

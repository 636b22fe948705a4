// Recording the receipt of one order line, as the OK of the line form does
// it, in one transaction:
//
//   1. the line is read as stored: what was received on earlier packing
//      slips, what was already posted for this one, and where it went;
//   2. serial numbers of a serialized item (SerialNumberWriter): for more
//      than one unit received the line's list, for one unit its single
//      number (POD:SerialID), for none neither;
//   3. stock of an inventory line (ReceiptPostings::postStock): what this
//      packing slip adds since it was last posted;
//   4. purchase history (ReceiptPostings::postHistory);
//   5. the line itself, written by the caller (the form writes its record
//      the framework's way);
//   6. the commit.
//
// Either all of it is written or none: a failed read or write, or a
// transaction that cannot be had within the wait or committed, rolls
// everything back, and the outcome's message (a notice without a title)
// is the table's error text with its context (" Saving INItem") followed
// by notRecordedText. The line's buffer is left as the caller had it. What was received on this packing slip
// is counted once however often the line is opened: the postings follow the difference between the slip's
// quantity now and the quantity stored.
#pragma once

#include <chrono>
#include <functional>
#include <string>
#include <vector>

#include "crvpo/entry/operation_outcome.h"
#include "crvpo/reconcile/serial_numbers.h"
#include "host/data/tables/purchasing_tables.h"
#include "host/framework/table/table_steps.h"
#include "host/framework/table/transaction.h"

namespace crvpo {

class LineReceipt {
 public:
  static constexpr const char* notRecordedText =
      "The receipt was not recorded: stock, purchase history, serial numbers and the line are as they were.";

  // `line` is the line as the person left it (this packing slip's quantity,
  // location and bin), `vendor` the order's vendor.
  LineReceipt(crv::Connection& connection, crv::PODetailRecord& line, crv::Id vendor);

  void setWait(std::chrono::milliseconds wait) { wait_ = wait; }
  // The item is serialized: the line's serial numbers are written, from
  // `list` when more than one unit is received, from `single` for one unit.
  void setSerialNumbers(std::vector<ReceivedSerial> list, std::string single);

  // Writes the line's buffer within the transaction; a failure goes
  // through the steps.
  using LineWriter = std::function<void(crv::TableSteps&)>;

  // Records the receipt.
  OperationOutcome record(const LineWriter& writeLine);

  // The serial list as written (rows and records numbered), after success.
  const std::vector<ReceivedSerial>& serials() const { return serials_; }

 private:
  void post(crv::TableSteps& steps, const LineWriter& writeLine, std::vector<ReceivedSerial>& rows);
  std::vector<crv::Id> writeSerials(crv::TableSteps& steps, crv::Quantity received,
                                    std::vector<ReceivedSerial>& rows);
  std::string failureText(const crv::StepFailure& failure) const;

  crv::Connection* connection_;
  crv::PODetailRecord* line_;
  crv::Id vendor_;
  std::chrono::milliseconds wait_ = crv::Transaction::defaultWait;
  bool serialized_ = false;
  std::vector<ReceivedSerial> serials_;
  std::string single_;
  std::string lead_;  // a failure's own text, when its step has one
};

}  // namespace crvpo

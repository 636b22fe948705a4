// Writes the serial numbers of one order line's receipt: the line's
// PODetSer rows and the INSerial record of each number.
//
// The INSerial record of a number is found by item and number, so a number
// already known for the item (one on hand, or received before) keeps its
// record. A row whose number was changed renames its record, unless the new
// number has a record of its own, which the row then takes. Records of
// numbers taken off a line stay: other lines or stock may still name them.
//
// Runs inside the caller's transaction; a failed read or write is answered
// and the caller rolls everything back.
#pragma once

#include <map>
#include <string_view>
#include <vector>

#include "crvpo/entry/operation_outcome.h"
#include "crvpo/reconcile/serial_numbers.h"
#include "host/data/tables/inventory_tables.h"
#include "host/data/tables/purchasing_tables.h"
#include "host/framework/table/private_table.h"

namespace crvpo {

class SerialNumberWriter {
 public:
  SerialNumberWriter(crv::Connection& connection, const crv::PODetailRecord& line);

  // More than one unit received: the line's PODetSer rows become `rows`
  // (added, renamed, removed), and each row gets its row and serial record.
  StepResult writeList(std::vector<ReceivedSerial>& rows);
  // One unit: the line keeps no PODetSer rows, and `serialId` becomes the
  // record of `number`.
  StepResult writeSingle(std::string_view number, crv::Id& serialId);
  // Nothing received: the line keeps no PODetSer rows.
  StepResult removeAll();

 private:
  // How a failure to add a record is told: the list's own texts, or the
  // table and step as elsewhere.
  enum class Texts { List, Single };

  StepResult readStored();
  StepResult findNumber(std::string_view number, crv::Id& serialId);
  StepResult addNumber(std::string_view number, crv::Id& serialId, Texts texts);
  StepResult resolve(ReceivedSerial& row);
  StepResult writeRow(ReceivedSerial& row);
  StepResult removeRows(const std::map<crv::Id, ReceivedSerial>& rows);

  const crv::PODetailRecord* line_;
  crv::PrivateTable<crv::PODetSerRecord> rows_;
  crv::PrivateTable<crv::INSerialRecord> serials_;
  std::map<crv::Id, ReceivedSerial> stored_;  // by PODS:RecordID
};

}  // namespace crvpo

// Writes the serial numbers of one order line's receipt: the line's
// PODetSer rows and the INSerial record of each number.
//
// The INSerial record of a number is found by item and number, so a number
// already known for the item (one on hand, or received before) keeps its
// record. A row whose number was changed renames its record, unless the new
// number has a record of its own, which the row then takes. Records of
// numbers taken off a line stay: other lines or stock may still name them.
//
// Runs through the caller's table steps, inside its transaction: a failed
// read or write stops it and the caller rolls everything back. A record
// that cannot be added for the list is told as "Error Incrementing
// INSerial" or "Error Adding INSerial", left in `lead` for the caller.
#pragma once

#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "crvpo/reconcile/serial_numbers.h"
#include "host/data/tables/inventory_tables.h"
#include "host/data/tables/purchasing_tables.h"
#include "host/framework/table/private_table.h"
#include "host/framework/table/table_steps.h"

namespace crvpo {

class SerialNumberWriter {
 public:
  SerialNumberWriter(crv::Connection& connection, crv::TableSteps& steps, const crv::PODetailRecord& line,
                     std::string& lead);

  // More than one unit received: the line's PODetSer rows become `rows`
  // (added, renamed, removed), and each row gets its row and serial record.
  void writeList(std::vector<ReceivedSerial>& rows);
  // One unit: the line keeps no PODetSer rows, and `serialId` becomes the
  // record of `number`.
  void writeSingle(std::string_view number, crv::Id& serialId);
  // Nothing received: the line keeps no PODetSer rows.
  void removeAll();

 private:
  enum class Texts { List, Single };

  void readStored();
  bool fetchSerial(crv::Id serialId);
  crv::Id findNumber(std::string_view number);
  crv::Id addNumber(std::string_view number, Texts texts);
  void resolve(ReceivedSerial& row);
  void writeRow(ReceivedSerial& row);
  void removeStored();

  crv::TableSteps* steps_;
  const crv::PODetailRecord* line_;
  std::string* lead_;
  crv::PrivateTable<crv::PODetSerRecord> rows_;
  crv::PrivateTable<crv::INSerialRecord> serials_;
  std::map<crv::Id, ReceivedSerial> stored_;  // by PODS:RecordID
};

}  // namespace crvpo

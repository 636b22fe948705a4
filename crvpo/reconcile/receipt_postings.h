// What the receipt of one order line moves in inventory: stock at the
// line's location and bin (INItem), the item's on hand, on order and
// received to date (INMaster), and the purchase history (INPurch).
//
// A receipt is counted once however often the line form is opened on the
// same packing slip: stock moves by what this slip adds since it was last
// posted (ReceivedChange), while purchase history holds everything received
// on the line (Received). Quantities become stock units through the item's
// conversion of the line's unit (a factor of 1 without one), and every
// figure is worked out as the difference of two totals in stock units, so
// that many receipts add up to exactly what one receipt of their sum would.
//
// The postings run through the caller's table steps, inside its
// transaction: a failed read or write stops them and the caller rolls
// everything back.
#pragma once

#include <string>
#include <vector>

#include "host/data/tables/inventory_tables.h"
#include "host/data/tables/purchasing_tables.h"
#include "host/framework/table/private_table.h"
#include "host/framework/table/table_steps.h"

namespace crvpo {

// The quantities of one receipt, in the line's unit.
struct ReceiptQuantities {
  crv::Quantity prior;   // received on earlier packing slips (POD:QtyRcvdNotInvoiced)
  crv::Quantity posted;  // this packing slip as posted before this receipt
  crv::Quantity slip;    // this packing slip now (POD:QtyThisPackSlip)

  crv::Quantity ReceivedChange() const { return slip - posted; }
  crv::Quantity Received() const { return prior + slip; }
};

// Where stock is kept.
struct StockPlace {
  std::string location;
  std::string bin;
  bool operator==(const StockPlace&) const = default;
};

class ReceiptPostings {
 public:
  // `line` is the line as it is to be written; `vendor` the order's vendor.
  ReceiptPostings(crv::Connection& connection, crv::TableSteps& steps, const crv::PODetailRecord& line,
                  ReceiptQuantities quantities, crv::Id vendor);

  // Stock of an inventory line whose item exists: the bin moves by the
  // change (or, when the line moved to another location or bin since
  // `postedAt`, this slip's stock leaves the old bin and goes to the new
  // one); a bin left holding nothing is removed; the item's on hand and
  // received to date rise and its on order falls by the change.
  void postStock(const StockPlace& postedAt);

  // Purchase history of the line: one row per serial number when
  // `perSerial` (a serialized item with more than one unit received), with
  // `serials` the serial records; otherwise, for an inventory line, one row
  // for the line while anything is received. Rows of serial numbers the line
  // no longer has are removed, and for other lines nothing else is written.
  void postHistory(bool perSerial, const std::vector<crv::Id>& serials);

 private:
  // The line's INPurch rows as read before the history is posted.
  struct HistoryRow {
    crv::Id record = 0;
    crv::Id serial = 0;
  };

  crv::Quantity inStock(crv::Quantity quantity) const;
  bool readFactor();
  void moveBin(const StockPlace& place, crv::Quantity change);
  void addHistoryRow(crv::Id serial, crv::Quantity quantity, crv::Quantity cost);
  bool fetchHistoryRow(crv::Id record);
  void removeHistoryRow(crv::Id record);
  void historyPerSerial(const std::vector<crv::Id>& serials);
  void historyForLine();
  void removeStaleSerialRows(crv::Id keep);

  crv::Connection* connection_;
  crv::TableSteps* steps_;
  const crv::PODetailRecord* line_;
  ReceiptQuantities quantities_;
  crv::Id vendor_;
  double factor_ = 1;
  crv::PrivateTable<crv::INMasterRecord> items_;
  crv::PrivateTable<crv::INItemRecord> bins_;
  crv::PrivateTable<crv::INPurchRecord> history_;
  std::vector<HistoryRow> historyRows_;
};

// Adds the buffer as a new row, reserving its number first as forms do,
// so that a failure names the step (" Autoincrementing INItem",
// " Inserting INItem").
bool insertNumbered(crv::TableSteps& steps, crv::Table& table);

}  // namespace crvpo

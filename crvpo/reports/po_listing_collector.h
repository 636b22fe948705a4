// Gathers the orders of the purchase-order listing: reads POMaster (from
// the start of a vendor or job range when the format has one, else the
// whole table), keeps the orders that pass the format's tests, works out
// each one's open amount from the lines that pass, and sorts them in the
// format's sequence.
//
// Only what sorting and the totals need is kept per order; the printing
// reads the order, its lines and names again, so a listing of any length
// holds a few dozen bytes per order and nothing per line.
//
// Open amount: the lines' amounts less what was invoiced on them, plus the
// order's tax; 0 (and no tax) for a fully reconciled order; a negative
// result shows as 0 unless the format shows over-reconciled orders
// negative. With "Whole POs Only" one failing line drops the order; with
// "Lines Within Limits" the failing lines are left out, and an order none
// of whose priced lines passes is not listed.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "crvpo/reports/listing_names.h"
#include "crvpo/reports/listing_selection.h"
#include "host/framework/table/private_table.h"
#include "host/framework/values/decimal.h"

namespace crvpo {

struct ListedOrder {
  crv::Id poid = 0;
  std::string sortNumber;  // poSortText of the PO number
  std::string defaultJob;
  std::string vendorName;
  crv::Amount taxAmount;   // 0 for a fully reconciled order
  crv::Amount openAmount;  // as printed
  crv::Amount originalAmount;
};

// Orders "P" by PO number, "R" by reference number (POID), "J" by default
// job, vendor name and PO number, "j" by default job and PO number.
void sortListedOrders(std::vector<ListedOrder>& orders, std::string_view sequence);

class ListingCollector {
 public:
  ListingCollector(ListingSelection& selection, ListingNames& names);

  // Rows of POMaster, for the progress of the run.
  std::int64_t ordersInTable() const { return ordersInTable_; }
  // Reads and tests the next order; false when none is left.
  bool next();
  // The orders kept, sorted.
  std::vector<ListedOrder> take();

 private:
  bool startScan();
  bool pastEnd() const;
  std::optional<ListedOrder> collect();

  ListingSelection& selection_;
  ListingNames& names_;
  crv::PrivateTable<crv::POMasterRecord> orders_;
  crv::PrivateTable<crv::PODetailRecord> lines_;
  enum class Scan { All, ByVendor, ByJob } scan_ = Scan::All;
  bool started_ = false;
  bool ended_ = false;
  std::int64_t ordersInTable_ = 0;
  std::vector<ListedOrder> listed_;
};

}  // namespace crvpo

// The rows of the purchase-order lists: a paged list over POMaster whose
// rows show the tag, the reconciliation icon, the vendor's name, the
// remaining amount, and fully reconciled orders in grey.
//
// Remaining is POAmount - AmountReconciled, 0 when that is negative unless
// the list shows negative remaining amounts. The reconciliation icon says
// how far invoices (POM:Reconciled) or, before any invoice, packing slips
// (the lines' received-not-invoiced quantities) have gone. Vendor names
// are read once per vendor and kept for the life of the list.
#pragma once

#include <map>
#include <memory>
#include <string>

#include "host/data/tables/payables_tables.h"
#include "host/data/tables/purchasing_tables.h"
#include "host/framework/table/private_table.h"
#include "host/framework/ui/browse_class.h"

namespace crvpo {

// Vendors' names, each read once and kept; `unknown` for a vendor that
// does not exist.
class VendorNames {
 public:
  explicit VendorNames(std::string unknown) : unknown_(std::move(unknown)) {}
  const std::string& of(crv::Id vendorId);

 private:
  std::string unknown_;
  std::map<crv::Id, std::string> names_;
  // Opened on first use, once the company's connection is there.
  std::unique_ptr<crv::PrivateTable<crv::APVendorRecord>> vendors_;
};

// What an order's row needs beyond its POMaster fields.
struct OrderRowOptions {
  bool reconcileIcon = true;         // the status column of the paged list
  std::string unknownVendor;         // shown for a vendor that does not exist
  bool tagIconsCapitalised = false;  // "~Checkon.ico" rather than "~checkon.ico"
};

// Remaining of an order: POAmount less AmountReconciled, not below 0
// unless `negative` is allowed.
crv::Amount remainingOf(const crv::POMasterRecord& order, bool negative);

// The reconciliation status icon of an order, whose lines are read
// through `lines`.
std::string reconcileIconOf(const crv::POMasterRecord& order, crv::PrivateTable<crv::PODetailRecord>& lines);

class OrderListRows : public crv::ui::BrowseClass {
 public:
  static constexpr std::uint32_t reconciledColour = 0x808080;

  OrderListRows(int visibleRows, OrderRowOptions options);

  void setNegativeRemaining(bool on) { negativeRemaining_ = on; }
  bool negativeRemaining() const { return negativeRemaining_; }
  // The column the tag shows in; a click there toggles the row's tag.
  int tagColumn() const { return tag_; }
  int jobColumn() const { return job_; }
  // The order of the highlighted row; 0 when the list is empty.
  crv::Id highlightedOrder() const;

 protected:
  void setQueueRecord(crv::ui::BrowseRow& row) override;

 private:
  OrderRowOptions options_;
  VendorNames vendorNames_;
  // Opened on first use, once the company's connection is there.
  std::unique_ptr<crv::PrivateTable<crv::PODetailRecord>> lines_;
  bool negativeRemaining_ = false;
  int tag_ = -1;
  int icon_ = -1;
  int vendor_ = -1;
  int job_ = -1;
  int remaining_ = -1;
};

}  // namespace crvpo

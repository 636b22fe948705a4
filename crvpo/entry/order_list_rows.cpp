// The rows of the purchase-order lists.
#include "crvpo/entry/order_list_rows.h"

#include "host/data/shared_values.h"

namespace crvpo {

crv::Amount remainingOf(const crv::POMasterRecord& order, bool negative) {
  const crv::Amount open = order.POAmount - order.AmountReconciled;
  return open.isNegative() && !negative ? crv::Amount{} : open;
}

std::string reconcileIconOf(const crv::POMasterRecord& order, crv::PrivateTable<crv::PODetailRecord>& lines) {
  if (order.Reconciled == 2) return "~Full.ico";
  if (order.Reconciled == 1) return "~Partial.ico";
  crv::Quantity ordered;
  crv::Quantity received;
  lines.rec.POID = order.POID;
  if (lines.isOpen() && lines.table.setRange(crv::PODetailRecord::KeyPOID, 1) == crv::TableStatus::Ok)
    while (lines.table.next() == crv::TableStatus::Ok) {
      ordered += lines.rec.QtyOrdered;
      received += lines.rec.QtyRcvdNotInvoiced;
    }
  if (received.isZero()) return "~checkoff.ico";
  return ordered > received ? "~partialg.ico" : "~Fullg.ico";
}

OrderListRows::OrderListRows(int visibleRows, OrderRowOptions options)
    : BrowseClass(crv::POMaster, visibleRows),
      options_(std::move(options)),
      vendorNames_(options_.unknownVendor) {
  tag_ = addComputedColumn("", "@s1");
  if (options_.reconcileIcon) icon_ = addComputedColumn("", "@s1");
  addColumn("PO Number", "PONumber", "@s15");
  addColumn("ID", "VendorID", "@n_6b");
  vendor_ = addComputedColumn("Vendor Name", "@s35");
  addColumn("Issue Date", "IssueDate", "@d1b");
  job_ = addColumn("Job", "DefaultJob", "@s10");
  addColumn("Amount", "POAmount", "@n-14.2");
  remaining_ = addComputedColumn("Remaining", "@n-21.2");
}

const std::string& VendorNames::of(crv::Id vendorId) {
  auto found = names_.find(vendorId);
  if (found != names_.end()) return found->second;
  if (!vendors_) vendors_ = std::make_unique<crv::PrivateTable<crv::APVendorRecord>>(crv::POMaster);
  vendors_->rec.VendorID = vendorId;
  std::string name =
      vendors_->fetch(crv::APVendorRecord::KeyVendorID) ? vendors_->rec.VendorName.str() : unknown_;
  return names_.emplace(vendorId, std::move(name)).first->second;
}

crv::Id OrderListRows::highlightedOrder() const {
  const crv::ui::BrowseRow* row = highlighted();
  return row ? static_cast<const crv::POMasterRecord&>(*row->record).POID : 0;
}

void OrderListRows::setQueueRecord(crv::ui::BrowseRow& row) {
  BrowseClass::setQueueRecord(row);
  const auto& order = static_cast<const crv::POMasterRecord&>(table().buffer());
  const bool tagged = tags().contains(row.row);
  row.setText(tag_, tagged ? "*" : "");
  if (options_.tagIconsCapitalised)
    row.setIcon(tag_, tagged ? "~Checkon.ico" : "~Checkoff.ico");
  else
    row.setIcon(tag_, tagged ? "~checkon.ico" : "~checkoff.ico");
  if (icon_ >= 0) {
    if (!lines_) lines_ = std::make_unique<crv::PrivateTable<crv::PODetailRecord>>(crv::POMaster);
    row.setIcon(icon_, reconcileIconOf(order, *lines_));
  }
  row.setText(vendor_, vendorNames_.of(order.VendorID));
  row.setText(remaining_, column(remaining_).picture->format(remainingOf(order, negativeRemaining_)));
  if (crv::GENERIC) row.setText(job_, "");
  if (order.Reconciled == 2) row.setColors(reconciledColour);
}

}  // namespace crvpo

// Gathering and sorting the orders of the purchase-order listing.
#include "crvpo/reports/po_listing_collector.h"

#include <algorithm>
#include <tuple>

namespace crvpo {

using crv::TableStatus;

void sortListedOrders(std::vector<ListedOrder>& orders, std::string_view sequence) {
  auto byKey = [&](auto key) {
    std::stable_sort(orders.begin(), orders.end(),
                     [&](const ListedOrder& a, const ListedOrder& b) { return key(a) < key(b); });
  };
  if (sequence == "R") {
    byKey([](const ListedOrder& o) { return o.poid; });
  } else if (sequence == "J") {
    byKey([](const ListedOrder& o) { return std::tie(o.defaultJob, o.vendorName, o.sortNumber, o.poid); });
  } else if (sequence == "j") {
    byKey([](const ListedOrder& o) { return std::tie(o.defaultJob, o.sortNumber, o.poid); });
  } else {
    byKey([](const ListedOrder& o) { return std::tie(o.sortNumber, o.poid); });
  }
}

ListingCollector::ListingCollector(ListingSelection& selection, ListingNames& names)
    : selection_(selection), names_(names), orders_(crv::POMaster), lines_(crv::PODetail) {
  if (orders_.isOpen()) ordersInTable_ = orders_.table.records();
  // Lines are only tested and summed here: their wide text and notes stay
  // unread until the printing.
  lines_.table.readOnly(
      {"POID", "TextFlag", "JobID", "CostCode", "EquipmentID", "TotalAmount", "AmountInvoiced"});
}

bool ListingCollector::startScan() {
  const crv::POLimitsRecord& limits = selection_.limits();
  crv::POMasterRecord& order = orders_.rec;
  order.clear();
  // A vendor range or a job range of whole job orders reads only its part
  // of the table.
  if (limits.SelectedVendors == 1) {
    scan_ = Scan::ByVendor;
    order.VendorID = limits.VendorFrom;
    return orders_.table.setFrom(crv::POMasterRecord::KeyVendorID) == TableStatus::Ok;
  }
  if (limits.SelectedJobs == 1 && selection_.wholeOrders() && limits.SelectedRef == 1) {
    scan_ = Scan::ByJob;
    order.DefaultJob = limits.JobFrom;
    return orders_.table.setFrom(crv::POMasterRecord::KeyJobID) == TableStatus::Ok;
  }
  return orders_.table.set(crv::POMasterRecord::KeyPOID) == TableStatus::Ok;
}

bool ListingCollector::pastEnd() const {
  const crv::POLimitsRecord& limits = selection_.limits();
  if (scan_ == Scan::ByVendor) return orders_.rec.VendorID > limits.VendorTo;
  if (scan_ == Scan::ByJob) return orders_.rec.DefaultJob > limits.JobTo;
  return false;
}

bool ListingCollector::next() {
  if (ended_ || !orders_.isOpen()) return false;
  if (!started_) {
    started_ = true;
    if (!startScan()) {
      ended_ = true;
      return false;
    }
  }
  if (orders_.table.next() != TableStatus::Ok || pastEnd()) {
    ended_ = true;
    return false;
  }
  if (selection_.orderPasses(orders_.rec)) {
    if (std::optional<ListedOrder> listed = collect()) listed_.push_back(std::move(*listed));
  }
  return true;
}

std::optional<ListedOrder> ListingCollector::collect() {
  const crv::POMasterRecord& order = orders_.rec;
  crv::Amount openLines;
  bool anyPriced = false;
  bool anyPricedPassed = false;
  lines_.rec.clear();
  lines_.rec.POID = order.POID;
  if (lines_.table.setRange(crv::PODetailRecord::KeyPOID, 1) == TableStatus::Ok) {
    while (lines_.table.next() == TableStatus::Ok) {
      const crv::PODetailRecord& line = lines_.rec;
      const bool priced = line.TextFlag != 1;
      anyPriced = anyPriced || priced;
      if (!selection_.linePasses(line)) {
        if (selection_.wholeOrders()) return std::nullopt;
        continue;
      }
      anyPricedPassed = anyPricedPassed || priced;
      openLines += line.TotalAmount - line.AmountInvoiced;
    }
  }
  if (!selection_.wholeOrders() && anyPriced && !anyPricedPassed) return std::nullopt;

  ListedOrder listed;
  listed.poid = order.POID;
  listed.sortNumber = poSortText(order.PONumber.view());
  listed.defaultJob = order.DefaultJob.str();
  listed.vendorName = names_.vendor(order.VendorID).name;
  listed.originalAmount = order.POAmount;
  if (order.Reconciled != 2) {
    listed.taxAmount = order.TaxAmount;
    listed.openAmount = openLines + order.TaxAmount;
  }
  if (listed.openAmount < crv::Amount() && selection_.limits().ColorCoding == 0)
    listed.openAmount = crv::Amount();
  return listed;
}

std::vector<ListedOrder> ListingCollector::take() {
  sortListedOrders(listed_, selection_.limits().Sequence.view());
  return std::move(listed_);
}

}  // namespace crvpo

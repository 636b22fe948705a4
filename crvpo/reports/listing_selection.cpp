// The tests of the purchase-order listing.
#include "crvpo/reports/listing_selection.h"

#include <algorithm>

#include "host/data/shared_values.h"
#include "host/data/tables/suite_tables.h"
#include "host/framework/values/text.h"

namespace crvpo {

using crv::clip;

namespace {

std::string clipped(std::string_view text) { return std::string(clip(text)); }

template <class T>
bool within(const T& value, const T& from, const T& to) {
  return !(value < from) && !(to < value);
}

bool textWithin(std::string_view value, std::string_view from, std::string_view to) {
  return within(clip(value), clip(from), clip(to));
}

}  // namespace

std::string poSortText(std::string_view number) {
  constexpr std::size_t width = 15;
  const std::string clippedNumber(crv::trim(number));
  const bool numeric = !clippedNumber.empty() && std::all_of(clippedNumber.begin(), clippedNumber.end(),
                                                             [](char c) { return c >= '0' && c <= '9'; });
  const std::string lead = numeric ? "" : "A";
  const std::size_t used = lead.size() + clippedNumber.size();
  return lead + std::string(used < width ? width - used : 0, '0') + clippedNumber;
}

ListingLists ListingLists::read(crv::Id limitId) {
  ListingLists lists;
  crv::PrivateTable<crv::LimListRecord> rows(crv::LimList);
  if (!rows.isOpen()) return lists;
  rows.rec.Owner = "POLimits";
  rows.rec.LimitID = limitId;
  if (rows.table.setRange(crv::LimListRecord::KeyLimit, 2) != crv::TableStatus::Ok) return lists;
  while (rows.table.next() == crv::TableStatus::Ok) {
    const std::string_view name = clip(rows.rec.ListName.view());
    if (name == "JobID") {
      lists.jobs.insert(clipped(rows.rec.TextValue.view()));
    } else if (name == "CostCode") {
      lists.costCodes.insert(clipped(rows.rec.TextValue.view()));
    } else if (name == "VendorID") {
      lists.vendors.insert(rows.rec.NumericValue);
    } else if (name == "PONumber") {
      lists.orders.insert(rows.rec.NumericValue);
    }
  }
  return lists;
}

ListingSelection::ListingSelection(const crv::POLimitsRecord& limits, ListingLists lists, crv::Date today)
    : limits_(limits), lists_(std::move(lists)), jobs_(crv::JCHeader) {
  const std::string zeds20(20, 'Z');
  const std::string zeds10(10, 'Z');
  if (limits_.SelectedPONumbers == 0) {
    limits_.POFrom = "";
    limits_.POTo = zeds20;
  } else if (limits_.SelectedPONumbers == 1 && limits_.POTo.empty()) {
    limits_.POTo = zeds20;
  }
  poFrom_ = poSortText(limits_.POFrom.view());
  poTo_ = poSortText(limits_.POTo.view());
  if (limits_.SelectedVendors == 1 && limits_.VendorTo == 0) limits_.VendorTo = 99999999;
  if (limits_.SelectedDates == 1 && limits_.DateTo.isNone()) limits_.DateTo = today + 1000;
  if (limits_.SelectedEquipment == 1 && limits_.EqTo.empty()) limits_.EqTo = zeds10;
  if (limits_.SelectedCostCodes == 1 && limits_.CostCodeTo.empty()) limits_.CostCodeTo = zeds10;
  if (limits_.SelectedJobs == 0 && limits_.JobTo.empty()) limits_.JobTo = zeds10;
}

const ListingSelection::JobState& ListingSelection::jobState(std::string_view job) {
  auto found = jobStates_.find(job);
  if (found != jobStates_.end()) return found->second;
  JobState state;
  jobs_.rec.clear();
  jobs_.rec.JobID = job;
  if (jobs_.fetch(crv::JCHeaderRecord::KeyJobID)) {
    state.known = true;
    state.active = jobs_.rec.Active != 0;
    state.closed = jobs_.rec.Closed == 1;
  }
  return jobStates_.emplace(std::string(job), state).first->second;
}

// The job rules for the default job of an order or the job of a line.
bool ListingSelection::jobPasses(std::string_view job) {
  const std::string_view id = clip(job);
  if (limits_.SelectedJobs == 1 && !id.empty() &&
      !textWithin(id, limits_.JobFrom.view(), limits_.JobTo.view()))
    return false;
  if (limits_.SelectedJobs == 2 && lists_.jobs.count(id) == 0) return false;
  if (limits_.SelectedRef == 1 && id.empty()) return false;
  if (limits_.SelectedRef == 2 && !id.empty()) return false;
  if (id.empty()) return true;
  const JobState& state = jobState(id);
  if (limits_.CatFrom.empty() && !state.active) return false;
  if (limits_.CatTo.empty() && state.closed) return false;
  return true;
}

bool ListingSelection::datePasses(const crv::POMasterRecord& order) const {
  if (limits_.SelectedDates != 1) return true;
  crv::Date date;
  switch (limits_.DateLimitType.empty() ? ' ' : limits_.DateLimitType.view()[0]) {
    case 'I':
      date = order.IssueDate;
      break;
    case 'A':
      date = order.DeliverAfterDate;
      break;
    case 'E':
      date = order.DeliveryDate;
      break;
    case 'D':
      date = order.DeadlineDate;
      break;
    case 'P':
      date = order.ApprovedDate;
      break;
    default:
      return true;
  }
  return within(date, limits_.DateFrom, limits_.DateTo);
}

bool ListingSelection::orderPasses(const crv::POMasterRecord& order) {
  if (wholeOrders() && !jobPasses(order.DefaultJob.view())) return false;
  const crv::Flag wanted[] = {limits_.Unreconciled, limits_.PartiallyReconciled, limits_.FullyReconciled};
  if (order.Reconciled > 2 || wanted[order.Reconciled] == 0) return false;
  if (limits_.SelectedVendors == 1 && !within(order.VendorID, limits_.VendorFrom, limits_.VendorTo))
    return false;
  if (limits_.SelectedVendors == 2 && lists_.vendors.count(order.VendorID) == 0) return false;
  if (limits_.SelectedPONumbers == 1 && !within(poSortText(order.PONumber.view()), poFrom_, poTo_))
    return false;
  if (limits_.SelectedPONumbers == 2 && lists_.orders.count(order.POID) == 0) return false;
  return datePasses(order);
}

bool ListingSelection::linePasses(const crv::PODetailRecord& line) {
  if (line.TextFlag == 1) return true;
  if (!wholeOrders() && !jobPasses(line.JobID.view())) return false;
  const std::string_view code = clip(line.CostCode.view());
  const std::string_view prefix = code.substr(0, static_cast<std::size_t>(std::max(crv::CostCodeLen, 0)));
  if (limits_.SelectedCostCodes == 1 &&
      !textWithin(prefix, limits_.CostCodeFrom.view(), limits_.CostCodeTo.view()))
    return false;
  if (limits_.SelectedCostCodes == 2 && lists_.costCodes.count(clip(prefix)) == 0) return false;
  if (limits_.SelectedEquipment == 1 &&
      !textWithin(line.EquipmentID.view(), limits_.EqFrom.view(), limits_.EqTo.view()))
    return false;
  return true;
}

}  // namespace crvpo

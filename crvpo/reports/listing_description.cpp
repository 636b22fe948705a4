// The limit lines of the purchase-order listing.
#include "crvpo/reports/listing_description.h"

#include "host/framework/table/private_table.h"
#include "host/framework/values/picture.h"

namespace crvpo {

namespace {

std::string reconciledStatus(const crv::POLimitsRecord& l) {
  const int states = (l.Unreconciled ? 4 : 0) | (l.PartiallyReconciled ? 2 : 0) | (l.FullyReconciled ? 1 : 0);
  switch (states) {
    case 7:
      return "Reconciled Status: All POs";
    case 3:
      return "Reconciled Status: Partially and Fully Reconciled POs";
    case 5:
      return "Reconciled Status: Unreconciled and Fully Reconciled POs";
    case 6:
      return "Reconciled Status: Unreconciled and Partially Reconciled POs";
    case 1:
      return "Reconciled Status: Fully Reconciled POs Only";
    case 2:
      return "Reconciled Status: Partially Reconciled POs Only";
    case 4:
      return "Reconciled Status: Uneconciled POs Only";
    default:
      return {};
  }
}

std::string dateCaption(std::string_view type) {
  if (type == "I") return "Issue Dates: ";
  if (type == "A") return "Acceptance Dates: ";
  if (type == "E") return "Expected Delivery Dates: ";
  if (type == "D") return "Deadline Dates: ";
  if (type == "P") return "Approval Dates: ";
  return {};
}

template <class Set>
std::string listLine(std::string caption, const Set& values) {
  for (const auto& value : values) {
    caption += ' ';
    if constexpr (std::is_same_v<typename Set::value_type, crv::Id>)
      caption += std::to_string(value);
    else
      caption += value;
  }
  return shortenedListLine(std::move(caption));
}

std::string orderListLine(const std::set<crv::Id>& poids) {
  crv::PrivateTable<crv::POMasterRecord> orders(crv::POMaster);
  std::vector<std::string> numbers;
  for (crv::Id poid : poids) {
    orders.rec.clear();
    orders.rec.POID = poid;
    if (orders.fetch(crv::POMasterRecord::KeyPOID)) numbers.push_back(orders.rec.PONumber.str());
  }
  if (numbers.size() == 1) return "Purchase Order # " + numbers.front();
  std::string line = "Purchase Orders:";
  for (const std::string& number : numbers) line += " " + number;
  return shortenedListLine(std::move(line));
}

}  // namespace

std::string shortenedListLine(std::string line) {
  if (line.size() <= 99) return line;
  std::size_t cut = line.find(' ', 89);
  if (cut == std::string::npos || cut > 96) cut = 96;
  line.resize(cut);
  return line + "...";
}

std::vector<std::string> listingLimitLines(const crv::POLimitsRecord& l, const ListingLists& lists,
                                           bool generic) {
  std::vector<std::string> lines{"Purchase Order > Reports > Purchase Order Listing",
                                 "Report Title: " + l.ReportTitle.str()};
  if (l.SelectedPONumbers == 1) {
    lines.push_back(l.POFrom == l.POTo ? "Purchase Order # " + l.POFrom.str()
                                       : "Purchase Orders: " + l.POFrom.str() + " through " + l.POTo.str());
  } else if (l.SelectedPONumbers == 2) {
    lines.push_back(orderListLine(lists.orders));
  }
  if (l.SelectedJobs == 1) lines.push_back("Jobs: " + l.JobFrom.str() + " TO " + l.JobTo.str());
  if (l.SelectedJobs == 2) lines.push_back(listLine("Jobs:", lists.jobs));
  if (!generic && l.CatFrom.empty()) lines.emplace_back("Excludes Inactive Jobs");
  if (!generic && l.CatTo.empty()) lines.emplace_back("Excludes Closed Jobs");
  if (l.SelectedEquipment == 1) lines.push_back("Equipment: " + l.EqFrom.str() + " TO " + l.EqTo.str());
  if (l.SelectedCostCodes == 1)
    lines.push_back("Cost Codes: " + l.CostCodeFrom.str() + " TO " + l.CostCodeTo.str());
  if (l.SelectedCostCodes == 2) lines.push_back(listLine("Cost Codes:", lists.costCodes));
  if (l.SelectedVendors == 1)
    lines.push_back("Vendors: " + std::to_string(l.VendorFrom) + " TO " + std::to_string(l.VendorTo));
  if (l.SelectedVendors == 2) lines.push_back(listLine("Vendors:", lists.vendors));
  if (l.SelectedDates == 1 && !dateCaption(l.DateLimitType.view()).empty()) {
    const crv::Picture date = crv::Picture::parse("@d01");
    lines.push_back(dateCaption(l.DateLimitType.view()) + date.format(l.DateFrom) + " TO " +
                    date.format(l.DateTo));
  }
  if (l.Sequence.view() == "R") lines.emplace_back("Sort by Reference Number");
  if (std::string status = reconciledStatus(l); !status.empty()) lines.push_back(std::move(status));
  if (l.SelectedRef == 1) lines.emplace_back("Jobs Only");
  if (l.SelectedRef == 2) lines.emplace_back("Non-Jobs Only");
  if (l.SortDetail.view() == "W") lines.emplace_back("Whole POs Only");
  lines.emplace_back(l.ColorCoding ? "Overreconciled POs show a Negative Open Amount"
                                   : "Overreconciled POs show a Zero Open Amount");
  return lines;
}

}  // namespace crvpo

// Which orders and lines one saved listing format ("PO Listing" record of
// POLimits) selects.
//
// Every limit is either off (0), a range (1) or a list (2; the values are
// LimList rows of the format: "JobID", "CostCode", "VendorID" and
// "PONumber", the last holding order identifiers). Before testing, open
// range ends are closed: an unlimited or open-ended PO-number range runs to
// 20 "Z", a vendor range ending at 0 to 99999999, a date range without an
// end to 1,000 days from today, equipment and cost-code ranges without an
// end to 10 "Z"; a job range keeps a blank end, so only orders (or lines)
// without a job pass it.
//
// Jobs, job kind ("Jobs Only", "Non-Jobs Only") and the inactive and closed
// job rules test the order's default job for "Whole POs Only" and each
// line's job for "Lines Within Limits"; cost codes and equipment test the
// lines. A text line carries no job, code or equipment and is never what
// excludes an order.
#pragma once

#include <map>
#include <set>
#include <string>
#include <string_view>

#include "host/data/tables/job_cost_tables.h"
#include "host/data/tables/purchasing_tables.h"
#include "host/framework/table/private_table.h"

namespace crvpo {

// A PO number as ranges and sorting compare it: a number of digits alone
// right-aligned in 15 with leading zeros ("9" before "10"), any other number
// behind an "A" and zeros, so that it sorts after every numeric one.
std::string poSortText(std::string_view number);

// The values of the list selections of one format.
struct ListingLists {
  std::set<std::string, std::less<>> jobs;
  std::set<std::string, std::less<>> costCodes;
  std::set<crv::Id> vendors;
  std::set<crv::Id> orders;  // POIDs

  // The rows of LimList for the format `limitId`.
  static ListingLists read(crv::Id limitId);
};

class ListingSelection {
 public:
  // `limits` as stored; the open ends are closed here.
  ListingSelection(const crv::POLimitsRecord& limits, ListingLists lists, crv::Date today);

  // The limits with their open ends closed.
  const crv::POLimitsRecord& limits() const { return limits_; }
  const ListingLists& lists() const { return lists_; }
  bool wholeOrders() const { return limits_.SortDetail.view() != "L"; }

  bool orderPasses(const crv::POMasterRecord& order);
  bool linePasses(const crv::PODetailRecord& line);

 private:
  struct JobState {
    bool known = false;
    bool active = true;
    bool closed = false;
  };
  bool jobPasses(std::string_view job);
  const JobState& jobState(std::string_view job);
  bool datePasses(const crv::POMasterRecord& order) const;

  crv::POLimitsRecord limits_;
  ListingLists lists_;
  std::string poFrom_;  // sort texts of the PO-number range
  std::string poTo_;
  crv::PrivateTable<crv::JCHeaderRecord> jobs_;
  std::map<std::string, JobState, std::less<>> jobStates_;
};

}  // namespace crvpo

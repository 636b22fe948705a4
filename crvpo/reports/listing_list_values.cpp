// The kinds of list values of listing formats.
#include "crvpo/reports/listing_list_values.h"

#include <algorithm>
#include <charconv>

#include "crvpo/entry/job_name_search.h"
#include "crvpo/reports/order_pick.h"
#include "host/data/shared_values.h"
#include "host/data/tables/job_cost_tables.h"
#include "host/data/tables/payables_tables.h"
#include "host/data/tables/purchasing_tables.h"
#include "host/framework/services/global_request.h"
#include "host/framework/table/private_table.h"
#include "host/framework/values/text.h"
#include "host/siblings/CRVAP/browse_ap_vendor.h"
#include "host/siblings/CRVJC/browse_jc_code.h"
#include "host/siblings/CRVJC/browse_jc_header.h"

namespace crvpo {

using crv::siblings::LimListKind;
using crv::siblings::LimListValue;

namespace {

std::string jobName(std::string_view id) {
  crv::PrivateTable<crv::JCHeaderRecord> jobs(crv::JCHeader);
  jobs.rec.JobID = id;
  return jobs.fetch(crv::JCHeaderRecord::KeyJobID) ? jobs.rec.JobName.str() : std::string();
}

LimListKind jobs() {
  LimListKind kind{"Job List", "Job ID:", "@s10", false, {}, {}, {}};
  kind.resolve = [](std::string_view typed) -> std::optional<LimListValue> {
    const JobNameMatch match = searchJobByName(typed);
    if (match.outcome == JobNameMatch::Outcome::Picked) return LimListValue{match.jobId, 0};
    if (match.outcome == JobNameMatch::Outcome::NotAName && !jobName(typed).empty())
      return LimListValue{std::string(crv::clip(typed)), 0};
    return std::nullopt;
  };
  kind.show = [](const LimListValue& v) { return std::pair{v.text, jobName(v.text)}; };
  kind.lookup = []() -> std::optional<std::string> {
    if (!chooseFromList(BrowseJCHeader)) return std::nullopt;
    return crv::JCH.JobID.str();
  };
  return kind;
}

// The description of the first catalogue code that begins with `code`.
std::optional<std::string> costCodeDescription(std::string_view code) {
  crv::PrivateTable<crv::JCCodeRecord> codes(crv::JCCode);
  codes.rec.CostCode = code;
  if (!codes.isOpen() || codes.table.setFrom(crv::JCCodeRecord::KeyCostCode) != crv::TableStatus::Ok ||
      codes.table.next() != crv::TableStatus::Ok || codes.rec.CostCode.view().substr(0, code.size()) != code)
    return std::nullopt;
  return codes.rec.Description.str();
}

LimListKind costCodes() {
  LimListKind kind{"Cost Code List", "Cost Code:", "@s10", false, {}, {}, {}};
  kind.resolve = [](std::string_view typed) -> std::optional<LimListValue> {
    const std::string code = listingCostCode(typed);
    if (code.empty() || !costCodeDescription(code)) return std::nullopt;
    return LimListValue{code, 0};
  };
  kind.show = [](const LimListValue& v) {
    return std::pair{v.text, costCodeDescription(v.text).value_or(std::string())};
  };
  kind.lookup = []() -> std::optional<std::string> {
    if (!chooseFromList(BrowseJCCode)) return std::nullopt;
    return listingCostCode(crv::JCD.CostCode.view());
  };
  return kind;
}

std::optional<std::string> vendorName(crv::Id id) {
  crv::PrivateTable<crv::APVendorRecord> vendors(crv::APVendor);
  vendors.rec.VendorID = id;
  if (!vendors.fetch(crv::APVendorRecord::KeyVendorID)) return std::nullopt;
  return vendors.rec.VendorName.str();
}

LimListKind vendors() {
  LimListKind kind{"Vendor List", "Vendor ID:", "@n_6", true, {}, {}, {}};
  kind.resolve = [](std::string_view typed) -> std::optional<LimListValue> {
    const std::string_view text = crv::trim(typed);
    crv::Id id = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), id);
    if (error != std::errc() || end != text.data() + text.size() || !vendorName(id)) return std::nullopt;
    return LimListValue{{}, id};
  };
  kind.show = [](const LimListValue& v) {
    return std::pair{std::to_string(v.number), vendorName(v.number).value_or(std::string())};
  };
  kind.lookup = []() -> std::optional<std::string> {
    if (!chooseFromList(BrowseAPVendor)) return std::nullopt;
    return std::to_string(crv::APV.VendorID);
  };
  return kind;
}

LimListKind orders() {
  LimListKind kind{"Purchase Order List", "PO Number:", "@s15", true, {}, {}, {}};
  kind.resolve = [](std::string_view typed) -> std::optional<LimListValue> {
    crv::PrivateTable<crv::POMasterRecord> orders(crv::POMaster);
    orders.rec.PONumber = crv::trim(typed);
    if (orders.fetch(crv::POMasterRecord::KeyPONumber)) return LimListValue{{}, orders.rec.POID};
    if (const std::optional<PickedOrder> picked = pickOrderForNumber(crv::trim(typed)))
      return LimListValue{{}, picked->poid};
    return std::nullopt;
  };
  kind.show = [](const LimListValue& v) {
    crv::PrivateTable<crv::POMasterRecord> orders(crv::POMaster);
    orders.rec.POID = v.number;
    if (!orders.fetch(crv::POMasterRecord::KeyPOID))
      return std::pair<std::string, std::string>{"", "(deleted)"};
    return std::pair{orders.rec.PONumber.str(), vendorName(orders.rec.VendorID).value_or(std::string())};
  };
  kind.lookup = []() -> std::optional<std::string> {
    const std::optional<PickedOrder> picked = browseOrdersToSelect();
    if (!picked) return std::nullopt;
    return picked->number;
  };
  return kind;
}

}  // namespace

bool chooseFromList(void (*list)()) {
  const int request = crv::GlobalRequest;
  crv::GlobalRequest = crv::SelectRecord;
  list();
  crv::GlobalRequest = request;
  return crv::GlobalResponse == crv::RequestCompleted;
}

std::string listingCostCode(std::string_view code) {
  return std::string(
      crv::clip(crv::trim(code).substr(0, static_cast<std::size_t>(std::max(crv::CostCodeLen, 0)))));
}

LimListKind listingListKind(std::string_view listName) {
  if (listName == "JobID") return jobs();
  if (listName == "CostCode") return costCodes();
  if (listName == "VendorID") return vendors();
  return orders();
}

}  // namespace crvpo

// The line checks and their messages.
#include "crvpo/entry/line_item_checks.h"

#include "host/data/tables/inventory_tables.h"
#include "host/data/tables/job_cost_tables.h"
#include "host/data/tables/ledger_tables.h"
#include "host/data/tables/purchasing_tables.h"
#include "host/framework/services/message_box.h"
#include "host/framework/ui/front_end.h"
#include "host/framework/values/picture.h"
#include "host/framework/values/text.h"

namespace crvpo {
namespace {

using crv::Icon;
using crv::TableStatus;

std::string trimmed(std::string_view text) { return std::string(crv::clip(text)); }

CheckOutcome checkJob() {
  if (crv::POD.JobID.empty()) return CheckOutcome::stay("?POD:JobID");
  if (crv::fetchBy(crv::JCHeader, crv::JCHeaderRecord::KeyJobID, crv::JCH.JobID, crv::POD.JobID) !=
      TableStatus::Ok)
    return CheckOutcome::stay("?POD:JobID");
  if (crv::POD.CostCode.empty()) return CheckOutcome::stay("?POD:CostCode");
  crv::JCC.clear();
  crv::JCC.JobID = crv::POD.JobID;
  crv::JCC.CostCode = crv::POD.CostCode;
  if (crv::JCCost.fetch(crv::JCCostRecord::KeyJobCodeType) != TableStatus::Ok)
    return CheckOutcome::stay("?POD:CostCode");
  return CheckOutcome::proceed();
}

CheckOutcome checkInventory() {
  if (crv::POD.ItemID.empty()) return CheckOutcome::stay("?POD:ItemID");
  if (crv::fetchBy(crv::INMaster, crv::INMasterRecord::KeyItemID, crv::INM.ItemID, crv::POD.ItemID) !=
      TableStatus::Ok) {
    crv::message("Please select a valid Item ID.", "Invalid Item", Icon::Information);
    return CheckOutcome::stay("?POD:ItemID");
  }
  if (crv::INM.QtyExempt) {
    crv::message(
        "This item has been exempted from quantity tracking, |and therefore cannot be applied to inventory.",
        "Exempt Item", Icon::Information);
    return CheckOutcome::stay("?POD:DetailType");
  }
  return CheckOutcome::proceed();
}

// "12.50" -> "12.5", "10.00" -> "10".
std::string withoutTrailingZeros(std::string text) {
  if (text.find('.') != std::string::npos) {
    while (text.back() == '0') text.pop_back();
    if (text.back() == '.') text.pop_back();
  }
  return text;
}

}  // namespace

CheckOutcome checkPricedLine() {
  if (crv::POD.Description.empty()) return CheckOutcome::stay("?POD:Description");
  if (crv::POD.UnitPrice == 0) return CheckOutcome::stay();
  const std::string type = crv::POD.DetailType.str();
  if (type.empty()) return CheckOutcome::stay("?POD:DetailType");
  if (type == "G/L Account") {
    if (crv::POD.Account.empty()) return CheckOutcome::stay("?POD:Account");
    if (crv::fetchBy(crv::GLMaster, crv::GLMasterRecord::KeyAccount, crv::GLM.Account, crv::POD.Account) !=
        TableStatus::Ok)
      return CheckOutcome::stay("?POD:Account");
    return CheckOutcome::proceed();
  }
  if (type == "Job") return checkJob();
  if (type == "Equipment") {
    // Existence is tested when the fields are accepted, not here.
    if (crv::POD.EquipmentID.empty()) return CheckOutcome::stay("?POD:EquipmentID");
    if (crv::POD.CostCategory.empty()) return CheckOutcome::stay("?POD:CostCategory");
    return CheckOutcome::proceed();
  }
  if (type == "Inventory") return checkInventory();
  return CheckOutcome::proceed();
}

std::string minimumQuantityText(crv::Quantity minimum) {
  return withoutTrailingZeros(minimum.rescale<2>().toString());
}

std::string unitFactorText(double factor) {
  return "(" + withoutTrailingZeros(crv::Picture::parse("@n_10.4").formatTrimmed(factor)) + ")";
}

bool askReenterQuantity(crv::Quantity minimum, std::string_view unit) {
  const std::string text = "The minimum order quantity from this vendor is " + minimumQuantityText(minimum) +
                           " " + trimmed(unit) + ".  Do you wish to continue with your ordered quantity " +
                           "or re-enter the quantity?";
  return crv::message(text, "Confirm Quantity", Icon::Exclamation, "&Continue|&Re-enter") == 2;
}

void tellJobClosed(std::string_view job) {
  crv::ui::frontEnd().beep(crv::ui::Sound::Default);
  crv::message("Job " + trimmed(job) + " is closed to new transactions, please select a different Job ID.",
               "Job is Closed", Icon::Exclamation);
}

bool askAssignInactiveJob(std::string_view job) {
  crv::ui::frontEnd().beep(crv::ui::Sound::Default);
  return crv::message(
             "Job " + trimmed(job) +
                 " has been marked 'Inactive', are you sure you want to assign this invoice to this job",
             "Assign to Inactive Job?", Icon::Question, "&Yes|&No") == 1;
}

void tellDefaultCostCodeMissing(std::string_view item, std::string_view code, std::string_view job) {
  crv::message("The default cost code for Item " + trimmed(item) + " is " + trimmed(code) + ".|" +
                   "This cost code has not been budgeted on Job " + trimmed(job) + ".",
               "Cost Code Not Found", Icon::Information);
}

void tellCostCodeInactive(std::string_view code, std::string_view description) {
  crv::message("Cost Code " + trimmed(code) + " - " + trimmed(description) + "|has been marked inactive.",
               "Cannot Select Inactive Cost Code", Icon::Stop);
}

void tellPreferredVendor(std::string_view code, crv::Id vendor, std::string_view vendorName) {
  crv::message("Cost Code " + trimmed(code) + " on this job has been associated with|vendor " +
                   std::to_string(vendor) + " (" + trimmed(vendorName) + ").",
               "Vendor Preference Reminder", Icon::Information);
}

void tellNoJobForChangeOrder() {
  crv::message("Please select a job before entering a change order.", "No Job Selected", Icon::Information);
}

void tellChangeOrderNotFound(std::string_view code) {
  crv::message("No change orders were found for cost code " + trimmed(code) + ".", "Not Found",
               Icon::Information);
}

bool askAssignNewVendor(crv::Id vendor) {
  return crv::message("Are you sure you wish to assign vendor number " + std::to_string(vendor) +
                          " to this purchase order?",
                      "Assign New Vendor?", Icon::Question, "&Yes|&No") == 1;
}

}  // namespace crvpo

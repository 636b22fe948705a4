// The checks of a purchase-order line: those OK makes on a priced line, in
// their order, and the questions and notices shown while the line is
// edited, each with its exact title, text, icon and buttons.
//
// OK checks read the line in POD and look records up in GLMaster,
// JCHeader, JCCost and INMaster (the caller has them open). The edit-time
// ones only ask or tell; what the answer does to the line is the form's.
// None of them belongs in the accept-all pass of OK.
#pragma once

#include <string>
#include <string_view>

#include "host/framework/record/record.h"

namespace crvpo {

// Go on, or stay with the focus on a field (an empty equate: no change of
// focus).
struct CheckOutcome {
  bool goOn = true;
  std::string focus;

  static CheckOutcome proceed() { return {}; }
  static CheckOutcome stay(std::string focus = {}) { return {false, std::move(focus)}; }
};

// The OK checks of a priced line (Text Line Item not ticked): description,
// unit price, then the distribution of the line's detail type.
CheckOutcome checkPricedLine();

// The minimum order quantity as written in the "Confirm Quantity" text:
// held with 2 places, shown without trailing zeros ("50", "12.5").
std::string minimumQuantityText(crv::Quantity minimum);
// A purchase unit's size as its choice shows it: "(50)", "(12.5)".
std::string unitFactorText(double factor);

// "Confirm Quantity": true when the user chose Re-enter.
bool askReenterQuantity(crv::Quantity minimum, std::string_view unit);
// "Job is Closed", after a beep.
void tellJobClosed(std::string_view job);
// "Assign to Inactive Job?", after a beep: true on Yes.
bool askAssignInactiveJob(std::string_view job);
// "Cost Code Not Found": the item's default cost code is not budgeted.
void tellDefaultCostCodeMissing(std::string_view item, std::string_view code, std::string_view job);
// "Cannot Select Inactive Cost Code".
void tellCostCodeInactive(std::string_view code, std::string_view description);
// "Vendor Preference Reminder".
void tellPreferredVendor(std::string_view code, crv::Id vendor, std::string_view vendorName);
// "No Job Selected".
void tellNoJobForChangeOrder();
// "Not Found": no change-order detail for the cost code.
void tellChangeOrderNotFound(std::string_view code);
// "Assign New Vendor?": true on Yes.
bool askAssignNewVendor(crv::Id vendor);

}  // namespace crvpo

// ReconcilePODetail: one purchase-order line opened from the receiving
// order form ("Reconciling Purchase Order Detail") to record how many of
// it came on the packing slip being entered. An inventory line is put at a
// location and area (bin), looked up in the inventory module's lists; a
// serialized item takes one serial number per unit received: the single
// number for one unit, a list for more (added one at a time, pasted, or as
// a range). A job, account or equipment line shows what it is charged to.
//
// OK refuses a total received above the quantity ordered, and a count of
// serial numbers that does not match the units received; then records the
// receipt with the line (LineReceipt), all or nothing. ViewRecord shows the
// line only. InsertRecord and DeleteRecord are refused: lines are neither
// added nor removed here.
//
// The caller leaves the line in POD (read through PODetail) and its order
// in POM, and the request in GlobalRequest.
#pragma once

namespace crvpo {

void reconcilePODetail();

}  // namespace crvpo

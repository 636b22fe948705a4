// The reset of item pricing after the order's vendor was changed from a
// line's priority-vendor list: when another line of the order has a
// vendor-item record for the new vendor, the user is asked whether to
// reprice, and on Yes every such line takes the vendor's catalogue number,
// unit and price, with its amount recomputed (quantities stay).
#pragma once

#include "host/framework/record/record.h"

namespace crvpo {

struct RepricingResult {
  bool asked = false;
  int repriced = 0;  // lines updated
};

// The order is in POM (its vendor already the new one); `originatingLine`
// is the DetailID of the line the vendor was taken from. Uses PODetail and
// INVendor (opened and closed here) and leaves POD and INV changed.
RepricingResult resetItemPricing(crv::Id originatingLine);

}  // namespace crvpo

// The host's window that prints the purchase-order listing from the Reports
// menu: the person chooses one of the saved listing formats (their
// favourites first) and whether to preview it, and the module's listing
// runs for that format. The formats themselves are kept under Reports >
// Listing Formats.
#pragma once

#include <functional>
#include <string>

#include "host/framework/ui/window_manager.h"
#include "host/framework/values/scalars.h"

namespace crv {

class ChoosePOListingWindow final : public ui::WindowManager {
 public:
  ChoosePOListingWindow();

  // The format chosen on OK (its LimitID), 0 when cancelled.
  Id chosenFormat() const { return chosen_; }
  bool preview() const { return preview_ != 0; }

 protected:
  ui::Level opening() override;
  ui::Level validate() override;

 private:
  std::string format_;  // the chosen LimitID as text
  Flag preview_ = 1;
  Id chosen_ = 0;
};

// Asks for the format and runs `printEntry` (the module's PrintPOListing)
// for it; the person's preview setting comes back afterwards.
void printPOListing(const std::function<void()>& printEntry);

}  // namespace crv

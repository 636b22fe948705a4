// BrowsePOListLimits: "Purchase Order Listing", the list of saved listing
// formats ("PO Listing" records of POLimits) by title, from which formats
// are added, changed, deleted, duplicated, added to the user's favourite
// reports and printed.
//
// A format that is locked and owned by another user who still exists
// cannot be deleted. A duplicate is the highlighted format with its list
// values, titled "Copy of " and the title (cut to 40 characters), owned by
// the current user, dated today and unlocked. "&Print" prints the
// highlighted format through the previewer; a right click on it offers to
// print straight to the default printer instead. Opened with
// GlobalReportLimit set (a favourite), the list holds that format only and
// offers neither Add, Delete nor the favourites button.
#pragma once

#include <memory>
#include <string>

#include "host/framework/services/module_export.h"
#include "host/framework/ui/browse_class.h"
#include "host/framework/ui/browse_component.h"
#include "host/framework/ui/window_manager.h"

namespace crvpo {

class BrowsePOListLimitsWindow final : public crv::ui::WindowManager {
 public:
  BrowsePOListLimitsWindow();
  ~BrowsePOListLimitsWindow() override;

 protected:
  crv::ui::Level opening() override;
  crv::ui::Level takePopupMenu(crv::ui::Control& control) override;

 private:
  void duplicate();
  void addToFavourites();
  void print(bool preview);

  std::unique_ptr<crv::ui::BrowseClass> browse_;
  crv::ui::BrowseComponent component_;
  std::string locator_;
  crv::Id onlyLimit_ = 0;
};

}  // namespace crvpo

extern "C" {
CRV_EXPORT void BrowsePOListLimits();
}

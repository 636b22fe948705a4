// BrowseAPVendor: the list of vendors, sorted by name or by number, with
// Insert, Change and Delete calling the vendor form (UpdateAPVendor).
//
// Called with GlobalRequest = SelectRecord it is the lookup the order forms
// use: Select (or Enter or a double click on a row) leaves the chosen vendor
// in APV and answers RequestCompleted; the list opens on the vendor the
// caller left in APV, if any. Inactive vendors stay in the list,
// marked, so a person sees why a form questions them.
#pragma once

#include <memory>
#include <string>

#include "host/framework/services/module_export.h"
#include "host/framework/ui/browse_class.h"
#include "host/framework/ui/browse_component.h"
#include "host/framework/ui/window_manager.h"

namespace crv::siblings {

class BrowseAPVendorWindow final : public ui::WindowManager {
 public:
  BrowseAPVendorWindow();
  ~BrowseAPVendorWindow() override;

 protected:
  ui::Level takeWindowEvent(const ui::Event& event) override;

 private:
  std::unique_ptr<ui::BrowseClass> browse_;
  ui::BrowseComponent component_;
  std::string locator_;
};

}  // namespace crv::siblings

extern "C" {
CRV_EXPORT void BrowseAPVendor();
}

// UpdateDropList: the values a drop-down list of the suite offers, for
// the list named in REPORTFILTER ("POM Purchasing Agent"): a value typed
// is added (once), the highlighted one deleted. Called with SelectRecord,
// Select leaves the highlighted value in DPL.
#pragma once

#include <memory>
#include <string>

#include "host/framework/services/module_export.h"
#include "host/framework/ui/browse_class.h"
#include "host/framework/ui/browse_component.h"
#include "host/framework/ui/window_manager.h"

namespace crv::siblings {

class UpdateDropListWindow final : public ui::WindowManager {
 public:
  UpdateDropListWindow();
  ~UpdateDropListWindow() override;

 private:
  ui::Level add();
  ui::Level remove();

  std::string fieldName_;
  std::string value_;
  std::unique_ptr<ui::BrowseClass> browse_;
  ui::BrowseComponent component_;
};

}  // namespace crv::siblings

extern "C" {
CRV_EXPORT void UpdateDropList();
}

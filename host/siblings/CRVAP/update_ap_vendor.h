// UpdateAPVendor: the form over one vendor (APVendor): its number, name and
// address, how to reach it, and its payment terms and tax settings.
//
// Called with GlobalRequest = InsertRecord, ChangeRecord, DeleteRecord or
// ViewRecord and the vendor in APV. A new vendor is numbered one past the
// highest number in use; a person may change that. On OK the number must be
// set and unused by another vendor, and the name must be given. Answers
// RequestCompleted when the record was written.
#pragma once

#include "host/framework/services/module_export.h"
#include "host/framework/ui/window_manager.h"

namespace crv::siblings {

class UpdateAPVendorWindow final : public ui::WindowManager {
 public:
  UpdateAPVendorWindow();

 protected:
  void primeFields() override;
  ui::Level opening() override;
  ui::Level validate() override;
};

}  // namespace crv::siblings

extern "C" {
CRV_EXPORT void UpdateAPVendor();
}

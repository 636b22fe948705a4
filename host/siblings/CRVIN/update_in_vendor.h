// UpdateINVendor: the form over one vendor-item record (INVendor): which
// vendor supplies an item, in what priority, under which catalogue number,
// unit, price and minimum order.
//
// Called with GlobalRequest = InsertRecord, ChangeRecord, DeleteRecord or
// ViewRecord and the record in INV (for an insert, the item in INM: the new
// record is for that item, in the item's stock unit and at its price, after
// the item's last priority). On OK the item must exist, the vendor must
// exist, the unit must be the item's stock unit or one of its purchase
// units, and the item may have only one record per vendor. Answers
// RequestCompleted when the record was written.
#pragma once

#include <string>

#include "host/framework/services/module_export.h"
#include "host/framework/ui/window_manager.h"

namespace crv::siblings {

class UpdateINVendorWindow final : public ui::WindowManager {
 public:
  UpdateINVendorWindow();

 protected:
  void primeFields() override;
  ui::Level opening() override;
  ui::Level validate() override;

 private:
  void showItem();
  void showVendor();
  ui::Level refuse(const std::string& text, const std::string& title, std::string_view focus);

  std::string itemDescription_;
  std::string vendorName_;
};

}  // namespace crv::siblings

extern "C" {
CRV_EXPORT void UpdateINVendor();
}

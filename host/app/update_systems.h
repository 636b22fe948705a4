// UpdateSystems: the company settings form, over the one row of the Systems
// table: the company's name and address, purchase-order numbering and tax,
// which optional fields the order forms show, and the form orders print on
// (the standard form or the company's designer form, with its file).
//
// The host opens it from its menu; there is nothing to choose, so it reads
// the row itself and changes it on OK (adding it when a company has none).
// The company name shown in the host's title follows the saved row.
#pragma once

#include "host/framework/services/module_export.h"
#include "host/framework/ui/window_manager.h"

namespace crv {

class UpdateSystemsWindow final : public ui::WindowManager {
 public:
  UpdateSystemsWindow();

 protected:
  ui::Level opening() override;
  ui::Level validate() override;
  void written() override;

 private:
  void chooseDesignerForm();
};

// Runs the form on the company open in this process.
void updateSystems();

}  // namespace crv

// UpdateSystems: the company settings form, over the one row of the Systems
// table: the company's name and address, purchase-order numbering and tax,
// which optional fields the order forms show, and the form orders print on
// (the standard form or the company's designer form, with its file).
//
// The host opens it from its menu; there is nothing to choose, so it reads
// the row itself and changes it on OK (adding it when a company has none).
// The company name shown in the host's title follows the saved row.
//
// Other stations keep writing the row while the form is open (every new
// order moves the order counter), so OK writes only the fields the person
// changed over the row as it stands then, and refuses a counter that would
// hand out a number already in use.
#pragma once

#include "host/data/tables/suite_tables.h"
#include "host/framework/services/module_export.h"
#include "host/framework/ui/window_manager.h"

namespace crv {

class UpdateSystemsWindow final : public ui::WindowManager {
 public:
  UpdateSystemsWindow();

 protected:
  ui::Level opening() override;
  ui::Level validate() override;
  TableError beforeUpdate() override;
  void written() override;

 private:
  void chooseDesignerForm();

  SystemsRecord opened_;  // the row as the form opened it
};

// Runs the form on the company open in this process.
void updateSystems();

}  // namespace crv

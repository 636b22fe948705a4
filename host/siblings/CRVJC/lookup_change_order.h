// LookupChangeOrder: the change-order details of one job, from which a
// line form picks the change order (and with it the cost code) a line is
// charged to.
//
// Hand-over: in TEST the identifier of the line's current change-order
// detail (JCCOD:CODID, "0" or blank for none), in JOBFIELD the job. The
// list opens on the current detail when it belongs to the job. On Select:
// TEST = the chosen detail's identifier, JOBFIELD = its change-order
// number, REPORTFILTER = its cost code, and JCCOD holds the detail; the
// answer is RequestCompleted. On Cancel: TEST = "0", JOBFIELD and
// REPORTFILTER are left as they were, and the answer is RequestCancelled.
#pragma once

#include <string_view>

#include "host/framework/services/module_export.h"
#include "host/framework/values/scalars.h"
#include "host/siblings/lookup_list.h"

namespace crv::siblings {

class LookupChangeOrderWindow final : public LookupList {
 public:
  LookupChangeOrderWindow();

  // A detail identifier as TEST carries it; 0 for blank or not a number.
  static Id detailFrom(std::string_view text);

 protected:
  ui::Level takeWindowEvent(const ui::Event& event) override;
  void closing() override;

 private:
  Id current_ = 0;
};

}  // namespace crv::siblings

extern "C" {
CRV_EXPORT void LookupChangeOrder();
}

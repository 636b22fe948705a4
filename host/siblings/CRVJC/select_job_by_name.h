// SelectJobByName: lets a person pick one of the jobs a form matched by the
// start of their name.
//
// Hand-over: the caller fills RXQUEUE with the candidates, one entry per
// job written as job id, " - " and the job name, and sets GLO.Increment to
// where the window should open beside the field that was typed into, as
// x * 1000 + y (x and y in the caller's screen units, y below 1000). On
// Select, RXQUEUE is left holding only the chosen entry and the answer is
// RequestCompleted; on Cancel RXQUEUE is emptied (a blank choice) and the
// answer is RequestCancelled. The caller takes the job id from the front
// of the entry.
#pragma once

#include <string>
#include <vector>

#include "host/framework/services/module_export.h"
#include "host/framework/ui/row_list_model.h"
#include "host/framework/ui/window_manager.h"

namespace crv::siblings {

class SelectJobByNameWindow final : public ui::WindowManager {
 public:
  // Where the caller asked the window to open.
  struct Placement {
    int x = 0;
    int y = 0;
  };
  // Reads the x * 1000 + y form of GLO.Increment; negative values give 0.
  static Placement placementFrom(int increment);

  SelectJobByNameWindow();
  const Placement& placement() const { return placement_; }

 protected:
  void closing() override;

 private:
  ui::Level choose();

  std::vector<std::string> entries_;
  ui::RowListModel list_;
  Placement placement_;
  std::string chosen_;
};

}  // namespace crv::siblings

extern "C" {
CRV_EXPORT void SelectJobByName();
}

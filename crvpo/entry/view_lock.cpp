// Locking a form's fields for viewing.
#include "crvpo/entry/view_lock.h"

#include "host/framework/ui/window.h"

namespace crvpo {

void lockFieldsForViewing(crv::ui::Window& window) {
  using crv::ui::ControlKind;
  for (const auto& owned : window.controls()) {
    crv::ui::Control& c = *owned;
    switch (c.kind()) {
      case ControlKind::Entry:
      case ControlKind::Text:
        c.setReadOnly(true);
        break;
      case ControlKind::Check:
      case ControlKind::DropList:
      case ControlKind::DropCombo:
        c.disable();
        break;
      case ControlKind::Button:
        if (c.role() == crv::ui::ButtonRole::Lookup || c.role() == crv::ui::ButtonRole::Calendar) c.disable();
        break;
      default:
        break;
    }
  }
}

}  // namespace crvpo

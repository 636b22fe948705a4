// Locking a form that only shows its record: entries and text boxes become
// read-only (their text can still be selected and copied), check boxes and
// drop lists are disabled, and so are the lookup and calendar buttons
// beside the fields. The form's other buttons are its own to lock.
#pragma once

namespace crv::ui {
class Window;
}  // namespace crv::ui

namespace crvpo {

void lockFieldsForViewing(crv::ui::Window& window);

}  // namespace crvpo

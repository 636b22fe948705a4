// The keys of the window model for Qt's key events: F1 to F12, the editing
// and moving keys, Enter (both Return and the keypad's Enter), Ctrl+Enter,
// Shift+Tab and the keypad's digits.
#pragma once

#include "host/framework/ui/key.h"

class QKeyEvent;

namespace crv::desktop {

// Key::None for keys the model has no name for (letters, digits, ...).
ui::Key modelKey(const QKeyEvent& event);

}  // namespace crv::desktop

// Qt key codes to the model's keys.
#include "host/desktop/key_map.h"

#include <QKeyEvent>

namespace crv::desktop {

ui::Key modelKey(const QKeyEvent& event) {
  using ui::Key;
  const bool keypad = event.modifiers().testFlag(Qt::KeypadModifier);
  const bool ctrl = event.modifiers().testFlag(Qt::ControlModifier);
  // Alt with a key is a hot key or the toolkit's own (Alt+Down drops a
  // list down), never a key of the model.
  if (event.modifiers().testFlag(Qt::AltModifier)) return ui::Key::None;
  const int key = event.key();
  if (key >= Qt::Key_F1 && key <= Qt::Key_F12)
    return static_cast<Key>(static_cast<int>(Key::F1) + (key - Qt::Key_F1));
  if (keypad && key >= Qt::Key_0 && key <= Qt::Key_9)
    return static_cast<Key>(static_cast<int>(Key::Keypad0) + (key - Qt::Key_0));
  switch (key) {
    case Qt::Key_Period:
    case Qt::Key_Comma:
      return keypad ? Key::KeypadDecimal : Key::None;
    case Qt::Key_Insert:
      return Key::Insert;
    case Qt::Key_Delete:
      return Key::Delete;
    case Qt::Key_Escape:
      return Key::Escape;
    case Qt::Key_Return:
    case Qt::Key_Enter:
      return ctrl ? Key::CtrlEnter : Key::Enter;
    case Qt::Key_Tab:
      return Key::Tab;
    case Qt::Key_Backtab:
      return Key::ShiftTab;
    case Qt::Key_Space:
      return Key::Space;
    case Qt::Key_Backspace:
      return Key::Backspace;
    case Qt::Key_Up:
      return Key::Up;
    case Qt::Key_Down:
      return Key::Down;
    case Qt::Key_Left:
      return Key::Left;
    case Qt::Key_Right:
      return Key::Right;
    case Qt::Key_PageUp:
      return Key::PageUp;
    case Qt::Key_PageDown:
      return Key::PageDown;
    case Qt::Key_Home:
      return Key::Home;
    case Qt::Key_End:
      return Key::End;
    case Qt::Key_F:
      return ctrl ? Key::CtrlF : Key::None;
    default:
      return Key::None;
  }
}

}  // namespace crv::desktop

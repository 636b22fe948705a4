// Keys a window can be told about: the named keys of a keyboard, by the
// names scripts and tests use for them ("F2", "Insert", "Escape", "Enter").
#pragma once

#include <optional>
#include <string_view>

namespace crv::ui {

enum class Key {
  None,
  F1,
  F2,
  F3,
  F4,
  F5,
  F6,
  F7,
  F8,
  F9,
  F10,
  F11,
  F12,
  Insert,
  Delete,
  Escape,
  Enter,
  Tab,
  Space,
  Backspace,
  Up,
  Down,
  Left,
  Right,
  PageUp,
  PageDown,
  Home,
  End,
  // The numeric keypad keeps its own codes, so a window can give its digits
  // a meaning of their own in a drop list.
  Keypad0,
  Keypad1,
  Keypad2,
  Keypad3,
  Keypad4,
  Keypad5,
  Keypad6,
  Keypad7,
  Keypad8,
  Keypad9,
  KeypadDecimal,
  CtrlEnter,
  ShiftTab,
  CtrlF,
};

std::string_view keyName(Key key);
// Case-insensitive; "Esc", "Ins", "Del", "Return" are taken as well.
std::optional<Key> keyFromName(std::string_view name);

}  // namespace crv::ui

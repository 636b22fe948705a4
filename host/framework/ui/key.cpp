// Key names.
#include "host/framework/ui/key.h"

#include <array>
#include <utility>

#include "host/framework/values/text.h"

namespace crv::ui {
namespace {

constexpr std::array<std::pair<Key, std::string_view>, 45> names{{
    {Key::None, "None"},
    {Key::F1, "F1"},
    {Key::F2, "F2"},
    {Key::F3, "F3"},
    {Key::F4, "F4"},
    {Key::F5, "F5"},
    {Key::F6, "F6"},
    {Key::F7, "F7"},
    {Key::F8, "F8"},
    {Key::F9, "F9"},
    {Key::F10, "F10"},
    {Key::F11, "F11"},
    {Key::F12, "F12"},
    {Key::Insert, "Insert"},
    {Key::Delete, "Delete"},
    {Key::Escape, "Escape"},
    {Key::Enter, "Enter"},
    {Key::Tab, "Tab"},
    {Key::Space, "Space"},
    {Key::Backspace, "Backspace"},
    {Key::Up, "Up"},
    {Key::Down, "Down"},
    {Key::Left, "Left"},
    {Key::Right, "Right"},
    {Key::PageUp, "PageUp"},
    {Key::PageDown, "PageDown"},
    {Key::Home, "Home"},
    {Key::End, "End"},
    {Key::Keypad0, "Keypad0"},
    {Key::Keypad1, "Keypad1"},
    {Key::Keypad2, "Keypad2"},
    {Key::Keypad3, "Keypad3"},
    {Key::Keypad4, "Keypad4"},
    {Key::Keypad5, "Keypad5"},
    {Key::Keypad6, "Keypad6"},
    {Key::Keypad7, "Keypad7"},
    {Key::Keypad8, "Keypad8"},
    {Key::Keypad9, "Keypad9"},
    {Key::KeypadDecimal, "KeypadDecimal"},
    {Key::CtrlEnter, "CtrlEnter"},
    {Key::ShiftTab, "ShiftTab"},
    {Key::CtrlF, "CtrlF"},
    {Key::Escape, "Esc"},
    {Key::Insert, "Ins"},
    {Key::Delete, "Del"},
}};

}  // namespace

std::string_view keyName(Key key) {
  for (const auto& [k, name] : names)
    if (k == key) return name;
  return "None";
}

std::optional<Key> keyFromName(std::string_view name) {
  if (equalsIgnoreCase(name, "Return")) return Key::Enter;
  for (const auto& [k, text] : names)
    if (equalsIgnoreCase(text, name)) return k;
  return std::nullopt;
}

}  // namespace crv::ui

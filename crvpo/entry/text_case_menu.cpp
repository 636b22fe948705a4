// The text-case menu of a form's text fields.
#include "crvpo/entry/text_case_menu.h"

#include "host/framework/ui/front_end.h"
#include "host/framework/ui/window_manager.h"
#include "host/siblings/CRVMISC/get_case.h"

namespace crvpo {
namespace {

using crv::siblings::TextCase;

struct MenuItem {
  TextCase mode;
  const char* text;
};
constexpr MenuItem menuItems[] = {
    {TextCase::AsTyped, "small text"}, {TextCase::Title, "Capitalized Text"}, {TextCase::Upper, "ALL CAPS"}};

void applyTo(crv::ui::Control& control, TextCase mode) {
  crv::ui::Binding& value = control.binding();
  if (!value.bound() || mode == TextCase::AsTyped) return;
  const std::string text = value.plain();
  const std::string cased = crv::siblings::applyTextCase(text, mode);
  if (cased != text) {
    value.setPlain(cased);
    control.window().touch();
  }
}

}  // namespace

TextCaseMenu& TextCaseMenu::add(std::string equate, std::string preference) {
  fields_.push_back({std::move(equate), std::move(preference), TextCase::AsTyped});
  return *this;
}

void TextCaseMenu::reset(crv::ui::WindowManager& /*manager*/) {
  if (read_) return;
  read_ = true;
  for (Field& field : fields_)
    if (auto stored = crv::siblings::textCaseFromCode(crv::siblings::getCase("000" + field.preference)))
      field.mode = *stored;
}

TextCase TextCaseMenu::caseOf(std::string_view equate) const {
  for (const Field& field : fields_)
    if (field.equate == equate) return field.mode;
  return TextCase::AsTyped;
}

TextCaseMenu::Field* TextCaseMenu::find(const crv::ui::Control* control) {
  if (!control) return nullptr;
  for (Field& field : fields_)
    if (control->is(field.equate)) return &field;
  return nullptr;
}

crv::ui::Level TextCaseMenu::takeEvent(crv::ui::WindowManager& manager, const crv::ui::Event& event) {
  Field* field = find(event.control);
  if (!field) return crv::ui::Level::Benign;
  if (event.kind == crv::ui::EventKind::PopupMenu) {
    choose(*field, *event.control);
    return crv::ui::Level::Notify;
  }
  if (event.kind == crv::ui::EventKind::Accepted && !manager.acceptingAll() && !event.control->readOnly())
    applyTo(*event.control, field->mode);
  return crv::ui::Level::Benign;
}

void TextCaseMenu::choose(Field& field, crv::ui::Control& control) {
  crv::ui::PopupRequest menu;
  for (const MenuItem& item : menuItems) {
    if (!menu.items.empty()) menu.items += "|";
    // The current mode is marked with a bullet, the others indented alike.
    menu.items += (item.mode == field.mode ? "\u2022 " : "   ") + std::string(item.text);
  }
  const int chosen = crv::ui::frontEnd().popupMenu(menu);
  if (chosen < 1 || chosen > 3) return;
  const TextCase mode = menuItems[chosen - 1].mode;
  if (mode != field.mode) {
    field.mode = mode;
    // "small text" is stored as "DEF", the form's own case.
    crv::siblings::getCase(std::string(crv::siblings::textCaseCode(mode)) + field.preference);
  }
  applyTo(control, mode);
}

}  // namespace crvpo

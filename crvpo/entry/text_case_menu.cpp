// The text-case menu.
#include "crvpo/entry/text_case_menu.h"

#include <iterator>

#include "host/framework/ui/front_end.h"
#include "host/framework/ui/window_manager.h"
#include "host/siblings/CRVMISC/get_case.h"

namespace crvpo {

using crv::siblings::TextCase;
using crv::ui::Level;

namespace {

struct MenuItem {
  TextCase textCase;
  const char* text;
};
constexpr MenuItem menuItems[] = {
    {TextCase::AsTyped, "small text"}, {TextCase::Title, "Capitalized Text"}, {TextCase::Upper, "ALL CAPS"}};

}  // namespace

void TextCaseMenu::reset(crv::ui::WindowManager& /*manager*/) {
  if (started_) return;
  started_ = true;
  for (Field& field : fields_)
    if (auto stored = crv::siblings::textCaseFromCode(crv::siblings::getCase("000" + field.storedName)))
      field.textCase = *stored;
}

void TextCaseMenu::kill(crv::ui::WindowManager& /*manager*/) { started_ = false; }

TextCaseMenu::Field* TextCaseMenu::find(const crv::ui::Event& event) {
  if (!event.control) return nullptr;
  for (Field& field : fields_)
    if (event.control->is(field.equate)) return &field;
  return nullptr;
}

Level TextCaseMenu::offerMenu(Field& field) {
  crv::ui::PopupRequest menu;
  for (const MenuItem& item : menuItems) {
    if (!menu.items.empty()) menu.items += "|";
    // The current case is marked with a bullet, the others indented alike.
    menu.items += (item.textCase == field.textCase ? "\u2022 " : "   ") + std::string(item.text);
  }
  const int chosen = crv::ui::frontEnd().popupMenu(menu);
  if (chosen < 1 || chosen > static_cast<int>(std::size(menuItems))) return Level::Notify;
  const TextCase textCase = menuItems[chosen - 1].textCase;
  const bool changed = textCase != field.textCase;
  field.textCase = textCase;
  if (changed || store_ == Store::Always)
    crv::siblings::getCase(std::string(crv::siblings::textCaseCode(textCase)) + field.storedName);
  field.apply(textCase);
  return Level::Notify;
}

Level TextCaseMenu::takeEvent(crv::ui::WindowManager& manager, const crv::ui::Event& event) {
  Field* field = find(event);
  if (!field) return Level::Benign;
  if (event.kind == crv::ui::EventKind::PopupMenu) return offerMenu(*field);
  if (event.kind == crv::ui::EventKind::Accepted && !manager.acceptingAll()) field->apply(field->textCase);
  return Level::Benign;
}

}  // namespace crvpo

// The text-case menu of a form's text fields: each registered field keeps
// a case mode per user, "small text" (as typed), "Capitalized Text" or
// "ALL CAPS". The mode is read when the window opens (the stored
// preference "000" + field name; none stored keeps the field as typed),
// the field's pop-up menu (Ctrl with a left click on the desktop) offers
// the three with the current one marked by a bullet, a new choice is
// stored under its code and the field name ("CAPPOM:Terms"), and the
// field's text is put in its case whenever the person completes it. The
// ship-to instructions, for example, are read as "000POM:ShipToInst" and
// stored as "UPRPOM:ShipToInst" when ALL CAPS is chosen.
#pragma once

#include <string>
#include <vector>

#include "host/framework/ui/window_component.h"
#include "host/siblings/CRVMISC/text_case.h"

namespace crvpo {

class TextCaseMenu final : public crv::ui::WindowComponent {
 public:
  // `equate` names the window's control; `preference` the name the mode
  // is stored under ("POM:Terms").
  TextCaseMenu& add(std::string equate, std::string preference);

  crv::ui::Level takeEvent(crv::ui::WindowManager& manager, const crv::ui::Event& event) override;
  void reset(crv::ui::WindowManager& manager) override;

  // The mode of a registered field.
  crv::siblings::TextCase caseOf(std::string_view equate) const;

 private:
  struct Field {
    std::string equate;
    std::string preference;
    crv::siblings::TextCase mode = crv::siblings::TextCase::AsTyped;
  };
  Field* find(const crv::ui::Control* control);
  void choose(Field& field, crv::ui::Control& control);

  std::vector<Field> fields_;
  bool read_ = false;
};

}  // namespace crvpo

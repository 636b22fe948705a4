// The text-case menu of a form's text fields: a Ctrl+click (the field's
// pop-up menu) offers "small text", "Capitalized Text" and "ALL CAPS" with
// a bullet before the field's current case; the choice is applied to the
// field and stored as the signed-in user's preference for it (GetCase,
// "CAPPOD:Description"). When the window opens each field takes its stored
// case, asked for as "000" and the name ("000POD:Description",
// "000POD:VendorCatalogID"), or keeps the case it was given here when none
// is stored; every time the person completes the field, its text is put in
// its case.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "host/framework/ui/window_component.h"
#include "host/framework/values/text.h"
#include "host/siblings/CRVMISC/text_case.h"

namespace crvpo {

class TextCaseMenu final : public crv::ui::WindowComponent {
 public:
  // When a choice is stored: always, or only when it differs from the
  // field's case.
  enum class Store { Always, WhenChanged };

  explicit TextCaseMenu(Store store = Store::Always) : store_(store) {}

  // The entry `equate` showing `text`, its preference stored under
  // `storedName` ("POD:Description").
  template <std::size_t N>
  void addField(std::string equate, std::string storedName, crv::Text<N>& text,
                crv::siblings::TextCase initial = crv::siblings::TextCase::AsTyped) {
    fields_.push_back({std::move(equate), std::move(storedName), initial, [&text](crv::siblings::TextCase c) {
                         text = crv::siblings::applyTextCase(text.view(), c);
                       }});
  }

  crv::ui::Level takeEvent(crv::ui::WindowManager& manager, const crv::ui::Event& event) override;
  void reset(crv::ui::WindowManager& manager) override;
  void kill(crv::ui::WindowManager& manager) override;

 private:
  struct Field {
    std::string equate;
    std::string storedName;
    crv::siblings::TextCase textCase;
    std::function<void(crv::siblings::TextCase)> apply;
  };
  Field* find(const crv::ui::Event& event);
  crv::ui::Level offerMenu(Field& field);

  Store store_;
  std::vector<Field> fields_;
  bool started_ = false;
};

}  // namespace crvpo

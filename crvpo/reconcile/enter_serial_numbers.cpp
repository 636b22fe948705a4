// The window for adding or changing serial numbers.
#include "crvpo/reconcile/enter_serial_numbers.h"

#include <string>

#include "host/framework/services/global_request.h"
#include "host/framework/services/message_box.h"
#include "host/framework/ui/front_end.h"
#include "host/framework/ui/window_manager.h"

namespace crvpo {
namespace {

using crv::ui::Binding;
using crv::ui::ButtonRole;
using crv::ui::Level;

class EnterSerialNumbersWindow final : public crv::ui::WindowManager {
 public:
  EnterSerialNumbersWindow(SerialNumberList& list, crv::Quantity units, std::optional<std::size_t> row)
      : WindowManager("EnterSerialNumbers"), list_(&list), units_(units), row_(row) {
    crv::ui::Window& w = window();
    w.setHelp("html/PO_Reconcile_Purchase_Orders.htm", "serial_numbers");
    if (row_) {
      w.setTitle("Change Serial Number");
      text_ = list.rows().at(*row_).number;
      w.addField("Serial Number", "?LOC:SerialNo", Binding::local(text_, "LOC:SerialNo"), "@s40");
    } else {
      w.setTitle("Add Serial Numbers");
      w.addPrompt("?LOC:SerialNumbers:Prompt",
                  "Serial numbers, one a line, or a range such as SN-0001..SN-0250:");
      w.add(crv::ui::ControlKind::Text, "?LOC:SerialNumbers")
          .bind(Binding::local(text_, "LOC:SerialNumbers"))
          .setPrompt(w.control("?LOC:SerialNumbers:Prompt"));
    }
    w.addButton("?OK", "OK", ButtonRole::Ok).setDefault();
    w.addButton("?Cancel", "Cancel", ButtonRole::Cancel);
    w.addButton("?Help", "Help", ButtonRole::Help);
  }

 protected:
  Level validate() override {
    const auto refusal = row_ ? list_->change(*row_, text_) : list_->add(text_, units_);
    if (!refusal) return Level::Benign;
    crv::ui::frontEnd().beep(crv::ui::Sound::Exclamation);
    crv::message(refusal->text, refusal->title, crv::Icon::Exclamation);
    select(row_ ? "?LOC:SerialNo" : "?LOC:SerialNumbers");
    return Level::Notify;
  }

 private:
  SerialNumberList* list_;
  crv::Quantity units_;
  std::optional<std::size_t> row_;
  std::string text_;
};

}  // namespace

bool enterSerialNumbers(SerialNumberList& list, crv::Quantity unitsReceived, std::optional<std::size_t> row) {
  crv::GlobalRequest = 0;
  EnterSerialNumbersWindow procedure(list, unitsReceived, row);
  return procedure.run() == crv::RequestCompleted;
}

}  // namespace crvpo

// The blank-form confirmation.
#include "crvpo/entry/confirm_blank_po.h"

#include "crvpo/entry/line_commitment.h"
#include "crvpo/reports/create_po_print.h"
#include "crvpo/reports/print_state.h"
#include "crvpo/reports/purchase_order_print.h"
#include "host/data/shared_values.h"
#include "host/data/tables/suite_tables.h"
#include "host/framework/services/message_box.h"
#include "host/framework/table/private_table.h"
#include "host/framework/ui/window_manager.h"

namespace crvpo {
namespace {

using crv::ui::Binding;
using crv::ui::ButtonRole;
using crv::ui::ControlKind;
using crv::ui::Level;

class ConfirmBlankPOWindow final : public crv::ui::WindowManager {
 public:
  ConfirmBlankPOWindow() : WindowManager("ConfirmBlankPO") {
    crv::ui::Window& w = window();
    w.setTitle("Blank Purchase Order Printing");
    w.setIcon("print");
    w.setHelp("html/PO_Enter_Purchase_Orders.htm", "blank_purchase_order");
    w.addString(
        "?Explanation",
        "This procedure will print a blank Purchase Order form. If you desire, you may have the system "
        "assign the next available Purchase Order number.");
    w.addString("?Instruction", "Please select an option below:");
    crv::ui::Control& option =
        w.add(ControlKind::Option, "?Choice").bind(Binding::local(choice_, "MOD:AssignPONumber"));
    w.add(ControlKind::Radio, "?Choice:Next", "Assign the next PO Number ").in(option).setRadioValue("0");
    w.add(ControlKind::Radio, "?Choice:Typed", "Use this PO Number").in(option).setRadioValue("1");
    w.add(ControlKind::Radio, "?Choice:None", "Print blank Purchase Order with no PO Number")
        .in(option)
        .setRadioValue("2");
    w.addField("", "?MOD:AssignedPONumber",
               Binding::local(printState().AssignedPONumber, "MOD:AssignedPONumber"), "@s15");
    w.addButton("?Print", "&Print").setDefault();
    w.addButton("?Cancel", "&Cancel", ButtonRole::Cancel);
    useTypeAhead("ConfirmBlankPO", {"?MOD:AssignedPONumber"});
    onAccepted("?Print", [this] { return print(); });
  }

 protected:
  Level opening() override {
    crv::PrivateTable<crv::SystemsRecord> company(crv::Systems);
    const bool read = company.isOpen() &&
                      company.table.set(crv::SystemsRecord::KeySystemID) == crv::TableStatus::Ok &&
                      company.table.next() == crv::TableStatus::Ok;
    automatic_ = read && company.rec.AutoPONumber != 0;
    next_ = read ? company.rec.NextPONumber : 0;
    crv::ui::Control& first = control("?Choice:Next");
    if (automatic_) {
      first.setText("Assign the next PO Number (" + std::to_string(next_) + ")");
      choice_ = 0;
    } else {
      first.hide();
      choice_ = 2;
    }
    return Level::Benign;
  }

 private:
  Level print() {
    PrintState& state = printState();
    if (choice_ == 1 && state.AssignedPONumber.empty()) {
      crv::message("Please provide a PO Number.", "No PO Number Provided", crv::Icon::Information);
      select("?MOD:AssignedPONumber");
      return Level::Notify;
    }
    if (choice_ == 0) state.AssignedPONumber = plainDigits(next_);
    if (choice_ == 2) state.AssignedPONumber = "";
    state.blankFormNumbering = static_cast<BlankFormNumbering>(choice_);
    crv::DecimalVariable = blankFormRequest;
    complete(crv::RequestCompleted);
    PrintPurchaseOrderServer();
    return Level::Notify;
  }

  crv::Byte choice_ = 2;
  bool automatic_ = false;
  crv::Id next_ = 0;
};

}  // namespace

void confirmBlankPO() { ConfirmBlankPOWindow().run(); }

}  // namespace crvpo

extern "C" void ConfirmBlankPO() { crvpo::confirmBlankPO(); }

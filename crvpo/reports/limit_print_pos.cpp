// The printing-limits window.
#include "crvpo/reports/limit_print_pos.h"

#include "crvpo/reports/create_po_print.h"
#include "crvpo/reports/generate_pos_limits.h"
#include "crvpo/reports/order_pick.h"
#include "crvpo/reports/print_state.h"
#include "crvpo/reports/purchase_order_print.h"
#include "host/data/shared_values.h"
#include "host/data/tables/purchasing_tables.h"
#include "host/framework/services/message_box.h"
#include "host/framework/table/private_table.h"
#include "host/framework/table/table_error.h"
#include "host/siblings/CRVMISC/play_training.h"

namespace crvpo {

using crv::ui::Binding;
using crv::ui::ButtonRole;
using crv::ui::Control;
using crv::ui::ControlKind;
using crv::ui::Level;

namespace {

void addRadios(crv::ui::Window& w, Control& option,
               std::initializer_list<std::pair<const char*, const char*>> radios) {
  int n = 0;
  for (const auto& [caption, value] : radios)
    w.add(ControlKind::Radio, option.equate() + ":" + std::to_string(++n), caption)
        .in(option)
        .setRadioValue(value);
}

}  // namespace

LimitPrintPOsWindow::LimitPrintPOsWindow() : WindowManager("LimitPrintPOs") {
  addTable(crv::POLimits);
  addTable(crv::POMaster);
  build();
}

void LimitPrintPOsWindow::build() {
  crv::ui::Window& w = window();
  w.setTitle("Purchase Order Printing Limits");
  w.setIcon("print");
  w.setHelp("html/PO_Generate_Purchase_Orders.htm");
  PrintState& state = printState();

  Control& range = w.add(ControlKind::Group, "?RangeGroup", "Range");
  w.addCheck("?POL:SelectedPONumbers", "Select PO Numbers",
             Binding::field(limits_, limits_.SelectedPONumbers))
      .in(range);
  for (const auto& [prompt, equate, field] :
       {std::tuple{"From:", "?POL:POFrom", &limits_.POFrom}, std::tuple{"To:", "?POL:POTo", &limits_.POTo}}) {
    Control& entry = w.addField(prompt, equate, Binding::field(limits_, *field), "@s12").in(range);
    entry.prompt()->in(range);
    w.addLookup(entry).in(range);
    onAccepted(equate, [this, e = equate] { return numberAccepted(e); });
    onAccepted(std::string(equate) + ":Lookup", [this, e = equate] { return lookUpNumber(e); });
  }
  useTypeAhead("LimitPrintPOs", {"?POL:POFrom", "?POL:POTo"});
  onAccepted("?POL:SelectedPONumbers", [this] { rangeSwitched(); });

  Control& condition = w.add(ControlKind::Option, "?PrintCondition", "Print Condition")
                           .bind(Binding::local(state.PrintCondition, "PrintCondition"));
  addRadios(w, condition,
            {{"Unprinted Purchase Orders Only", "U"},
             {"Printed Purchase Orders Only", "P"},
             {"All Purchase Orders", "A"}});
  w.addCheck("?SetPrintedFlag", "Flag POs as 'Printed' after Printing",
             Binding::local(state.SetPrintedFlag, "SetPrintedFlag"));
  Control& numbering = w.add(ControlKind::Option, "?AssignPONumber", "Purchase Order Numbering")
                           .bind(Binding::local(state.AssignPONumber, "AssignPONumber"));
  addRadios(w, numbering,
            {{"Assign Numbers to Purchase Orders with a Blank PO # Field", "B"},
             {"Assign Numbers to All Purchase Orders (replace previous number)", "A"},
             {"Do Not Assign Any Purchase Order Numbers", "N"}});
  w.addField("Beginning PO Number:", "?PONumber", Binding::local(state.PONumber, "PONumber"), "@N_12B");

  w.addButton("?Dummy", "Print a Dummy PO");
  w.addButton("?Training", "Play training video");
  w.addButton("?Print", "Print").setDefault();
  w.addButton("?Cancel", "Cancel", ButtonRole::Cancel);
  w.addButton("?Help", "Help", ButtonRole::Help);
  onAccepted("?Dummy", [this] { printDummy(); });
  onAccepted("?Training", [this] { playTraining(); });
  onAccepted("?Print", [this] { print(); });
}

Level LimitPrintPOsWindow::opening() {
  crv::StepFailureMessages failures;
  crv::TableSteps steps(failures);
  keepOneGeneratePOsRecord(steps, true);
  limits_ = crv::POL;
  PrintState& state = printState();
  state.PrintCondition = "U";
  state.AssignPONumber = "B";
  state.SetPrintedFlag = 1;
  state.PONumber = static_cast<std::uint32_t>(limits_.RefFrom);
  rangeSwitched();
  return Level::Benign;
}

void LimitPrintPOsWindow::rangeSwitched() {
  const bool on = limits_.SelectedPONumbers == 1;
  if (!on) {
    limits_.POFrom = "";
    limits_.POTo = "";
  }
  for (const char* equate : {"?POL:POFrom", "?POL:POTo"}) {
    control(equate).setDisabled(!on);
    control(std::string(equate) + ":Lookup").setDisabled(!on);
  }
  window().touch();
}

Level LimitPrintPOsWindow::numberAccepted(const char* equate) {
  if (acceptingAll()) return Level::Benign;
  crv::Text<20>& field = std::string_view(equate) == "?POL:POFrom" ? limits_.POFrom : limits_.POTo;
  if (field.empty()) return Level::Benign;
  crv::PrivateTable<crv::POMasterRecord> orders(crv::POMaster);
  orders.rec.PONumber = field.view();
  if (orders.fetch(crv::POMasterRecord::KeyPONumber)) return Level::Benign;
  const std::optional<PickedOrder> picked = pickOrderForNumber(field.view());
  if (!picked) {
    select(equate);
    return Level::Notify;
  }
  field = picked->number;
  window().touch();
  return Level::Benign;
}

Level LimitPrintPOsWindow::lookUpNumber(const char* equate) {
  const std::optional<PickedOrder> picked = browseOrdersToSelect();
  resetComponents();
  if (picked) {
    (std::string_view(equate) == "?POL:POFrom" ? limits_.POFrom : limits_.POTo) = picked->number;
    window().touch();
  }
  select(equate);
  return Level::Notify;
}

void LimitPrintPOsWindow::printDummy() {
  crv::DecimalVariable = sampleOrderRequest;
  PrintPurchaseOrderServer();
  resetComponents();
}

void LimitPrintPOsWindow::playTraining() {
  crv::REPORTFILTER = "POPrint";
  PlayTraining();
}

void LimitPrintPOsWindow::print() {
  crv::PrivateTable<crv::POLimitsRecord> record(crv::POLimits);
  record.rec.LimitID = limits_.LimitID;
  if (record.fetch(crv::POLimitsRecord::KeyLimitID)) {
    record.rec.SelectedPONumbers = limits_.SelectedPONumbers;
    record.rec.POFrom = limits_.POFrom;
    record.rec.POTo = limits_.POTo;
    if (record.table.tryUpdate() != crv::TableStatus::Ok) {
      crv::message(record.table.lastError().describe() + crv::errorContext(crv::TableOp::Saving, "POLimits"));
      return;
    }
  }
  crv::DecimalVariable = crv::Amount();
  PrintPurchaseOrderServer();
  complete(crv::RequestCompleted);
}

}  // namespace crvpo

void LimitPrintPOs() { crvpo::LimitPrintPOsWindow().run(); }

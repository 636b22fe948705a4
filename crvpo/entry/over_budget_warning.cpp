// The over-budget warning window and the comparison that raises it.
#include "crvpo/entry/over_budget_warning.h"

#include "crvpo/entry/entry_state.h"
#include "host/data/tables/job_cost_tables.h"
#include "host/data/tables/purchasing_tables.h"
#include "host/framework/ui/front_end.h"
#include "host/framework/ui/window_manager.h"

namespace crvpo {
namespace {

using crv::ui::Binding;
using crv::ui::ButtonRole;
using crv::ui::ControlKind;

class OverBudgetWarningWindow final : public crv::ui::WindowManager {
 public:
  OverBudgetWarningWindow() : WindowManager("OverBudgetWarning") {
    EntryState& state = entryState();
    totalCost_ = crv::JCC.CostToDate + crv::POD.TotalAmount + state.CurrentCommitted;
    crv::ui::Window& w = window();
    w.setTitle("Over Budget!");
    w.setHelp("html/PO_Enter_Purchase_Orders.htm", "po_over_budget_warning");
    w.addString("?Heading", "This Purchase Order Item will push the selected Cost Code Over Budget!");
    w.addPrompt("?JCC:JobID:Prompt", "Job:");
    w.add(ControlKind::String, "?JCC:JobID")
        .bind(Binding::field(crv::JCC, crv::JCC.JobID))
        .setPicture("@s10");
    w.addPrompt("?JCC:EntryMask:Prompt", "Cost Code:");
    w.add(ControlKind::String, "?JCC:EntryMask")
        .bind(Binding::field(crv::JCC, crv::JCC.EntryMask))
        .setPicture("@s14");
    w.addPrompt("?JCC:CurrentBudget:Prompt", "Current Budget:");
    w.add(ControlKind::String, "?JCC:CurrentBudget")
        .bind(Binding::field(crv::JCC, crv::JCC.CurrentBudget))
        .setPicture("@n14.2");
    w.addPrompt("?JCC:CostToDate:Prompt", "Cost to Date:");
    w.add(ControlKind::String, "?JCC:CostToDate")
        .bind(Binding::field(crv::JCC, crv::JCC.CostToDate))
        .setPicture("@n-14.2");
    w.addPrompt("?CurrentCommitted:Prompt", "Committed Costs:");
    w.add(ControlKind::String, "?CurrentCommitted")
        .bind(Binding::local(state.CurrentCommitted, "CurrentCommitted"))
        .setPicture("@n-17.2");
    w.addPrompt("?POD:TotalAmount:Prompt", "This PO:");
    w.add(ControlKind::String, "?POD:TotalAmount")
        .bind(Binding::field(crv::POD, crv::POD.TotalAmount))
        .setPicture("@n-13.2");
    w.add(ControlKind::Panel, "?Rule");
    w.addPrompt("?TotalCost:Prompt", "Total:");
    w.add(ControlKind::String, "?TotalCost")
        .bind(Binding::local(totalCost_, "TotalCost"))
        .setPicture("@n-15.2");
    w.addString("?Advice",
                "Select Cancel to make changes to the line item.  Select Continue to ignore this warning and "
                "save the line item.");
    w.addButton("?Continue", "Continue").setDefault();
    w.addButton("?Cancel", "Cancel", ButtonRole::Cancel);
    onAccepted("?Continue", [this] {
      entryState().OverBudgetPending = 0;
      complete(crv::RequestCompleted);
    });
  }

 private:
  crv::Amount totalCost_;
};

}  // namespace

void overBudgetWarning() {
  OverBudgetWarningWindow procedure;
  procedure.run();
}

bool overBudgetCheckPasses() {
  EntryState& state = entryState();
  crv::JCC.clear();
  crv::JCC.JobID = crv::POD.JobID;
  crv::JCC.CostCode = crv::POD.CostCode;
  if (crv::JCCost.fetch(crv::JCCostRecord::KeyJobCodeType) != crv::TableStatus::Ok) return true;

  const crv::Amount remembered = state.CurrentCommitted;
  // The value taken at opening excludes the line's stored amount; it holds
  // only while the line stays on the job and cost code it was taken for.
  if (crv::JCC.JobID != state.CommittedJobID || crv::JCC.CostCode != state.CommittedCostCode)
    state.CurrentCommitted = crv::JCC.Committed;
  if (state.CurrentCommitted + crv::POD.TotalAmount + crv::JCC.CostToDate <= crv::JCC.CurrentBudget)
    return true;

  crv::ui::frontEnd().beep(crv::ui::Sound::Exclamation);
  state.OverBudgetPending = 1;
  overBudgetWarning();
  if (state.OverBudgetPending == 1) {
    state.CurrentCommitted = remembered;
    return false;
  }
  return true;
}

}  // namespace crvpo

extern "C" void OverBudgetWarning() { crvpo::overBudgetWarning(); }

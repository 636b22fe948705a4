// The committed-cost recalculation window.
#include "crvpo/reconcile/recalc_committed_window.h"

#include "crvpo/reconcile/committed_cost_recalculation.h"
#include "host/data/company.h"
#include "host/framework/services/message_box.h"
#include "host/framework/ui/front_end.h"
#include "host/framework/ui/window_manager.h"

namespace crvpo {
namespace {

using crv::ui::ButtonRole;
using crv::ui::ControlKind;

constexpr const char* introText =
    "This procedure will recalculate all committed costs to open jobs from currently open Purchase Orders.";

class RecalcCommittedProcedure final : public crv::ui::WindowManager, private RecalcObserver {
 public:
  RecalcCommittedProcedure() : WindowManager("RecalcCommitted") {
    crv::ui::Window& w = window();
    w.setTitle("Recalculate Committed Costs");
    crv::ui::Control& panel = w.add(ControlKind::Panel, "?Panel");
    w.addString("?Intro", introText).in(panel);
    w.add(ControlKind::String, "?Percent")
        .bind(crv::ui::Binding::local(percent_, "LOC:Percent"))
        .setPicture("@n4~%~");
    w.add(ControlKind::Progress, "?Progress");
    w.addButton("?Proceed", "Proceed").setDefault();
    w.addButton("?Close", "Close", ButtonRole::Close);
    onAccepted("?Proceed", [this] { proceed(); });
  }

 private:
  void proceed() {
    crv::Company* company = crv::Company::current();
    if (!company) {
      crv::message("No company is open.", "Recalculate Committed Costs", crv::Icon::Stop);
      return;
    }
    control("?Proceed").disable();
    control("?Close").disable();
    CommittedCostRecalculation recalculation(company->connection());
    const RecalcSummary summary = recalculation.run(*this);
    std::string text = "The recalculation process has been completed.";
    if (!summary.inTransaction)
      text += "||It ran without a transaction (" + summary.transactionError.describe() +
              "): another station was writing, and its changes during the run may not be counted.";
    crv::message(text, "Process Complete", crv::Icon::Information);
    complete(crv::RequestCompleted);
  }

  void progress(std::int64_t read, std::int64_t total) override {
    const int percent = percentOf(read, total);
    if (percent == percent_ && read != 0) return;
    percent_ = static_cast<crv::Byte>(percent);
    control("?Progress").setProgress(percent);
    window().touch();
    crv::ui::frontEnd().display(window());
  }

  void tableError(const std::string& text) override { crv::message(text); }

  crv::Byte percent_ = 0;
};

}  // namespace

void recalcCommitted() { RecalcCommittedProcedure().run(); }

}  // namespace crvpo

void RecalcCommitted() { crvpo::recalcCommitted(); }

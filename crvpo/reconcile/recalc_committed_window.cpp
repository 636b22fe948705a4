// The committed-cost recalculation window.
#include "crvpo/reconcile/recalc_committed_window.h"

#include <chrono>
#include <optional>

#include "crvpo/reconcile/committed_cost_recalculation.h"
#include "host/data/company.h"
#include "host/framework/services/message_box.h"
#include "host/framework/ui/front_end.h"
#include "host/framework/ui/window_manager.h"

namespace crvpo {
namespace {

using crv::ui::ButtonRole;
using crv::ui::ControlKind;
using crv::ui::Level;

constexpr const char* introText =
    "This procedure will recalculate all committed costs to open jobs from currently open Purchase Orders.";

// How long one try for the lock may hold the window up.
constexpr std::chrono::milliseconds firstTry{1000};
constexpr std::chrono::milliseconds laterTry{250};

class RecalcCommittedProcedure final : public crv::ui::WindowManager, private RecalcObserver {
 public:
  RecalcCommittedProcedure() : WindowManager("RecalcCommitted") {
    crv::ui::Window& w = window();
    w.setTitle("Recalculate Committed Costs");
    crv::ui::Control& panel = w.add(ControlKind::Panel, "?Panel");
    w.addString("?Intro", introText).in(panel);
    w.addString("?Waiting", "").in(panel).hide();
    w.add(ControlKind::String, "?Percent")
        .bind(crv::ui::Binding::local(percent_, "LOC:Percent"))
        .setPicture("@n4~%~");
    w.add(ControlKind::Progress, "?Progress");
    w.addButton("?Proceed", "Proceed").setDefault();
    w.addButton("?Cancel", "Cancel", ButtonRole::Cancel).hide();
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
    recalculation_.emplace(company->connection());
    if (recalculation_->lock(firstTry)) return rebuild();
    waitedSince_ = std::chrono::steady_clock::now();
    control("?Close").hide();
    control("?Cancel").unhide();
    showWaiting();
    window().setTimer(100);
  }

  // Another station is writing: try again each second until it is done or
  // the person cancels.
  Level takeTimer() override {
    if (!recalculation_) return Level::Benign;
    if (!recalculation_->lock(laterTry)) {
      showWaiting();
      return Level::Benign;
    }
    window().setTimer(0);
    control("?Waiting").hide();
    control("?Cancel").disable();
    rebuild();
    return Level::Benign;
  }

  void showWaiting() {
    const auto waited =
        std::chrono::duration_cast<std::chrono::seconds>(std::chrono::steady_clock::now() - waitedSince_);
    control("?Waiting")
        .setText("Waiting for another station to finish writing (" + recalculation_->lockError().describe() +
                 "), " + std::to_string(waited.count()) + " seconds so far. Cancel stops waiting.")
        .unhide();
  }

  void rebuild() {
    const RecalcSummary summary = recalculation_->run(*this);
    recalculation_.reset();
    if (summary.completed)
      crv::message("The recalculation process has been completed.", "Process Complete",
                   crv::Icon::Information);
    complete(summary.completed ? crv::RequestCompleted : crv::RequestCancelled);
  }

  void progress(std::int64_t read, std::int64_t total) override {
    const int percent = percentOf(read, total);
    if (percent == percent_ && read != 0) return;
    percent_ = static_cast<crv::Byte>(percent);
    control("?Progress").setProgress(percent);
    window().touch();
    crv::ui::frontEnd().display(window());
  }

  // Told after the rollback, so the message holds up no other station.
  void stopped(const std::string& why) override {
    crv::message(why + "||The recalculation was stopped and nothing was changed.", "Recalculation Stopped",
                 crv::Icon::Stop);
  }

  std::optional<CommittedCostRecalculation> recalculation_;
  std::chrono::steady_clock::time_point waitedSince_;
  crv::Byte percent_ = 0;
};

}  // namespace

void recalcCommitted() { RecalcCommittedProcedure().run(); }

}  // namespace crvpo

void RecalcCommitted() { crvpo::recalcCommitted(); }

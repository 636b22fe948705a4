// The progress window of a report run.
#include "crvpo/reports/report_progress.h"

#include <algorithm>

#include "host/framework/services/global_request.h"
#include "host/framework/services/message_box.h"
#include "host/framework/ui/window_manager.h"

namespace crvpo {
namespace {

using crv::ui::ButtonRole;
using crv::ui::ControlKind;
using crv::ui::Level;

class ReportProgressWindow final : public crv::ui::WindowManager {
 public:
  ReportProgressWindow(ReportWork& work, bool previewing, const ReportTexts& texts,
                       const std::string& userText, const std::string& name)
      : WindowManager(name), work_(work), previewing_(previewing), texts_(texts) {
    crv::ui::Window& w = window();
    w.setTitle(previewing ? texts.ProgWinTitlePrvw : texts.ProgWinTitlePrnt);
    w.add(ControlKind::Progress, "?Progress:Thermometer");
    w.addString("?Progress:PctText", "0" + texts.ProgWinPctText);
    w.addString("?Progress:UserString", userText);
    w.addButton("?Progress:Cancel", "Cancel", ButtonRole::Cancel);
    w.setTimer(1);
  }

  ReportRunEnd end() const { return end_; }

 protected:
  Level takeTimer() override {
    for (int i = 0; i < recordsPerTick; ++i) {
      if (!work_.next()) {
        window().setTimer(0);
        end_ = ReportRunEnd::Finished;
        complete(crv::RequestCompleted);
        return Level::Notify;
      }
      ++done_;
    }
    showProgress();
    return Level::Benign;
  }

  // Cancel and Escape: the run stops only when the person confirms.
  Level takeCancelled() override {
    if (crv::message(texts_.CancelAreYouSureText, texts_.CancelAreYouSureTitle, crv::Icon::Question,
                     texts_.ButtonYesNo) != 1)
      return Level::Notify;
    end_ = ReportRunEnd::Abandoned;
    if (previewing_ && work_.pages() > 0) {
      switch (crv::message(texts_.CancelPrvwPartialText, texts_.CancelPrvwPartialTitle, crv::Icon::Question,
                           texts_.ButtonYesNoIgnore)) {
        case 1:
          end_ = ReportRunEnd::Partial;
          break;
        case 2:
          break;
        default:
          return Level::Notify;  // Ignore: the run goes on
      }
    }
    window().setTimer(0);
    complete(crv::RequestCancelled);
    return Level::Notify;
  }

 private:
  void showProgress() {
    const std::int64_t total = std::max<std::int64_t>(work_.records(), 1);
    const int percent = static_cast<int>(std::min<std::int64_t>(done_ * 100 / total, 100));
    control("?Progress:Thermometer").setProgress(percent);
    control("?Progress:PctText").setText(std::to_string(percent) + texts_.ProgWinPctText);
    window().touch();
  }

  ReportWork& work_;
  bool previewing_;
  const ReportTexts& texts_;
  std::int64_t done_ = 0;
  ReportRunEnd end_ = ReportRunEnd::Abandoned;
};

}  // namespace

ReportRunEnd runWithProgress(ReportWork& work, bool previewing, const ReportTexts& texts,
                             const std::string& userText, const std::string& name) {
  const int request = crv::GlobalRequest;
  crv::GlobalRequest = 0;
  ReportProgressWindow window(work, previewing, texts, userText, name);
  window.run();
  crv::GlobalRequest = request;
  return window.end();
}

}  // namespace crvpo

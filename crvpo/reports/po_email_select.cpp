// The "Select Email Recipient(s)" window.
#include "crvpo/reports/po_email_select.h"

#include <algorithm>

#include "crvpo/reports/po_delivery.h"
#include "host/framework/services/global_request.h"
#include "host/framework/services/message_box.h"
#include "host/framework/ui/row_list_model.h"
#include "host/framework/ui/window_manager.h"

namespace crvpo {
namespace {

class EmailSelectProcedure final : public crv::ui::WindowManager {
 public:
  EmailSelectProcedure() : WindowManager("POEmailSelect"), model_({"", "Name", "Email"}) {
    crv::ui::Window& w = window();
    w.setTitle("Select Email Recipient(s)");
    w.addList("?List", &model_);
    w.addButton("?Toggle", "&Tick / Untick");
    w.addButton("?Proceed", "&Proceed").setDefault();
    onAccepted("?Toggle", [this] { toggle(); });
    onAccepted("?Proceed", [this] { proceed(); });
    fill();
    model_.setCurrent(0);
  }

 private:
  void fill() {
    const int current = model_.current();
    model_.clear();
    for (const Recipient& r : deliveryState().recipients) {
      model_.addRow({crv::ui::ListCell{"", r.tagged ? "~Checkon.ico" : "~Checkoff.ico", {}, {}},
                     crv::ui::ListCell{r.name, "", {}, {}}, crv::ui::ListCell{r.email, "", {}, {}}});
    }
    if (current >= 0 && current < model_.size()) model_.setCurrent(current);
    model_.refresh();
  }

  void toggle() {
    auto& list = deliveryState().recipients;
    const int row = model_.current();
    if (row < 0 || row >= static_cast<int>(list.size())) return;
    list[static_cast<std::size_t>(row)].tagged = !list[static_cast<std::size_t>(row)].tagged;
    fill();
  }

  void proceed() {
    DeliveryState& delivery = deliveryState();
    auto& list = delivery.recipients;
    const bool anyTicked = std::any_of(list.begin(), list.end(), [](const Recipient& r) { return r.tagged; });
    if (!anyTicked) {
      const int answer = crv::message(
          "If no contacts are tagged, the invoice will|not be emailed. Are you sure you wish to |proceed "
          "without "
          "emailing?",
          "Continue Without Emailing?", crv::Icon::Question, "&Yes|&No", 2);
      if (answer != 1) return;
      list.clear();
      delivery.emailMe = false;
      complete(crv::RequestCancelled);
      return;
    }
    list.erase(std::remove_if(list.begin(), list.end(), [](const Recipient& r) { return !r.tagged; }),
               list.end());
    complete(crv::RequestCompleted);
  }

  crv::ui::RowListModel model_;
};

}  // namespace
}  // namespace crvpo

void POEmailSelect() { crvpo::EmailSelectProcedure().run(); }

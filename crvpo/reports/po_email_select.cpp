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

using crv::ui::Level;

// An address the mail transport can take as it stands: text on both sides
// of one "@", no spaces or control characters.
bool looksLikeAddress(std::string_view address) {
  const auto at = address.find('@');
  if (at == std::string_view::npos || at == 0 || at + 1 == address.size()) return false;
  if (address.find('@', at + 1) != std::string_view::npos) return false;
  return std::none_of(address.begin(), address.end(),
                      [](char c) { return static_cast<unsigned char>(c) <= ' ' || c == 0x7f; });
}

class EmailSelectProcedure final : public crv::ui::WindowManager {
 public:
  EmailSelectProcedure() : WindowManager("POEmailSelect"), model_({"", "Name", "Email"}) {
    crv::ui::Window& w = window();
    w.setTitle("Select Email Recipient(s)");
    w.addList("?List", &model_);
    w.addButton("?Toggle", "&Tick / Untick");
    w.addField("Name:", "?Name", crv::ui::Binding::local(typedName_, "Name"), "@s50");
    w.addField("Email:", "?Email", crv::ui::Binding::local(typedAddress_, "Email"), "@s60");
    w.addButton("?Add", "&Add Recipient");
    w.addButton("?Proceed", "&Proceed").setDefault();
    w.addButton("?Cancel", "Cancel", crv::ui::ButtonRole::Cancel);
    onAccepted("?Toggle", [this] { toggle(); });
    onAccepted("?List", [this] { toggle(); });
    onAccepted("?Add", [this] { addTyped(); });
    onAccepted("?Proceed", [this] { proceed(); });
    fill();
    model_.setCurrent(0);
  }

 protected:
  Level takeEvent(const crv::ui::Event& event) override {
    if (event.kind == crv::ui::EventKind::AlertKey && event.key == crv::ui::Key::Space) {
      toggle();
      return Level::Notify;
    }
    // A click in the tick column ticks or unticks the entry clicked.
    if (event.kind == crv::ui::EventKind::NewSelection && event.column == 0 && event.control &&
        event.control->is("?List")) {
      const Level level = WindowManager::takeEvent(event);
      toggle();
      return level;
    }
    const Level level = WindowManager::takeEvent(event);
    // Space ticks in the list and types a space everywhere else.
    const crv::ui::Control* focus = window().focus();
    if (focus && focus->is("?List"))
      window().alert(crv::ui::Key::Space);
    else
      window().unalert(crv::ui::Key::Space);
    return level;
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

  // The typed address joins the list ticked, in place of the placeholder
  // (an entry without an address) when there is one.
  void addTyped() {
    const std::string address(crv::trim(typedAddress_));
    if (!looksLikeAddress(address)) {
      crv::message("Type an e-mail address such as name@example.com.", "Email", crv::Icon::Exclamation);
      select("?Email");
      return;
    }
    std::string name(crv::trim(typedName_));
    if (name.empty()) name = address;
    auto& list = deliveryState().recipients;
    std::erase_if(list, [](const Recipient& r) { return crv::trim(r.email).empty(); });
    list.push_back({true, name, address});
    typedName_.clear();
    typedAddress_.clear();
    window().touch();
    fill();
    model_.setCurrent(model_.size() - 1);
  }

  void proceed() {
    DeliveryState& delivery = deliveryState();
    auto& list = delivery.recipients;
    // An entry without an address cannot be sent to.
    const bool anyTicked = std::any_of(
        list.begin(), list.end(), [](const Recipient& r) { return r.tagged && !crv::trim(r.email).empty(); });
    if (!anyTicked) {
      const int answer = crv::message(
          "If no contacts are tagged, the invoice will|not be emailed. Are you sure you wish to |proceed "
          "without "
          "emailing?",
          "Continue Without Emailing?", crv::Icon::Question, "&Yes|&No", 2);
      if (answer != 1) return;
      complete(crv::RequestCancelled);
      return;
    }
    std::erase_if(list, [](const Recipient& r) { return !r.tagged || crv::trim(r.email).empty(); });
    complete(crv::RequestCompleted);
  }

  crv::ui::RowListModel model_;
  std::string typedName_;
  std::string typedAddress_;
};

}  // namespace
}  // namespace crvpo

void POEmailSelect() {
  using namespace crvpo;
  // Cancel, Escape and the close box send nothing, as "proceed without
  // e-mailing" does.
  if (EmailSelectProcedure().run() == crv::RequestCompleted) return;
  deliveryState().recipients.clear();
  deliveryState().emailMe = false;
}

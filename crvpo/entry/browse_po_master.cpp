// The paged purchase-order list.
#include "crvpo/entry/browse_po_master.h"

#include "crvpo/entry/entry_state.h"
#include "crvpo/entry/order_list_window.h"
#include "crvpo/entry/order_requests.h"
#include "crvpo/entry/suite_settings.h"
#include "host/data/shared_values.h"
#include "host/data/tables/purchasing_tables.h"
#include "host/framework/services/message_box.h"
#include "host/framework/table/private_table.h"

namespace crvpo {
namespace {

using crv::ui::Binding;
using crv::ui::ControlKind;
using crv::ui::Level;
using crv::ui::TagView;

constexpr int allOrders = 0;
constexpr int openOrders = 1;

class BrowsePOMasterWindow final : public OrderListWindow {
 public:
  BrowsePOMasterWindow() : OrderListWindow("BrowsePOMaster", {}, false) {
    rows().addSort(crv::ui::BrowseSort(crv::POMasterRecord::KeyPONumber, "by PO Number"));
    rows().addSort(crv::ui::BrowseSort(crv::POMasterRecord::KeyRecTFPONum, "by PO Number").fix(crv::Flag{0}));
    rows().setSort(openOrders);
    crv::ui::Window& w = window();
    addLocator();
    addShowReconciled();
    w.addCheck("?ShowNegative", "Overreconciled POs Show Negative Remaining",
               Binding::local(negative_, "ShowNegative"));
    w.addCheck("?RepetitiveInsert", "Repetitive Insert", Binding::local(reinsert_, "MOD:Reinsert"));
    addList();
    addLegend();
    addTotals();
    addButtons(true, crv::ETIMESHEETPURCHASE == 1);
    w.addButton("?RevTags", "&Rev tags").in(w.control("?TagButtons"));
    w.addButton("?ShowTags", "sho&W tags").in(w.control("?TagButtons"));
    onAccepted("?ShowNegative", [this] {
      rows().setNegativeRemaining(negative_ != 0);
      refreshList();
    });
    onAccepted("?RevTags", [this] {
      rows().reverseTags();
      tagsChanged();
    });
    onAccepted("?ShowTags", [this] { cycleTagView(); });
  }

 protected:
  Level opening() override {
    crv::TAGQUE.clear();
    reinsert_ = suiteSetting("MOD:Reinsert", "1") == "0" ? 0 : 1;
    entryState().RepetitiveInsert = reinsert_ != 0;
    return OrderListWindow::opening();
  }

  void closing() override {
    storeSuiteSetting("MOD:Reinsert", reinsert_ != 0 ? "1" : "0");
    OrderListWindow::closing();
  }

  void sortChanged() override {
    rows().setSort(showReconciled_ != 0 ? allOrders : openOrders);
    window().touch();
  }

  void keepTags() override { crv::TAGQUE = taggedOrders(); }

  Level takeEvent(const crv::ui::Event& event) override {
    using crv::ui::EventKind;
    // The list has one order (by PO number); its headers sort nothing else.
    if (event.kind == EventKind::HeaderClicked) return Level::Benign;
    if (event.kind == EventKind::AlertKey && event.key == crv::ui::Key::Space) {
      rows().toggleTag();
      tagsChanged();
      return Level::Notify;
    }
    if (event.kind == EventKind::Accepted && event.control && event.control->is("?RepetitiveInsert"))
      entryState().RepetitiveInsert = reinsert_ != 0;
    if (event.kind == EventKind::Accepted && event.control && event.control->is("?Insert"))
      removeOrderWithoutNumber();
    return OrderListWindow::takeEvent(event);
  }

  void deleteOrders() override {
    const OrderChoice chosen = choice();
    int answer = 1;
    if (!chosen.tagged.empty())
      answer =
          crv::message("Do you want to delete the Highlighted Purchase Order|or the Tagged Purchase Orders?",
                       "Delete Which Purchase Orders?", crv::Icon::Question, "&Highlighted|&Tagged|&Cancel");
    if (answer == 1 && chosen.highlighted != 0) deleteOrder(chosen.highlighted);
    if (answer == 2) deleteTaggedOrders(chosen);
  }

 private:
  void addLegend() {
    crv::ui::Window& w = window();
    // Beside the totals.
    crv::ui::Control& group = w.add(ControlKind::Group, "?Legend", "Reconciliation").at(1, 0);
    w.addString("?LegendHead", "Status Icons:").in(group);
    const struct {
      const char* icon;
      const char* text;
    } legend[] = {{"~Full.ico", "Full with Invoice"},
                  {"~Partial.ico", "Partial with Invoice"},
                  {"~partialg.ico", "Partial with Packing Slip"},
                  {"~Fullg.ico", "Full with Packing Slip"}};
    int row = 0;
    for (const auto& entry : legend) {
      const std::string equate = "?Legend" + std::to_string(++row);
      w.add(ControlKind::Image, equate + ":Icon").in(group).setIcon(entry.icon);
      w.addString(equate, entry.text).in(group);
    }
  }

  void cycleTagView() {
    crv::ui::Control& button = window().control("?ShowTags");
    switch (rows().tagView()) {
      case TagView::All:
        rows().setTagView(TagView::Tagged);
        button.setText("Showing Tagged");
        break;
      case TagView::Tagged:
        rows().setTagView(TagView::Untagged);
        button.setText("Showing UnTagged");
        break;
      case TagView::Untagged:
        rows().setTagView(TagView::All);
        button.setText("Show All");
        break;
    }
    window().touch();
  }

  // An order left with identifier 0 is an unfinished one; it goes before
  // a new order is added.
  static void removeOrderWithoutNumber() {
    crv::PrivateTable<crv::POMasterRecord> orders(crv::POMaster);
    orders.rec.POID = 0;
    if (orders.fetch(crv::POMasterRecord::KeyPOID)) removeOrder(0);
  }

  crv::Flag negative_ = 0;
  crv::Flag reinsert_ = 1;
};

}  // namespace

void browsePOMaster() {
  BrowsePOMasterWindow window;
  window.run();
}

}  // namespace crvpo

extern "C" void BrowsePOMaster() { crvpo::browsePOMaster(); }

// The purchase-order lookup.
#include "crvpo/entry/pick_po_master.h"

#include "crvpo/entry/order_list_rows.h"
#include "crvpo/entry/order_requests.h"
#include "host/data/shared_values.h"
#include "host/data/tables/purchasing_tables.h"
#include "host/framework/services/global_request.h"
#include "host/framework/services/message_box.h"
#include "host/framework/ui/browse_component.h"
#include "host/framework/ui/front_end.h"
#include "host/framework/ui/window_manager.h"

namespace crvpo {
namespace {

using crv::ui::Binding;
using crv::ui::ButtonRole;
using crv::ui::ControlKind;
using crv::ui::Event;
using crv::ui::EventKind;
using crv::ui::Level;

class PickRows final : public crv::ui::BrowseClass {
 public:
  PickRows() : BrowseClass(crv::POMaster, 12) {
    addColumn("Vendor", "VendorID", "@n_6");
    vendor_ = addComputedColumn("", "@s35");
    addColumn("PO Number", "PONumber", "@s12");
    addColumn("Issue Date", "IssueDate", "@d1b");
    addColumn("Job", "DefaultJob", "@s10");
    addColumn("Amount", "POAmount", "@n-14.2");
    // Sort order = tab * 2 + (fully reconciled orders left out).
    addSort(crv::ui::BrowseSort(crv::POMasterRecord::KeyPONumber, "by PO Number"));
    addSort(crv::ui::BrowseSort(crv::POMasterRecord::KeySortPONumber, "by PO Number"));
    addSort(crv::ui::BrowseSort(crv::POMasterRecord::KeyVendorID, "by Vendor ID"));
    addSort(crv::ui::BrowseSort(crv::POMasterRecord::KeySortVendorID, "by Vendor ID"));
  }

  crv::Id highlightedOrder() const {
    const crv::ui::BrowseRow* row = highlighted();
    return row ? static_cast<const crv::POMasterRecord&>(*row->record).POID : 0;
  }

 protected:
  void setQueueRecord(crv::ui::BrowseRow& row) override {
    BrowseClass::setQueueRecord(row);
    row.setText(vendor_, names_.of(crv::POM.VendorID));
    if (crv::POM.Reconciled == 2) row.setColors(OrderListRows::reconciledColour);
  }

 private:
  int vendor_ = -1;
  VendorNames names_{{}};
};

crv::ui::BrowseComponent::Buttons selectButton() {
  crv::ui::BrowseComponent::Buttons b;
  b.select = "?Select";
  return b;
}

class PickPOMasterWindow final : public crv::ui::WindowManager {
 public:
  PickPOMasterWindow() : WindowManager("PickPOMaster"), component_(rows_, "?Browse", selectButton()) {
    crv::ui::Window& w = window();
    w.setTitle("Purchase Orders");
    w.setIcon("orders");
    w.setHelp("html/PO_Enter_Purchase_Orders.htm", "pick");
    addTable(crv::POMaster);
    crv::ui::Control& sheet = w.add(ControlKind::Sheet, "?Sorts");
    w.add(ControlKind::Tab, "?Sorts:ByNumber", "by PO Number").in(sheet);
    w.add(ControlKind::Tab, "?Sorts:ByVendor", "by Vendor ID").in(sheet);
    sheet.choose(0);
    w.addCheck("?ShowFullyReconciled", "Show Fully Reconciled Purchase Orders",
               Binding::local(showReconciled_, "ShowFullyReconciled"));
    w.addField("&Locate:", "?POLocator", Binding::local(locator_, "POLocator")).setImmediate();
    w.addList("?Browse", &rows_);
    w.addButton("?Select", "&Select").setDefault();
    const bool editing = request() != crv::ViewRecord;
    if (editing) {
      w.addButton("?Insert", "&Add");
      w.addButton("?Change", "&Change").setTip("Change Highlighted PO");
      w.addButton("?Delete", "&Delete");
    }
    w.addButton("?Close", "Close", ButtonRole::Close);
    w.addButton("?Help", "&Help", ButtonRole::Help);
    component_.setLocator("?POLocator");
    addComponent(component_);
    useTypeAhead("PickPOMaster", {"?POLocator"});
    rows_.setSort(1);
    onNewSelection("?Sorts", [this] { sortChanged(); });
    onAccepted("?ShowFullyReconciled", [this] { sortChanged(); });
    onAccepted("?Insert", [this] { act(insertOrder()); });
    onAccepted("?Change", [this] { change(); });
    onAccepted("?Delete", [this] { remove(); });
  }

 protected:
  Level takeEvent(const Event& event) override {
    if (event.kind == EventKind::HeaderClicked && event.control && event.control->is("?Browse")) {
      const std::string& field = rows_.column(event.index).field;
      const int tab = field == "PONumber" ? 0 : field == "VendorID" ? 1 : -1;
      if (tab >= 0) {
        control("?Sorts").choose(tab);
        sortChanged();
      }
      return Level::Notify;
    }
    if (event.kind == EventKind::Accepted && event.control &&
        (event.control->is("?Select") || (event.control->is("?Browse") && rows_.selectMode())))
      crv::DecimalVariable = crv::Amount(static_cast<std::int64_t>(rows_.highlightedOrder()));
    if (event.kind == EventKind::Accepted && event.control && event.control->is("?Browse") &&
        !rows_.selectMode() && find("?Change")) {
      change();
      return Level::Notify;
    }
    return WindowManager::takeEvent(event);
  }

 private:
  crv::ui::Control* find(std::string_view equate) { return window().find(equate); }

  void sortChanged() {
    rows_.setSort(control("?Sorts").currentTab() * 2 + (showReconciled_ != 0 ? 0 : 1));
    window().touch();
  }

  void act(int response) {
    if (response == crv::RequestCompleted)
      rows_.resetFromBuffer();
    else
      rows_.refresh();
    window().touch();
  }

  // Change refuses what the order list would open for viewing only.
  void change() {
    const crv::Id poid = rows_.highlightedOrder();
    if (poid == 0 || rows_.reloadSelected() != crv::TableStatus::Ok) return;
    if (beingReconciled(poid)) {
      crv::ui::frontEnd().beep(crv::ui::Sound::Default);
      crv::message(
          "This Purchase Order is currently being reconciled by an unposted A/P Invoice.  The Purchase "
          "Order cannot be edited until the A/P Invoice is either posted or deleted.",
          "Purchase Order Being Reconciled", crv::Icon::Exclamation);
      return;
    }
    if (crv::POM.Reconciled == 2) {
      crv::ui::frontEnd().beep(crv::ui::Sound::Default);
      crv::message("This purchase order has been fully reconciled and cannot be edited at this time.",
                   "Cannot Edit Reconciled Purchase Order", crv::Icon::Exclamation);
      return;
    }
    // A partly reconciled order asks first, as the order list does.
    act(changeOrder(poid));
  }

  void remove() {
    const crv::Id poid = rows_.highlightedOrder();
    if (poid == 0) return;
    deleteOrder(poid);
    act(crv::RequestCancelled);
  }

  PickRows rows_;
  crv::ui::BrowseComponent component_;
  crv::Flag showReconciled_ = 0;
  std::string locator_;
};

}  // namespace

void pickPOMaster() {
  PickPOMasterWindow window;
  window.run();
}

}  // namespace crvpo

extern "C" void PickPOMaster() { crvpo::pickPOMaster(); }

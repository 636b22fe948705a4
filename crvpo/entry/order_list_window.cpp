// The shared part of the purchase-order lists.
#include "crvpo/entry/order_list_window.h"

#include "crvpo/entry/confirm_blank_po.h"
#include "crvpo/entry/duplicate_po.h"
#include "crvpo/entry/order_requests.h"
#include "crvpo/reports/print_state.h"
#include "host/data/shared_values.h"
#include "host/data/tables/purchasing_tables.h"
#include "host/framework/services/global_request.h"
#include "host/framework/table/private_table.h"
#include "host/framework/ui/front_end.h"
#include "host/siblings/CRVMISC/play_training.h"

namespace crvpo {
namespace {

using crv::ui::Binding;
using crv::ui::ButtonRole;
using crv::ui::Event;
using crv::ui::EventKind;
using crv::ui::Level;

constexpr const char* sendToItem = "Send List Contents To...";

crv::ui::BrowseComponent::Buttons selectButton() {
  crv::ui::BrowseComponent::Buttons b;
  b.select = "?Select";
  return b;
}

// The list's right-click menu: its actions, in the order of its buttons.
struct MenuItem {
  const char* text;
  const char* button;
};
constexpr MenuItem menuItems[] = {
    {"&Add", "?Insert"},
    {"&Change", "?Change"},
    {"&View", "?View"},
    {"&Delete", "?Delete"},
    {"&Tag", "?Tag"},
    {"Tag &all", "?TagAll"},
    {"&Untag all", "?UntagAll"},
    {"&Duplicate", "?Duplicate"},
    {"Search", "?Search"},
    {"Reconcile/Unreconcile", "?Reconcile"},
    {"&Generate POs", "?Generate"},
    {"I&mport", "?Import"},
    {"E&xport Tagged", "?Export"},
};

}  // namespace

OrderListWindow::OrderListWindow(std::string procedure, OrderRowOptions options, bool brokenLines)
    : WindowManager(std::move(procedure)),
      brokenLines_(brokenLines),
      rows_(pageRows, std::move(options)),
      component_(rows_, "?Browse", selectButton()) {
  crv::ui::Window& w = window();
  w.setTitle("Purchase Orders");
  w.setIcon("orders");
  w.setHelp("html/PO_Enter_Purchase_Orders.htm");
  addTable(crv::POMaster);
  addComponent(component_);
}

void OrderListWindow::addLocator() {
  crv::ui::Control& locator =
      window().addField("&PO Number:", "?POLocator", Binding::local(locator_, "POLocator"), "@s15");
  locator.setImmediate();
  component_.setLocator("?POLocator");
  useTypeAhead(procedureName(), {"?POLocator"});
}

void OrderListWindow::addList() {
  window().addList("?Browse", &rows_);
  window().select("?Browse");
  window().alert(crv::ui::Key::Space);
}

void OrderListWindow::addShowReconciled() {
  window().addCheck("?ShowReconciled", "Show Fully Reconciled POs",
                    Binding::local(showReconciled_, "ShowReconciled"));
  onAccepted("?ShowReconciled", [this] { sortChanged(); });
}

void OrderListWindow::addTotals() {
  crv::ui::Window& w = window();
  crv::ui::Control& group = w.add(crv::ui::ControlKind::Group, "?TotalsGroup", "Totals:").at(1, 1);
  w.addField("Amount:", "?TOTALAMOUNT", Binding::local(totalAmount_, "TOTALAMOUNT"), "@n-15.2")
      .in(group)
      .setReadOnly(true)
      .setTip("The amounts of the tagged orders");
  w.addField("Remaining:", "?TOTALOPENAMOUNT", Binding::local(totalOpenAmount_, "TOTALOPENAMOUNT"), "@n-15.2")
      .in(group)
      .setReadOnly(true)
      .setTip("What remains open on the tagged orders");
}

void OrderListWindow::addButtons(bool withReconcile, bool withTransfers) {
  crv::ui::Window& w = window();
  // Three rows of actions: the orders, their tags, and what is done with
  // them; the window's own buttons close the window.
  crv::ui::Control& orders = w.add(crv::ui::ControlKind::Panel, "?OrderButtons");
  w.addButton("?Insert", "&Add").in(orders);
  w.addButton("?Change", "&Change").in(orders);
  w.addButton("?View", "&View").in(orders);
  w.addButton("?Delete", "&Delete").in(orders);
  w.addButton("?Duplicate", "&Duplicate").in(orders);
  w.addButton("?Search", "Search").in(orders).setTip("Find an order by its number or its vendor's name");
  crv::ui::Control& tags = w.add(crv::ui::ControlKind::Panel, "?TagButtons");
  w.addButton("?Tag", "&Tag").in(tags);
  // The list sorted by headers spells these with capitals.
  w.addButton("?TagAll", brokenLines_ ? "Tag &All" : "Tag &all").in(tags);
  w.addButton("?UntagAll", brokenLines_ ? "&Untag All" : "&Untag all").in(tags);
  crv::ui::Control& actions = w.add(crv::ui::ControlKind::Panel, "?ActionButtons");
  w.addButton("?BlankPO", "Print &Blank PO").in(actions);
  if (withReconcile) w.addButton("?Reconcile", "Reconcile/Unreconcile").in(actions);
  w.addButton("?Generate", "&Generate POs").in(actions);
  if (withTransfers) {
    w.addButton("?Import", "I&mport").in(actions);
    w.addButton("?Export", "E&xport Tagged").in(actions);
  }
  w.addButton("?Training", "Play training video").in(actions);
  w.addButton("?Select", "&Select").setDefault();
  w.addButton("?Close", "Close", ButtonRole::Close);
  w.addButton("?Help", "&Help", ButtonRole::Help);
  onButtons();
}

void OrderListWindow::onButtons() {
  onAccepted("?Insert", [this] { addOrder(); });
  onAccepted("?Change", [this] { openHighlighted(true); });
  onAccepted("?View", [this] { openHighlighted(false); });
  onAccepted("?Delete", [this] {
    deleteOrders();
    dropGoneTags();
    refreshList();
  });
  onAccepted("?Tag", [this] {
    rows_.toggleTag();
    tagsChanged();
  });
  onAccepted("?TagAll", [this] {
    totalAmount_ = {};
    totalOpenAmount_ = {};
    rows_.tagAll(crv::ui::BrowseClass::defaultTagLimit, [this] { addToTotals(crv::POM); });
    showTags();
  });
  onAccepted("?UntagAll", [this] {
    rows_.clearTags();
    tagsChanged();
  });
  onAccepted("?Search", [this] { search(); });
  onAccepted("?Duplicate", [this] { duplicateHighlighted(); });
  onAccepted("?BlankPO", [this] {
    printState().AssignedPONumber = "";
    confirmBlankPO();
    refreshList();
  });
  onAccepted("?Reconcile", [this] {
    if (rows_.rowCount() == 0) return;
    const OrderChoice chosen = choice();
    bool tagged = false;
    if (!chosen.tagged.empty()) {
      const int answer = crv::message(
          "Would you like to Reconcile/Unreconcile the Highlighted|Purchase Order or the Tagged Purchase "
          "Orders?",
          "Highlighted or Tagged", crv::Icon::Question, "&Highlighted|&Tagged|&Cancel");
      if (answer != 1 && answer != 2) return;
      tagged = answer == 2;
    }
    reconcileOrUnreconcile(chosen, tagged);
    refreshList();
  });
  onAccepted("?Generate", [this] {
    generatePOs(choice());
    refreshList();
  });
  onAccepted("?Training", [this] {
    crv::REPORTFILTER = "POEnt";
    PlayTraining();
    select("?Browse");
  });
  onAccepted("?Import", [this] {
    importOrders();
    refreshList();
  });
  onAccepted("?Export", [this] {
    if (!exportTagged(choice())) return;
    // A finished export empties the tag list; the rows follow it.
    if (crv::TAGQUE.empty()) rows_.clearTags();
    refreshList();
  });
}

Level OrderListWindow::takePopupMenu(crv::ui::Control& control) {
  if (!control.is("?Generate")) return WindowManager::takePopupMenu(control);
  generatePOsMenu(choice());
  refreshList();
  return Level::Notify;
}

Level OrderListWindow::opening() {
  tagsChanged();
  return Level::Benign;
}

OrderChoice OrderListWindow::choice() const {
  OrderChoice chosen;
  chosen.highlighted = rows_.highlightedOrder();
  chosen.tagged = taggedOrders();
  chosen.brokenLines = brokenLines_;
  return chosen;
}

std::vector<crv::Id> OrderListWindow::taggedOrders() const {
  return {rows_.tags().rows().begin(), rows_.tags().rows().end()};
}

void OrderListWindow::tagsChanged() {
  totalAmount_ = {};
  totalOpenAmount_ = {};
  crv::PrivateTable<crv::POMasterRecord> orders(crv::POMaster);
  for (crv::Id poid : taggedOrders()) {
    orders.rec.POID = poid;
    if (!orders.fetch(crv::POMasterRecord::KeyPOID)) continue;
    addToTotals(orders.rec);
  }
  showTags();
}

void OrderListWindow::addToTotals(const crv::POMasterRecord& order) {
  totalAmount_ += order.POAmount;
  totalOpenAmount_ += remainingOf(order, rows_.negativeRemaining());
}

void OrderListWindow::showTags() {
  keepTags();
  window().touch();
}

void OrderListWindow::dropGoneTags() {
  crv::PrivateTable<crv::POMasterRecord> orders(crv::POMaster);
  for (crv::Id poid : taggedOrders()) {
    orders.rec.POID = poid;
    if (!orders.fetch(crv::POMasterRecord::KeyPOID)) rows_.untag(poid);
  }
  tagsChanged();
}

void OrderListWindow::refreshList() {
  rows_.refresh();
  tagsChanged();
}

void OrderListWindow::addOrder() {
  if (insertOrder() == crv::RequestCompleted) {
    rows_.resetFromBuffer();
  } else {
    rows_.refresh();
  }
  tagsChanged();
}

void OrderListWindow::openHighlighted(bool change) {
  const crv::Id poid = rows_.highlightedOrder();
  if (poid == 0) return;
  if (change)
    changeOrder(poid, brokenLines_ ? OrderRequestTexts::brokenLines() : OrderRequestTexts::longLines());
  else
    viewOrder(poid);
  refreshList();
}

void OrderListWindow::duplicateHighlighted() {
  const crv::Id poid = rows_.highlightedOrder();
  if (poid == 0) return;
  if (duplicatePurchaseOrder(poid) != 0)
    rows_.resetFromBuffer();
  else
    rows_.refresh();
  tagsChanged();
}

void OrderListWindow::search() {
  const crv::Id found = searchOrders(showReconciled_ != 0);
  if (found == 0) return;
  crv::PrivateTable<crv::POMasterRecord> orders(crv::POMaster);
  orders.rec.POID = found;
  if (!orders.fetch(crv::POMasterRecord::KeyPOID)) return;
  crv::POM = orders.rec;
  rows_.resetFromBuffer();
  window().touch();
}

void OrderListWindow::showMenu() {
  std::vector<const MenuItem*> offered;
  std::string items;
  for (const MenuItem& item : menuItems) {
    const crv::ui::Control* button = window().find(item.button);
    if (!button || !button->isVisible()) continue;
    if (!items.empty()) items += "|";
    items += item.text;
    offered.push_back(&item);
  }
  items += std::string("|Print Report Directly to Default Printer|") + sendToItem;
  const int chosen = crv::ui::frontEnd().popupMenu({items});
  const int count = static_cast<int>(offered.size());
  if (chosen >= 1 && chosen <= count) {
    post(EventKind::Accepted, offered[static_cast<std::size_t>(chosen - 1)]->button);
  } else if (chosen == count + 1) {
    generatePOs(choice(), false);
    refreshList();
  } else if (chosen == count + 2) {
    crv::ui::frontEnd().sendTo({window().title(), &rows_});
  }
}

Level OrderListWindow::tagClicked(const Event& event) {
  const Level level = WindowManager::takeEvent(event);
  if (event.column == rows_.tagColumn() && rows_.highlighted()) {
    rows_.toggleTag();
    tagsChanged();
  }
  return level;
}

Level OrderListWindow::takeEvent(const Event& event) {
  const bool onList = event.control && event.control->is("?Browse");
  if (onList && event.kind == EventKind::PopupMenu) {
    if (rows_.selectMode()) return WindowManager::takeEvent(event);
    showMenu();
    return Level::Benign;
  }
  if (onList && event.kind == EventKind::NewSelection && event.column >= 0) return tagClicked(event);
  if (onList && event.kind == EventKind::Accepted && !rows_.selectMode()) {
    openHighlighted(true);
    return Level::Notify;
  }
  if (event.kind == EventKind::Accepted && event.control &&
      (event.control->is("?Select") || (onList && rows_.selectMode())))
    crv::DecimalVariable = crv::Amount(static_cast<std::int64_t>(rows_.highlightedOrder()));
  return WindowManager::takeEvent(event);
}

}  // namespace crvpo

// What the two purchase-order lists share: the paged list of orders with
// its tag column, the buttons that open, add, duplicate, delete, tag,
// search, reconcile and print orders, the totals of the tagged orders, and
// the list's right-click menu with the same actions.
//
// The lists differ in their sort orders, in how Delete chooses between the
// highlighted and the tagged orders, in whether their messages break
// lines, and in what the space bar does; the two procedures fill those in.
#pragma once

#include <string>
#include <vector>

#include "crvpo/entry/order_list_actions.h"
#include "crvpo/entry/order_list_rows.h"
#include "host/framework/ui/browse_component.h"
#include "host/framework/ui/window_manager.h"

namespace crvpo {

class OrderListWindow : public crv::ui::WindowManager {
 public:
  static constexpr int pageRows = 15;

 protected:
  OrderListWindow(std::string procedure, OrderRowOptions options, bool brokenLines);

  // The list and the controls both procedures show, in window order.
  void addLocator();
  void addList();
  // "Show Fully Reconciled POs": ticking or clearing it calls sortChanged().
  void addShowReconciled();
  virtual void sortChanged() = 0;
  void addTotals();
  void addButtons(bool withReconcile, bool withTransfers);

  OrderListRows& rows() { return rows_; }
  const OrderListRows& rows() const { return rows_; }
  crv::ui::BrowseComponent& component() { return component_; }
  OrderChoice choice() const;
  std::vector<crv::Id> taggedOrders() const;

  // The tags changed: totals, and the procedure's own bookkeeping.
  void tagsChanged();
  void addToTotals(const crv::POMasterRecord& order);
  // Keeps the tags for the next opening and shows them with their totals.
  void showTags();
  virtual void keepTags() {}
  // Delete: the procedure decides between the highlighted and the tagged.
  virtual void deleteOrders() = 0;
  // After a called procedure: reload around the highlighted row.
  void refreshList();
  // The tagged orders whose rows were deleted lose their tags.
  void dropGoneTags();

  crv::ui::Level takeEvent(const crv::ui::Event& event) override;
  crv::ui::Level opening() override;
  // A right click on "&Generate POs": preview, print directly or cancel.
  crv::ui::Level takePopupMenu(crv::ui::Control& control) override;

  bool brokenLines_;
  crv::Flag showReconciled_ = 0;

 private:
  void onButtons();
  void addOrder();
  void openHighlighted(bool change);
  void duplicateHighlighted();
  void search();
  void showMenu();
  crv::ui::Level tagClicked(const crv::ui::Event& event);

  OrderListRows rows_;
  crv::ui::BrowseComponent component_;
  std::string locator_;
  crv::Amount totalAmount_;
  crv::Amount totalOpenAmount_;
};

}  // namespace crvpo

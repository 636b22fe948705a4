// The purchase-order lists on the desktop, through real widgets on the demo
// company: Purchasing > Purchase Orders comes first in the menu bar; a click
// in the tag column and the space bar tag orders and the totals follow; the
// refusals and questions of changing, deleting, reconciling, printing and
// exporting are answered; the search finds an order; the list sorted by
// headers shows its sort in the header; the pick list opens from the
// printing limits for a number no order has. Every window and message met
// is kept with the other screenshots, and the lists tagged and sorted too.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QHeaderView>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QMouseEvent>
#include <QTableView>

#include "host/data/shared_values.h"
#include "host/data/tables/payables_tables.h"
#include "host/data/tables/purchasing_tables.h"
#include "host/desktop/gui_robot.h"
#include "host/framework/table/private_table.h"
#include "tests/host/desktop/main_window_fixture.h"

namespace crv::test {
namespace {

constexpr const char* listTitle = "Purchase Orders";

class OrderListTest : public MainWindowFixture {
 protected:
  // Generate POs turns the previewer on; the tests after these expect the
  // setting they found.
  void TearDown() override {
    GLO.PrintPreview = printPreview_;
    MainWindowFixture::TearDown();
  }
  QTableView* list() { return qobject_cast<QTableView*>(widgetOf(frontEnd_, "?Browse")); }
  // The row of the list showing the order numbered `number`, -1 if none.
  int rowOf(const QString& number) {
    QTableView* view = list();
    for (int row = 0; view && row < view->model()->rowCount(); ++row)
      for (int column = 0; column < view->model()->columnCount(); ++column)
        if (view->model()->index(row, column).data().toString().trimmed() == number) return row;
    return -1;
  }
  // Presses the mouse on a cell, as a person clicks it.
  void clickCell(int row, int column) {
    QTableView* view = list();
    ASSERT_NE(view, nullptr);
    ASSERT_GE(row, 0);
    const QPoint at = view->visualRect(view->model()->index(row, column)).center();
    QMouseEvent press(QEvent::MouseButtonPress, at, view->viewport()->mapToGlobal(at), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QMouseEvent release(QEvent::MouseButtonRelease, at, view->viewport()->mapToGlobal(at), Qt::LeftButton,
                        Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(view->viewport(), &press);
    QApplication::sendEvent(view->viewport(), &release);
  }
  void highlight(const QString& number) { clickCell(rowOf(number), 2); }
  void click(QWidget& window, const char* caption) {
    QAbstractButton* b = button(window, caption);
    ASSERT_NE(b, nullptr) << caption;
    b->click();
  }
  void shoot(QWidget& window, const char* name) { frontEnd_.screenshots().save(window, "orders", name); }
  // Answers a message box by a button's caption, noting its title.
  void answer(GuiRobot& robot, const char* title, const char* caption) {
    robot.inMessage(title, [this, caption, title](QMessageBox& box) {
      met_.push_back(title);
      click(box, caption);
    });
  }
  std::vector<std::string> met_;
  Flag printPreview_ = GLO.PrintPreview;
};

TEST_F(OrderListTest, APurchasingAgentWorksTheOrderListFromTheFirstMenu) {
  // The first menu after File, and the first box of the start page.
  QMenu* first = window_->menuBar()->actions().at(1)->menu();
  ASSERT_NE(first, nullptr);
  EXPECT_EQ(first->title().toStdString(), "&Purchasing");
  EXPECT_EQ(first->actions().front(), window_->actionFor("BrowsePOMaster"));
  {
    // An unposted invoice against order 1001.
    PrivateTable<POMasterRecord> orders(POMaster);
    orders.rec.PONumber = "1001";
    ASSERT_TRUE(orders.fetch(POMasterRecord::KeyPONumber));
    PrivateTable<APInvRecord> invoices(APInv);
    invoices.rec.POID = orders.rec.POID;
    ASSERT_EQ(invoices.table.insert(), TableStatus::Ok);
  }

  GuiRobot robot;
  QString totalAfterTags;
  robot.inWindow(listTitle, [&](QWidget& window) {
    shoot(window, "list");
    click(window, "Export Tagged");
  });
  answer(robot, "No Tagged POs", "OK");
  robot.inWindow(listTitle, [&](QWidget&) {
    clickCell(rowOf("1001"), 0);
    highlight("1003");
    pressKey(Qt::Key_Space);
  });
  robot.inWindow(listTitle, [&](QWidget& window) {
    totalAfterTags = qobject_cast<QLineEdit*>(widgetOf(frontEnd_, "?TOTALAMOUNT"))->text().trimmed();
    shoot(window, "tagged-rows");
    highlight("1001");
    click(window, "Change");
  });
  answer(robot, "Purchase Order Being Reconciled", "OK");
  robot.inWindow("Changing a Purchase Order", [&](QWidget&) { pressKey(Qt::Key_Escape); });
  robot.inWindow(listTitle, [&](QWidget& window) {
    highlight("1004");
    click(window, "Change");
  });
  answer(robot, "Purchase Order Partially Reconciled", "No");
  robot.inWindow(listTitle, [&](QWidget& window) { click(window, "Delete"); });
  answer(robot, "Delete Which Purchase Orders?", "Cancel");
  robot.inWindow(listTitle, [&](QWidget& window) { click(window, "Generate POs"); });
  answer(robot, "Select Printing Preference", "Cancel");
  robot.inWindow(listTitle, [&](QWidget& window) {
    click(window, "Untag all");
    click(window, "Show Fully Reconciled POs");
  });
  robot.inWindow(listTitle, [&](QWidget& window) {
    shoot(window, "with-fully-reconciled");
    highlight("1005");
    click(window, "Change");
  });
  answer(robot, "Purchase Order Partially Reconciled", "Cancel");
  robot.inWindow(listTitle, [&](QWidget& window) { click(window, "Reconcile/Unreconcile"); });
  answer(robot, "Unable to Un-Reconcile Highlighted Purchase Order?", "OK");
  robot.inWindow(listTitle, [&](QWidget& window) {
    highlight("1001");
    click(window, "Delete");
  });
  answer(robot, "Confirm Delete", "Yes");
  answer(robot, "Purchase Order Being Reconciled", "OK");
  robot.inWindow(listTitle, [&](QWidget& window) { click(window, "Search"); });
  robot.inWindow("Search the Purchase Order File", [&](QWidget&) {
    widgetOf(frontEnd_, "?SearchText")->setFocus(Qt::MouseFocusReason);
    typeKeys("heavy");
    pressKey(Qt::Key_Tab);
  });
  robot.inWindow("Search the Purchase Order File", [&](QWidget& search) {
    shoot(search, "search-found");
    click(search, "OK");
  });
  robot.inWindow(listTitle, [&](QWidget&) { pressKey(Qt::Key_Escape); });
  robot.start();
  ASSERT_TRUE(window_->run("BrowsePOMaster"));
  ASSERT_EQ(robot.failure(), "");
  EXPECT_NE(totalAfterTags, "0.00") << "the totals of the tagged orders";
  EXPECT_EQ(met_.size(), 9u) << ::testing::PrintToString(met_);
}

TEST_F(OrderListTest, TheListByColumnSortsByAClickedHeaderAndThePickListOpensFromThePrintingLimits) {
  GuiRobot robot;
  std::string header;
  robot.inWindow(listTitle, [&](QWidget&) { emit list()->horizontalHeader()->sectionClicked(2); });
  robot.inWindow(listTitle, [&](QWidget& window) {
    header = list()->model()->headerData(2, Qt::Horizontal).toString().toStdString();
    clickCell(0, 0);
    shoot(window, "by-column-sorted-and-tagged");
    pressKey(Qt::Key_Escape);
  });
  robot.start();
  ASSERT_TRUE(window_->run("BrowsePOMasterNew"));
  ASSERT_EQ(robot.failure(), "");
  EXPECT_EQ(header, "ID[+]");

  GuiRobot printing;
  printing.inWindow("Purchase Order Printing Limits",
                    [&](QWidget& window) { click(window, "Select PO Numbers"); });
  printing.inWindow("Purchase Order Printing Limits", [&](QWidget&) {
    widgetOf(frontEnd_, "?POL:POFrom")->setFocus(Qt::MouseFocusReason);
    typeKeys("9999");
    pressKey(Qt::Key_Tab);
  });
  printing.inWindow(listTitle, [&](QWidget& window) {
    shoot(window, "pick-list");
    highlight("1003");
    click(window, "Select");
  });
  printing.inWindow("Purchase Order Printing Limits", [&](QWidget& window) {
    EXPECT_EQ(qobject_cast<QLineEdit*>(widgetOf(frontEnd_, "?POL:POFrom"))->text().trimmed(), "1003");
    click(window, "Cancel");
  });
  printing.start();
  ASSERT_TRUE(window_->run("LimitPrintPOs"));
  ASSERT_EQ(printing.failure(), "");
}

}  // namespace
}  // namespace crv::test

// Receiving a packing slip from the desktop's Purchasing menu on the demo
// company, through real widgets: the list of open orders, order 1003 with
// its lines, the deck screws received into an area chosen from the list
// after an over-receipt and a negative one were refused, and the
// generators with their serial numbers typed as a range after too few, too
// many, a text that is no range, a number too long and a duplicate were
// refused. The pictures of the list, the order, the line form for a
// stocked and a serialized item, the area list and each refusal are kept
// with the other screenshots.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTableView>

#include "host/data/tables/inventory_tables.h"
#include "host/desktop/gui_robot.h"
#include "tests/host/desktop/main_window_fixture.h"

namespace crv::test {
namespace {

constexpr const char* listTitle = "Reconcile Purchase Orders with Packing Slip";
constexpr const char* orderTitle = "Reconciling a Purchase Order";
constexpr const char* lineTitle = "Reconciling Purchase Order Detail";

class ReconcileTest : public MainWindowFixture {
 protected:
  // Types into an entry as a person would, leaving it with Tab.
  void typeInto(std::string_view equate, const QString& text) {
    QWidget* entry = widgetOf(frontEnd_, equate);
    ASSERT_NE(entry, nullptr) << equate;
    entry->setFocus(Qt::MouseFocusReason);
    pressKey(Qt::Key_A, Qt::ControlModifier);
    pressKey(Qt::Key_Backspace);
    typeKeys(text);
    pressKey(Qt::Key_Tab);
  }
  // Moves the highlight of a list down `rows` rows with the arrow key.
  void moveDown(std::string_view equate, int rows) {
    auto* list = qobject_cast<QTableView*>(widgetOf(frontEnd_, equate));
    ASSERT_NE(list, nullptr) << equate;
    list->setFocus(Qt::MouseFocusReason);
    for (int i = 0; i < rows; ++i) pressKey(Qt::Key_Down);
  }
  void click(QWidget& window, const char* caption) {
    QAbstractButton* b = button(window, caption);
    ASSERT_NE(b, nullptr) << caption;
    b->click();
  }
  void shoot(QWidget& window, const char* name) { frontEnd_.screenshots().save(window, "reconcile", name); }
  // Answers a message box with its default button, noting its text.
  void answer(GuiRobot& robot, const char* title, std::vector<std::string>& texts) {
    robot.inMessage(title, [&texts](QMessageBox& box) {
      texts.push_back(box.text().toStdString());
      box.defaultButton()->click();
    });
  }
};

TEST_F(ReconcileTest, AClerkReceivesStockedAndSerializedLinesFromThePurchasingMenu) {
  ASSERT_NE(window_->actionFor("BrowsePOReconcile"), nullptr);
  EXPECT_EQ(window_->actionFor("BrowsePOReconcile")->text().toStdString(), "&Reconcile Purchase Orders");

  GuiRobot robot;
  std::vector<std::string> refusals;
  // Each picture is taken a step after the typing, once the window has
  // handled the keys.
  robot.inWindow(listTitle, [&](QWidget&) { typeInto("?Locator", "1003"); });
  robot.inWindow(listTitle, [&](QWidget& list) {
    shoot(list, "list");
    click(list, "Reconcile");
  });
  robot.inWindow(orderTitle, [&](QWidget& order) {
    shoot(order, "order");
    click(order, "Change Quantity Received This Pack Slip");
  });
  robot.inWindow(lineTitle, [&](QWidget& line) {
    typeInto("?POD:QtyThisPackSlip", "21");
    click(line, "OK");
  });
  answer(robot, "PO Over Reconciled", refusals);
  robot.inWindow(lineTitle, [&](QWidget& line) {
    typeInto("?POD:QtyThisPackSlip", "-1");
    click(line, "OK");
  });
  answer(robot, "Nothing Received", refusals);
  robot.inWindow(lineTitle, [&](QWidget&) {
    typeInto("?POD:QtyThisPackSlip", "5");
    ASSERT_NE(widgetOf(frontEnd_, "?POD:BinID:Lookup"), nullptr);
    qobject_cast<QAbstractButton*>(widgetOf(frontEnd_, "?POD:BinID:Lookup"))->click();
  });
  robot.inWindow("Select an Area of MAIN", [&](QWidget& areas) {
    shoot(areas, "select-an-area");
    click(areas, "Select");
  });
  robot.inWindow(lineTitle, [&](QWidget& line) {
    shoot(line, "line-stocked-item");
    click(line, "OK");
  });
  robot.inWindow(orderTitle, [&](QWidget& order) {
    moveDown("?Lines", 1);
    click(order, "Change Quantity Received This Pack Slip");
  });
  robot.inWindow(lineTitle, [&](QWidget& line) {
    typeInto("?POD:QtyThisPackSlip", "2");
    click(line, "OK");
  });
  answer(robot, "Not Enough Serial Numbers", refusals);
  robot.inWindow(lineTitle, [&](QWidget& line) { click(line, "Add"); });
  robot.inWindow("Add Serial Numbers", [&](QWidget& add) {
    typeInto("?LOC:SerialNumbers", "SPE7500-25-00401..SPE7500-25-00403");
    click(add, "OK");
  });
  answer(robot, "Too Many Serial Numbers", refusals);
  for (const auto& [text, title] :
       {std::pair{"SPE7500-25-00401..SPE7600-25-00402", "Invalid Range"},
        std::pair{"SPE7500-25-00401-FROM-THE-SECOND-CRATE-OF-TWO", "Serial Number Too Long"}}) {
    robot.inWindow("Add Serial Numbers", [&, text = text](QWidget& add) {
      typeInto("?LOC:SerialNumbers", text);
      click(add, "OK");
    });
    answer(robot, title, refusals);
  }
  robot.inWindow("Add Serial Numbers",
                 [&](QWidget&) { typeInto("?LOC:SerialNumbers", "SPE7500-25-00401..SPE7500-25-00402"); });
  robot.inWindow("Add Serial Numbers", [&](QWidget& add) {
    shoot(add, "add-serial-numbers");
    click(add, "OK");
  });
  robot.inWindow(lineTitle, [&](QWidget& line) {
    shoot(line, "line-serialized-item");
    click(line, "Change");
  });
  robot.inWindow("Change Serial Number", [&](QWidget& change) {
    typeInto("?LOC:SerialNo", "SPE7500-25-00401");
    click(change, "OK");
  });
  answer(robot, "Duplicate Serial Number", refusals);
  robot.inWindow("Change Serial Number", [&](QWidget& change) { click(change, "Cancel"); });
  robot.inWindow(lineTitle, [&](QWidget& line) { click(line, "OK"); });
  // Down to one generator: the single number, left blank.
  robot.inWindow(orderTitle,
                 [&](QWidget& order) { click(order, "Change Quantity Received This Pack Slip"); });
  robot.inWindow(lineTitle, [&](QWidget&) { typeInto("?POD:QtyThisPackSlip", "1"); });
  robot.inWindow(lineTitle, [&](QWidget& line) {
    typeInto("?LOC:SerialNo", "");
    click(line, "OK");
  });
  answer(robot, "No Serial Number", refusals);
  robot.inWindow(lineTitle, [&](QWidget& line) { click(line, "Cancel"); });
  robot.inWindow(orderTitle, [&](QWidget& order) { click(order, "OK"); });
  robot.inWindow(listTitle, [&](QWidget&) { pressKey(Qt::Key_Escape); });
  robot.start();
  ASSERT_TRUE(window_->run("BrowsePOReconcile"));
  ASSERT_EQ(robot.failure(), "");

  EXPECT_EQ(refusals,
            (std::vector<std::string>{
                "The total reconciled quantity is more than the ordered quantity.",
                "The total received quantity cannot be less than zero.",
                "You must supply one serial number for each of the 2 units received.",
                "You must supply only one serial number for each of the 2 units received.",
                "\"SPE7500-25-00401..SPE7600-25-00402\" is not a range of serial numbers. A range runs "
                "from a first to a last number that differ only in their last digits, such as "
                "SN-0001..SN-0250.",
                "The serial number SPE7500-25-00401-FROM-THE-SECOND-CRATE-OF-TWO is longer than 40 "
                "characters.",
                "The serial number SPE7500-25-00401 is already in the list.",
                "You must supply a serial number for serialized inventory.",
            }));
  INMaster.open();
  for (const auto& [item, onHand, onOrder] : {std::tuple{demo::boxedItem, "2050.0000", "750.0000"},
                                              std::tuple{demo::serializedItem, "4.0000", "0.0000"}}) {
    INM.clear();
    INM.ItemID = item;
    ASSERT_EQ(INMaster.fetch(INMasterRecord::KeyItemID), TableStatus::Ok);
    EXPECT_EQ(INM.QtyOnHand.toString(), onHand) << item;
    EXPECT_EQ(INM.QtyOnOrder.toString(), onOrder) << item;
  }
  INMaster.close();
}

}  // namespace
}  // namespace crv::test

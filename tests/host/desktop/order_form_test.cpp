// The purchase-order form from the desktop's menus on the demo company,
// through real widgets: a new order entered with a line and a file dropped
// onto its Attachments tab, an order opened by number in each of its tabs
// and modes, Canadian totals, and the ship-to, duplicate and blank-form
// dialogs. Every window is pictured under the build folder's screenshots/
// (order-form-*.png, order-form-tab-*.png and the dialogs by title).
#include <gtest/gtest.h>

#include <QComboBox>
#include <QDropEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QMimeData>
#include <QTabWidget>
#include <QUrl>
#include <fstream>

#include "host/data/tables/purchasing_tables.h"
#include "host/data/tables/suite_tables.h"
#include "host/desktop/gui_robot.h"
#include "tests/host/desktop/main_window_fixture.h"

namespace crv::test {
namespace {

constexpr const char* adding = "Adding a Purchase Order";

class OrderFormTest : public MainWindowFixture {
 protected:
  void typeInto(std::string_view equate, const QString& text) {
    QWidget* entry = widgetOf(frontEnd_, equate);
    ASSERT_NE(entry, nullptr) << equate;
    entry->setFocus(Qt::MouseFocusReason);
    pressKey(Qt::Key_A, Qt::ControlModifier);
    typeKeys(text);
    pressKey(Qt::Key_Tab);
  }
  void choose(std::string_view equate, const QString& text) {
    auto* list = qobject_cast<QComboBox*>(widgetOf(frontEnd_, equate));
    ASSERT_NE(list, nullptr) << equate;
    const int index = list->findText(text);
    ASSERT_GE(index, 0) << text.toStdString();
    list->setFocus(Qt::MouseFocusReason);
    list->setCurrentIndex(index);
    emit list->activated(index);
  }
  static void click(QWidget& window, const QString& caption) {
    QAbstractButton* b = button(window, caption);
    ASSERT_NE(b, nullptr) << caption.toStdString();
    b->click();
  }
  static void showTab(QWidget& form, const QString& caption) {
    for (QTabWidget* tabs : form.findChildren<QTabWidget*>())
      for (int i = 0; i < tabs->count(); ++i)
        if (tabs->tabText(i) == caption) emit tabs->tabBar()->tabBarClicked(i);
  }
  void picture(QWidget& window, const char* kind, const char* name) {
    frontEnd_.screenshots().save(window, kind, name);
  }
  int attachmentsOf(Id poid) {
    Images.open();
    IMG.clear();
    IMG.Type = "POMaster";
    IMG.NumericID = poid;
    int count = 0;
    if (Images.setRange(ImagesRecord::KeyTypeNumericID, 2) == TableStatus::Ok)
      while (Images.next() == TableStatus::Ok) ++count;
    Images.close();
    return count;
  }
};

TEST_F(OrderFormTest, ANewOrderIsEnteredWithALineAndADroppedFile) {
  const std::filesystem::path quote = folder_.path() / "Quote, rev 2.pdf";
  std::ofstream(quote) << "%PDF-1.4";
  GuiRobot robot;
  robot.inWindow(adding, [&](QWidget&) {
    typeInto("?EnteredVendor", "110");
    choose("?POM:ShipToType", "Company");
  });
  robot.inWindow(adding, [&](QWidget& form) {
    picture(form, "order-form", "adding");
    click(form, "Edit Shipping Information");
  });
  robot.inWindow("Shipping Information", [&](QWidget& dialog) {
    typeInto("?POM:ShipToInstructions", "Call the site office first");
    picture(dialog, "order-form", "shipping-information");
    click(dialog, "OK");
  });
  robot.inWindow(adding, [&](QWidget&) {
    auto* add = qobject_cast<QAbstractButton*>(widgetOf(frontEnd_, "?LineAdd"));
    ASSERT_NE(add, nullptr);
    add->click();
  });
  robot.inWindow("Adding Purchase Order Detail", [&](QWidget& line) {
    typeInto("?POD:Description", "Joist hangers");
    typeInto("?POD:JobID", "2401");
    typeInto("?POD:CostCode", "06-100M");
    typeInto("?POD:QtyOrdered", "40");
    typeInto("?POD:UnitPrice", "2.15");
    click(line, "OK");
  });
  robot.inWindow(adding, [&](QWidget& form) {
    picture(form, "order-form", "adding-with-a-line");
    showTab(form, "Attachments");
  });
  robot.inWindow(adding, [&](QWidget& form) {
    // A file dragged from a file manager and dropped on the list.
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(QString::fromStdString(quote.string()))});
    QWidget* list = widgetOf(frontEnd_, "?AttachmentList");
    ASSERT_NE(list, nullptr);
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(list, &enter);
    QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(list, &drop);
    (void)form;
  });
  robot.inMessage("Attach?", [&](QMessageBox& box) { click(box, "Yes"); });
  robot.inWindow(adding, [&](QWidget& form) {
    picture(form, "order-form-tab", "attachments");
    click(form, "OK");
  });
  robot.start();
  ASSERT_TRUE(window_->run("NewPurchaseOrder"));
  ASSERT_EQ(robot.failure(), "");

  POMaster.open();
  POM.clear();
  POM.PONumber = "1007";
  ASSERT_EQ(POMaster.fetch(POMasterRecord::KeyPONumber), TableStatus::Ok);
  POMaster.close();
  EXPECT_EQ(POM.VendorID, 110u);
  EXPECT_EQ(POM.ShipToInstructions, "Call the site office first");
  EXPECT_EQ(attachmentsOf(POM.POID), 1);
}

TEST_F(OrderFormTest, AnOrderIsOpenedByNumberInEachTabAndMode) {
  GuiRobot robot;
  auto openOrder = [&](const char* number, const char* action) {
    robot.inWindow("Open a Purchase Order", [&, number, action](QWidget& window) {
      typeInto("?PONumber", number);
      click(window, action);
    });
  };
  openOrder("1004", "Change");
  robot.inMessage("Purchase Order Partially Reconciled", [&](QMessageBox& box) { click(box, "Yes"); });
  const char* tabs[][2] = {{"Line Item Detail", "lines"},
                           {"Reconciliation", "reconciliation"},
                           {"Attachments", "attachments-empty"},
                           {"Notes", "notes"}};
  for (const auto& tab : tabs) {
    robot.inWindow("Changing a Purchase Order", [&, tab](QWidget& form) { showTab(form, tab[0]); });
    robot.inWindow("Changing a Purchase Order",
                   [&, tab](QWidget& form) { picture(form, "order-form-tab", tab[1]); });
  }
  robot.inWindow("Changing a Purchase Order", [&](QWidget& form) { click(form, "Cancel"); });
  openOrder("1003", "View");
  robot.inWindow("View Record", [&](QWidget& form) {
    picture(form, "order-form", "view");
    click(form, "OK");
  });
  openOrder("1001", "Duplicate");
  robot.inWindow("Duplicate Purchase Order", [&](QWidget& dialog) {
    picture(dialog, "order-form", "duplicate");
    click(dialog, "Cancel");
  });
  robot.inWindow("Open a Purchase Order", [&](QWidget& window) { click(window, "Close"); });
  robot.start();
  ASSERT_TRUE(window_->run("OpenPOMaster"));
  ASSERT_EQ(robot.failure(), "");
}

TEST_F(OrderFormTest, CanadianTotalsAndTheBlankFormQuestionArePictured) {
  Systems.open();
  Systems.set(SystemsRecord::KeySystemID);
  ASSERT_EQ(Systems.next(), TableStatus::Ok);
  SYS.CanadianTax = 1;
  SYS.GSTRate = 5;
  SYS.GSTLabel = "GST";
  SYS.State = "BC";
  ASSERT_EQ(Systems.update(), TableStatus::Ok);
  Systems.close();
  GuiRobot robot;
  robot.inWindow(adding, [&](QWidget& form) {
    picture(form, "order-form", "canadian");
    click(form, "Cancel");
  });
  robot.start();
  ASSERT_TRUE(window_->run("NewPurchaseOrder"));
  ASSERT_EQ(robot.failure(), "");

  GuiRobot blank;
  blank.inWindow("Blank Purchase Order Printing", [&](QWidget& dialog) {
    picture(dialog, "order-form", "blank-purchase-order");
    click(dialog, "Cancel");
  });
  blank.start();
  ASSERT_TRUE(window_->run("ConfirmBlankPO"));
  ASSERT_EQ(blank.failure(), "");
}

}  // namespace
}  // namespace crv::test

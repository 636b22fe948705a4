// The purchase-order line form through real widgets on the demo company,
// with an order in the order buffer as the header form leaves it: the form
// as it looks for each detail type, then a job line typed over its cost
// code's budget, the over-budget warning answered with Continue, and the
// line stored. The pictures go under the build folder's screenshots/ as
// line-form-<type>.png and over-budget-warning.png.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>

#include "host/app/demo_company.h"
#include "host/app/host_session.h"
#include "host/app/procedure_catalog.h"
#include "host/data/shared_values.h"
#include "host/data/tables/job_cost_tables.h"
#include "host/data/tables/purchasing_tables.h"
#include "host/desktop/gui_robot.h"
#include "host/desktop/qt_front_end.h"
#include "host/desktop/window_view.h"
#include "host/framework/services/global_request.h"
#include "host/framework/ui/front_end.h"
#include "support/temp_folder.h"

namespace crv::test {
namespace {

using desktop::QtFrontEnd;

constexpr const char* addingTitle = "Adding Purchase Order Detail";

class LineFormTest : public ::testing::Test {
 protected:
  void SetUp() override {
    createDemoCompany(folder_.path());
    frontEnd_.screenshots().setFolder(CRV_SCREENSHOT_DIR);
    previous_ = ui::setFrontEnd(&frontEnd_);
    session_ = std::make_unique<HostSession>(folder_.path());
    catalog_ = std::make_unique<ProcedureCatalog>(session_->module());
    const auto procedures = catalog_->procedures();
    const auto found = procedures.find("UpdatePODetail");
    ASSERT_NE(found, procedures.end());
    updatePODetail_ = found->second;
    // A company that buys for inventory and equipment too, so that every
    // detail type is offered.
    INPURCHASE = 1;
    EQPURCHASE = 1;

    POMaster.open();
    POM.clear();
    POM.PONumber = demo::openJobOrder;
    ASSERT_EQ(POMaster.fetch(POMasterRecord::KeyPONumber), TableStatus::Ok);
    POMaster.close();
  }
  void TearDown() override {
    INPURCHASE = 0;
    EQPURCHASE = 0;
    catalog_.reset();
    session_.reset();
    ui::setFrontEnd(previous_);
  }

  template <class W = QWidget>
  W* widget(std::string_view equate) {
    desktop::WindowView* view = frontEnd_.topView();
    if (!view) return nullptr;
    ui::Control* control = view->window().find(equate);
    return control ? qobject_cast<W*>(view->widgetFor(*control)) : nullptr;
  }
  // Types into an entry as a person would, leaving it with Tab.
  void typeInto(std::string_view equate, const QString& text) {
    QWidget* entry = widget(equate);
    ASSERT_NE(entry, nullptr) << equate;
    entry->setFocus(Qt::MouseFocusReason);
    pressKey(Qt::Key_A, Qt::ControlModifier);
    typeKeys(text);
    pressKey(Qt::Key_Tab);
  }
  void chooseType(const QString& type) {
    auto* list = widget<QComboBox>("?POD:DetailType");
    ASSERT_NE(list, nullptr);
    const int index = list->findText(type);
    ASSERT_GE(index, 0) << type.toStdString();
    list->setFocus(Qt::MouseFocusReason);
    list->setCurrentIndex(index);
    emit list->activated(index);
  }
  bool shows(std::string_view equate) {
    QWidget* w = widget(equate);
    return w && w->isVisible();
  }
  void run() {
    GlobalRequest = InsertRecord;
    updatePODetail_();
  }

  TempFolder folder_;
  QtFrontEnd frontEnd_;
  ui::FrontEnd* previous_ = nullptr;
  std::unique_ptr<HostSession> session_;
  std::unique_ptr<ProcedureCatalog> catalog_;
  std::function<void()> updatePODetail_;
};

TEST_F(LineFormTest, EachDetailTypeShowsItsOwnDistributionFields) {
  struct Shot {
    QString type;
    const char* name;
    const char* shown;
    const char* hidden;
  };
  const Shot shots[] = {{"Job", "job", "?POD:JobID", "?POD:Account"},
                        {"G/L Account", "gl-account", "?POD:Account", "?POD:JobID"},
                        {"Equipment", "equipment", "?POD:CostCategory", "?POD:CostCode"},
                        {"Inventory", "inventory", "?PurchaseUnit", "?POD:EquipmentID"}};
  GuiRobot robot;
  QStringList offered;
  std::vector<std::string> wrong;
  robot.inWindow(addingTitle, [&](QWidget&) {
    auto* list = widget<QComboBox>("?POD:DetailType");
    ASSERT_NE(list, nullptr);
    for (int i = 0; i < list->count(); ++i) offered << list->itemText(i);
  });
  for (const Shot& shot : shots) {
    robot.inWindow(addingTitle, [&, shot](QWidget&) {
      if (shot.type == "Inventory") typeInto("?POD:ItemID", QString::fromUtf8(demo::boxedItem.data()));
      chooseType(shot.type);
    });
    robot.inWindow(addingTitle, [&, shot](QWidget& form) {
      if (!shows(shot.shown)) wrong.push_back(std::string(shot.name) + " hides " + shot.shown);
      if (shows(shot.hidden)) wrong.push_back(std::string(shot.name) + " shows " + shot.hidden);
      frontEnd_.screenshots().save(form, "line-form", shot.name);
    });
  }
  robot.inWindow(addingTitle, [&](QWidget&) { pressKey(Qt::Key_Escape); });
  robot.start();
  run();
  ASSERT_EQ(robot.failure(), "");
  EXPECT_EQ(offered.join('|').toStdString(), "Job|G/L Account|Equipment|Inventory");
  EXPECT_TRUE(wrong.empty()) << wrong.front();
  EXPECT_EQ(GlobalResponse, RequestCancelled);
}

TEST_F(LineFormTest, CtrlClickOnTheDescriptionOffersTheTextCases) {
  GuiRobot robot;
  QStringList items;
  QString shown;
  robot.inWindow(addingTitle, [&](QWidget&) {
    typeInto("?POD:Description", "pvc pipe");
    QWidget* description = widget("?POD:Description");
    ASSERT_NE(description, nullptr);
    const QPointF at(5, 5);
    QMouseEvent click(QEvent::MouseButtonPress, at, description->mapToGlobal(at), Qt::LeftButton,
                      Qt::LeftButton, Qt::ControlModifier);
    QApplication::sendEvent(description, &click);
  });
  robot.step(
      "the text-case menu", [] { return qobject_cast<QMenu*>(QApplication::activePopupWidget()); },
      [&](QWidget& popup) {
        auto& menu = static_cast<QMenu&>(popup);
        for (QAction* action : menu.actions()) items << action->text().trimmed();
        menu.setActiveAction(menu.actions().last());
        QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
        QApplication::sendEvent(&menu, &enter);
      });
  robot.inWindow(addingTitle, [&](QWidget&) {
    shown = widget<QLineEdit>("?POD:Description")->text();
    pressKey(Qt::Key_Escape);
  });
  robot.start();
  run();
  ASSERT_EQ(robot.failure(), "");
  ASSERT_EQ(items.size(), 3);
  EXPECT_TRUE(items.last().endsWith("ALL CAPS")) << items.last().toStdString();
  EXPECT_EQ(shown.toStdString(), "PVC PIPE");
}

TEST_F(LineFormTest, AJobLineOverBudgetIsSavedWhenTheWarningIsAnsweredWithContinue) {
  JCCost.open();
  JCC.clear();
  JCC.JobID = demo::mainJob;
  JCC.CostCode = "06-100M";
  ASSERT_EQ(JCCost.fetch(JCCostRecord::KeyJobCodeType), TableStatus::Ok);
  JCC.CurrentBudget = *Amount::parse("1000.00");
  JCC.CostToDate = *Amount::parse("600.00");
  JCC.Committed = *Amount::parse("300.00");
  ASSERT_EQ(JCCost.update(), TableStatus::Ok);
  JCCost.close();

  GuiRobot robot;
  QString total;
  robot.inWindow(addingTitle, [&](QWidget& form) {
    typeInto("?POD:Description", "Sheathing 7/16 OSB");
    typeInto("?POD:JobID", "2401");
    typeInto("?POD:CostCode", "06-100M");
    typeInto("?POD:QtyOrdered", "1");
    typeInto("?POD:UnitPrice", "100.01");
    for (QPushButton* b : form.findChildren<QPushButton*>())
      if (b->text() == "OK") b->click();
  });
  robot.inWindow("Over Budget!", [&](QWidget& warning) {
    for (QLabel* label : warning.findChildren<QLabel*>())
      if (label->text().contains("1,000.01")) total = label->text();
    if (total.isEmpty())
      if (auto* shown = widget<QLineEdit>("?TotalCost")) total = shown->text();
    frontEnd_.screenshots().save(warning, "over-budget", "warning");
    for (QPushButton* b : warning.findChildren<QPushButton*>())
      if (b->text().remove('&') == "Continue") b->click();
  });
  robot.start();
  run();
  ASSERT_EQ(robot.failure(), "");
  EXPECT_NE(total.indexOf("1,000.01"), -1) << total.toStdString();
  ASSERT_EQ(GlobalResponse, RequestCompleted);

  PODetail.open();
  const Id detail = POD.DetailID;
  POD.clear();
  POD.DetailID = detail;
  ASSERT_EQ(PODetail.fetch(PODetailRecord::KeyDetailID), TableStatus::Ok);
  EXPECT_EQ(POD.Description.str(), "Sheathing 7/16 OSB");
  EXPECT_EQ(POD.TotalAmount, *Amount::parse("100.01"));
  EXPECT_EQ(POD.POID, POM.POID);
  PODetail.close();
}

}  // namespace
}  // namespace crv::test

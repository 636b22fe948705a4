// The desktop application end to end on the demo company, through real
// widgets: the main window's menus open the sibling lists, a list opens its
// form, the keyboard types into the form, OK writes the row after a
// message box was answered, and the stored row is checked. Every window and
// dialog the run meets is saved as a screenshot under the build folder.
#include "host/desktop/main_window.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTableView>
#include <QTextBrowser>
#include <QToolButton>
#include <sstream>

#include "host/app/demo_company.h"
#include "host/app/display.h"
#include "host/data/tables/payables_tables.h"
#include "host/data/tables/suite_tables.h"
#include "host/desktop/gui_robot.h"
#include "host/desktop/help_viewer.h"
#include "host/desktop/qt_front_end.h"
#include "host/desktop/window_view.h"
#include "host/framework/ui/front_end.h"
#include "support/temp_folder.h"
#include "tests/host/desktop/main_window_fixture.h"

namespace crv::test {
namespace {

using desktop::MainWindow;
using desktop::QtFrontEnd;

class MainWindowTest : public MainWindowFixture {};

TEST_F(MainWindowTest, ShowsTheCompanyAndOffersTheListsAndTheModulesProcedures) {
  EXPECT_EQ(window_->windowTitle().toStdString(), std::string(demo::companyName) + " - Purchase Orders");
  for (const char* symbol : {"BrowseAPVendor", "BrowseJCHeader", "BrowseINMaster", "BrowseEQHeader",
                             "BrowseGLMaster", "UpdateSystems", "RecalcCommitted", "CopyCompany"})
    EXPECT_NE(window_->actionFor(symbol), nullptr) << symbol;
  // Procedures the module does not export yet stay off the menus.
  EXPECT_EQ(window_->actionFor("NoSuchProcedure"), nullptr);
  frontEnd_.screenshots().save(*window_, "main", "window");
}

// Every tile shows its whole label, even in the smallest window the tiles
// allow.
TEST_F(MainWindowTest, TilesShowTheirWholeLabels) {
  window_->resize(window_->minimumSizeHint());
  QApplication::processEvents();
  const auto tiles = window_->centralWidget()->findChildren<QToolButton*>();
  ASSERT_FALSE(tiles.isEmpty());
  for (QToolButton* tile : tiles) {
    const int needed = tile->fontMetrics().horizontalAdvance(QString(tile->text()).remove('&'));
    EXPECT_GE(tile->width(), needed) << tile->text().toStdString();
  }
}

TEST_F(MainWindowTest, AddsAVendorFromTheVendorListWithTheKeyboard) {
  GuiRobot robot;
  int primedNumber = 0;
  bool focusBackOnNumber = false;
  std::string duplicateText;
  robot
      .inWindow("Vendors",
                [&](QWidget&) {
                  // Insert in the list opens the form to add a vendor.
                  auto* list = qobject_cast<QTableView*>(widgetOf(frontEnd_, "?Browse"));
                  ASSERT_NE(list, nullptr);
                  list->setFocus(Qt::MouseFocusReason);
                  pressKey(Qt::Key_Down);
                  pressKey(Qt::Key_Insert);
                })
      .inWindow("Adding a Vendor",
                [&](QWidget&) {
                  auto* number = qobject_cast<QLineEdit*>(widgetOf(frontEnd_, "?APV:VendorID"));
                  ASSERT_NE(number, nullptr);
                  primedNumber = number->text().toInt();
                  // The form opens on the number; typing replaces it.
                  ASSERT_EQ(GuiRobot::focus(), number);
                  pressKey(Qt::Key_A, Qt::ControlModifier);
                  typeKeys("101");
                  pressKey(Qt::Key_Tab);
                  typeKeys("Granite Ridge Supply");
                  pressKey(Qt::Key_Tab);
                  widgetOf(frontEnd_, "?APV:City")->setFocus(Qt::MouseFocusReason);
                  typeKeys("Portland");
                  pressKey(Qt::Key_Tab);
                  typeKeys("OR");
                  // Enter presses the default button, OK.
                  pressKey(Qt::Key_Return);
                })
      .inMessage("Duplicate Vendor",
                 [&](QMessageBox& box) {
                   duplicateText = box.text().toStdString();
                   pressKey(Qt::Key_Return);
                 })
      .inWindow("Adding a Vendor",
                [&](QWidget& form) {
                  focusBackOnNumber = GuiRobot::focus() == widgetOf(frontEnd_, "?APV:VendorID");
                  widgetOf(frontEnd_, "?APV:VendorID")->setFocus(Qt::MouseFocusReason);
                  pressKey(Qt::Key_A, Qt::ControlModifier);
                  typeKeys("140");
                  button(form, "OK")->click();
                })
      .inWindow("Vendors", [&](QWidget&) { pressKey(Qt::Key_Escape); });
  robot.start();
  ASSERT_TRUE(window_->run("BrowseAPVendor"));
  ASSERT_EQ(robot.failure(), "");
  ASSERT_TRUE(robot.finished());

  EXPECT_EQ(primedNumber, static_cast<int>(demo::firstVendor) + demo::vendorCount);
  EXPECT_NE(duplicateText.find("Vendor 101 already exists"), std::string::npos);
  EXPECT_NE(duplicateText.find("\nChoose another number."), std::string::npos);
  EXPECT_TRUE(focusBackOnNumber);

  APVendor.open();
  APV.VendorID = 140;
  ASSERT_EQ(APVendor.fetch(APVendorRecord::KeyVendorID), TableStatus::Ok);
  EXPECT_EQ(APV.VendorName.str(), "Granite Ridge Supply");
  EXPECT_EQ(APV.City.str(), "Portland");
  EXPECT_EQ(APV.State.str(), "OR");
  EXPECT_EQ(APV.Active, 1);
  APVendor.close();
}

TEST_F(MainWindowTest, CompanySettingsChangeTheTitle) {
  GuiRobot robot;
  robot.inWindow("Company Settings", [&](QWidget& form) {
    auto* name = qobject_cast<QLineEdit*>(widgetOf(frontEnd_, "?SYS:CompanyName"));
    ASSERT_NE(name, nullptr);
    EXPECT_EQ(name->text().toStdString(), demo::companyName);
    name->setFocus(Qt::MouseFocusReason);
    pressKey(Qt::Key_A, Qt::ControlModifier);
    typeKeys("Harbor Ridge Builders West");
    button(form, "OK")->click();
  });
  robot.start();
  ASSERT_TRUE(window_->run("UpdateSystems"));
  ASSERT_EQ(robot.failure(), "");
  EXPECT_EQ(window_->windowTitle().toStdString(), "Harbor Ridge Builders West - Purchase Orders");
}

TEST_F(MainWindowTest, F1OpensTheWindowsHelpPage) {
  GuiRobot robot;
  robot.inWindow("Vendors", [&](QWidget&) { pressKey(Qt::Key_F1); });
  robot.step(
      "the help viewer", [] { return GuiRobot::window("Purchase Orders Help"); },
      [&](QWidget& viewer) {
        frontEnd_.screenshots().save(viewer, "help", "vendors");
        viewer.close();
      });
  robot.inWindow("Vendors", [&](QWidget&) { pressKey(Qt::Key_Escape); });
  robot.start();
  ASSERT_TRUE(window_->run("BrowseAPVendor"));
  ASSERT_EQ(robot.failure(), "");
  ASSERT_NE(frontEnd_.helpViewer(), nullptr);
  EXPECT_EQ(frontEnd_.helpViewer()->currentPage().toStdString(), "AP_Vendors.htm");
}

TEST_F(MainWindowTest, RecalculatesCommittedCostsFromTheMenu) {
  GuiRobot robot;
  std::string completion;
  robot.inWindow("Recalculate Committed Costs", [&](QWidget& window) { button(window, "Proceed")->click(); })
      .inMessage("Process Complete", [&](QMessageBox& box) {
        completion = box.text().toStdString();
        box.defaultButton()->click();
      });
  robot.start();
  ASSERT_TRUE(window_->run("RecalcCommitted"));
  ASSERT_EQ(robot.failure(), "");
  EXPECT_EQ(completion.rfind("The recalculation process has been completed.", 0), 0u);
}

TEST_F(MainWindowTest, EverySiblingListOpensWithItsRowsAndClosesOnEscape) {
  for (const char* symbol : {"BrowseJCHeader", "BrowseINMaster", "BrowseEQHeader", "BrowseGLMaster"}) {
    GuiRobot robot;
    int rows = -1;
    robot.step(
        std::string("the list of ") + symbol, [this]() -> QWidget* { return frontEnd_.topView(); },
        [&](QWidget&) {
          auto* list = qobject_cast<QTableView*>(widgetOf(frontEnd_, "?Browse"));
          rows = list ? list->model()->rowCount() : -1;
          pressKey(Qt::Key_Escape);
        });
    robot.start();
    ASSERT_TRUE(window_->run(symbol)) << symbol;
    ASSERT_EQ(robot.failure(), "") << symbol;
    EXPECT_GT(rows, 0) << symbol;
    EXPECT_EQ(frontEnd_.topView(), nullptr) << symbol;
  }
}

TEST(DesktopApp, WithoutADisplaySaysHowToRunIt) {
  std::ostringstream text;
  explainNoDisplay(text);
  EXPECT_NE(text.str().find("QT_QPA_PLATFORM=offscreen"), std::string::npos);
  EXPECT_NE(text.str().find("xvfb-run"), std::string::npos);
  EXPECT_NE(text.str().find("crvhost --help"), std::string::npos);
}

}  // namespace
}  // namespace crv::test

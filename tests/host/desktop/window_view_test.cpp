// The renderer over every kind of control: what the widgets show follows
// the model, typed text reaches the procedure as typed and is read under the
// field's picture, keys do what a desktop user expects (F2 the calendar,
// Enter the default button, Escape closes), objections keep the person in
// the field, and hidden and disabled states follow the procedure.
#include "host/desktop/window_view.h"

#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QApplication>
#include <QCalendarWidget>
#include <QCheckBox>
#include <QComboBox>
#include <QCompleter>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>

#include "host/desktop/gui_robot.h"
#include "host/desktop/qt_front_end.h"
#include "host/framework/services/global_request.h"
#include "host/framework/services/message_box.h"
#include "host/framework/ui/type_ahead.h"
#include "host/framework/ui/window_manager.h"

namespace crv::test {
namespace {

using ui::Binding;
using ui::ButtonRole;
using ui::Control;
using ui::ControlKind;
using ui::Level;

// A window with one control of every kind, over values of its own.
class Sampler final : public ui::WindowManager {
 public:
  Sampler() : WindowManager("Sampler") {
    ui::Window& w = window();
    w.setTitle("Every Control");
    w.setHelp("html/index.htm");
    Control& date = w.addField("&Issued:", "?Date", Binding::local(date_, "LOC:Date"), "@d1b");
    w.addLookup(date, ButtonRole::Calendar);
    w.addField("&Amount:", "?Amount", Binding::local(amount_, "LOC:Amount"), "@n-14.2");
    w.addString("?Shown", "").bind(Binding::local(shown_, "LOC:Shown"));
    w.addCheck("?Taxable", "&Taxable", Binding::local(taxable_, "LOC:Taxable"));
    w.addPrompt("?Type:Prompt", "&Type:");
    w.addDropList("?Type", Binding::local(type_, "LOC:Type"), "Job|G/L Account|Equipment");
    Control& option = w.add(ControlKind::Option, "?Ship", "Ship To").bind(Binding::local(ship_, "LOC:Ship"));
    w.add(ControlKind::Radio, "?Ship:Job", "&Job").in(option);
    w.add(ControlKind::Radio, "?Ship:Vendor", "&Vendor").in(option);
    Control& sheet = w.add(ControlKind::Sheet, "?Sheet");
    Control& first = w.add(ControlKind::Tab, "?Sheet:Notes", "&Notes").in(sheet);
    Control& second = w.add(ControlKind::Tab, "?Sheet:More", "&More").in(sheet);
    sheet.choose(0);
    w.add(ControlKind::Text, "?Notes").bind(Binding::local(notes_, "LOC:Notes")).in(first);
    Control& group = w.add(ControlKind::Group, "?Group", "Progress").in(second);
    w.add(ControlKind::Progress, "?Progress").setProgress(40).in(group);
    w.add(ControlKind::Image, "?Logo").setIcon("orders").in(group);
    w.addButton("?Hide", "&Hide the Amount");
    w.addButton("?OK", "OK", ButtonRole::Ok).setDefault();
    w.addButton("?Cancel", "Cancel", ButtonRole::Cancel);
    useTypeAhead("Sampler", {"?Amount"});
    onAccepted("?Hide", [this] {
      window().hideField("?Amount");
      control("?Taxable").disable();
    });
    onAccepted("?Amount", [this] {
      if (acceptingAll()) return Level::Benign;
      shown_ = "Amount " + amount_.toString();
      if (amount_.isNegative()) {
        message("The amount cannot be negative.", "Invalid Amount", Icon::Exclamation);
        return Level::Notify;
      }
      return Level::Benign;
    });
  }

  Date date_;
  Amount amount_;
  std::string shown_;
  std::uint8_t taxable_ = 0;
  std::string type_ = "Job";
  std::string ship_ = "Job";
  std::string notes_;
};

class WindowViewTest : public ::testing::Test {
 protected:
  void SetUp() override {
    frontEnd_.screenshots().setFolder(CRV_SCREENSHOT_DIR);
    previous_ = ui::setFrontEnd(&frontEnd_);
  }
  void TearDown() override { ui::setFrontEnd(previous_); }

  template <class W = QWidget>
  W* widget(std::string_view equate) {
    desktop::WindowView* view = frontEnd_.topView();
    if (!view) return nullptr;
    Control* control = view->window().find(equate);
    return control ? qobject_cast<W*>(view->widgetFor(*control)) : nullptr;
  }

  desktop::QtFrontEnd frontEnd_;
  ui::FrontEnd* previous_ = nullptr;
};

TEST_F(WindowViewTest, TypedValuesAreReadUnderTheirPicturesAndShownBack) {
  Sampler sampler;
  GuiRobot robot;
  QString amountShown;
  robot.inWindow("Every Control", [&](QWidget&) {
    // The window opens on its first field.
    ASSERT_EQ(GuiRobot::focus(), widget("?Date"));
    typeKeys("7/4/24");
    pressKey(Qt::Key_Tab);
    typeKeys("1,234.5");
    pressKey(Qt::Key_Tab);
  });
  robot.inWindow("Every Control", [&](QWidget&) {
    amountShown = widget<QLineEdit>("?Amount")->text();
    widget<QCheckBox>("?Taxable")->click();
    widget<QComboBox>("?Type")->setFocus(Qt::MouseFocusReason);
    // A drop list chosen by the keyboard.
    pressKey(Qt::Key_Down);
    frontEnd_.topView()->findChildren<QRadioButton*>().at(1)->click();
  });
  robot.inWindow("Every Control", [&](QWidget&) { pressKey(Qt::Key_Return); });
  robot.start();
  EXPECT_EQ(sampler.run(), RequestCompleted);
  ASSERT_EQ(robot.failure(), "");
  EXPECT_EQ(sampler.date_, Date::compose(7, 4, 2024));
  EXPECT_EQ(sampler.amount_.toString(), "1234.50");
  EXPECT_EQ(amountShown.toStdString(), "1,234.50");
  EXPECT_EQ(sampler.shown_, "Amount 1234.50");
  EXPECT_EQ(sampler.taxable_, 1);
  EXPECT_EQ(sampler.type_, "G/L Account");
  EXPECT_EQ(sampler.ship_, "Vendor");
}

TEST_F(WindowViewTest, ARegisteredEntryOffersWhatWasTypedThereBefore) {
  ui::MemoryTypeAheadStore kept;
  ui::TypeAheadStore* previousStore = ui::typeAhead().setStore(&kept);
  const bool wasEnabled = ui::typeAhead().enabled();
  ui::typeAhead().setEnabled(true);
  ui::typeAhead().remember("Sampler", "Amount", "125.00");
  ui::typeAhead().remember("Sampler", "Amount", "990.00");
  ui::typeAhead().remember("Sampler", "Amount", "1,500.00");
  Sampler sampler;
  GuiRobot robot;
  QStringList offered;
  robot.inWindow("Every Control", [&](QWidget&) {
    widget("?Amount")->setFocus(Qt::MouseFocusReason);
    pressKey(Qt::Key_A, Qt::ControlModifier);
    typeKeys("1");
    QCompleter* completer = widget<QLineEdit>("?Amount")->completer();
    ASSERT_NE(completer, nullptr);
    for (int row = 0; completer->setCurrentRow(row); ++row) offered << completer->currentCompletion();
    completer->popup()->hide();
  });
  robot.inWindow("Every Control", [&](QWidget&) { pressKey(Qt::Key_Escape); });
  robot.start();
  sampler.run();
  ui::typeAhead().setEnabled(wasEnabled);
  ui::typeAhead().setStore(previousStore);
  ASSERT_EQ(robot.failure(), "");
  EXPECT_EQ(offered, (QStringList{"1,500.00", "125.00"}));
}

TEST_F(WindowViewTest, TextThatDoesNotFitBeepsAndKeepsThePersonInTheField) {
  Sampler sampler;
  GuiRobot robot;
  bool stayed = false;
  QString dateShown;
  robot.inWindow("Every Control", [&](QWidget&) {
    typeKeys("13/45/24");
    pressKey(Qt::Key_Tab);
  });
  robot.inWindow("Every Control", [&](QWidget&) {
    stayed = GuiRobot::focus() == widget("?Date");
    dateShown = widget<QLineEdit>("?Date")->text();
    pressKey(Qt::Key_Escape);
  });
  robot.start();
  EXPECT_EQ(sampler.run(), RequestCancelled);
  ASSERT_EQ(robot.failure(), "");
  EXPECT_TRUE(stayed);
  EXPECT_EQ(dateShown.toStdString(), "");
  EXPECT_TRUE(sampler.date_.isNone());
}

TEST_F(WindowViewTest, F2OpensTheCalendarAndTheChosenDayFillsTheField) {
  Sampler sampler;
  sampler.date_ = Date::compose(3, 10, 2025);
  GuiRobot robot;
  QDate offered;
  robot.inWindow("Every Control", [&](QWidget&) { pressKey(Qt::Key_F2); });
  robot.inWindow("Select a Date", [&](QWidget& dialog) {
    auto* calendar = dialog.findChild<QCalendarWidget*>();
    ASSERT_NE(calendar, nullptr);
    offered = calendar->selectedDate();
    calendar->setSelectedDate(QDate(2025, 3, 14));
    for (QPushButton* b : dialog.findChildren<QPushButton*>())
      if (b->text().remove('&') == "OK") b->click();
  });
  robot.inWindow("Every Control", [&](QWidget&) { pressKey(Qt::Key_Escape); });
  robot.start();
  sampler.run();
  ASSERT_EQ(robot.failure(), "");
  EXPECT_EQ(offered, QDate(2025, 3, 10));
  EXPECT_EQ(sampler.date_, Date::compose(3, 14, 2025));
}

TEST_F(WindowViewTest, AnObjectionShowsItsMessageAndTheFocusStaysOnTheField) {
  Sampler sampler;
  GuiRobot robot;
  std::string text;
  bool backOnAmount = false;
  robot.inWindow("Every Control", [&](QWidget&) {
    widget("?Amount")->setFocus(Qt::MouseFocusReason);
    pressKey(Qt::Key_A, Qt::ControlModifier);
    typeKeys("-5");
    // Clicking into another field reports the amount first.
    widget("?Date")->setFocus(Qt::MouseFocusReason);
  });
  robot.inMessage("Invalid Amount", [&](QMessageBox& box) {
    text = box.text().toStdString();
    EXPECT_EQ(box.icon(), QMessageBox::Warning);
    box.defaultButton()->click();
  });
  robot.inWindow("Every Control", [&](QWidget&) {
    backOnAmount = GuiRobot::focus() == widget("?Amount");
    pressKey(Qt::Key_Escape);
  });
  robot.start();
  sampler.run();
  ASSERT_EQ(robot.failure(), "");
  EXPECT_EQ(text, "The amount cannot be negative.");
  EXPECT_TRUE(backOnAmount);
}

TEST_F(WindowViewTest, HiddenAndDisabledStatesFollowTheProcedure) {
  Sampler sampler;
  GuiRobot robot;
  bool shownBefore = false, hiddenAfter = false, promptHidden = false, disabledAfter = false;
  int progress = 0;
  int tabs = 0;
  robot.inWindow("Every Control", [&](QWidget& window) {
    shownBefore = widget("?Amount")->isVisible();
    progress = window.findChild<QProgressBar*>()->value();
    tabs = window.findChild<QTabWidget*>()->count();
    for (QPushButton* b : window.findChildren<QPushButton*>())
      if (b->text() == "&Hide the Amount") b->click();
  });
  robot.inWindow("Every Control", [&](QWidget& window) {
    hiddenAfter = !widget("?Amount")->isVisible();
    for (QLabel* l : window.findChildren<QLabel*>())
      if (l->text() == "&Amount:") promptHidden = !l->isVisible();
    disabledAfter = !widget("?Taxable")->isEnabled();
    pressKey(Qt::Key_Escape);
  });
  robot.start();
  sampler.run();
  ASSERT_EQ(robot.failure(), "");
  EXPECT_TRUE(shownBefore);
  EXPECT_TRUE(hiddenAfter);
  EXPECT_TRUE(promptHidden);
  EXPECT_TRUE(disabledAfter);
  EXPECT_EQ(progress, 40);
  EXPECT_EQ(tabs, 2);
}

TEST_F(WindowViewTest, MessageBoxesKeepTheirButtonsOrderAndDefault) {
  GuiRobot robot;
  QStringList captions;
  QString defaultCaption;
  robot.inMessage("Confirm Delete", [&](QMessageBox& box) {
    for (QAbstractButton* b : box.buttons()) captions << b->text();
    defaultCaption = box.defaultButton()->text();
    box.defaultButton()->click();
  });
  robot.start();
  const int answer = message("Are you sure you want to delete this record?", "Confirm Delete", Icon::Question,
                             "&Yes|&No", 2);
  ASSERT_EQ(robot.failure(), "");
  EXPECT_EQ(answer, 2);
  EXPECT_TRUE(captions.contains("&Yes") && captions.contains("&No"));
  EXPECT_EQ(defaultCaption, "&No");
}

}  // namespace
}  // namespace crv::test

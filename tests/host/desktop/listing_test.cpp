// The purchase-order listing, its formats and the printing limits on the
// desktop, through real widgets on the demo company: the Reports menu
// offers them; a format is printed in each of its three formats with "Save
// and Print" (the first page of each kept with the screenshots); a job list
// is opened; the listing is printed from "Purchase Order Listing..."; the
// printing limits open and close.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QGroupBox>
#include <QRadioButton>
#include <QTabBar>
#include <QTabWidget>
#include <filesystem>

#include "host/app/demo_company.h"
#include "host/data/shared_values.h"
#include "host/desktop/gui_robot.h"
#include "host/desktop/window_view.h"
#include "tests/host/desktop/main_window_fixture.h"

namespace crv::test {
namespace {

const std::filesystem::path screenshots(CRV_SCREENSHOT_DIR);

// The radio of that caption, inside the group box titled `group` when given.
void clickRadio(QWidget& window, const QString& text, const QString& group = {}) {
  QWidget* in = &window;
  if (!group.isEmpty())
    for (QGroupBox* box : window.findChildren<QGroupBox*>())
      if (box->title() == group) in = box;
  for (QRadioButton* radio : in->findChildren<QRadioButton*>())
    if (QString(radio->text()).remove('&') == text) {
      radio->click();
      return;
    }
  ADD_FAILURE() << "no radio " << text.toStdString();
}

void showTab(QWidget& window, const QString& text) {
  for (QTabWidget* tabs : window.findChildren<QTabWidget*>())
    for (int i = 0; i < tabs->count(); ++i)
      if (QString(tabs->tabText(i)).remove('&') == text) {
        tabs->tabBar()->setCurrentIndex(i);
        return;
      }
  ADD_FAILURE() << "no tab " << text.toStdString();
}

class ListingDesktopTest : public MainWindowFixture {
 protected:
  void TearDown() override {
    GLO.PrintPreview = 0;  // as the other desktop tests expect it
    MainWindowFixture::TearDown();
  }

  // Keeps the previewer's first page as `name` and closes the previewer.
  void keepFirstPage(GuiRobot& robot, const std::string& name) {
    robot.inWindow("Purchase Order Listing", [this, name](QWidget& previewer) {
      desktop::WindowView* view = frontEnd_.topView();
      ASSERT_NE(view, nullptr);
      ASSERT_NE(view->window().find("?Page"), nullptr) << "the previewer is up";
      std::filesystem::create_directories(screenshots);
      std::filesystem::copy_file(view->window().find("?Page")->text(), screenshots / name,
                                 std::filesystem::copy_options::overwrite_existing);
      pages_.push_back(name);
      button(previewer, "Close")->click();
    });
  }

  std::vector<std::string> pages_;
};

TEST_F(ListingDesktopTest, TheReportsMenuOffersTheListingItsFormatsAndThePrintingLimits) {
  const std::pair<const char*, const char*> entries[] = {{"LimitPrintPOs", "Print Purchase &Orders"},
                                                         {"PrintListing", "Purchase Order &Listing..."},
                                                         {"BrowsePOListLimits", "Listing &Formats"}};
  for (const auto& [symbol, caption] : entries) {
    ASSERT_NE(window_->actionFor(symbol), nullptr) << symbol;
    EXPECT_EQ(window_->actionFor(symbol)->text().toStdString(), caption);
  }
}

TEST_F(ListingDesktopTest, AFormatPrintsInEachOfItsFormats) {
  GLO.PrintPreview = 1;  // the person previews reports
  const std::string form = "Changing a Purchase Order Listing  (Open orders by PO number)";
  GuiRobot robot(std::chrono::seconds(60));
  robot.inWindow("Purchase Order Listing", [this](QWidget& list) {
    QWidget* locator = widgetOf(frontEnd_, "?Locator");
    ASSERT_NE(locator, nullptr);
    locator->setFocus(Qt::MouseFocusReason);
    typeKeys("Open");
    button(list, "Change")->click();
  });
  for (const auto& [format, file] : {std::pair{"Summary", "listing-summary.png"},
                                     std::pair{"Omit Line Items", "listing-omit-line-items.png"},
                                     std::pair{"Detailed", "listing-detailed.png"}}) {
    robot.inWindow(form, [format](QWidget& window) {
      clickRadio(window, format);
      button(window, "Save and Print")->click();
    });
    keepFirstPage(robot, file);
  }
  robot.inWindow(form, [](QWidget& window) {
    showTab(window, "Jobs and Equipment");
    clickRadio(window, "List", "Jobs");
  });
  // Taken once the form has taken the choice of List, its list button enabled.
  robot.inWindow(form, [](QWidget& window) {
    window.grab().save(QString::fromStdString((screenshots / "listing-form-jobs.png").string()));
    showTab(window, "Orders and Vendors");
    window.grab().save(QString::fromStdString((screenshots / "listing-form-orders.png").string()));
    showTab(window, "Jobs and Equipment");
  });
  robot.inWindow(form, [](QWidget& window) { button(window, "Edit Job List")->click(); });
  robot.inWindow("Job List", [](QWidget& list) { button(list, "Close")->click(); });
  robot.inWindow(form, [](QWidget& window) { button(window, "Cancel")->click(); });
  robot.inWindow("Purchase Order Listing", [](QWidget& list) { button(list, "Close")->click(); });
  robot.start();
  ASSERT_TRUE(window_->run("BrowsePOListLimits"));
  ASSERT_EQ(robot.failure(), "");
  ASSERT_TRUE(robot.finished());
  EXPECT_EQ(pages_.size(), 3u);
  for (const std::string& page : pages_) EXPECT_GT(std::filesystem::file_size(screenshots / page), 0u);
}

TEST_F(ListingDesktopTest, TheListingPrintsFromTheReportsMenuAndTheLimitsOpen) {
  GuiRobot robot;
  robot.inWindow("Print Purchase Order Listing", [](QWidget& window) { button(window, "Print")->click(); });
  keepFirstPage(robot, "listing-from-menu.png");
  robot.start();
  ASSERT_TRUE(window_->run("PrintListing"));
  ASSERT_EQ(robot.failure(), "");
  ASSERT_TRUE(robot.finished());

  GuiRobot limits;
  limits.inWindow("Purchase Order Printing Limits",
                  [](QWidget& window) { button(window, "Cancel")->click(); });
  limits.start();
  ASSERT_TRUE(window_->run("LimitPrintPOs"));
  ASSERT_EQ(limits.failure(), "");
  ASSERT_TRUE(limits.finished());
}

}  // namespace
}  // namespace crv::test

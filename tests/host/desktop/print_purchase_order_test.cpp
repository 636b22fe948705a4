// Printing one purchase order from the desktop's Reports menu on the demo
// company, through real widgets: the number is typed, OK runs the print
// with the previewer, whose "Generate PDF File" saves the order where the
// save dialog says and whose "Email PO (pdf)" writes the message to the
// company's outbox. An unknown number is refused with a message and the
// window stays. Pictures of the previewer and of the order's first page
// are kept with the other screenshots.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <fstream>
#include <iterator>
#include <memory>

#include "host/app/demo_company.h"
#include "host/data/shared_values.h"
#include "host/desktop/gui_robot.h"
#include "host/desktop/main_window.h"
#include "host/desktop/qt_front_end.h"
#include "host/desktop/window_view.h"
#include "host/framework/ui/front_end.h"
#include "support/pdf_text.h"
#include "support/temp_folder.h"
#include "tests/host/desktop/main_window_fixture.h"

namespace crv::test {
namespace {

using desktop::MainWindow;
using desktop::QtFrontEnd;

constexpr const char* menuSymbol = "PrintPurchaseOrder";

class PrintPurchaseOrderTest : public MainWindowFixture {
 protected:
  // Types the number into the window and presses OK.
  void askFor(GuiRobot& robot, std::string_view number) {
    robot.inWindow("Print a Purchase Order", [this, number](QWidget& window) {
      auto* entry = qobject_cast<QLineEdit*>(widgetOf(frontEnd_, "?PONumber"));
      ASSERT_NE(entry, nullptr);
      entry->setFocus(Qt::MouseFocusReason);
      pressKey(Qt::Key_A, Qt::ControlModifier);
      typeKeys(QString::fromUtf8(number.data(), static_cast<int>(number.size())));
      button(window, "OK")->click();
    });
  }

  TempFolder out_;
};

TEST_F(PrintPurchaseOrderTest, PreviewsTheOrderAndSavesItAsAPdfWhereTheDialogSays) {
  ASSERT_NE(window_->actionFor(menuSymbol), nullptr);
  EXPECT_EQ(window_->actionFor(menuSymbol)->text().toStdString(), "Print a Purchase &Order...");

  const std::filesystem::path screenshots(CRV_SCREENSHOT_DIR);
  const std::filesystem::path pdf = out_ / "order.pdf";
  std::string pageNumber;
  std::string refused;
  GuiRobot robot;
  askFor(robot, "9999");
  robot.inMessage("Purchase Order Not Found", [&](QMessageBox& box) {
    refused = box.text().toStdString();
    box.defaultButton()->click();
  });
  askFor(robot, demo::openJobOrder);
  robot.inWindow("Print Preview", [&](QWidget& previewer) {
    desktop::WindowView* view = frontEnd_.topView();
    ASSERT_NE(view, nullptr);
    pageNumber = view->window().find("?PageNo")->text();
    std::filesystem::create_directories(screenshots);
    previewer.grab().save(QString::fromStdString((screenshots / "previewer.png").string()));
    const std::filesystem::path page(view->window().find("?Page")->text());
    std::filesystem::copy_file(page, screenshots / "po-first-page.png",
                               std::filesystem::copy_options::overwrite_existing);
    button(previewer, "Generate PDF File")->click();
  });
  robot.step(
      "the save dialog",
      [] { return qobject_cast<QFileDialog*>(GuiRobot::window("PDF File Name and Location")); },
      [&](QWidget& dialog) {
        auto& files = static_cast<QFileDialog&>(dialog);
        // Types the path into the file name box and presses Enter, as a person would.
        auto* name = files.findChild<QLineEdit*>("fileNameEdit");
        ASSERT_NE(name, nullptr);
        name->setFocus(Qt::MouseFocusReason);
        name->setText(QString::fromStdString(pdf.string()));
        pressKey(Qt::Key_Return);
      });
  robot.inMessage("View PDF?", [](QMessageBox& box) { button(box, "No")->click(); });
  // A person who last chose to print directly still gets the previewer from this window.
  GLO.PrintPreview = 0;
  robot.start();
  ASSERT_TRUE(window_->run(menuSymbol));
  ASSERT_EQ(robot.failure(), "");
  ASSERT_TRUE(robot.finished());

  EXPECT_EQ(refused, "There is no purchase order numbered 9999.");
  EXPECT_EQ(pageNumber.rfind("Page 1 of ", 0), 0u) << pageNumber;
  EXPECT_TRUE(std::filesystem::exists(screenshots / "previewer.png"));
  EXPECT_GT(std::filesystem::file_size(screenshots / "po-first-page.png"), 0u);
  ASSERT_TRUE(std::filesystem::exists(pdf));
  if (!havePdftotext()) GTEST_SKIP() << "pdftotext not installed";
  const std::string text = pdfText(pdf);
  EXPECT_NE(text.find(std::string("NUMBER: ") + std::string(demo::openJobOrder)), std::string::npos) << text;
  EXPECT_NE(text.find("Columbia Lumber Supply"), std::string::npos) << text;
  // The person's preview setting is left as it was.
  EXPECT_EQ(GLO.PrintPreview, 0);
}

TEST_F(PrintPurchaseOrderTest, EmailsTheOrderToTheOutboxFromThePreviewer) {
  GuiRobot robot;
  askFor(robot, demo::unprintedOrder);
  robot.inWindow("Print Preview", [&](QWidget& previewer) { button(previewer, "Email PO (pdf)")->click(); });
  robot.start();
  ASSERT_TRUE(window_->run(menuSymbol));
  ASSERT_EQ(robot.failure(), "");
  ASSERT_TRUE(robot.finished());

  const std::filesystem::path outbox = folder_ / "Outbox";
  ASSERT_TRUE(std::filesystem::exists(outbox));
  std::string message;
  for (const auto& entry : std::filesystem::directory_iterator(outbox)) {
    if (entry.path().extension() != ".eml") continue;
    std::ifstream in(entry.path());
    message.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  }
  EXPECT_NE(message.find("parts@heavyiron.example"), std::string::npos) << message;
  EXPECT_NE(message.find("Purchase Order from"), std::string::npos) << message;
}

TEST_F(PrintPurchaseOrderTest, CancelPrintsNothing) {
  GuiRobot robot;
  robot.inWindow("Print a Purchase Order", [](QWidget& window) { button(window, "Cancel")->click(); });
  robot.start();
  ASSERT_TRUE(window_->run(menuSymbol));
  ASSERT_EQ(robot.failure(), "");
  EXPECT_EQ(GuiRobot::window("Print Preview"), nullptr);
}

}  // namespace
}  // namespace crv::test

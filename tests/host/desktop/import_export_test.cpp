// Importing and exporting from the desktop's Purchasing menu on the demo
// company, through real widgets: the import window reads a file chosen
// after "Select New Filename", shows the error review and the orders read,
// offers the source form, and imports; the export window writes all orders
// without a list that tags them and says it is done. Pictures of the
// import window with its preview, the error review, the source form and the
// export window are kept with the other screenshots.
#include <gtest/gtest.h>

#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTableView>
#include <fstream>

#include "host/data/tables/purchasing_tables.h"
#include "host/desktop/gui_robot.h"
#include "tests/host/desktop/main_window_fixture.h"

namespace crv::test {
namespace {

class ImportExportTest : public MainWindowFixture {
 protected:
  // Answers an open or save dialog with a file, as a person would type it.
  void chooseFile(GuiRobot& robot, const std::string& title, const std::filesystem::path& file) {
    robot.step(
        "the file dialog \"" + title + "\"",
        [title] { return qobject_cast<QFileDialog*>(GuiRobot::window(title)); },
        [file](QWidget& dialog) {
          auto* name = dialog.findChild<QLineEdit*>("fileNameEdit");
          ASSERT_NE(name, nullptr);
          name->setFocus(Qt::MouseFocusReason);
          name->setText(QString::fromStdString(file.string()));
          pressKey(Qt::Key_Return);
        });
  }
  TempFolder files_;
};

TEST_F(ImportExportTest, ImportsAFileAfterReviewingItsErrors) {
  const auto file = files_.path() / "orders.csv";
  std::ofstream(file) << "H,103,\"Pat Lee\", 7/ 4/2024,\"W-1\", 7/ 4/2024,,,,20,8.5,1.7,21.7,\"North gate\"\n"
                         "D,0,\"\",\"\",\"Bolts\",10,2,\"EA\",20,\"G/L Account\",\"6100-00\"\n"
                         "D,0,\"\",\"\",\"Nuts\",1,1,\"EA\",1,\"G/L Account\",\"0000-99\"\n"
                         "H,110,\"Pat Lee\", 7/ 5/2024,\"W-2\", 7/ 5/2024,,,,8.25,0,0,8.25\n"
                         "D,0,\"\",\"SCR-DECK-3\",\"Deck screws\",1,8.25,\"BOX\",8.25,\"Inventory\",\"\"\n";
  GuiRobot robot;
  int previewRows = -1;
  robot.inWindow("Import Purchase Orders", [](QWidget& window) { button(window, "Preview")->click(); })
      .inMessage("Select New Filename", [](QMessageBox& box) { button(box, "Yes")->click(); });
  chooseFile(robot, "Select An Import File", file);
  robot
      .inWindow("Errors Were Encountered",
                [this](QWidget& review) {
                  frontEnd_.screenshots().save(review, "import", "errors");
                  button(review, "Proceed")->click();
                })
      .inWindow("Import Purchase Orders",
                [&](QWidget& window) {
                  auto* list = qobject_cast<QTableView*>(widgetOf(frontEnd_, "?Preview"));
                  if (list) previewRows = list->model()->rowCount();
                  frontEnd_.screenshots().save(window, "import", "preview");
                  button(window, "Add")->click();
                })
      .inWindow("Adding a Purchase Order Import Source  (New)",
                [this](QWidget& form) {
                  frontEnd_.screenshots().save(form, "import", "source-form");
                  pressKey(Qt::Key_Escape);
                })
      .inWindow("Import Purchase Orders", [](QWidget& window) { button(window, "Import")->click(); });
  robot.start();
  ASSERT_TRUE(window_->run("ImportPOMaster"));
  ASSERT_EQ(robot.failure(), "");
  EXPECT_EQ(previewRows, 2);

  POMaster.open();
  POM.clear();
  POM.PONumber = "W-2";
  EXPECT_EQ(POMaster.fetch(POMasterRecord::KeyPONumber), TableStatus::Ok);
  POMaster.close();
}

TEST_F(ImportExportTest, ExportsAllOrdersWhenNoneIsTagged) {
  const auto file = files_.path() / "all.txt";
  GuiRobot robot;
  std::string notice;
  robot.inWindow("Purchase Order Export", [this, file](QWidget& window) {
    frontEnd_.screenshots().save(window, "export", "window");
    auto* name = qobject_cast<QLineEdit*>(widgetOf(frontEnd_, "?FileName"));
    ASSERT_NE(name, nullptr);
    name->setFocus(Qt::MouseFocusReason);
    typeKeys(QString::fromStdString(file.string()));
    pressKey(Qt::Key_Tab);
    button(window, "Preview the text file before closing")->click();
    button(window, "Proceed")->click();
  });
  robot.inMessage("Reconciled POs Exported As Open", [&](QMessageBox& box) {
    notice = box.text().toStdString();
    box.defaultButton()->click();
  });
  robot.inMessage("", [](QMessageBox& box) { box.defaultButton()->click(); });
  robot.start();
  ASSERT_TRUE(window_->run("ExportPO"));
  ASSERT_EQ(robot.failure(), "");
  EXPECT_NE(notice.find("found 2 purchase orders"), std::string::npos) << notice;
  EXPECT_TRUE(std::filesystem::exists(file));
}

}  // namespace
}  // namespace crv::test

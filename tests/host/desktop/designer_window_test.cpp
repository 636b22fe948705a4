// The report designer on the desktop, through real widgets on the demo
// company: Setup > Design Purchase Order Form opens the designer on the
// sample form (pictures of it are kept with the screenshots), a field
// dropped on a band is saved into the form, and a second designer does not
// open while one is. Then Company Settings switches the company to its
// designer form and an order prints on it through the previewer.
#include <dlfcn.h>
#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QDropEvent>
#include <QGraphicsScene>
#include <QGraphicsSimpleTextItem>
#include <QGraphicsView>
#include <QLineEdit>
#include <QMimeData>
#include <QToolBar>
#include <fstream>
#include <iterator>

#include "host/app/module_library.h"
#include "host/desktop/gui_robot.h"
#include "host/framework/report/report_runtime.h"
#include "tests/host/desktop/main_window_fixture.h"

namespace crv::test {
namespace {

QWidget* openDesigner() {
  for (QWidget* w : QApplication::topLevelWidgets())
    if (w->isVisible() && w->objectName() == "ReportDesigner") return w;
  return nullptr;
}

int openDesigners() {
  int count = 0;
  for (QWidget* w : QApplication::topLevelWidgets())
    if (w->isVisible() && w->objectName() == "ReportDesigner") ++count;
  return count;
}

QAction* toolAction(QWidget& window, const QString& text) {
  for (QAction* action : window.findChild<QToolBar*>()->actions())
    if (action->text() == text) return action;
  return nullptr;
}

// Drags a dictionary field onto the designer's page, below the caption of
// the band whose caption starts with `band`.
void dropField(QWidget& designer, const QString& field, const QString& band) {
  auto* view = designer.findChild<QGraphicsView*>();
  ASSERT_NE(view, nullptr);
  QPointF target;
  for (QGraphicsItem* item : view->scene()->items())
    if (auto* caption = dynamic_cast<QGraphicsSimpleTextItem*>(item);
        caption && caption->text().startsWith(band))
      target = caption->sceneBoundingRect().bottomLeft() + QPointF(300, 40);
  ASSERT_FALSE(target.isNull());
  view->ensureVisible(QRectF(target, QSizeF(10, 10)));
  const QPoint at = view->mapFromScene(target);
  QMimeData data;
  data.setData("application/x-crv-report-field", field.toUtf8() + "\t@s60");
  QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(view->viewport(), &enter);
  QDragMoveEvent move(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(view->viewport(), &move);
  QDropEvent drop(QPointF(at), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(view->viewport(), &drop);
  EXPECT_TRUE(drop.isAccepted());
}

std::string fileText(const std::filesystem::path& file) {
  std::ifstream in(file);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

using DesignerWindowTest = MainWindowFixture;

TEST_F(DesignerWindowTest, DrawsOnTheSampleFormSavesItAndOpensOnlyOnce) {
  ASSERT_NE(window_->actionFor("DesignPurchaseOrderForm"), nullptr);
  const std::filesystem::path screenshots(CRV_SCREENSHOT_DIR);
  std::filesystem::create_directories(screenshots);
  int designersWhileOpen = 0;
  GuiRobot robot;
  robot.step("the designer", openDesigner, [&](QWidget& designer) {
    EXPECT_TRUE(designer.windowTitle().startsWith("Report Designer - Purchase Order"))
        << designer.windowTitle().toStdString();
    // The menus refuse a second procedure while one runs; the module's
    // guard keeps any other caller from opening a second designer.
    void* module = dlopen((ModuleLibrary::programFolder() / "libCRVPO.so").c_str(), RTLD_NOW | RTLD_NOLOAD);
    ASSERT_NE(module, nullptr);
    reinterpret_cast<void (*)()>(dlsym(module, "DesignPurchaseOrderForm"))();
    dlclose(module);
    designersWhileOpen = openDesigners();
    designer.grab().save(QString::fromStdString((screenshots / "designer-sample-form.png").string()));
    dropField(designer, "APV:Email", "PageHeader");
    EXPECT_TRUE(designer.windowTitle().endsWith(" *"));
    // the dropped field selected and its properties shown
    designer.grab().save(QString::fromStdString((screenshots / "designer-field-dropped.png").string()));
    toolAction(designer, "&Save")->trigger();
    EXPECT_FALSE(designer.windowTitle().endsWith(" *"));
    designer.close();
  });
  robot.start();
  ASSERT_TRUE(window_->run("DesignPurchaseOrderForm"));
  ASSERT_EQ(robot.failure(), "");
  EXPECT_EQ(designersWhileOpen, 1);
  EXPECT_EQ(FRB.DesktopThread, 0u);
  const std::string saved = fileText(folder_.path() / demo::sampleDesignerForm);
  EXPECT_NE(saved.find("field x="), std::string::npos);
  EXPECT_NE(saved.find("name=\"APV:Email\" picture=\"@s60\""), std::string::npos) << saved;
}

TEST_F(DesignerWindowTest, CompanySwitchesToItsDesignerFormAndPrintsOnIt) {
  const std::filesystem::path screenshots(CRV_SCREENSHOT_DIR);
  std::filesystem::create_directories(screenshots);
  std::string pageNumber;
  GuiRobot robot;
  robot.inWindow("Company Settings", [this](QWidget& settings) {
    auto* form = qobject_cast<QComboBox*>(widgetOf(frontEnd_, "?SYS:POFormType"));
    ASSERT_NE(form, nullptr);
    const int index = form->findText("The company's designer form");
    ASSERT_GE(index, 0);
    form->setFocus(Qt::MouseFocusReason);
    form->setCurrentIndex(index);
    Q_EMIT form->activated(index);
    settings.grab().save(QString::fromStdString(
        (std::filesystem::path(CRV_SCREENSHOT_DIR) / "company-settings-designer-form.png").string()));
    button(settings, "OK")->click();
  });
  robot.start();
  ASSERT_TRUE(window_->run("UpdateSystems"));
  ASSERT_EQ(robot.failure(), "");

  GuiRobot printing;
  printing.inWindow("Print a Purchase Order", [this](QWidget& window) {
    auto* entry = qobject_cast<QLineEdit*>(widgetOf(frontEnd_, "?PONumber"));
    ASSERT_NE(entry, nullptr);
    entry->setFocus(Qt::MouseFocusReason);
    typeKeys(QString::fromUtf8(demo::openJobOrder.data(), static_cast<int>(demo::openJobOrder.size())));
    button(window, "OK")->click();
  });
  printing.inWindow("Print Preview", [&](QWidget& previewer) {
    pageNumber = frontEnd_.topView()->window().find("?PageNo")->text();
    previewer.grab().save(QString::fromStdString((screenshots / "designer-form-preview.png").string()));
    button(previewer, "Close")->click();
  });
  printing.start();
  ASSERT_TRUE(window_->run("PrintPurchaseOrder"));
  ASSERT_EQ(printing.failure(), "");
  EXPECT_EQ(pageNumber, "Page 1 of 1");
}

}  // namespace
}  // namespace crv::test

// Starting the desktop application.
#include "host/desktop/desktop_app.h"

#include <QApplication>
#include <QMessageBox>
#include <QStyleFactory>
#include <cstdlib>
#include <iostream>
#include <string_view>

#include "host/desktop/icon_library.h"
#include "host/desktop/main_window.h"
#include "host/desktop/qt_front_end.h"
#include "host/framework/ui/front_end.h"

namespace crv::desktop {
namespace {

bool set(const char* name) {
  const char* value = std::getenv(name);
  return value && *value;
}

}  // namespace

bool hasDisplay() { return set("QT_QPA_PLATFORM") || set("DISPLAY") || set("WAYLAND_DISPLAY"); }

void explainNoDisplay(std::ostream& out) {
  out << "crvhost: there is no display to open the purchase-order application on.\n"
         "\n"
         "Run it on a desktop, or without one:\n"
         "  QT_QPA_PLATFORM=offscreen crvhost   windows drawn off screen (for automated runs)\n"
         "  xvfb-run -a crvhost                 under a virtual X display\n"
         "\n"
         "The command line needs no display: `crvhost --help` lists its commands\n"
         "(show a company, create the demo company, recalculate, run a script, ...).\n";
}

int runDesktop(const std::filesystem::path& folder, int argc, char** argv) {
  if (!hasDisplay()) {
    explainNoDisplay(std::cerr);
    return 2;
  }
  QApplication app(argc, argv);
  QApplication::setApplicationName("Purchase Orders");
  QApplication::setOrganizationName("crvpo");
  QApplication::setWindowIcon(applicationIcon());
  // Off screen there is no desktop theme; Fusion looks the same everywhere.
  if (QApplication::platformName() == "offscreen" || QApplication::platformName() == "minimal")
    QApplication::setStyle(QStyleFactory::create("Fusion"));

  QtFrontEnd frontEnd;
  ui::FrontEnd* previous = ui::setFrontEnd(&frontEnd);
  int code = 0;
  try {
    MainWindow window(frontEnd, folder);
    window.show();
    if (frontEnd.screenshots().enabled()) frontEnd.screenshots().saveSoon(window, "main", "window");
    code = QApplication::exec();
  } catch (const std::exception& error) {
    QMessageBox::critical(nullptr, "Purchase Orders", QString::fromUtf8(error.what()));
    code = 1;
  }
  ui::setFrontEnd(previous);
  return code;
}

}  // namespace crv::desktop

// Starting the desktop application.
#include "host/desktop/desktop_app.h"

#include <QApplication>
#include <QMessageBox>
#include <QStyleFactory>
#include <QTimer>
#include <cstdint>
#include <cstdlib>
#include <ctime>
#include <iostream>
#include <memory>

#include "host/app/display.h"
#include "host/desktop/icon_library.h"
#include "host/desktop/main_window.h"
#include "host/desktop/qt_front_end.h"
#include "host/framework/ui/front_end.h"

namespace crv::desktop {
namespace {

// Prints how long the start took and quits once the main window has been
// painted for the first time.
class QuitWhenShown final : public QObject {
 public:
  explicit QuitWhenShown(std::int64_t startedAt) : startedAt_(startedAt) {}

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint && !done_) {
      done_ = true;
      timespec now{};
      ::clock_gettime(CLOCK_MONOTONIC, &now);
      const std::int64_t elapsed = now.tv_sec * 1'000'000'000LL + now.tv_nsec - startedAt_;
      std::cout << "main window shown after " << elapsed / 1'000'000.0 << " ms" << std::endl;
      QTimer::singleShot(0, qApp, &QCoreApplication::quit);
    }
    return QObject::eventFilter(watched, event);
  }

 private:
  std::int64_t startedAt_;
  bool done_ = false;
};

std::unique_ptr<QuitWhenShown> quitWhenShown() {
  const char* value = std::getenv("CRV_QUIT_WHEN_SHOWN");
  if (!value || !*value) return nullptr;
  return std::make_unique<QuitWhenShown>(std::strtoll(value, nullptr, 10));
}

}  // namespace

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
    const std::unique_ptr<QuitWhenShown> timing = quitWhenShown();
    if (timing) window.installEventFilter(timing.get());
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

int crvRunDesktop(const char* folder, int argc, char** argv) {
  return crv::desktop::runDesktop(folder, argc, argv);
}

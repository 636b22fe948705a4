// The desktop tests' entry: one application object for every test, on Qt's
// offscreen platform unless another is named, with the tests' own settings
// (remembered column widths) kept out of the user's.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QSettings>
#include <QStyleFactory>
#include <cstdlib>

int main(int argc, char** argv) {
  if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  setenv("ASAN_OPTIONS", "detect_leaks=0", 0);
  QApplication app(argc, argv);
  QApplication::setStyle(QStyleFactory::create("Fusion"));
  QApplication::setOrganizationName("crvpo-tests");
  QApplication::setApplicationName("Purchase Orders");
  QSettings::setDefaultFormat(QSettings::IniFormat);
  QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, QDir::tempPath() + "/crvpo-desktop-tests");
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}

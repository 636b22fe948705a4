// A desktop test's starting point: the main window open on a fresh demo
// company with the Qt front end installed, and the small lookups a test
// needs to reach the widgets of the window that is up.
#pragma once

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QWidget>
#include <memory>
#include <string_view>

#include "host/app/demo_company.h"
#include "host/desktop/main_window.h"
#include "host/desktop/qt_front_end.h"
#include "host/desktop/window_view.h"
#include "host/framework/ui/front_end.h"
#include "support/temp_folder.h"

namespace crv::test {

// A widget of the innermost window, by the control's equate.
inline QWidget* widgetOf(desktop::QtFrontEnd& frontEnd, std::string_view equate) {
  desktop::WindowView* view = frontEnd.topView();
  if (!view) return nullptr;
  ui::Control* control = view->window().find(equate);
  return control ? view->widgetFor(*control) : nullptr;
}

// A button of a window by its caption, with or without its hot-key mark.
inline QAbstractButton* button(QWidget& window, const QString& text) {
  for (QAbstractButton* b : window.findChildren<QAbstractButton*>())
    if (b->text() == text || QString(b->text()).remove('&') == text) return b;
  return nullptr;
}

class MainWindowFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    createDemoCompany(folder_.path());
    frontEnd_.screenshots().setFolder(CRV_SCREENSHOT_DIR);
    previous_ = ui::setFrontEnd(&frontEnd_);
    window_ = std::make_unique<desktop::MainWindow>(frontEnd_, folder_.path());
    window_->show();
    QApplication::processEvents();
  }
  void TearDown() override {
    window_.reset();
    ui::setFrontEnd(previous_);
  }

  TempFolder folder_;
  desktop::QtFrontEnd frontEnd_;
  ui::FrontEnd* previous_ = nullptr;
  std::unique_ptr<desktop::MainWindow> window_;
};

}  // namespace crv::test

// The desktop front end: draws the model's windows with Qt Widgets and
// reports what the person does in them. It is the message service too.
//
// Procedures run on the GUI thread. openWindow() builds a WindowView (a
// dialog, modal to the window below it, so windows nest as the calls do);
// nextEvent() shows the model's latest state and runs a nested event loop
// until the person does something in that window (or its timer runs out);
// closeWindow() takes the dialog away. Message boxes, the calendar, file
// dialogs, the send-to, the spell checker and pop-up menus are modal to the
// innermost window; help opens in a viewer that stays usable beside it.
#pragma once

#include <QPointer>
#include <QWidget>
#include <filesystem>
#include <memory>
#include <vector>

#include "host/desktop/screenshots.h"
#include "host/framework/ui/front_end.h"

namespace crv::desktop {

class HelpViewer;
class WindowView;

class QtFrontEnd final : public ui::FrontEnd {
 public:
  QtFrontEnd();
  ~QtFrontEnd() override;
  QtFrontEnd(const QtFrontEnd&) = delete;
  QtFrontEnd& operator=(const QtFrontEnd&) = delete;

  // The window the first procedure's windows open over (the main window).
  void setMainWindow(QWidget* window) { main_ = window; }
  Screenshots& screenshots() { return screenshots_; }

  // The innermost open window, nullptr when none.
  WindowView* topView() const;
  WindowView* view(const ui::Window& window) const;
  HelpViewer* helpViewer() const { return help_.get(); }
  // The widget dialogs open over: the innermost window, else the main one.
  QWidget* dialogParent() const;

  int show(const MessageRequest& request) override;
  void openWindow(ui::Window& window) override;
  void closeWindow(ui::Window& window) override;
  ui::Event nextEvent(ui::Window& window) override;
  void display(ui::Window& window) override;
  std::vector<std::filesystem::path> openFiles(const ui::FileDialogRequest& request) override;
  std::optional<std::filesystem::path> saveFile(const ui::FileDialogRequest& request) override;
  std::optional<Date> selectDate(const ui::CalendarRequest& request) override;
  int popupMenu(const ui::PopupRequest& request) override;
  void sendTo(const ui::SendToRequest& request) override;
  std::vector<std::string> checkSpelling(const ui::SpellCheckRequest& request) override;
  void showHelp(const ui::HelpTopic& topic) override;
  void beep(ui::Sound sound) override;
  void openDocument(const std::filesystem::path& file) override;
  bool editDocument(const std::filesystem::path& file) override;

 private:
  void objected();

  QPointer<QWidget> main_;
  Screenshots screenshots_;
  std::vector<WindowView*> views_;  // owned; outermost first
  std::unique_ptr<HelpViewer> help_;
};

}  // namespace crv::desktop

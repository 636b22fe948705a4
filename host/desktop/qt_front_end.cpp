// The desktop front end.
#include "host/desktop/qt_front_end.h"

#include <QApplication>
#include <QCursor>
#include <QFileDialog>
#include <QMenu>
#include <stdexcept>

#include "host/desktop/calendar_dialog.h"
#include "host/desktop/help_viewer.h"
#include "host/desktop/icon_library.h"
#include "host/desktop/message_dialog.h"
#include "host/desktop/send_to_dialog.h"
#include "host/desktop/spell_check_dialog.h"
#include "host/desktop/window_view.h"
#include "host/framework/services/desktop_programs.h"
#include "host/framework/values/text.h"

namespace crv::desktop {
namespace {

// "All Files|*.*|PDF Files|*.pdf" as Qt writes filters:
// "All Files (*);;PDF Files (*.pdf)".
QString qtFilter(const ui::FileDialogRequest& request) {
  QStringList filters;
  for (const auto& [name, patterns] : request.filters()) {
    QString p = QString::fromStdString(patterns);
    p.replace(';', ' ');
    if (p.trimmed() == "*.*") p = "*";
    filters << QString::fromStdString(name) + " (" + p + ")";
  }
  return filters.join(";;");
}

QString startFolder(const ui::FileDialogRequest& request) {
  std::filesystem::path start = request.folder;
  if (!request.fileName.empty()) start /= request.fileName;
  return QString::fromStdString(start.string());
}

}  // namespace

QtFrontEnd::QtFrontEnd() = default;

QtFrontEnd::~QtFrontEnd() {
  for (auto it = views_.rbegin(); it != views_.rend(); ++it) delete *it;
}

WindowView* QtFrontEnd::topView() const { return views_.empty() ? nullptr : views_.back(); }

WindowView* QtFrontEnd::view(const ui::Window& window) const {
  for (WindowView* v : views_)
    if (&v->window() == &window) return v;
  return nullptr;
}

QWidget* QtFrontEnd::dialogParent() const {
  if (WindowView* top = topView()) return top;
  return main_.data();
}

void QtFrontEnd::objected() {
  if (WindowView* top = topView()) top->objected();
}

int QtFrontEnd::show(const MessageRequest& request) {
  // The window behind the box shows what the procedure has done so far.
  if (WindowView* top = topView()) top->sync();
  objected();
  return askMessage(request, dialogParent(), screenshots_);
}

void QtFrontEnd::openWindow(ui::Window& window) {
  auto* view = new WindowView(window, dialogParent(), screenshots_);
  views_.push_back(view);
  view->show();
}

void QtFrontEnd::closeWindow(ui::Window& window) {
  WindowView* closing = view(window);
  if (!closing) return;
  std::erase(views_, closing);
  closing->hide();
  delete closing;
}

ui::Event QtFrontEnd::nextEvent(ui::Window& window) {
  WindowView* waiting = view(window);
  if (!waiting) throw std::logic_error("the window \"" + window.title() + "\" is not open");
  return waiting->waitForEvent();
}

void QtFrontEnd::display(ui::Window& window) {
  if (WindowView* shown = view(window)) {
    shown->sync();
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
  }
}

std::vector<std::filesystem::path> QtFrontEnd::openFiles(const ui::FileDialogRequest& request) {
  const QString title = QString::fromStdString(request.title);
  QStringList names;
  if (request.multiple)
    names = QFileDialog::getOpenFileNames(dialogParent(), title, startFolder(request), qtFilter(request));
  else if (QString one =
               QFileDialog::getOpenFileName(dialogParent(), title, startFolder(request), qtFilter(request));
           !one.isEmpty())
    names << one;
  std::vector<std::filesystem::path> files;
  for (const QString& name : names) files.emplace_back(name.toStdString());
  return files;
}

std::optional<std::filesystem::path> QtFrontEnd::saveFile(const ui::FileDialogRequest& request) {
  const QString name = QFileDialog::getSaveFileName(dialogParent(), QString::fromStdString(request.title),
                                                    startFolder(request), qtFilter(request));
  if (name.isEmpty()) return std::nullopt;
  return std::filesystem::path(name.toStdString());
}

std::optional<Date> QtFrontEnd::selectDate(const ui::CalendarRequest& request) {
  return pickDate(request, dialogParent(), screenshots_);
}

int QtFrontEnd::popupMenu(const ui::PopupRequest& request) {
  QMenu menu(dialogParent());
  const auto items = request.itemTexts();
  std::vector<QAction*> actions;
  for (const std::string& item : items) {
    if (item == "-") {
      actions.push_back(menu.addSeparator());
      continue;
    }
    const std::size_t at = actions.size();
    actions.push_back(at < request.icons.size() && !request.icons[at].empty()
                          ? menu.addAction(icon(request.icons[at]), QString::fromStdString(item))
                          : menu.addAction(QString::fromStdString(item)));
  }
  QAction* chosen = menu.exec(QCursor::pos());
  for (std::size_t i = 0; i < actions.size(); ++i)
    if (actions[i] == chosen) return static_cast<int>(i) + 1;
  return 0;
}

void QtFrontEnd::sendTo(const ui::SendToRequest& request) {
  sendListTo(request, dialogParent(), screenshots_);
}

std::vector<std::string> QtFrontEnd::checkSpelling(const ui::SpellCheckRequest& request) {
  return desktop::checkSpelling(request, dialogParent(), screenshots_);
}

void QtFrontEnd::showHelp(const ui::HelpTopic& topic) {
  // The viewer has no parent: modal windows block their parents, and help
  // must stay readable beside the window it explains.
  if (!help_) help_ = std::make_unique<HelpViewer>();
  help_->showTopic(topic);
}

void QtFrontEnd::beep(ui::Sound /*sound*/) {
  QApplication::beep();
  objected();
}

void QtFrontEnd::openDocument(const std::filesystem::path& file) { desktopPrograms().view(file); }

bool QtFrontEnd::editDocument(const std::filesystem::path& file) { return desktopPrograms().edit(file); }

}  // namespace crv::desktop

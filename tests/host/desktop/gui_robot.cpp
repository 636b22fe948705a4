// The robot's steps.
#include "host/desktop/gui_robot.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPushButton>

namespace crv::test {

GuiRobot::GuiRobot(std::chrono::milliseconds guard) : guard_(guard) {
  timer_.setInterval(15);
  QObject::connect(&timer_, &QTimer::timeout, [this] { poll(); });
}

QWidget* GuiRobot::window(const std::string& title) {
  const QString wanted = QString::fromStdString(title);
  const auto windows = QApplication::topLevelWidgets();
  for (auto it = windows.rbegin(); it != windows.rend(); ++it)
    if ((*it)->isVisible() && (*it)->windowTitle() == wanted) return *it;
  return nullptr;
}

QWidget* GuiRobot::focus() { return QApplication::focusWidget(); }

GuiRobot& GuiRobot::step(std::string what, std::function<QWidget*()> ready,
                         std::function<void(QWidget&)> act) {
  steps_.push_back({std::move(what), std::move(ready), std::move(act)});
  return *this;
}

GuiRobot& GuiRobot::inWindow(std::string title, std::function<void(QWidget&)> act) {
  return step(
      "the window \"" + title + "\"",
      [title] {
        // The window must be the one taking input: nothing modal over it.
        // Two windows may share a title (a list and the previewer over it).
        QWidget* modal = QApplication::activeModalWidget();
        if (modal) return modal->windowTitle() == QString::fromStdString(title) ? modal : nullptr;
        return window(title);
      },
      std::move(act));
}

GuiRobot& GuiRobot::inMessage(std::string title, std::function<void(QMessageBox&)> act) {
  return step(
      "the message box \"" + title + "\"",
      [title] {
        auto* box = qobject_cast<QMessageBox*>(window(title));
        return box;
      },
      [act = std::move(act)](QWidget& w) { act(static_cast<QMessageBox&>(w)); });
}

void GuiRobot::start() {
  since_ = std::chrono::steady_clock::now();
  timer_.start();
}

void GuiRobot::poll() {
  if (busy_) return;
  if (!failure_.empty()) {
    unwind();
    return;
  }
  if (steps_.empty()) {
    timer_.stop();
    return;
  }
  Step& next = steps_.front();
  if (QWidget* target = next.ready()) {
    // A window just shown gets a moment to lay out and take the focus.
    if (std::chrono::steady_clock::now() - since_ < std::chrono::milliseconds(40)) return;
    target->activateWindow();
    QApplication::setActiveWindow(target);
    Step taken = std::move(next);
    steps_.pop_front();
    busy_ = true;
    taken.act(*target);
    busy_ = false;
    since_ = std::chrono::steady_clock::now();
    return;
  }
  if (std::chrono::steady_clock::now() - since_ > guard_) {
    failure_ = "waited in vain for " + next.what;
    steps_.clear();
  }
}

void GuiRobot::unwind() {
  if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
    QAbstractButton* out = box->escapeButton() ? box->escapeButton() : box->defaultButton();
    if (out) out->click();
    return;
  }
  if (QWidget* modal = QApplication::activeModalWidget()) {
    modal->close();
    return;
  }
  timer_.stop();
}

void typeKeys(const QString& text) {
  for (const QChar c : text) {
    QWidget* target = QApplication::focusWidget();
    if (!target) return;
    QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
    QKeyEvent release(QEvent::KeyRelease, 0, Qt::NoModifier, QString(c));
    QApplication::sendEvent(target, &press);
    QApplication::sendEvent(target, &release);
  }
}

void pressKey(Qt::Key key, Qt::KeyboardModifiers modifiers) {
  QWidget* target = QApplication::focusWidget();
  if (!target) return;
  const QString text = key == Qt::Key_Return ? QString("\r") : key == Qt::Key_Tab ? QString("\t") : QString();
  QKeyEvent press(QEvent::KeyPress, key, modifiers, text);
  QKeyEvent release(QEvent::KeyRelease, key, modifiers, text);
  QApplication::sendEvent(target, &press);
  QApplication::sendEvent(target, &release);
}

}  // namespace crv::test

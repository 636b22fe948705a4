// Plays the person at the desktop while a procedure runs: the procedure's
// windows block in nested event loops on the GUI thread, so a test queues
// its steps first and the robot performs each one, from a timer, as soon as
// the window or message box it is meant for is up.
//
// A step that does not come within the guard fails the run: the robot then
// closes whatever is open (Escape to windows, the escape or default button
// to message boxes) so the procedure returns and the test reports the step.
#pragma once

#include <QTimer>
#include <QWidget>
#include <chrono>
#include <deque>
#include <functional>
#include <string>

class QMessageBox;

namespace crv::test {

class GuiRobot {
 public:
  explicit GuiRobot(std::chrono::milliseconds guard = std::chrono::seconds(20));

  // Waits for a window (a dialog of the model, or any top-level window)
  // with this title, makes it active and acts in it.
  GuiRobot& inWindow(std::string title, std::function<void(QWidget&)> act);
  // Waits for a message box with this title.
  GuiRobot& inMessage(std::string title, std::function<void(QMessageBox&)> act);
  // Any step: waits until `ready` answers a widget, then acts on it.
  GuiRobot& step(std::string what, std::function<QWidget*()> ready, std::function<void(QWidget&)> act);

  // Starts performing the steps; call before the call that blocks.
  void start();
  bool finished() const { return steps_.empty(); }
  // The step that never came, empty when all went through.
  const std::string& failure() const { return failure_; }

  // The visible top-level window with this title, the most recent first.
  static QWidget* window(const std::string& title);
  // The widget with keyboard focus now.
  static QWidget* focus();

 private:
  struct Step {
    std::string what;
    std::function<QWidget*()> ready;
    std::function<void(QWidget&)> act;
  };
  void poll();
  void unwind();

  std::chrono::milliseconds guard_;
  std::deque<Step> steps_;
  QTimer timer_;
  std::chrono::steady_clock::time_point since_;
  std::string failure_;
  bool busy_ = false;
};

// Types text into the focused widget of a window, as keys.
void typeKeys(const QString& text);
// Presses a key on the focused widget.
void pressKey(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);

}  // namespace crv::test

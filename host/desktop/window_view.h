// One open window of the model on the desktop: a dialog built from the
// Window's controls (FormBuilder), kept in step with it (sync), and the
// queue of what the person did in it, which the procedure takes through
// the front end's nextEvent().
//
// Keys: what a key means is decided in host/framework/ui/input.h; the view
// hands the core the key and the control it was pressed in, lets the
// widget have the keys that work a field's text, and carries out the rest:
// typed text reported first, the events queued, the focus moved. The close
// box asks to close as Escape does. Clicking into another field reports
// the field left and the field chosen.
//
// Focus: the model decides where the focus is. When the procedure moves it
// (or objects to what was typed with a beep or a message), the view follows
// and forgets what the person did after the objection.
#pragma once

#include <QDialog>
#include <cstdint>
#include <deque>
#include <map>
#include <memory>
#include <vector>

#include "host/desktop/control_adapter.h"
#include "host/desktop/event_sink.h"
#include "host/framework/ui/window.h"

class QEventLoop;

namespace crv::desktop {

class Screenshots;

class WindowView final : public QDialog, public EventSink {
 public:
  WindowView(ui::Window& window, QWidget* parent, const Screenshots& screenshots);
  ~WindowView() override;

  ui::Window& window() const { return *window_; }

  // The person's next event; runs the event loop until there is one, or
  // until the window's timer runs out (a Timer event).
  ui::Event waitForEvent();
  // Copies the model into the widgets.
  void sync();
  // The procedure objected (a beep or a message): the focus goes back to
  // the model's, and what the person did since is dropped.
  void objected() { objected_ = true; }

  // The widget a person uses for a control (for tests), or nullptr.
  QWidget* widgetFor(const ui::Control& control) const;

  using EventSink::post;
  void post(ui::Event event) override;
  bool syncing() const override { return syncing_; }
  void flushTyping() override;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void reject() override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  ControlAdapter* adapterOf(QObject* object) const;
  bool takeKey(QKeyEvent& event, ControlAdapter* adapter);
  void moveFocus(const ui::Control& control);
  void watch(QWidget& widget);
  void followFocus();

  ui::Window* window_;
  const Screenshots* screenshots_;
  std::vector<std::unique_ptr<ControlAdapter>> adapters_;
  std::map<const QWidget*, ControlAdapter*> byWidget_;
  std::map<const ui::Control*, ControlAdapter*> byControl_;
  std::deque<ui::Event> queue_;
  QEventLoop* loop_ = nullptr;
  bool syncing_ = false;
  bool objected_ = false;
  bool pictured_ = false;
  bool sized_ = false;
  const ui::Control* expectedFocus_ = nullptr;
};

}  // namespace crv::desktop

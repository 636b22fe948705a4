// A part of a window with event handling of its own, such as a list over a
// table: the window manager hands it every event before the procedure's
// handlers, and tells it when the window opens, resets and closes.
#pragma once

#include "host/framework/ui/event.h"
#include "host/framework/ui/level.h"

namespace crv::ui {

class WindowManager;

class WindowComponent {
 public:
  virtual ~WindowComponent() = default;

  // Notify ends the event's handling; Fatal closes the window.
  virtual Level takeEvent(WindowManager& manager, const Event& event) = 0;
  // The window opened, or the procedure asked for a fresh look after a
  // called procedure returned.
  virtual void reset(WindowManager& /*manager*/) {}
  // The window is closing; its tables are still open.
  virtual void kill(WindowManager& /*manager*/) {}
};

}  // namespace crv::ui

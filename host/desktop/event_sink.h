// Where the widgets of a window report what the person did: the window's
// view, which queues the events for the procedure.
#pragma once

#include <vector>

#include "host/framework/ui/event.h"

namespace crv::desktop {

class EventSink {
 public:
  virtual ~EventSink() = default;
  virtual void post(ui::Event event) = 0;
  void post(std::vector<ui::Event> events) {
    for (ui::Event& event : events) post(std::move(event));
  }
  // True while the view copies the model into the widgets: widget signals
  // raised then are the view's own doing, not the person's.
  virtual bool syncing() const = 0;
  // Reports text typed into the focused field and not yet reported, before
  // another action (a button, a key) is reported.
  virtual void flushTyping() = 0;
};

}  // namespace crv::desktop

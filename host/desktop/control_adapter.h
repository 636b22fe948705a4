// The widgets of one control and the two directions between them and the
// model: sync() copies the control's state into the widgets; the widgets'
// signals become events for the procedure, posted through the EventSink.
//
// One adapter per control kind: labels (prompts and strings), entries, text
// boxes, check boxes, option groups, drop lists and combos, lists, buttons,
// groups, panels, sheets and tabs, images and progress bars. Every adapter
// follows the control's hidden and disabled states, tip, font weight and
// colours; typed text is reported as the person typed it (the framework reads
// it under the picture), never parsed here.
#pragma once

#include <QPointer>
#include <QWidget>
#include <memory>

#include "host/desktop/event_sink.h"
#include "host/framework/ui/control.h"

namespace crv::desktop {

class ControlAdapter {
 public:
  ControlAdapter(ui::Control& control, EventSink& sink) : control_(control), sink_(sink) {}
  virtual ~ControlAdapter() = default;
  ControlAdapter(const ControlAdapter&) = delete;
  ControlAdapter& operator=(const ControlAdapter&) = delete;

  ui::Control& control() const { return control_; }
  // The widget placed in the form (shown and hidden with the control).
  QWidget* widget() const { return widget_; }
  // The widget that takes the focus for the control.
  virtual QWidget* focusTarget() const { return widget_; }

  // Copies the model into the widgets.
  virtual void sync();
  // Reports typed text not yet reported as an Accepted event; false when
  // there was none.
  virtual bool flush() { return false; }
  // Called when the procedure or a key puts the focus here: an entry
  // selects its text so that typing replaces it.
  virtual void focusArrived() {}
  // Where the controls inside a container go: a group's box, a tab's page.
  virtual QWidget* childArea(const ui::Control& /*container*/) const { return nullptr; }

 protected:
  void setWidget(QWidget* widget) { widget_ = widget; }
  EventSink& sink() const { return sink_; }
  void post(ui::EventKind kind, int index = -1);

 private:
  ui::Control& control_;
  EventSink& sink_;
  QPointer<QWidget> widget_;
};

// Makes the adapter for a control's kind, its widget a child of `parent`.
// Radios and tabs are drawn by their option group and sheet and get none.
std::unique_ptr<ControlAdapter> makeAdapter(ui::Control& control, EventSink& sink, QWidget* parent);

// The width in pixels an entry needs for `chars` characters of its picture.
int fieldWidth(const QWidget& widget, int chars, bool digits);
// Characters an entry shows: the layout hint, the picture, the bound
// text's width; 0 when nothing says.
int fieldChars(const ui::Control& control);

}  // namespace crv::desktop

// The dialog of one window.
#include "host/desktop/window_view.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDropEvent>
#include <QEventLoop>
#include <QKeyEvent>
#include <QMimeData>
#include <QTimer>

#include "host/desktop/form_builder.h"
#include "host/desktop/icon_library.h"
#include "host/desktop/key_map.h"
#include "host/desktop/screenshots.h"
#include "host/framework/ui/input.h"

namespace crv::desktop {

using ui::Event;
using ui::EventKind;
using ui::Key;

WindowView::WindowView(ui::Window& window, QWidget* parent, const Screenshots& screenshots)
    : QDialog(parent), window_(&window), screenshots_(&screenshots) {
  setWindowModality(Qt::WindowModal);
  setSizeGripEnabled(true);
  setWindowIcon(window.icon().empty() ? applicationIcon() : icon(window.icon()));
  adapters_ = FormBuilder(window, *this).build(*this);
  for (const auto& adapter : adapters_) {
    byControl_[&adapter->control()] = adapter.get();
    if (adapter->widget()) byWidget_[adapter->widget()] = adapter.get();
    if (adapter->focusTarget()) byWidget_[adapter->focusTarget()] = adapter.get();
  }
  setAcceptDrops(true);
  watch(*this);
  for (QWidget* child : findChildren<QWidget*>()) watch(*child);
  sync();
}

WindowView::~WindowView() = default;

void WindowView::watch(QWidget& widget) { widget.installEventFilter(this); }

QWidget* WindowView::widgetFor(const ui::Control& control) const {
  auto it = byControl_.find(&control);
  return it == byControl_.end() ? nullptr : it->second->focusTarget();
}

ControlAdapter* WindowView::adapterOf(QObject* object) const {
  for (QObject* o = object; o && o != this; o = o->parent()) {
    auto* widget = qobject_cast<QWidget*>(o);
    if (!widget) continue;
    auto it = byWidget_.find(widget);
    if (it != byWidget_.end()) return it->second;
  }
  return nullptr;
}

void WindowView::post(Event event) {
  queue_.push_back(std::move(event));
  if (loop_) loop_->quit();
}

void WindowView::flushTyping() {
  if (ControlAdapter* adapter = adapterOf(QApplication::focusWidget())) adapter->flush();
}

void WindowView::sync() {
  syncing_ = true;
  const QString title = QString::fromStdString(window_->title());
  if (windowTitle() != title) setWindowTitle(title);
  for (const auto& adapter : adapters_) adapter->sync();
  followFocus();
  syncing_ = false;
  if (!sized_) {
    sized_ = true;
    adjustSize();
    // Lists get room for their columns; forms keep the size they need.
    setMinimumSize(sizeHint().boundedTo(QSize(1200, 900)).expandedTo(QSize(380, 0)));
    resize(minimumSize());
  }
}

void WindowView::followFocus() {
  const ui::Control* focus = window_->focus();
  if (focus == expectedFocus_ && !objected_) return;
  if (objected_) {
    // The person reacts to the objection before anything else they did.
    queue_.clear();
    objected_ = false;
  } else {
    std::erase_if(queue_, [](const Event& e) { return e.kind == EventKind::Selected; });
  }
  expectedFocus_ = focus;
  auto it = byControl_.find(focus);
  if (it == byControl_.end() || !it->second->focusTarget()) return;
  QWidget* target = it->second->focusTarget();
  if (target->isVisibleTo(this) && target->isEnabled()) {
    target->setFocus(Qt::OtherFocusReason);
    it->second->focusArrived();
  }
}

Event WindowView::waitForEvent() {
  for (;;) {
    sync();
    if (!isVisible()) show();
    if (!pictured_ && screenshots_->enabled()) {
      pictured_ = true;
      screenshots_->saveSoon(*this, "window", window_->title());
    }
    if (!queue_.empty()) break;
    QEventLoop loop;
    bool timedOut = false;
    QTimer timer;
    if (window_->timer() > 0) {
      timer.setSingleShot(true);
      QObject::connect(&timer, &QTimer::timeout, &loop, [&] {
        timedOut = true;
        loop.quit();
      });
      timer.start(window_->timer() * 10);
    }
    loop_ = &loop;
    loop.exec();
    loop_ = nullptr;
    if (!queue_.empty()) break;
    if (timedOut) return Event::window(EventKind::Timer);
  }
  Event event = std::move(queue_.front());
  queue_.pop_front();
  if (event.kind == EventKind::Selected) expectedFocus_ = event.control;
  return event;
}

bool WindowView::takeKey(QKeyEvent& event, ControlAdapter* adapter) {
  const Key key = modelKey(event);
  if (key == Key::None) return false;
  ui::KeyMeaning meaning = ui::keyMeaning(*window_, adapter ? &adapter->control() : window_->focus(), key);
  if (meaning.fieldsOwn) return false;
  if (meaning.reportsTyping) flushTyping();
  post(std::move(meaning.events));
  if (meaning.focusTo) moveFocus(*meaning.focusTo);
  return true;
}

void WindowView::moveFocus(const ui::Control& control) {
  // The Selected event is queued already; a focus given here is not the
  // person's doing, so the focus-in below reports nothing more.
  auto it = byControl_.find(&control);
  if (it == byControl_.end() || !it->second->focusTarget()) return;
  it->second->focusTarget()->setFocus(Qt::OtherFocusReason);
  it->second->focusArrived();
}

namespace {

// The local files a drag carries, each whole, in the order dragged.
std::vector<std::string> droppedFiles(const QMimeData* data) {
  std::vector<std::string> files;
  if (!data || !data->hasUrls()) return files;
  for (const QUrl& url : data->urls())
    if (url.isLocalFile()) files.push_back(url.toLocalFile().toStdString());
  return files;
}

}  // namespace

bool WindowView::eventFilter(QObject* watched, QEvent* event) {
  switch (event->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove: {
      // Files dropped anywhere on the window go to the procedure, not into
      // the field under the pointer.
      auto* drag = static_cast<QDragMoveEvent*>(event);
      if (droppedFiles(drag->mimeData()).empty()) return false;
      drag->acceptProposedAction();
      return true;
    }
    case QEvent::Drop: {
      auto* drop = static_cast<QDropEvent*>(event);
      std::vector<std::string> files = droppedFiles(drop->mimeData());
      if (files.empty()) return false;
      drop->acceptProposedAction();
      Event dropped = Event::window(EventKind::Drop);
      dropped.files = std::move(files);
      post(std::move(dropped));
      return true;
    }
    case QEvent::KeyPress:
      // A key goes to the core once, from the widget that has the focus;
      // what that widget leaves passes its parents on the way to the dialog.
      if (watched != QApplication::focusWidget()) return false;
      return takeKey(*static_cast<QKeyEvent*>(event), adapterOf(watched));
    case QEvent::FocusIn: {
      const auto reason = static_cast<QFocusEvent*>(event)->reason();
      const bool byPerson = reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason ||
                            reason == Qt::MouseFocusReason || reason == Qt::ShortcutFocusReason;
      ControlAdapter* adapter = adapterOf(watched);
      if (byPerson && !syncing_ && adapter) post(ui::focusGiven(adapter->control()));
      return false;
    }
    case QEvent::FocusOut:
      if (ControlAdapter* adapter = adapterOf(watched); adapter && !syncing_) adapter->flush();
      return false;
    default:
      return false;
  }
}

void WindowView::keyPressEvent(QKeyEvent* event) {
  if (!takeKey(*event, nullptr)) QDialog::keyPressEvent(event);
}

void WindowView::closeEvent(QCloseEvent* event) {
  // The procedure decides whether the window closes.
  event->ignore();
  post(Event::window(EventKind::CloseWindow));
}

void WindowView::reject() { post(Event::window(EventKind::CloseWindow)); }

}  // namespace crv::desktop

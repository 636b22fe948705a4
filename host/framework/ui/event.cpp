// Event names.
#include "host/framework/ui/event.h"

namespace crv::ui {

std::string_view eventKindName(EventKind kind) {
  switch (kind) {
    case EventKind::None:
      return "None";
    case EventKind::Accepted:
      return "Accepted";
    case EventKind::Selected:
      return "Selected";
    case EventKind::NewSelection:
      return "NewSelection";
    case EventKind::Rejected:
      return "Rejected";
    case EventKind::AlertKey:
      return "AlertKey";
    case EventKind::OpenWindow:
      return "OpenWindow";
    case EventKind::CloseWindow:
      return "CloseWindow";
    case EventKind::Timer:
      return "Timer";
    case EventKind::Drop:
      return "Drop";
    case EventKind::PopupMenu:
      return "PopupMenu";
    case EventKind::Scroll:
      return "Scroll";
    case EventKind::Completed:
      return "Completed";
    case EventKind::Cancelled:
      return "Cancelled";
  }
  return "None";
}

int listScrollFor(Key key, int pageRows) {
  switch (key) {
    case Key::Up:
      return -1;
    case Key::Down:
      return 1;
    case Key::PageUp:
      return -pageRows;
    case Key::PageDown:
      return pageRows;
    case Key::Home:
      return Event::kScrollToFirst;
    case Key::End:
      return Event::kScrollToLast;
    default:
      return 0;
  }
}

}  // namespace crv::ui

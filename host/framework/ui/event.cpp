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
    case EventKind::HeaderClicked:
      return "HeaderClicked";
    case EventKind::Completed:
      return "Completed";
    case EventKind::Cancelled:
      return "Cancelled";
  }
  return "None";
}

}  // namespace crv::ui

// What a window handler answers: carry on, stop handling this event, or
// close the window.
#pragma once

namespace crv::ui {

enum class Level {
  Benign,  // go on with the rest of the event's handling
  Notify,  // this event is done; for OK, completion stops here
  Fatal,   // close the window, the request cancelled
};

}  // namespace crv::ui

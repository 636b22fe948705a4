// Message boxes on the desktop: the request's title, text with its line
// breaks, icon and buttons in their order with their hot keys, and the
// default button focused. The answer is the 1-based button chosen.
#pragma once

#include "host/framework/services/message_box.h"

class QWidget;

namespace crv::desktop {

class Screenshots;

int askMessage(const MessageRequest& request, QWidget* parent, const Screenshots& screenshots);

}  // namespace crv::desktop

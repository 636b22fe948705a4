// The send-to facility of a list ("Send List Contents To..."): the rows the
// list shows go to the printer, or to a comma-separated file the person
// names.
#pragma once

#include "host/framework/ui/front_end.h"

class QWidget;

namespace crv::desktop {

class Screenshots;

void sendListTo(const ui::SendToRequest& request, QWidget* parent, const Screenshots& screenshots);

}  // namespace crv::desktop

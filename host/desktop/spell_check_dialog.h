// The spell checker (F7): the texts of the window's checked fields, each
// editable, with the words the system's word list does not know named
// under it. OK gives the corrected texts back; Cancel leaves them.
#pragma once

#include <string>
#include <vector>

#include "host/framework/ui/front_end.h"

class QWidget;

namespace crv::desktop {

class Screenshots;

std::vector<std::string> checkSpelling(const ui::SpellCheckRequest& request, QWidget* parent,
                                       const Screenshots& screenshots);

}  // namespace crv::desktop

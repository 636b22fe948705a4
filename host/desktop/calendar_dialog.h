// The calendar pop-up ("Select a Date"): a month calendar on the date the
// field holds (today when none); Enter or a double click takes the day,
// Escape leaves the field as it was.
#pragma once

#include <optional>

#include "host/framework/ui/front_end.h"

class QWidget;

namespace crv::desktop {

class Screenshots;

std::optional<Date> pickDate(const ui::CalendarRequest& request, QWidget* parent,
                             const Screenshots& screenshots);

}  // namespace crv::desktop

// Writes the rows of a list as comma-separated values, the way the
// send-to facility saves a list: a header line, then one line per loaded
// row, fields quoted when they hold a comma, a quote or a line break.
#pragma once

#include <ostream>

namespace crv::ui {

class ListModel;

void writeListCsv(const ListModel& list, std::ostream& out);

}  // namespace crv::ui

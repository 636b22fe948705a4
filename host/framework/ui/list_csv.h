// Writes the rows of a list as comma-separated values, the way the
// send-to facility saves a list: a header line, then one line per loaded
// row, fields quoted when they hold a comma, a quote or a line break.
#pragma once

#include <ostream>
#include <string_view>

namespace crv::ui {

class ListModel;

void writeListCsv(const ListModel& list, std::ostream& out);
// One field, quoted (with its quotes doubled) when it holds a comma, a
// quote or a line break.
void writeCsvField(std::ostream& out, std::string_view text);

}  // namespace crv::ui

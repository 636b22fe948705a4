// Lists as comma-separated values.
#include "host/framework/ui/list_csv.h"

#include <string>

#include "host/framework/ui/list_model.h"
#include "host/framework/values/text.h"

namespace crv::ui {

void writeCsvField(std::ostream& out, std::string_view text) {
  if (text.find_first_of(",\"\n\r") == std::string_view::npos) {
    out << text;
    return;
  }
  out << '"';
  for (char c : text) {
    if (c == '"') out << '"';
    out << c;
  }
  out << '"';
}

void writeListCsv(const ListModel& list, std::ostream& out) {
  for (int c = 0; c < list.columnCount(); ++c) {
    if (c) out << ',';
    writeCsvField(out, trim(list.header(c)));
  }
  out << "\r\n";
  for (int r = 0; r < list.rowCount(); ++r) {
    for (int c = 0; c < list.columnCount(); ++c) {
      if (c) out << ',';
      writeCsvField(out, trim(list.cell(r, c).text));
    }
    out << "\r\n";
  }
}

}  // namespace crv::ui

// Workbook cells through xlsx2csv.
#include "support/xlsx_text.h"

#include <cstdlib>

#include "support/command_output.h"

namespace crv::test {

bool haveXlsx2csv() { return std::system("command -v xlsx2csv >/dev/null 2>&1") == 0; }

std::string xlsxText(const std::filesystem::path& file, int sheet) {
  return commandOutput("xlsx2csv -d tab -s " + std::to_string(sheet) + " '" + file.string() +
                       "' 2>/dev/null");
}

}  // namespace crv::test

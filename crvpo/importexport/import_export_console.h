// The import and the export for the command line, on the company open in
// this process.
//
// importConsole reads FILE (and DETAIL-FILE for a source of two files)
// with the import source named, prints what it read and the error list,
// one "Record #" and text to a line, and imports what was accepted unless
// it only previews. exportConsole writes the orders with the numbers given,
// or all orders, to the exchange file.
//
// Exit codes: 0 when everything read was imported (warnings allowed) or
// exported; 1 when lines were rejected, nothing could be read, the import
// failed or an order number is unknown (nothing is then written).
#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "host/framework/services/module_export.h"

namespace crvpo {

struct ImportRequest {
  std::string source;
  std::string file;
  std::string detailFile;  // empty: the source's own
  bool previewOnly = false;
};

int importConsole(const ImportRequest& request, std::ostream& out, std::ostream& err);
int exportConsole(const std::string& target, const std::vector<std::string>& numbers, bool all,
                  std::ostream& out, std::ostream& err);

}  // namespace crvpo

extern "C" {
// The host's "import" and "export" commands resolve these by name.
// `detailFile` may be empty (the source's own).
CRV_EXPORT int ImportPOConsole(const char* source, const char* file, const char* detailFile, int previewOnly,
                               std::ostream* out, std::ostream* err);
CRV_EXPORT int ExportPOConsole(const char* target, const std::vector<std::string>* numbers, int all,
                               std::ostream* out, std::ostream* err);
}

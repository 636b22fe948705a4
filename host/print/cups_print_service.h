// The print service over CUPS (libcups): the default destination as the
// print system and the user's lpoptions name it, the file queued on it with
// the number of copies as a job option.
#pragma once

#include "host/framework/services/module_export.h"
#include "host/framework/services/printing.h"

namespace crv {

class CupsPrintService final : public PrintService {
 public:
  std::string defaultPrinter() override;
  PrintResult print(const PrintJob& job) override;
};

}  // namespace crv

// The service of the process, for a host that loads this library as a plugin
// the first time something is printed.
extern "C" CRV_EXPORT crv::PrintService* crvCupsPrintService();

// The host's print service, loaded the first time it is asked for a printer.
// CUPS and what it links (Avahi, TLS, Kerberos) stay out of every run that
// does not print on paper.
#pragma once

#include <mutex>

#include "host/framework/services/printing.h"

namespace crv {

class PrintServiceOnDemand final : public PrintService {
 public:
  std::string defaultPrinter() override;
  PrintResult print(const PrintJob& job) override;

 private:
  // The CUPS service, or nullptr with `error_` set when it cannot be loaded.
  PrintService* service();

  std::once_flag loaded_;
  PrintService* service_ = nullptr;
  std::string error_;
};

}  // namespace crv

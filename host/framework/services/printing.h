// Printing a finished document (a PDF) on the default printer.
//
// The host installs the service of its platform at start (host/print: CUPS
// through libcups); module code prints through printService() and never
// sees a print system. Without one installed there is no printer, so every
// print answers NoDefaultPrinter.
#pragma once

#include <filesystem>
#include <string>

namespace crv {

struct PrintJob {
  std::filesystem::path file;
  std::string title;  // how the job is listed in the printer's queue
  int copies = 1;
};

struct PrintResult {
  enum class Status { Printed, NoDefaultPrinter, Failed };
  Status status = Status::Failed;
  std::string error;  // the print system's reason, for Failed
  int jobId = 0;

  explicit operator bool() const { return status == Status::Printed; }
};

class PrintService {
 public:
  virtual ~PrintService() = default;
  // The default printer's name; empty when there is none.
  virtual std::string defaultPrinter() = 0;
  // Queues the file on the default printer, `copies` times (at least once).
  virtual PrintResult print(const PrintJob& job) = 0;
};

// Installs the host's print service; nullptr goes back to none. Returns
// the one that was in force.
PrintService* setPrintService(PrintService* service);
PrintService& printService();

}  // namespace crv

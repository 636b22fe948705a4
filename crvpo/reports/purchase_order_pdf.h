// Printing the signed-in user's batch on the standard form straight to a
// PDF file, as the command line, the previewer's "Generate PDF File" and the
// e-mail delivery need it.
#pragma once

#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "crvpo/reports/report_progress.h"
#include "host/framework/report/laid_out_page.h"

namespace crvpo {

struct PdfPrintResult {
  int orders = 0;
  int pages = 0;                     // 0: nothing printed and no file written
  bool failed = false;               // the report could not run (a designer form that cannot be read)
  std::vector<std::string> numbers;  // of the orders printed
};

// Lays the batch out with the desktop's fonts and writes the PDF (replacing
// an existing file only when the new one is complete). Throws
// crv::RenderError when the file cannot be written. With `keep` the
// laid-out pages are also kept there (for the previewer).
// The same run an order at a time, for the progress window: the PDF is
// complete after finish(); dropped without it, no file is left.
class StandardFormPdfRun final : public ReportWork {
 public:
  // `exportLines`, when given, gets the lines for "Export This Report".
  StandardFormPdfRun(const std::filesystem::path& file, std::function<void()> afterOrder,
                     std::vector<crv::LaidOutPage>* keep, std::vector<std::string>* exportLines = nullptr);
  ~StandardFormPdfRun() override;
  StandardFormPdfRun(const StandardFormPdfRun&) = delete;
  StandardFormPdfRun& operator=(const StandardFormPdfRun&) = delete;

  std::int64_t records() const override;
  bool next() override;
  int pages() const override;
  // Ends the batch (also when it was cut short) and writes the pages laid
  // out so far; nothing is written when there are none.
  PdfPrintResult finish();

 private:
  struct Parts;
  std::unique_ptr<Parts> parts_;
};

PdfPrintResult printStandardFormToPdf(const std::filesystem::path& file,
                                      const std::function<void()>& afterOrder = {},
                                      std::vector<crv::LaidOutPage>* keep = nullptr);

}  // namespace crvpo

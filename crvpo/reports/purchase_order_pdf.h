// Printing the signed-in user's batch on the standard form straight to a
// PDF file, as the command line, the previewer's "Generate PDF File" and the
// e-mail delivery need it.
#pragma once

#include <filesystem>
#include <functional>
#include <vector>

#include "host/framework/report/laid_out_page.h"

namespace crvpo {

struct PdfPrintResult {
  int orders = 0;
  int pages = 0;  // 0: nothing printed and no file written
};

// Lays the batch out with the desktop's fonts and writes the PDF (replacing
// an existing file only when the new one is complete). Throws
// crv::RenderError when the file cannot be written. With `keep` the
// laid-out pages are also kept there (for the previewer).
PdfPrintResult printStandardFormToPdf(const std::filesystem::path& file,
                                      const std::function<void()>& afterOrder = {},
                                      std::vector<crv::LaidOutPage>* keep = nullptr);

}  // namespace crvpo

// Printing a small report to a PDF and opening it.
#include "host/siblings/CRVMISC/report_document.h"

#include <system_error>

#include "host/data/shared_values.h"
#include "host/framework/services/message_box.h"
#include "host/framework/ui/front_end.h"
#include "host/framework/values/text.h"
#include "host/render/pango_text_measurer.h"
#include "host/render/pdf_renderer.h"

namespace crv::siblings {
namespace {

std::filesystem::path temporaryFolder() {
  if (!GLO.TempPath.empty()) return GLO.TempPath;
  std::error_code ec;
  return std::filesystem::temp_directory_path(ec);
}

}  // namespace

std::filesystem::path printReportDocument(const Report& report, std::string_view stem,
                                          const std::function<void(Paginator&)>& printBands) {
  const std::filesystem::path file = temporaryFolder() / (std::string(stem) + ".pdf");
  try {
    PangoTextMeasurer measurer;
    PdfRenderer pdf(file);
    Paginator paginator(report, measurer, pdf);
    printBands(paginator);
    paginator.finish();
    if (pdf.pagesWritten() == 0) {
      message("There is nothing to print.", "Nothing to Print", Icon::Information);
      return {};
    }
    pdf.finish();
  } catch (const std::exception& error) {
    message(std::string("The document could not be written: ") + error.what(), "Printing Failed", Icon::Stop);
    return {};
  }
  ui::frontEnd().openDocument(file);
  return file;
}

std::vector<std::string> addressBlock(std::initializer_list<std::string> lines) {
  std::vector<std::string> block;
  for (const std::string& line : lines)
    if (!trim(line).empty()) block.emplace_back(trim(line));
  return block;
}

}  // namespace crv::siblings

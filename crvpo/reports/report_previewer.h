// The report previewer: a window that shows the laid-out pages one at a
// time with zoom and page navigation, prints them to the default printer
// and offers the delivery buttons ("Generate PDF File", the e-mail button,
// "Export This Report" where offered).
//
// The pages are kept laid out (a few kilobytes each) and drawn as a PNG
// picture for the page shown only, in a folder of its own that goes away
// with the previewer. The choices the person made are left in the module's
// delivery state (e-mail, export, make-PDF).
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "host/framework/report/laid_out_page.h"

namespace crvpo {

struct PreviewOptions {
  std::string title = "Print Preview";
  std::string emailCaption = "Email PO (pdf)";  // "Email Report (pdf)" on other reports
  bool offerExport = false;
  int zoom = 0;          // GLO:PreviewZoom: above 1 adds the export button and says "Email Report (pdf)"
  int startPercent = 0;  // 50, 75, 100, 150 or 200 to start at; 0: as `zoom` says
  bool delivery = true;  // false: no PDF, e-mail or export buttons
};

// Runs the previewer; `printable` is the PDF of the same pages sent to the
// printer. Answers 1 when the person printed, else 0.
int previewPages(std::vector<crv::LaidOutPage> pages, const std::filesystem::path& printable,
                 const PreviewOptions& options);

}  // namespace crvpo

// Steps the module's reports share around their layout: where a run lays
// its pages out, what the person is told when nothing was printed, and
// "Export This Report" after the preview.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace crvpo {

// A file in the temporary folder, named for this process and `tag`, for
// the pages of a run before they are printed, previewed or delivered.
std::filesystem::path temporaryReportFile(std::string_view tag);

// The message for a run that produced no page: when previewing it counts
// the orders the limits excluded ("Nothing to Print..."), else it says
// "Nothing to Print.".
void tellNothingPrinted(bool previewing);

// A report e-mailed to the suite's single address (MM): the recipient list
// is set to that address alone; the answer is the subject (MM's, else
// `defaultSubject`) and the body (the user's signature).
struct ReportMail {
  std::string subject;
  std::string body;
};
ReportMail mailToSuiteAddress(std::string_view defaultSubject);

// When the person chose "Export This Report" in the previewer: appends an
// empty line, "Report Parameters:" and the non-blank `parameters` to the
// report's lines in RXQUEUE and saves them (ReportExport). Answers true
// when a file was written.
bool exportAfterPreview(const std::vector<std::string>& parameters);

}  // namespace crvpo

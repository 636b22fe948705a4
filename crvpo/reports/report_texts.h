// The texts of a report run (progress window, questions, warnings), read
// from the report-preview settings file "RPTPREVIEW.INI" in the suite's
// settings folder, section "DISPLAY STRINGS 2.0", each with its default.
#pragma once

#include <filesystem>
#include <string>

namespace crvpo {

struct ReportTexts {
  std::string ProgWinTitlePrvw = "Generating Report";
  std::string ProgWinTitlePrnt = "Printing Report";
  std::string ProgWinPctText = "% Completed";
  std::string ProgWinRecText = "Records Read";
  std::string PrinterDlgTitle = "Report Destination";
  std::string AskPrvwDialogTitle = "Preview";
  std::string AskPrvwDialogText = "Do you wish to PREVIEW this Report?";
  std::string CancelAreYouSureTitle = "Question";
  std::string CancelAreYouSureText = "Are you sure you want to CANCEL this Report?";
  std::string CancelPrvwPartialTitle = "Question";
  std::string CancelPrvwPartialText = "Report Cancellation Requested!||Preview Report generated so far?";
  std::string NoDfltPrtrTitle = "WARNING!";
  std::string NoDfltPrtrText =
      "Warning:  No DEFAULT Printer Driver Found!||Please install a printer and make it the default printer.";
  std::string NothingToPrvwTitle = "NOTE...";
  std::string NothingToPrntTitle = "NOTE...";
  std::string NothingToPrvwText = "Nothing to Preview.";
  std::string NothingToPrntText = "Nothing to Print.";
  std::string ButtonYesNoCancel = "&Yes|&No|&Cancel";
  std::string ButtonYesNo = "&Yes|&No";
  std::string ButtonYes = "&Yes";
  std::string ButtonYesNoIgnore = "&Yes|&No|&Ignore";
  std::string ButtonOk = "&Ok";

  // The texts of `file` (a missing file or key keeps the default).
  static ReportTexts load(const std::filesystem::path& file);
  // From RPTPREVIEW.INI in the suite's settings folder.
  static ReportTexts loadDefault();
};

}  // namespace crvpo

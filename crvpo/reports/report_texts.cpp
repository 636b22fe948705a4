// Loading the report run's texts.
#include "crvpo/reports/report_texts.h"

#include "host/data/shared_values.h"
#include "host/framework/services/ini_class.h"

namespace crvpo {

ReportTexts ReportTexts::load(const std::filesystem::path& file) {
  ReportTexts texts;
  if (!std::filesystem::exists(file)) return texts;
  crv::INIClass ini;
  ini.init(file);
  constexpr std::string_view section = "DISPLAY STRINGS 2.0";
  auto read = [&](std::string_view key, std::string& value) { value = ini.fetch(section, key, value); };
  read("ProgWinTitlePrvw", texts.ProgWinTitlePrvw);
  read("ProgWinTitlePrnt", texts.ProgWinTitlePrnt);
  read("ProgWinPctText", texts.ProgWinPctText);
  read("ProgWinRecText", texts.ProgWinRecText);
  read("PrinterDlgTitle", texts.PrinterDlgTitle);
  read("AskPrvwDialogTitle", texts.AskPrvwDialogTitle);
  read("AskPrvwDialogText", texts.AskPrvwDialogText);
  read("CancelAreYouSureTitle", texts.CancelAreYouSureTitle);
  read("CancelAreYouSureText", texts.CancelAreYouSureText);
  read("CancelPrvwPartialTitle", texts.CancelPrvwPartialTitle);
  read("CancelPrvwPartialText", texts.CancelPrvwPartialText);
  read("NoDfltPrtrTitle", texts.NoDfltPrtrTitle);
  read("NoDfltPrtrText", texts.NoDfltPrtrText);
  read("NothingToPrvwTitle", texts.NothingToPrvwTitle);
  read("NothingToPrntTitle", texts.NothingToPrntTitle);
  read("NothingToPrvwText", texts.NothingToPrvwText);
  read("NothingToPrntText", texts.NothingToPrntText);
  read("ButtonYesNoCancel", texts.ButtonYesNoCancel);
  read("ButtonYesNo", texts.ButtonYesNo);
  read("ButtonYes", texts.ButtonYes);
  read("ButtonYesNoIgnore", texts.ButtonYesNoIgnore);
  read("ButtonOk", texts.ButtonOk);
  return texts;
}

ReportTexts ReportTexts::loadDefault() {
  return load(std::filesystem::path(crv::IniPath) / "RPTPREVIEW.INI");
}

}  // namespace crvpo

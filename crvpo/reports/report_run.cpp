// Shared steps of the report runs.
#include "crvpo/reports/report_run.h"

#include <unistd.h>

#include "crvpo/reports/po_delivery.h"
#include "crvpo/reports/report_texts.h"
#include "host/data/shared_values.h"
#include "host/data/tables/purchasing_tables.h"
#include "host/framework/services/global_request.h"
#include "host/framework/services/message_box.h"
#include "host/siblings/CRVMISC/report_export.h"

namespace crvpo {

std::filesystem::path temporaryReportFile(std::string_view tag) {
  return std::filesystem::temp_directory_path() /
         ("crvpo-" + std::to_string(getpid()) + "-" + std::string(tag) + ".pdf");
}

void tellNothingPrinted(bool previewing) {
  const ReportTexts texts = ReportTexts::loadDefault();
  if (!previewing) {
    crv::message(texts.NothingToPrntText, texts.NothingToPrntTitle, crv::Icon::Exclamation, texts.ButtonOk);
    return;
  }
  crv::POMaster.open();
  const std::int64_t records = crv::POMaster.records();
  crv::POMaster.close();
  std::string text;
  if (records == 0) {
    text = "The primary file has no records!";
  } else if (records == 1) {
    text = "Your Limits have excluded the one record!";
  } else if (records == 2) {
    text = "Your Limits have excluded both records!";
  } else {
    text = "Your Limits have excluded all " + std::to_string(records) + " records!";
  }
  crv::message(text, "Nothing to Print...", crv::Icon::Exclamation, texts.ButtonOk);
}

ReportMail mailToSuiteAddress(std::string_view defaultSubject) {
  deliveryState().recipients = {Recipient{true, crv::MM.ToName, crv::MM.ToAddress}};
  ReportMail mail;
  mail.subject = crv::MM.Subject.empty() ? std::string(defaultSubject) : crv::MM.Subject;
  mail.body = userSignature();
  return mail;
}

bool exportAfterPreview(const std::vector<std::string>& parameters) {
  if (!deliveryState().exportMe) return false;
  crv::RXQUEUE.emplace_back();
  crv::RXQUEUE.emplace_back("Report Parameters:");
  for (const std::string& line : parameters)
    if (line.find_first_not_of(' ') != std::string::npos) crv::RXQUEUE.push_back(line);
  ReportExport();
  return crv::GlobalResponse == crv::RequestCompleted;
}

}  // namespace crvpo

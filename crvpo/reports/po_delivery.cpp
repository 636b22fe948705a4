// PDF names, recipients, mail settings and sending for printed orders.
#include "crvpo/reports/po_delivery.h"

#include "crvpo/reports/address_lines.h"
#include "host/data/shared_values.h"
#include "host/data/tables/payables_tables.h"
#include "host/data/tables/suite_tables.h"
#include "host/framework/services/file_name_part.h"
#include "host/framework/services/ini_class.h"
#include "host/framework/services/message_box.h"
#include "host/framework/table/table.h"
#include "host/framework/table/table_steps.h"
#include "host/mail/mail_password.h"
#include "host/mail/pdf_emailer.h"

namespace crvpo {

using crv::TableStatus;

DeliveryState& deliveryState() {
  static DeliveryState state;
  return state;
}

std::filesystem::path orderPdfFileName(std::string_view dataPath, std::string_view poNumber,
                                       std::string_view companyName) {
  return std::filesystem::path(std::string(crv::clip(dataPath))) /
         crv::fileNamePart("Purchase Order " + std::string(crv::clip(poNumber)) + " from " +
                           std::string(crv::clip(companyName)) + ".pdf");
}

std::filesystem::path batchPdfFileName(std::string_view dataPath) {
  return std::filesystem::path(std::string(crv::clip(dataPath))) / "Purchase Orders.pdf";
}

bool gatherRecipients(crv::Id vendorId) {
  auto& list = deliveryState().recipients;
  list.clear();
  crv::APVendor.open();
  crv::Contact.open();
  if (crv::fetchBy(crv::APVendor, crv::APV.KeyVendorID, crv::APV.VendorID, vendorId) == TableStatus::Ok) {
    if (!crv::APV.Email.empty()) {
      const std::string name = crv::APV.Contact.empty() ? crv::APV.VendorName.str() : crv::APV.Contact.str();
      list.push_back({false, name, crv::APV.Email.str()});
    }
    crv::CON.clear();
    crv::CON.VendorID = vendorId;
    if (crv::Contact.setRange(crv::CON.KeyVendorID, 1) == TableStatus::Ok) {
      while (crv::Contact.next() == TableStatus::Ok) {
        if (crv::CON.Email.empty()) continue;
        list.push_back(
            {false, crv::CON.FirstName.str() + " " + crv::CON.LastName.str(), crv::CON.Email.str()});
      }
    }
  }
  crv::Contact.close();
  crv::APVendor.close();
  if (list.empty()) {
    list.push_back({true, std::string(recipientPlaceholder), std::string()});
    return true;
  }
  list.front().tagged = true;
  return list.size() > 1;
}

std::string userSignature() {
  crv::UserFile.open();
  crv::USR.clear();
  crv::USR.UserID = crv::UserID.view();
  std::string signature;
  if (crv::UserFile.fetch(crv::USR.KeyUserID) == TableStatus::Ok) signature = crv::USR.EmailSignature.str();
  crv::UserFile.close();
  return signature;
}

namespace {

// A password left in the shared Mail.ini by an earlier version still
// signs in, with a warning once per run: everyone who can open the company
// folder can read it there.
std::string sharedPassword(const crv::INIClass& ini) {
  std::string password = ini.fetch("SMTP", "Password");
  static bool warned = false;
  if (password.empty() || warned) return password;
  warned = true;
  crv::message("The e-mail password is kept in " + ini.file().string() +
                   ", where everyone who can open the company folder can read it.|Store it in your own "
                   "settings with \"crvhost mail-password FOLDER\" (kept in " +
                   crv::userMailSettingsFile().string() +
                   ", readable by you only) and remove it from Mail.ini.",
               "E-mail Password", crv::Icon::Exclamation);
  return password;
}

}  // namespace

crv::MailSettings companyMailSettings() {
  crv::MailSettings settings;
  const std::filesystem::path folder(crv::DataPath);
  crv::INIClass ini;
  ini.init(folder / "Mail.ini");
  settings.server = ini.fetch("SMTP", "Server");
  settings.port = static_cast<int>(ini.fetchNumber("SMTP", "Port", 0));
  const std::string security = ini.fetch("SMTP", "Security", "StartTls");
  settings.security = security == "None"          ? crv::MailSecurity::None
                      : security == "ImplicitTls" ? crv::MailSecurity::ImplicitTls
                                                  : crv::MailSecurity::StartTls;
  settings.user = ini.fetch("SMTP", "User");
  settings.password = crv::userMailPassword(settings.user, settings.server);
  if (settings.password.empty()) settings.password = sharedPassword(ini);
  settings.allowPlainSignIn = ini.fetchNumber("SMTP", "AllowPlainSignIn", 0) != 0;
  settings.verifyCertificate = ini.fetchNumber("SMTP", "VerifyCertificate", 1) != 0;
  settings.timeoutSeconds = static_cast<int>(ini.fetchNumber("SMTP", "Timeout", 60));
  settings.senderAddress = ini.fetch("SMTP", "SenderAddress");
  settings.senderName = ini.fetch("SMTP", "SenderName");
  if (settings.senderAddress.empty()) {
    crv::UserFile.open();
    if (crv::fetchBy(crv::UserFile, crv::USR.KeyUserID, crv::USR.UserID, crv::UserID.view()) ==
        TableStatus::Ok) {
      settings.senderAddress = crv::USR.Email.str();
      if (settings.senderName.empty())
        settings.senderName = crv::USR.FirstName.str() + " " + crv::USR.LastName.str();
    }
    crv::UserFile.close();
  }
  settings.outboxFolder = folder / "Outbox";
  return settings;
}

namespace {

void addLogRow(const crv::Mailbox& box, const std::filesystem::path& pdf, const std::string& subject,
               std::string_view status) {
  crv::EML.clear();
  if (crv::EmailLog.primeAutoInc() != TableStatus::Ok) return;
  crv::EML.Date = crv::Date::today();
  crv::EML.Time = crv::Time::now();
  crv::EML.UserID = crv::UserID.view();
  crv::EML.Module = "CRVPO";
  crv::EML.ToAddress = box.address;
  crv::EML.ToName = box.name;
  crv::EML.Subject = subject;
  crv::EML.FileName = pdf.string();
  crv::EML.Status = status;
  crv::EmailLog.insert();
}

// One EmailLog row per recipient, in one commit.
void logMessage(const std::vector<crv::Mailbox>& to, const std::filesystem::path& pdf,
                const std::string& subject, std::string_view status) {
  crv::StepFailureMessages shown;
  crv::TableSteps steps(shown);
  crv::EmailLog.open();
  crv::runInOneTransaction(crv::EmailLog.connection(), steps, crv::EmailLog.name(), crv::TableOp::Inserting,
                           [&] {
                             for (const crv::Mailbox& box : to)
                               if (!box.address.empty()) addLogRow(box, pdf, subject, status);
                           });
  crv::EmailLog.close();
}

}  // namespace

crv::MailResult emailPdf(const std::filesystem::path& pdf, const std::string& subject,
                         const std::string& body, const crv::MailSettings& settings) {
  std::vector<crv::Mailbox> to;
  for (const Recipient& r : deliveryState().recipients) {
    if (!r.tagged) continue;
    // An address is never shortened: cut, it would reach someone else.
    if (crv::trim(r.email).size() > crv::EML.ToAddress.size()) {
      crv::MailResult refused = crv::MailResult::failure(
          "The address " + std::string(crv::trim(r.email)) + " is longer than " +
          std::to_string(crv::EML.ToAddress.size()) + " characters and cannot be used. Nothing was sent.");
      crv::message(refused.error, "E-mail Not Sent", crv::Icon::Exclamation);
      return refused;
    }
    to.push_back({r.name, r.email});
  }
  crv::MailResult result = crv::PdfEmailer(settings).send(pdf, subject, body, to);
  if (!result) {
    crv::message(result.error, "E-mail Not Sent", crv::Icon::Exclamation);
    return result;
  }
  if (!result.warning.empty())
    crv::message(result.warning, "E-mail Sent Unencrypted", crv::Icon::Exclamation);
  logMessage(to, pdf, subject, result.outboxFile.empty() ? "Sent" : "Outbox");
  return result;
}

}  // namespace crvpo

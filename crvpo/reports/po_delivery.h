// Delivering printed purchase orders: the PDF file names, the recipient
// list gathered from the vendor and its contacts, the company's mail
// settings and the e-mail of a PDF with one EmailLog row per message.
//
// Mail settings live in the company's data folder, file "Mail.ini",
// section [SMTP]: Server, Port, Security (None, StartTls, ImplicitTls),
// User, AllowPlainSignIn (0/1), SenderAddress, SenderName,
// VerifyCertificate (0/1), Timeout (seconds). The password is each user's
// own (host/mail/mail_password.h). Without a server every message is
// written as a complete .eml file to the folder "Outbox" of the company.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "host/framework/values/scalars.h"
#include "host/mail/mail_result.h"
#include "host/mail/mail_settings.h"

namespace crvpo {

inline constexpr std::string_view recipientPlaceholder = "add recipient here ...";

struct Recipient {
  bool tagged = false;
  std::string name;
  std::string email;
};

// What the previewer and the print entry hand to the delivery steps.
struct DeliveryState {
  bool emailMe = false;
  bool exportMe = false;
  bool makePdf = false;
  bool viewPdf = false;
  std::string emailBody;  // up to 600 characters
  crv::Id rememberedVendor = 0;
  std::vector<Recipient> recipients;
};

DeliveryState& deliveryState();

// <data folder>/Purchase Order <number> from <company>.pdf, one name in the
// data folder whatever the number and the company name hold.
std::filesystem::path orderPdfFileName(std::string_view dataPath, std::string_view poNumber,
                                       std::string_view companyName);
// <data folder>/Purchase Orders.pdf, for a batch of several orders.
std::filesystem::path batchPdfFileName(std::string_view dataPath);

// Rebuilds the recipient list for a vendor: its own address first (ticked),
// then its contacts with an address; the placeholder when there is none.
// Answers true when the user should choose among several entries or type
// an address in place of the placeholder.
bool gatherRecipients(crv::Id vendorId);

// The company's mail settings (see above); the sender defaults to the
// signed-in user's address from UserFile.
crv::MailSettings companyMailSettings();

// Sends the PDF to the ticked recipients; logs the message in EmailLog when
// it was sent. A failure is shown to the user.
crv::MailResult emailPdf(const std::filesystem::path& pdf, const std::string& subject,
                         const std::string& body, const crv::MailSettings& settings);

// The signed-in user's e-mail signature, blank when unknown.
std::string userSignature();

}  // namespace crvpo

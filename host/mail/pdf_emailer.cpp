// The PDF is attached under its own file name.
#include "host/mail/pdf_emailer.h"

#include <fstream>
#include <iterator>

#include "host/framework/values/text.h"

namespace crv {

namespace {

std::string trimmed(std::string_view text) { return std::string(trim(text)); }

}  // namespace

PdfEmailer::PdfEmailer(const MailSettings& settings) : PdfEmailer(settings, makeMailTransport(settings)) {}

PdfEmailer::PdfEmailer(const MailSettings& settings, std::unique_ptr<MailTransport> transport)
    : sender_{trimmed(settings.senderName), trimmed(settings.senderAddress)},
      transport_(std::move(transport)) {}

MailResult PdfEmailer::send(const std::filesystem::path& pdf, const std::string& subject,
                            const std::string& body, const std::vector<Mailbox>& recipients) {
  MailMessage message;
  message.from = sender_;
  message.subject = subject;
  message.body = body;
  for (const Mailbox& recipient : recipients) {
    std::string address = trimmed(recipient.address);
    if (!address.empty()) message.to.push_back({trimmed(recipient.name), address});
  }
  if (message.to.empty())
    return MailResult::failure("The e-mail was not sent: no recipient has an e-mail address.");

  std::ifstream in(pdf, std::ios::binary);
  if (!in)
    return MailResult::failure("The e-mail was not sent: the PDF file " + pdf.string() + " cannot be read.");
  MailAttachment attachment;
  attachment.fileName = pdf.filename().string();
  attachment.contentType = "application/pdf";
  attachment.bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  if (in.bad())
    return MailResult::failure("The e-mail was not sent: the PDF file " + pdf.string() + " cannot be read.");
  message.attachments.push_back(std::move(attachment));
  return transport_->send(message);
}

}  // namespace crv

// The form run, its delivery and the print entries.
#include "crvpo/reports/purchase_order_print.h"

#include <optional>
#include <ostream>
#include <sstream>

#include "crvpo/reports/address_lines.h"
#include "crvpo/reports/create_po_print.h"
#include "crvpo/reports/designer_form_path.h"
#include "crvpo/reports/listing_description.h"
#include "crvpo/reports/po_delivery.h"
#include "crvpo/reports/po_email_select.h"
#include "crvpo/reports/print_purchase_order.h"
#include "crvpo/reports/print_state.h"
#include "crvpo/reports/purchase_order_pdf.h"
#include "crvpo/reports/report_previewer.h"
#include "crvpo/reports/report_progress.h"
#include "crvpo/reports/report_run.h"
#include "crvpo/reports/report_texts.h"
#include "host/data/shared_values.h"
#include "host/data/tables/purchasing_tables.h"
#include "host/data/tables/suite_tables.h"
#include "host/framework/services/file_replacement.h"
#include "host/framework/services/global_request.h"
#include "host/framework/services/message_box.h"
#include "host/framework/services/printing.h"
#include "host/framework/table/table.h"
#include "host/framework/ui/front_end.h"
#include "host/render/render_error.h"

namespace crvpo {

namespace {

int batchRows() {
  crv::POPrint.open();
  int rows = 0;
  crv::POP.clear();
  crv::POP.UserID = crv::UserID.view();
  if (crv::POPrint.setRange(crv::POP.KeyUserID, 1) == crv::TableStatus::Ok) {
    while (crv::POPrint.next() == crv::TableStatus::Ok) ++rows;
  }
  crv::POPrint.close();
  return rows;
}

// Lays the batch out into `file` without a window, on the company's form.
PdfPrintResult layOutBatch(const std::filesystem::path& file, const CompanyForm& form, std::ostream* out) {
  if (!form.designer) return printStandardFormToPdf(file, noteOrderForDelivery);
  std::ostringstream told;
  PdfPrintResult result;
  if (setDesignerForm(form.path, 0)) {
    result = printDesignerFormToPdf(file, told);
  } else {
    told << "The designer form path " << form.path << " is too long.\n";
    result.failed = true;
  }
  if (out) *out << (result.failed ? "error: " : "") << told.str();
  return result;
}

// Lays the batch out into `file` under the progress window, keeping the
// pages for the previewer when asked. A cancelled run that is not to be
// shown answers nothing and leaves no file.
std::optional<PdfPrintResult> layOutBatchWithProgress(const std::filesystem::path& file, bool previewing,
                                                      std::vector<crv::LaidOutPage>* keep) {
  StandardFormPdfRun run(file, noteOrderForDelivery, keep, &crv::RXQUEUE);
  // An empty batch has nothing to show progress for.
  if (run.records() > 0 &&
      runWithProgress(run, previewing, ReportTexts::loadDefault()) == ReportRunEnd::Abandoned) {
    if (keep) keep->clear();
    return std::nullopt;
  }
  return run.finish();
}

}  // namespace

void noteOrderForDelivery() {
  DeliveryState& delivery = deliveryState();
  if (!crv::DecimalVariable.isZero()) {
    delivery.rememberedVendor = crv::POP.VendorID;
  } else {
    delivery.recipients.clear();
  }
  crv::PDFFileName =
      orderPdfFileName(crv::DataPath, crv::POP.PONumber.view(), crv::CompanyName.view()).string();
}

void deliverPrintedBatch(const std::filesystem::path& laidOut) {
  if (batchRows() > 1) crv::PDFFileName = batchPdfFileName(crv::DataPath).string();
  if (deliveryState().emailMe && !crv::DecimalVariable.isZero()) {
    if (gatherRecipients(deliveryState().rememberedVendor)) POEmailSelect();
  }
  deliverAfterPreview(laidOut, std::string(printState().EmailSubject.view()),
                      std::string(crv::clip(deliveryState().emailBody)));
}

std::string orderEmailBody(const std::string& signature) {
  std::string body = "Please see attached Purchase Order.";
  if (!crv::clip(signature).empty()) body += "\n\n" + std::string(crv::clip(signature));
  return body;
}

bool printToDefaultPrinter(const std::filesystem::path& pdf, int copies) {
  const crv::PrintResult printed = crv::printService().print({pdf, pdf.filename().string(), copies});
  if (printed.status == crv::PrintResult::Status::NoDefaultPrinter) {
    const ReportTexts texts = ReportTexts::loadDefault();
    crv::message(texts.NoDfltPrtrText, texts.NoDfltPrtrTitle, crv::Icon::Exclamation, texts.ButtonOk);
    return false;
  }
  if (!printed) {
    crv::message("The report could not be sent to the printer.", "WARNING!", crv::Icon::Exclamation, "&Ok");
    return false;
  }
  return true;
}

bool deliverAfterPreview(const std::filesystem::path& laidOut, const std::string& subject,
                         const std::string& body) {
  DeliveryState& delivery = deliveryState();
  delivery.viewPdf = false;
  if (delivery.emailMe) {
    delivery.makePdf = true;
  } else if (delivery.makePdf) {
    crv::ui::FileDialogRequest request;
    request.title = "PDF File Name and Location";
    request.filter = "PDF Files|*.pdf|All Files|*.*";
    const std::filesystem::path proposed(crv::PDFFileName.str());
    request.folder = proposed.parent_path();
    request.fileName = proposed.filename().string();
    const auto chosen = crv::ui::frontEnd().saveFile(request);
    if (chosen) {
      crv::PDFFileName = chosen->string();
      delivery.viewPdf = crv::message("Do you wish to view the PDF file when it is created?", "View PDF?",
                                      crv::Icon::Question, "&Yes|&No") == 1;
    } else {
      delivery.makePdf = false;
    }
  }
  if (!delivery.makePdf) return false;

  const std::filesystem::path target(crv::PDFFileName.str());
  if (const std::string error = crv::copyFileSafely(laidOut, target); !error.empty()) {
    crv::message("The PDF file " + target.string() + " could not be written: " + error, "PDF File",
                 crv::Icon::Exclamation);
    return false;
  }
  if (delivery.viewPdf) crv::ui::frontEnd().openDocument(target);
  if (delivery.emailMe) {
    emailPdf(target, subject, body, companyMailSettings());
  }
  return true;
}

}  // namespace crvpo

void PrintPurchaseOrderStandard() {
  using namespace crvpo;
  const bool previewing = crv::GLO.PrintPreview != 0;
  const std::filesystem::path laidOut = temporaryReportFile("form");
  DeliveryState& delivery = deliveryState();
  delivery.emailMe = false;
  delivery.exportMe = false;
  delivery.makePdf = false;
  crv::RXQUEUE.clear();
  std::vector<crv::LaidOutPage> pages;
  std::optional<PdfPrintResult> run;
  try {
    run = layOutBatchWithProgress(laidOut, previewing, previewing ? &pages : nullptr);
  } catch (const crv::RenderError& error) {
    crv::message(error.what(), "Printing Report", crv::Icon::Stop);
    crv::GlobalResponse = crv::RequestCancelled;
    return;
  }
  if (!run) {
    crv::GlobalResponse = crv::RequestCancelled;
    return;
  }
  if (run->pages == 0) {
    tellNothingPrinted(previewing);
    crv::GlobalResponse = crv::RequestCancelled;
    return;
  }
  bool printed = false;
  if (previewing) {
    PreviewOptions options;
    options.zoom = crv::GLO.PreviewZoom;
    printed = previewPages(std::move(pages), laidOut, options) == 1;
  } else {
    printed = printToDefaultPrinter(laidOut);
  }
  deliverPrintedBatch(laidOut);
  std::string printedOrders = "Purchase Orders:";
  for (const std::string& number : run->numbers) printedOrders += " " + number;
  exportAfterPreview({"Purchase Order > Print Purchase Orders", shortenedListLine(printedOrders)});
  std::error_code ignored;
  std::filesystem::remove(laidOut, ignored);
  crv::GlobalResponse = printed ? crv::RequestCompleted : crv::RequestCancelled;
}

void PrintPurchaseOrderServer() {
  using namespace crvpo;
  if (crv::Systems.open() != crv::TableStatus::Ok) {
    crv::message(crv::Systems.lastError().describe() + " Accessing Systems");
  }
  if (crv::UserFile.open() != crv::TableStatus::Ok) {
    crv::message(crv::UserFile.lastError().describe() + " Accessing UserFile");
  }
  crv::PDFFileName = (std::filesystem::path(crv::DataPath) / "Purchase Order.pdf").string();
  DeliveryState& delivery = deliveryState();
  delivery.emailMe = false;
  delivery.makePdf = false;
  delivery.emailBody = orderEmailBody(userSignature());
  crv::UserFile.close();
  crv::Systems.close();
  const CompanyForm form = companyForm();
  if (!form.designer) {
    CreatePOPrint();
    PrintPurchaseOrderStandard();
    return;
  }
  if (!setDesignerForm(form.path, 0)) return;
  CreatePOPrint();
  PrintPurchaseOrder();
}

int PrintPurchaseOrderConsole(const char* poNumber, const char* pdf, int email, std::ostream* out) {
  using namespace crvpo;
  const std::string number(crv::clip(poNumber ? std::string_view(poNumber) : std::string_view()));
  crv::DecimalVariable = crv::Amount();
  if (!number.empty()) {
    crv::POMaster.open();
    const bool found =
        crv::fetchBy(crv::POMaster, crv::POM.KeyPONumber, crv::POM.PONumber, number) == crv::TableStatus::Ok;
    crv::POMaster.close();
    if (!found) {
      if (out) *out << "No purchase order numbered " << number << ".\n";
      return 1;
    }
    crv::DecimalVariable = crv::Amount(static_cast<std::int64_t>(crv::POM.POID));
  }
  DeliveryState& delivery = deliveryState();
  delivery.emailBody = orderEmailBody(userSignature());
  const CompanyForm form = companyForm();
  CreatePOPrint();
  std::filesystem::path target;
  if (pdf && *pdf) {
    target = pdf;
  } else if (!number.empty()) {
    target = orderPdfFileName(crv::DataPath, number, crv::CompanyName.view());
  } else {
    target = batchPdfFileName(crv::DataPath);
  }
  PdfPrintResult result;
  try {
    result = layOutBatch(target, form, out);
  } catch (const crv::RenderError& error) {
    if (out) *out << "error: " << error.what() << "\n";
    return 2;
  }
  if (result.failed) return 2;
  if (result.pages == 0) {
    if (out) *out << "Nothing to print.\n";
    return 1;
  }
  if (out) {
    *out << "Printed " << result.orders << " order(s), " << result.pages << " page(s) to " << target.string()
         << "\n";
  }
  if (email == 0) return 0;
  if (!number.empty()) {
    gatherRecipients(delivery.rememberedVendor);
  } else {
    delivery.recipients.clear();
  }
  const crv::MailResult sent = emailPdf(target, std::string(printState().EmailSubject.view()),
                                        delivery.emailBody, companyMailSettings());
  if (out) {
    if (!sent) {
      *out << "Not e-mailed: " << sent.error << "\n";
    } else if (sent.outboxFile.empty()) {
      *out << "E-mailed over SMTP\n";
    } else {
      *out << "E-mail written to " << sent.outboxFile.string() << "\n";
    }
  }
  return sent ? 0 : 2;
}

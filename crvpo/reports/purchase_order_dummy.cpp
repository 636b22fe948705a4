// The sample layout and its run.
#include "crvpo/reports/purchase_order_dummy.h"

#include "crvpo/reports/po_delivery.h"
#include "crvpo/reports/purchase_order_print.h"
#include "crvpo/reports/report_previewer.h"
#include "crvpo/reports/report_run.h"
#include "host/data/shared_values.h"
#include "host/framework/report/paginator.h"
#include "host/framework/report/report.h"
#include "host/framework/services/global_request.h"
#include "host/framework/services/message_box.h"
#include "host/render/pango_text_measurer.h"
#include "host/render/pdf_renderer.h"
#include "host/render/render_error.h"

namespace crvpo {
namespace {

using crv::Align;

crv::Font plain(double size) { return crv::Font{"DejaVu Sans", size, false, false}; }
crv::Font bold(double size) { return crv::Font{"DejaVu Sans", size, true, false}; }

crv::Report sampleLayout() {
  crv::Report report;
  crv::Band& header = report.pageHeader;
  header.setHeight(200);
  header.addText(340, 0, 200, "PURCHASE ORDER", bold(16), Align::Right);
  header.addText(0, 0, 300, "Company Name XXXXXXXXXXXXXXXXXXX", bold(11));
  header.addText(0, 30, 100, "Bill To", bold(8));
  header.addText(0, 42, 260, "Address XXXXXXXXXXXXXXXXXXXXXXXX", plain(8));
  header.addText(340, 30, 110, "Purchase Order #:", bold(8));
  header.addText(450, 30, 90, "XXXXXXXXXX", plain(8));
  header.addText(340, 42, 110, "Issue Date:", bold(8));
  header.addText(450, 42, 90, "99/99/9999", plain(8));
  header.addText(340, 54, 110, "For Acceptance By:", bold(8));
  header.addText(450, 54, 90, "99/99/9999", plain(8));
  header.addText(0, 80, 100, "Vendor", bold(8));
  header.addText(0, 92, 260, "Vendor Name XXXXXXXXXXXXXXXXXXXXX", plain(8));
  header.addText(280, 80, 100, "Ship To", bold(8));
  header.addText(280, 92, 260, "Ship To Name XXXXXXXXXXXXXXXXXXXX", plain(8));
  header.addBox(0, 168, 540, 28, 0.75, crv::Color::gray(230));
  const double x[] = {2, 50, 130, 330, 380, 460};
  const char* top[] = {"Line", "Catalog", "Description", "Unit", "Quantity", "Extended"};
  const char* bottom[] = {"Number", "Number", "", "Name", "Ordered", "Amount"};
  for (int i = 0; i < 6; ++i) {
    header.addText(x[i], 170, 76, top[i], bold(7));
    header.addText(x[i], 181, 76, bottom[i], bold(7));
  }

  crv::Band& detail = report.band("Detail", crv::BandKind::Detail, 13);
  detail.addText(2, 2, 46, "999", plain(7));
  detail.addText(50, 2, 78, "XXXXXXXXXX", plain(7));
  detail.addText(130, 2, 198, "Description XXXXXXXXXXXXXXXXXXXX", plain(7));
  detail.addText(330, 2, 48, "XXXX", plain(7));
  detail.addText(380, 2, 78, "9,999.99", plain(7), Align::Right);
  detail.addText(460, 2, 78, "99,999.99", plain(7), Align::Right);

  crv::Band& totals = report.band("Totals", crv::BandKind::GroupFooter, 44);
  totals.addText(360, 4, 100, "Subtotal:", bold(8));
  totals.addText(460, 4, 78, "999,999.99", plain(8), Align::Right);
  totals.addText(360, 16, 100, "Tax (9.999%)", bold(8));
  totals.addText(460, 16, 78, "99,999.99", plain(8), Align::Right);
  totals.addText(360, 28, 100, "Total:", bold(8));
  totals.addText(460, 28, 78, "999,999.99", bold(8), Align::Right);

  report.pageFooter.setHeight(24);
  report.pageFooter.addText(440, 8, 100, "Page:  X of X", plain(7), Align::Right);
  return report;
}

// The sample's rows for "Export This Report": its captions and
// placeholders, as printed.
std::vector<std::string> sampleExportLines() {
  std::vector<std::string> lines{"PURCHASE ORDER", "", "Line\tCatalog\tDescription\tUnit\tQuantity\tExtended",
                                 "Number\tNumber\t\tName\tOrdered\tAmount"};
  for (int i = 0; i < 41; ++i)
    lines.emplace_back("999\tXXXXXXXXXX\tDescription XXXXXXXXXXXXXXXXXXXX\tXXXX\t9,999.99\t99,999.99");
  lines.emplace_back("\t\t\t\tSubtotal:\t999,999.99");
  lines.emplace_back("\t\t\t\tTax (9.999%)\t99,999.99");
  lines.emplace_back("\t\t\t\tTotal:\t999,999.99");
  return lines;
}

}  // namespace

int printSampleLayoutToPdf(const std::filesystem::path& file, std::vector<crv::LaidOutPage>* keep) {
  const crv::Report report = sampleLayout();
  crv::PangoTextMeasurer measurer;
  crv::PdfRenderer pdf(file);
  crv::CopyingSink sink(pdf, keep);
  crv::Paginator paginator(report, measurer, sink);
  for (int i = 0; i < 41; ++i) paginator.print("Detail");
  paginator.print("Totals");
  paginator.finish();
  const int pages = pdf.pagesWritten();
  pdf.finish();
  return pages;
}

}  // namespace crvpo

void PurchaseOrderDummy() {
  using namespace crvpo;
  crv::PDFFileName = (std::filesystem::path(crv::DataPath) / "Dummy Purchase Order.pdf").string();
  DeliveryState& delivery = deliveryState();
  delivery.emailMe = false;
  delivery.exportMe = false;
  delivery.makePdf = false;
  crv::RXQUEUE = sampleExportLines();
  const auto laidOut = temporaryReportFile("sample");
  std::vector<crv::LaidOutPage> pages;
  const bool previewing = crv::GLO.PrintPreview != 0;
  try {
    printSampleLayoutToPdf(laidOut, previewing ? &pages : nullptr);
  } catch (const crv::RenderError& error) {
    crv::message(error.what(), "Printing Report", crv::Icon::Stop);
    crv::GlobalResponse = crv::RequestCancelled;
    return;
  }
  bool printed = false;
  if (previewing) {
    PreviewOptions options;
    options.emailCaption = "Email Report (pdf)";
    options.zoom = crv::GLO.PreviewZoom;
    printed = previewPages(std::move(pages), laidOut, options) == 1;
    ReportMail mail;
    if (delivery.emailMe) mail = mailToSuiteAddress("Dummy Purchase Order");
    deliverAfterPreview(laidOut, mail.subject, mail.body);
    exportAfterPreview({"Purchase Order > Print a Dummy PO"});
  } else {
    printed = printToDefaultPrinter(laidOut);
  }
  std::error_code ignored;
  std::filesystem::remove(laidOut, ignored);
  crv::GlobalResponse = printed ? crv::RequestCompleted : crv::RequestCancelled;
}

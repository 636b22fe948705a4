// The standard form rendered to a PDF file.
#include "crvpo/reports/purchase_order_pdf.h"

#include "crvpo/reports/purchase_order_form.h"
#include "host/render/pango_text_measurer.h"
#include "host/render/pdf_renderer.h"

namespace crvpo {

struct StandardFormPdfRun::Parts {
  Parts(const std::filesystem::path& file, std::function<void()> after, std::vector<crv::LaidOutPage>* keep,
        std::vector<std::string>* exportLines)
      : pdf(file), sink(pdf, keep), paginator(form.report(), measurer, sink), afterOrder(std::move(after)) {
    form.setExportLines(exportLines);
    rows = static_cast<std::int64_t>(form.beginBatch());
  }
  PurchaseOrderForm form;
  crv::PangoTextMeasurer measurer;
  crv::PdfRenderer pdf;
  crv::CopyingSink sink;
  crv::Paginator paginator;
  std::function<void()> afterOrder;
  std::int64_t rows = 0;
  bool ended = false;

  void endBatch() {
    if (ended) return;
    ended = true;
    form.endBatch();
  }
};

StandardFormPdfRun::StandardFormPdfRun(const std::filesystem::path& file, std::function<void()> afterOrder,
                                       std::vector<crv::LaidOutPage>* keep,
                                       std::vector<std::string>* exportLines)
    : parts_(std::make_unique<Parts>(file, std::move(afterOrder), keep, exportLines)) {}

StandardFormPdfRun::~StandardFormPdfRun() {
  if (parts_) parts_->endBatch();
}

std::int64_t StandardFormPdfRun::records() const { return parts_->rows; }

bool StandardFormPdfRun::next() { return parts_->form.printNext(parts_->paginator, parts_->afterOrder); }

int StandardFormPdfRun::pages() const { return parts_->paginator.pagesStarted(); }

PdfPrintResult StandardFormPdfRun::finish() {
  parts_->endBatch();
  parts_->paginator.finish();
  PdfPrintResult result;
  result.orders = parts_->form.ordersPrinted();
  result.numbers = parts_->form.printedNumbers();
  result.pages = parts_->pdf.pagesWritten();
  if (result.pages > 0) parts_->pdf.finish();
  return result;
}

PdfPrintResult printStandardFormToPdf(const std::filesystem::path& file,
                                      const std::function<void()>& afterOrder,
                                      std::vector<crv::LaidOutPage>* keep) {
  PurchaseOrderForm form;
  crv::PangoTextMeasurer measurer;
  crv::PdfRenderer pdf(file);
  crv::CopyingSink sink(pdf, keep);
  crv::Paginator paginator(form.report(), measurer, sink);
  PdfPrintResult result;
  result.orders = form.printBatch(paginator, afterOrder);
  paginator.finish();
  result.pages = pdf.pagesWritten();
  if (result.pages > 0) pdf.finish();
  return result;
}

}  // namespace crvpo

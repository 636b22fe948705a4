// The standard form rendered to a PDF file.
#include "crvpo/reports/purchase_order_pdf.h"

#include "crvpo/reports/purchase_order_form.h"
#include "host/render/pango_text_measurer.h"
#include "host/render/pdf_renderer.h"

namespace crvpo {
namespace {

// Hands each page to the PDF and, when asked, keeps a copy.
class KeepingSink final : public crv::PageSink {
 public:
  KeepingSink(crv::PageSink& next, std::vector<crv::LaidOutPage>* keep) : next_(next), keep_(keep) {}
  void addPage(crv::LaidOutPage page) override {
    if (keep_) keep_->push_back(page);
    next_.addPage(std::move(page));
  }

 private:
  crv::PageSink& next_;
  std::vector<crv::LaidOutPage>* keep_;
};

}  // namespace

PdfPrintResult printStandardFormToPdf(const std::filesystem::path& file, const std::function<void()>& afterOrder,
                                      std::vector<crv::LaidOutPage>* keep) {
  PurchaseOrderForm form;
  crv::PangoTextMeasurer measurer;
  crv::PdfRenderer pdf(file);
  KeepingSink sink(pdf, keep);
  crv::Paginator paginator(form.report(), measurer, sink);
  PdfPrintResult result;
  result.orders = form.printBatch(paginator, afterOrder);
  paginator.finish();
  result.pages = pdf.pagesWritten();
  if (result.pages > 0) pdf.finish();
  return result;
}

}  // namespace crvpo

// The shared body of the designer report procedures.
#include "crvpo/reports/designer_report_procedure.h"

#include <ostream>

#include "crvpo/reports/designer_form_path.h"
#include "crvpo/reports/po_delivery.h"
#include "crvpo/reports/purchase_order_print.h"
#include "crvpo/reports/report_previewer.h"
#include "crvpo/reports/report_progress.h"
#include "crvpo/reports/report_texts.h"
#include "host/data/shared_values.h"
#include "host/data/tables/purchasing_tables.h"
#include "host/framework/services/global_request.h"
#include "host/framework/services/temporary_files.h"
#include "host/framework/table/table.h"
#include "host/framework/ui/front_end.h"
#include "host/render/pdf_renderer.h"
#include "host/render/render_error.h"

namespace crvpo {
namespace {

constexpr const char* newReportName = "New report";

// The runtime's rows, one at a time, under the progress window.
class DesignerReportWork final : public ReportWork {
 public:
  DesignerReportWork(crv::ReportRuntime& runtime, const std::vector<crv::LaidOutPage>& pages)
      : runtime_(runtime), pages_(pages) {}
  std::int64_t records() const override { return runtime_.recordCount(); }
  bool next() override { return runtime_.runNext(); }
  int pages() const override { return static_cast<int>(pages_.size()); }

 private:
  crv::ReportRuntime& runtime_;
  const std::vector<crv::LaidOutPage>& pages_;
};

}  // namespace

DesignerReportProcedure::DesignerReportProcedure(DesignerReportSetup setup)
    : setup_(std::move(setup)), view_(setup_.view, setup_.bindings) {}

DesignerReportProcedure::~DesignerReportProcedure() {
  sink_.reset();
  pdf_.reset();
  if (!pdfFile_.empty()) {
    std::error_code ignored;
    std::filesystem::remove(pdfFile_, ignored);
  }
}

void DesignerReportProcedure::tell(const std::string& text, const std::string& title, crv::Icon icon) {
  if (console_) {
    *console_ << text << "\n";
    return;
  }
  crv::message(text, title, icon);
}

bool DesignerReportProcedure::start() {
  std::string error;
  runtime_ = crv::createReportRuntime(error);
  if (!runtime_) {
    tell(error, "Report", crv::Icon::Stop);
    return false;
  }
  runtime_->setDictionary(setup_.dictionary.text());
  setup_.bindings.forEach(
      [this](const std::string& name, const crv::FieldRef& value) { runtime_->bind(name, value); });
  editing_ = crv::FRB.ReportEditAction != 0;
  crv::FRB.ReportEditAction = 0;
  crv::FRB.LibLanguage = "English";
  DeliveryState& delivery = deliveryState();
  delivery.makePdf = false;
  delivery.emailMe = false;
  delivery.exportMe = false;
  return true;
}

void DesignerReportProcedure::openTables() {
  for (crv::Table* table : setup_.tables) table->open();
}

void DesignerReportProcedure::closeTables() {
  for (auto it = setup_.tables.rbegin(); it != setup_.tables.rend(); ++it) (*it)->close();
}

bool DesignerReportProcedure::loadReport() {
  const std::string file =
      designerReportFile(crv::FRB.ReportSearchPath.view(), crv::FRB.ReportFileName.view());
  if (!runtime_->loadReport(file)) {
    tell(runtime_->errorText(), "Report");
    return false;
  }
  if (runtime_->report().type != setup_.type) {
    if (!console_) crv::ui::frontEnd().beep(crv::ui::Sound::Default);
    tell(crv::differentReportTypeText(file, runtime_->report().type, setup_.type),
         crv::differentReportTypeTitle);
    return false;
  }
  return true;
}

void DesignerReportProcedure::execute() {
  crv::GlobalResponse = crv::RequestCancelled;
  if (!start()) return;
  if (editing_) {
    editReport();
  } else {
    runReport();
  }
}

void DesignerReportProcedure::runReport() {
  openTables();
  if (loadReport()) {
    runtime_->setRecordCount(setup_.childRows());
    runtime_->setDestination(crv::GLO.PrintPreview != 0 ? crv::ReportDestination::Preview
                                                        : crv::ReportDestination::Printer);
    if (runtime_->printWithoutAsking() || crv::FRB.UseSavedDevMode != 0 || runtime_->printDialog())
      runWithProgressWindow();
  }
  closeTables();
}

void DesignerReportProcedure::runWithProgressWindow() {
  if (!runtime_->startRun(*this)) {
    if (!runtime_->errorText().empty()) tell(runtime_->errorText(), "Report");
    runtime_->finishRun();
    return;
  }
  const bool previewing = runtime_->destination() == crv::ReportDestination::Preview;
  DesignerReportWork work(*runtime_, pages_);
  const ReportRunEnd end =
      runWithProgress(work, previewing, ReportTexts::loadDefault(), {}, setup_.progressName);
  const int pages = runtime_->finishRun();
  crv::GlobalResponse = crv::RequestCancelled;
  if (end == ReportRunEnd::Abandoned) return;
  preview(pages);
}

void DesignerReportProcedure::editReport() {
  std::uint64_t none = 0;
  if (!crv::FRB.DesktopThread.compare_exchange_strong(none, crv::currentThreadNumber())) return;
  openTables();
  const std::string file =
      designerReportFile(crv::FRB.ReportSearchPath.view(), crv::FRB.ReportFileName.view());
  bool ready = true;
  if (file.empty()) {
    runtime_->newReport(setup_.type, newReportName);
  } else if (!std::filesystem::exists(file)) {
    runtime_->newReport(setup_.type, std::filesystem::path(file).stem().string(), file);
  } else {
    ready = loadReport();
  }
  if (ready && !runtime_->editPage(*this)) tell(runtime_->errorText(), "Report Designer");
  closeTables();
  crv::FRB.DesktopThread = 0;
}

int DesignerReportProcedure::runToSink(crv::PageSink& sink, std::ostream& out) {
  console_ = &out;
  consoleSink_ = &sink;
  if (!start()) return -1;
  openTables();
  int pages = -1;
  // Without a progress window the rows need not be counted first.
  if (loadReport()) {
    if (runtime_->startRun(*this)) {
      while (runtime_->runNext()) {
      }
      pages = runtime_->finishRun();
    } else {
      if (!runtime_->errorText().empty()) tell(runtime_->errorText(), "Report");
      runtime_->finishRun();
    }
  }
  closeTables();
  return pages;
}

std::string DesignerReportProcedure::filterFrom(const std::string& filter) {
  const std::string_view text = crv::trim(filter);
  if (text.empty() || text.front() != '=') return std::string(text);
  const std::string expression(text.substr(1));
  if (const auto result = runtime_->evaluate(expression)) return *result;
  tell(runtime_->errorText() + ":|" + expression, "Report");
  refuseAll_ = true;
  return {};
}

bool DesignerReportProcedure::openView(const std::string& order, const std::string& filter) {
  rowsRead_ = 0;
  records_ = 0;
  lastRecord_ = 0;
  refuseAll_ = false;
  const std::string rowFilter = filterFrom(filter);
  if (!refuseAll_ && !runtime_->compileFilter(rowFilter)) {
    tell(runtime_->errorText() + ":|" + rowFilter, "Report");
    refuseAll_ = true;
  }
  const std::string refusal = view_.open(order, [this] {
    if (refuseAll_) return false;
    return runtime_->filterAccepts().value_or(false);
  });
  if (!refusal.empty()) tell(refusal, "Report");
  return true;
}

crv::FeedRow DesignerReportProcedure::next(std::uint64_t& group) {
  const crv::FeedRow row = view_.next(group);
  if (row == crv::FeedRow::End) {
    if (rowsRead_ == 0)
      tell(runtime_->report().name + "\r\n\r\nNo records found!", "Report", crv::Icon::Information);
    return row;
  }
  if (rowsRead_ == 0 || group != lastRecord_) {
    ++records_;
    if (setup_.onRecord) setup_.onRecord();
  }
  lastRecord_ = group;
  ++rowsRead_;
  return row;
}

void DesignerReportProcedure::closeView() { view_.close(); }

crv::PageSink& DesignerReportProcedure::pageSink() {
  if (consoleSink_) return *consoleSink_;
  sink_.reset();
  pdf_.reset();
  pages_.clear();
  if (!pdfFile_.empty()) {
    std::error_code ignored;
    std::filesystem::remove(pdfFile_, ignored);
  }
  pdfFile_ = crv::temporaryFileName("designer", ".pdf");
  pdf_ = std::make_unique<crv::PdfRenderer>(pdfFile_);
  sink_ = std::make_unique<crv::CopyingSink>(*pdf_, &pages_);
  return *sink_;
}

void DesignerReportProcedure::preview(int pages) {
  if (consoleSink_) return;
  const ReportTexts texts = ReportTexts::loadDefault();
  if (!editing_) crv::GlobalResponse = crv::RequestCancelled;
  if (pages <= 0 || !pdf_ || pdf_->pagesWritten() == 0) {
    crv::message(texts.NothingToPrvwText, texts.NothingToPrvwTitle, crv::Icon::Exclamation, texts.ButtonOk);
    return;
  }
  try {
    pdf_->finish();
  } catch (const crv::RenderError& error) {
    crv::message(error.what(), "Report", crv::Icon::Stop);
    return;
  }
  const bool delivering = setup_.afterPreview && !editing_;
  bool printed = false;
  if (runtime_->destination() == crv::ReportDestination::Printer && !editing_) {
    printed = printToDefaultPrinter(pdfFile_);
  } else {
    PreviewOptions options;
    options.startPercent = 50;
    options.delivery = delivering;
    printed = previewPages(std::move(pages_), pdfFile_, options) == 1;
  }
  pages_.clear();
  if (delivering) setup_.afterPreview(pdfFile_, printed);
  if (!editing_) crv::GlobalResponse = printed ? crv::RequestCompleted : crv::RequestCancelled;
}

bool positionOrderLines(crv::Id poid) {
  crv::POD.clear();
  crv::POD.POID = poid;
  return crv::PODetail.setRange(crv::POD.KeyPOID, 1) == crv::TableStatus::Ok;
}

PdfPrintResult printDesignerReportToPdf(DesignerReportSetup setup, const std::filesystem::path& pdf,
                                        std::ostream& out) {
  crv::PdfRenderer renderer(pdf);
  DesignerReportProcedure procedure(std::move(setup));
  PdfPrintResult result;
  const int pages = procedure.runToSink(renderer, out);
  result.orders = static_cast<int>(procedure.recordsRead());
  result.pages = renderer.pagesWritten();
  result.failed = pages < 0;
  if (pages > 0 && result.pages > 0) renderer.finish();
  return result;
}

}  // namespace crvpo

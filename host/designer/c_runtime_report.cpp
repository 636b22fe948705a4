// The host's report-designer runtime.
#include "host/designer/c_runtime_report.h"

#include "host/designer/designer_session.h"
#include "host/framework/report/report_file.h"
#include "host/framework/services/message_box.h"
#include "host/framework/services/plugin_library.h"
#include "host/render/pango_text_measurer.h"

namespace crv::designer {

CRuntimeReport::CRuntimeReport() = default;

CRuntimeReport::~CRuntimeReport() {
  // The run reads the layout and the measurer: it goes first.
  run_.reset();
}

void CRuntimeReport::setDictionary(const std::string& text) {
  dictionary_ = FieldDictionary::parse(text).value_or(FieldDictionary{});
}

void CRuntimeReport::bind(const std::string& name, const FieldRef& value) { bindings_.bind(name, value); }

bool CRuntimeReport::loadReport(const std::filesystem::path& file) {
  try {
    report_ = readReportFile(file);
  } catch (const ReportFileError& error) {
    error_ = error.what();
    return false;
  }
  file_ = file;
  return true;
}

void CRuntimeReport::newReport(const std::string& type, const std::string& name,
                               const std::filesystem::path& file) {
  report_ = ReportDefinition{};
  report_.type = type;
  report_.name = name;
  file_ = file;
}

bool CRuntimeReport::printDialog() {
  switch (crv::message("Send the report to the previewer or straight to the printer?", "Report Destination",
                       Icon::Question, "&Preview|P&rinter|&Cancel")) {
    case 1:
      destination_ = ReportDestination::Preview;
      return true;
    case 2:
      destination_ = ReportDestination::Printer;
      return true;
    default:
      return false;
  }
}

const PangoTextMeasurer& CRuntimeReport::measurer() {
  if (!measurer_) measurer_ = std::make_unique<PangoTextMeasurer>();
  return *measurer_;
}

int CRuntimeReport::processData(ReportFeed& feed) {
  if (!startRun(feed)) {
    run_.reset();
    return -1;
  }
  while (runNext()) {
  }
  const int pages = finishRun();
  feed.preview(pages);
  return pages;
}

bool CRuntimeReport::startRun(ReportFeed& feed) {
  run_.reset();
  error_.clear();
  layout_ = DesignerLayout::build(report_, file_.parent_path(), bindings_, error_);
  if (!layout_) return false;
  run_ = std::make_unique<DesignerRun>(*layout_, feed, measurer());
  return run_->start(report_.order, report_.filter);
}

bool CRuntimeReport::runNext() { return run_ && run_->next(); }

int CRuntimeReport::finishRun() {
  if (!run_) return 0;
  const int pages = run_->finish();
  run_.reset();
  return pages;
}

bool CRuntimeReport::editPage(ReportFeed& feed) {
  const PluginEntry entry = pluginEntry(designerWindowPluginName, designerWindowEntry);
  if (!entry.address) {
    error_ = entry.error;
    return false;
  }
  DesignerSession session{*this, dictionary_, [this, &feed] {
                            if (processData(feed) < 0 && !error_.empty())
                              crv::message(error_, "Preview", Icon::Exclamation);
                          }};
  std::string error;
  if (!reinterpret_cast<OpenDesigner*>(entry.address)(session, error)) {
    error_ = error;
    return false;
  }
  return true;
}

bool CRuntimeReport::saveReport() {
  if (file_.empty()) {
    error_ = "The report has no file yet: save it under a name.";
    return false;
  }
  return saveAs(file_);
}

bool CRuntimeReport::saveAs(const std::filesystem::path& file) {
  try {
    writeReportFile(file, report_);
  } catch (const ReportFileError& error) {
    error_ = error.what();
    return false;
  }
  file_ = file;
  return true;
}

bool CRuntimeReport::loadAs(const std::filesystem::path& file) {
  ReportDefinition loaded;
  try {
    loaded = readReportFile(file);
  } catch (const ReportFileError& error) {
    error_ = error.what();
    return false;
  }
  if (loaded.type != report_.type) {
    error_ = differentReportTypeText(file.string(), loaded.type, report_.type);
    return false;
  }
  report_ = std::move(loaded);
  file_ = file;
  return true;
}

std::optional<std::string> CRuntimeReport::evaluate(const std::string& expression) {
  auto compiled = BoundExpression::compile(expression, bindings_, error_);
  if (!compiled) return std::nullopt;
  return compiled->text(error_);
}

bool CRuntimeReport::compileFilter(const std::string& filter) {
  filter_.reset();
  if (trim(filter).empty()) return true;
  filter_ = BoundExpression::compile(filter, bindings_, error_);
  return filter_ != nullptr;
}

std::optional<bool> CRuntimeReport::filterAccepts() {
  if (!filter_) return true;
  return filter_->truth(error_);
}

}  // namespace crv::designer

crv::ReportRuntime* crvCreateReportRuntime() { return new crv::designer::CRuntimeReport(); }

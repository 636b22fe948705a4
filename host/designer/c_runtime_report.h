// CRuntimeReport: the report-designer runtime of the host. It keeps the
// report being run or edited with the report file it came from, the names
// its procedure published, and the run in progress; it prints through the
// report engine (Paginator, measured with the desktop's fonts) and opens the
// designer window plugin on request. Expressions go to the expression
// plugin, loaded only when a report or filter has one.
#pragma once

#include <memory>

#include "host/designer/designer_layout.h"
#include "host/designer/designer_run.h"
#include "host/framework/report/field_dictionary.h"
#include "host/framework/report/report_bindings.h"
#include "host/framework/report/report_runtime.h"
#include "host/framework/services/module_export.h"

namespace crv {
class PangoTextMeasurer;
}

namespace crv::designer {

class CRuntimeReport final : public ReportRuntime {
 public:
  CRuntimeReport();
  ~CRuntimeReport() override;

  void setDictionary(const std::string& text) override;
  void bind(const std::string& name, const FieldRef& value) override;
  bool loadReport(const std::filesystem::path& file) override;
  void newReport(const std::string& type, const std::string& name,
                 const std::filesystem::path& file) override;
  const ReportDefinition& report() const override { return report_; }
  const std::filesystem::path& reportFile() const override { return file_; }
  const std::string& errorText() const override { return error_; }

  void setRecordCount(std::int64_t rows) override { records_ = rows; }
  std::int64_t recordCount() const override { return records_; }
  bool printWithoutAsking() const override { return !report_.printDialog; }
  bool printDialog() override;
  ReportDestination destination() const override { return destination_; }
  void setDestination(ReportDestination destination) override { destination_ = destination; }

  int processData(ReportFeed& feed) override;
  bool startRun(ReportFeed& feed) override;
  bool runNext() override;
  int finishRun() override;

  bool editPage(ReportFeed& feed) override;
  bool saveReport() override;
  bool saveAs(const std::filesystem::path& file) override;
  bool loadAs(const std::filesystem::path& file) override;
  void replaceReport(ReportDefinition report) override { report_ = std::move(report); }

  std::optional<std::string> evaluate(const std::string& expression) override;
  bool compileFilter(const std::string& filter) override;
  std::optional<bool> filterAccepts() override;

 private:
  const PangoTextMeasurer& measurer();

  FieldDictionary dictionary_;
  ReportBindings bindings_;
  ReportDefinition report_;
  std::filesystem::path file_;
  std::string error_;
  std::int64_t records_ = 0;
  ReportDestination destination_ = ReportDestination::Preview;
  std::unique_ptr<BoundExpression> filter_;
  std::unique_ptr<PangoTextMeasurer> measurer_;
  std::unique_ptr<DesignerLayout> layout_;
  std::unique_ptr<DesignerRun> run_;
};

}  // namespace crv::designer

extern "C" CRV_EXPORT crv::ReportRuntime* crvCreateReportRuntime();

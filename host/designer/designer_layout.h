// A designer report made ready to print: its definition turned into a
// Report for the paginator, with every field bound to the value it shows
// and every band condition compiled. Building it checks the report against
// what the procedure publishes, so a report naming an unknown value is
// refused before anything prints.
#pragma once

#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "host/designer/band_condition.h"
#include "host/framework/report/report.h"
#include "host/framework/report/report_bindings.h"
#include "host/framework/report/report_definition.h"
#include "host/framework/report/report_expression.h"

namespace crv::designer {

class DesignerLayout {
 public:
  // A printable band of the run: its name in the Report and its condition.
  struct RunBand {
    std::string name;
    BandCondition condition;
  };

  // Nullptr with `error` set when a field or condition names a value the
  // bindings do not hold, or an expression does not compile. Images are
  // looked for relative to `folder` (the report file's).
  static std::unique_ptr<DesignerLayout> build(const ReportDefinition& definition,
                                               const std::filesystem::path& folder,
                                               const ReportBindings& bindings, std::string& error);

  const Report& report() const { return report_; }
  const std::vector<RunBand>& bands(DefinedBandKind kind) const;
  // Each primary record starts a new page (numbered from 1 when asked).
  bool newPagePerRecord() const { return newPage_; }
  bool restartNumbersPerRecord() const { return restartNumbers_; }

 private:
  DesignerLayout() = default;
  bool addBand(const DefinedBand& band, std::size_t index, std::string& error);
  bool addItem(Band& band, const DefinedItem& item, std::string& error);
  bool addField(Band& band, const DefinedItem& item, std::string& error);

  Report report_;
  std::filesystem::path folder_;
  const ReportBindings* bindings_ = nullptr;
  std::vector<RunBand> headers_, details_, footers_, summaries_;
  std::vector<std::shared_ptr<BoundExpression>> expressions_;
  bool newPage_ = false;
  bool restartNumbers_ = false;
};

}  // namespace crv::designer

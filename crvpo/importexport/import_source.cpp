// Import sources.
#include "crvpo/importexport/import_source.h"

#include "host/data/shared_values.h"
#include "host/framework/table/private_table.h"

namespace crvpo {

std::string builtInSourceTitle() {
  return crv::GENERIC ? exportedFromPrefix + crv::GNAME : std::string(corvanaSourceTitle);
}

bool isProtectedSource(std::string_view title) {
  title = crv::clip(title);
  return title == corvanaSourceTitle || title == velmoraSourceTitle || title == builtInSourceTitle();
}

ImportSource ImportSource::of(const crv::JCLimitsRecord& row) {
  ImportSource source;
  source.limitId = row.LimitID;
  source.title = row.ReportTitle.str();
  source.oneFile = row.Skip != 0;
  source.format = fileFormatOf(row.PrintOrder.view());
  source.dateFormat = row.JobTo.str();
  source.headerFile = row.NameFrom.str();
  source.detailFile = row.NameTo.str();
  source.headerHasHeading = row.TypeB != 0;
  source.detailHasHeading = row.TypeL != 0;
  source.layout = ImportLayout::parse(row.ImportLayout.view());
  return source;
}

namespace {

void fillBuiltIn(crv::JCLimitsRecord& row) {
  row.clear();
  row.Report = importReport;
  row.UserID = crv::UserID.view();
  row.ModifyDate = crv::Date::today();
  row.ReportTitle = builtInSourceTitle();
  row.Skip = 1;
  row.PrintOrder = "C";
  row.JobTo = "MM/DD/YYYY";
  row.ImportLayout = builtInLayout;
}

}  // namespace

ImportSource builtInSource() {
  crv::JCLimitsRecord row;
  fillBuiltIn(row);
  return ImportSource::of(row);
}

std::optional<crv::StepFailure> ensureBuiltInSource(crv::Connection& connection) {
  crv::PrivateTable<crv::JCLimitsRecord> sources(connection);
  sources.rec.Report = importReport;
  sources.rec.ReportTitle = builtInSourceTitle();
  const crv::TableStatus found = sources.table.fetch(crv::JCLimitsRecord::KeyReport);
  if (found == crv::TableStatus::Ok) return std::nullopt;
  if (found != crv::TableStatus::NotFound) return crv::StepFailure::of(sources.table, crv::TableOp::Reading);
  fillBuiltIn(sources.rec);
  if (sources.table.tryInsert() == crv::TableStatus::Ok) return std::nullopt;
  return crv::StepFailure::of(sources.table, crv::TableOp::Adding);
}

std::optional<ImportSource> findSource(crv::Connection& connection, std::string_view title) {
  crv::PrivateTable<crv::JCLimitsRecord> sources(connection);
  sources.rec.Report = importReport;
  sources.rec.ReportTitle = crv::clip(title);
  if (!sources.fetch(crv::JCLimitsRecord::KeyReport)) return std::nullopt;
  return ImportSource::of(sources.rec);
}

}  // namespace crvpo

// Import sources: the saved descriptions of import files (JCLimits rows
// whose Report is "PO Import"), and the built-in source that reads the
// files the purchase-order export writes.
//
// The built-in source ("*Purchase Orders Exported from Corvana"; in the
// suite's generic mode the product name in GNAME takes Corvana's place) is
// created when missing. It and the source titled "*Purchase Orders
// Exported from Velmora" cannot be deleted. Their files are the exchange
// file of the export, which the import reads back as it was written:
// every field at the width and type of the table, the detail type as code
// or name, the tax rate as written.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "crvpo/importexport/import_layout.h"
#include "crvpo/importexport/line_splitter.h"
#include "host/data/tables/job_cost_tables.h"
#include "host/framework/table/table_steps.h"

namespace crvpo {

inline constexpr const char* importReport = "PO Import";
inline constexpr const char* builtInLayout =
    "R100VI00PB00PD00PN00D100D200D300D400PT00TR00TA00PA00SN00S100S200SY00SS00SZ00SO00VA00SI00FO00TM00####"
    "R200TF00TX00II00DE00QO00UP00UN00AM00DT00AC00JB00CC00EQ00CT00D100D200D300";
inline constexpr const char* exportedFromPrefix = "*Purchase Orders Exported from ";
inline constexpr const char* corvanaSourceTitle = "*Purchase Orders Exported from Corvana";
inline constexpr const char* velmoraSourceTitle = "*Purchase Orders Exported from Velmora";
// A name no source may be given.
inline constexpr const char* reservedSourceName = "Import from Corvana";

// The title of the built-in source in the suite's current mode.
std::string builtInSourceTitle();
// Sources that cannot be deleted.
bool isProtectedSource(std::string_view title);

struct ImportSource {
  crv::Id limitId = 0;
  std::string title;
  bool oneFile = true;
  FileFormat format = FileFormat::Comma;
  std::string dateFormat;
  std::filesystem::path headerFile;  // the only file of a one-file source
  std::filesystem::path detailFile;
  bool headerHasHeading = false;
  bool detailHasHeading = false;
  ImportLayout layout;

  static ImportSource of(const crv::JCLimitsRecord& row);
  // Reads the export's exchange file (a protected source).
  bool exchange() const { return isProtectedSource(title); }
};

// The built-in source as it is created (no file named).
ImportSource builtInSource();
// Adds the built-in source unless a "PO Import" source has its title; the
// failed read or write when that could not be done.
std::optional<crv::StepFailure> ensureBuiltInSource(crv::Connection& connection);
// The "PO Import" source of that title (trailing blanks ignored).
std::optional<ImportSource> findSource(crv::Connection& connection, std::string_view title);

}  // namespace crvpo

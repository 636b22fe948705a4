// The report file: a designer report saved as readable text, one statement
// a line (docs/REPORT-FILES.md describes the format). The first line names
// the format and its version; the file carries the report type so that a
// procedure can refuse a report of another type.
//
// Reading is strict: an unknown statement, attribute or value is an error
// naming the line, so a mistyped file is never printed half understood.
// Writing replaces the file only once the new text is complete (safe file
// replacement: the old file or the new one, never part of either).
#pragma once

#include <filesystem>
#include <stdexcept>
#include <string>
#include <string_view>

#include "host/framework/report/report_definition.h"

namespace crv {

class ReportFileError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The first word of every report file.
inline constexpr std::string_view reportFileMagic = "CRVREPORT";

// Throws ReportFileError ("line 12: unknown attribute \"colour\"").
ReportDefinition parseReportDefinition(std::string_view text);
std::string reportDefinitionText(const ReportDefinition& definition);

// The same with a file; the error names the file. Throws ReportFileError.
ReportDefinition readReportFile(const std::filesystem::path& file);
void writeReportFile(const std::filesystem::path& file, const ReportDefinition& definition);

}  // namespace crv

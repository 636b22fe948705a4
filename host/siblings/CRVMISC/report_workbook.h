// The Excel workbook (.xlsx) format of "Export This Report", written with
// libxlsxwriter. It is a library of its own (libcrvworkbook.so) that
// ReportFileWriter loads the first time a workbook is exported, so that
// printing and every other run of the module never map libxlsxwriter and the
// zip and crypto libraries it links.
#pragma once

#include <filesystem>

#include "host/framework/services/module_export.h"
#include "host/siblings/CRVMISC/report_export.h"

// A workbook being written to `partial`; throws std::runtime_error when the
// file cannot be created.
extern "C" CRV_EXPORT crv::siblings::ReportFileWriter::Format* crvCreateReportWorkbook(
    const std::filesystem::path* partial);

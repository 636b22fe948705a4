// Small reports of the sibling windows (envelopes, labels, notes): the
// bands a window prints, laid out into a PDF file in the suite's temporary
// folder and opened with the desktop's viewer, from which the person
// prints it.
#pragma once

#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

#include "host/framework/report/paginator.h"
#include "host/framework/report/report.h"

namespace crv::siblings {

// Lays out what `printBands` prints of `report` into "<stem>.pdf" in the
// temporary folder and opens it. Answers the file, or an empty path after
// telling the person why nothing was printed.
std::filesystem::path printReportDocument(const Report& report, std::string_view stem,
                                          const std::function<void(Paginator&)>& printBands);

// Lines of an address block, blank lines left out.
std::vector<std::string> addressBlock(std::initializer_list<std::string> lines);

}  // namespace crv::siblings

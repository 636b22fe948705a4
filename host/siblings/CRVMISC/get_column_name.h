// GetColumnName: the spreadsheet name of a column by its number, as a
// field list shows it beside each field: 1 is A, 26 is Z, 27 is AA, 702
// is ZZ, 703 is AAA.
#pragma once

#include <string>

#include "host/framework/services/module_export.h"

namespace crv::siblings {

// "" for a number below 1.
std::string getColumnName(int number);

}  // namespace crv::siblings

extern "C" {
// Hand-over: REPORTFILTER holds the number; on return it holds the name.
CRV_EXPORT void GetColumnName();
}

// Cells of the lines a report collects for "Export This Report": values as
// the export shows them (left-aligned, without padding) and a line made of
// cells separated by tabs.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

#include "host/framework/values/date.h"
#include "host/framework/values/decimal.h"

namespace crvpo {

std::string amountCell(crv::Amount value);      // "@n-18.2": "1,234.56"
std::string quantityCell(crv::Quantity value);  // "@n-18.4"
std::string priceCell(double value);            // "@n-18.4"
std::string dateCell(crv::Date value);          // "@d1b": "03/15/26", blank for no date

std::string tabbed(std::initializer_list<std::string_view> cells);

}  // namespace crvpo

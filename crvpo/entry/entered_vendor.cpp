// Reading the header form's vendor entry.
#include "crvpo/entry/entered_vendor.h"

#include <cctype>
#include <limits>

#include "host/data/tables/payables_tables.h"
#include "host/framework/table/private_table.h"
#include "host/framework/values/text.h"

namespace crvpo {
namespace {

bool digitsAndBlanks(std::string_view text) {
  for (char c : text)
    if (c != ' ' && !std::isdigit(static_cast<unsigned char>(c))) return false;
  return true;
}

crv::Id numberOf(std::string_view text) {
  std::uint64_t value = 0;
  for (char c : text) {
    if (c == ' ') continue;
    value = value * 10 + static_cast<std::uint64_t>(c - '0');
    if (value > std::numeric_limits<crv::Id>::max()) return std::numeric_limits<crv::Id>::max();
  }
  return static_cast<crv::Id>(value);
}

}  // namespace

EnteredVendor readEnteredVendor(crv::Connection& connection, std::string_view typed) {
  EnteredVendor result;
  if (digitsAndBlanks(typed)) {
    result.vendorId = numberOf(typed);
    return result;
  }
  const std::string wanted = crv::toUpperAscii(crv::clip(typed));
  crv::PrivateTable<crv::APVendorRecord> vendors(connection);
  vendors.rec.VendorName = crv::clip(typed);
  int matches = 0;
  if (vendors.isOpen() && vendors.table.setFrom(crv::APVendorRecord::KeyVendorName) == crv::TableStatus::Ok) {
    while (matches < 2 && vendors.table.next() == crv::TableStatus::Ok) {
      const std::string name = vendors.rec.VendorName.str();
      if (crv::toUpperAscii(name.substr(0, wanted.size())) != wanted) break;
      if (++matches == 1) {
        result.vendorId = vendors.rec.VendorID;
        result.vendorName = name;
      }
    }
  }
  result.kind = matches == 0   ? EnteredVendor::Kind::NoMatch
                : matches == 1 ? EnteredVendor::Kind::OneMatch
                               : EnteredVendor::Kind::SeveralMatches;
  if (matches == 0) result.vendorId = unmatchedVendorNumber;
  return result;
}

}  // namespace crvpo

// The vendor name list.
#include "crvpo/entry/vendor_name_list.h"

#include <algorithm>

#include "host/data/tables/payables_tables.h"
#include "host/framework/table/private_table.h"
#include "host/framework/values/text.h"

namespace crvpo {
namespace {

void sortByName(std::vector<VendorNameEntry>& list) {
  std::stable_sort(list.begin(), list.end(), [](const VendorNameEntry& a, const VendorNameEntry& b) {
    return crv::toUpperAscii(a.name) < crv::toUpperAscii(b.name);
  });
}

}  // namespace

bool fillVendorNameList(crv::Connection& connection, std::vector<VendorNameEntry>& list) {
  std::vector<VendorNameEntry> filled{{0, ""}};
  crv::PrivateTable<crv::APVendorRecord> vendors(connection);
  if (!vendors.isOpen() || vendors.table.set(crv::APVendorRecord::KeyVendorName) != crv::TableStatus::Ok)
    return false;
  for (;;) {
    const crv::TableStatus read = vendors.table.next();
    if (read == crv::TableStatus::EndOfFile) break;
    if (read != crv::TableStatus::Ok) return false;
    filled.push_back({vendors.rec.VendorID, vendors.rec.VendorName.str()});
  }
  sortByName(filled);
  list = std::move(filled);
  return true;
}

void rememberVendorName(std::vector<VendorNameEntry>& list, crv::Id vendorId, std::string_view name) {
  const int index = vendorNameIndex(list, vendorId);
  if (index >= 0)
    list[static_cast<std::size_t>(index)].name = std::string(name);
  else
    list.push_back({vendorId, std::string(name)});
  sortByName(list);
}

int vendorNameIndex(const std::vector<VendorNameEntry>& list, crv::Id vendorId) {
  for (std::size_t i = 0; i < list.size(); ++i)
    if (list[i].vendorId == vendorId) return static_cast<int>(i);
  return -1;
}

}  // namespace crvpo

// Cached lookups of an import.
#include "crvpo/importexport/import_lookups.h"

#include "host/framework/table/table_steps.h"

namespace crvpo {
namespace {

std::string pairKey(std::string_view a, std::string_view b) {
  std::string key(crv::clip(a));
  key += '\n';
  key += crv::clip(b);
  return key;
}

}  // namespace

ImportLookups::ImportLookups(crv::Connection& connection)
    : vendors_(connection),
      items_(connection),
      itemVendors_(connection),
      conversions_(connection),
      costs_(connection),
      equipmentCosts_(connection),
      accounts_(connection),
      orders_(connection) {
  crv::PrivateTable<crv::SystemsRecord> systems(connection);
  systems.table.set(crv::SystemsRecord::KeySystemID);
  if (systems.table.next() == crv::TableStatus::Ok) settings_ = systems.rec;
}

template <class R>
bool ImportLookups::fetch(crv::PrivateTable<R>& table, const crv::KeyDef& key) {
  const crv::TableStatus status = table.table.fetch(key);
  if (status == crv::TableStatus::Ok) return true;
  if (status == crv::TableStatus::NotFound) return false;
  throw ImportLookupError(crv::StepFailure::of(table.table, crv::TableOp::Reading).text() +
                          "||Nothing was read from the import file.");
}

bool ImportLookups::vendorExists(crv::Id vendor) {
  auto [it, added] = vendorKnown_.try_emplace(vendor, false);
  if (added) {
    vendors_.rec.VendorID = vendor;
    it->second = fetch(vendors_, crv::APVendorRecord::KeyVendorID);
  }
  return it->second;
}

std::optional<crv::Id> ImportLookups::vendorByExternalId(std::string_view externalId) {
  auto [it, added] = externalIds_.try_emplace(std::string(crv::clip(externalId)));
  if (added) {
    vendors_.rec.ExternalID = externalId;
    if (fetch(vendors_, crv::APVendorRecord::KeyExternalID)) it->second = vendors_.rec.VendorID;
  }
  return it->second;
}

const ImportLookups::Item* ImportLookups::item(std::string_view itemId) {
  auto [it, added] = itemsKnown_.try_emplace(std::string(crv::clip(itemId)));
  if (added) {
    items_.rec.ItemID = itemId;
    if (fetch(items_, crv::INMasterRecord::KeyItemID))
      it->second = Item{items_.rec.Description.str(), items_.rec.UnitName.str()};
  }
  return it->second ? &*it->second : nullptr;
}

std::optional<double> ImportLookups::vendorPrice(std::string_view itemId, crv::Id vendor) {
  auto [it, added] = prices_.try_emplace(pairKey(itemId, std::to_string(vendor)));
  if (added) {
    itemVendors_.rec.ItemID = itemId;
    itemVendors_.rec.VendorID = vendor;
    if (fetch(itemVendors_, crv::INVendorRecord::KeyItemVendor)) it->second = itemVendors_.rec.Price;
  }
  return it->second;
}

std::optional<ImportLookups::Conversion> ImportLookups::conversion(std::string_view itemId,
                                                                   std::string_view unit) {
  auto [it, added] = conversionsKnown_.try_emplace(pairKey(itemId, unit));
  if (added) {
    conversions_.rec.ItemID = itemId;
    conversions_.rec.UnitName = unit;
    if (fetch(conversions_, crv::INCnvrtRecord::KeyItemUnit))
      it->second = Conversion{conversions_.rec.ConversionID, conversions_.rec.Factor};
  }
  return it->second;
}

std::optional<std::string> ImportLookups::costLineAccount(std::string_view job, std::string_view costCode) {
  auto [it, added] = costAccounts_.try_emplace(pairKey(job, costCode));
  if (added) {
    costs_.rec.JobID = job;
    costs_.rec.CostCode = costCode;
    if (fetch(costs_, crv::JCCostRecord::KeyJobCodeType)) it->second = costs_.rec.Account.str();
  }
  return it->second;
}

std::optional<std::string> ImportLookups::equipmentAccount(std::string_view equipment,
                                                           std::string_view category) {
  auto [it, added] = equipmentAccounts_.try_emplace(pairKey(equipment, category));
  if (added) {
    equipmentCosts_.rec.EquipmentID = equipment;
    equipmentCosts_.rec.CostCategory = category;
    if (fetch(equipmentCosts_, crv::EQCostRecord::KeyCostCategory))
      it->second = equipmentCosts_.rec.Account.str();
  }
  return it->second;
}

bool ImportLookups::accountExists(std::string_view account) {
  auto [it, added] = accountKnown_.try_emplace(std::string(crv::clip(account)), false);
  if (added) {
    accounts_.rec.Account = account;
    it->second = fetch(accounts_, crv::GLMasterRecord::KeyAccount);
  }
  return it->second;
}

bool ImportLookups::orderNumberExists(std::string_view poNumber) {
  orders_.rec.PONumber = poNumber;
  return fetch(orders_, crv::POMasterRecord::KeyPONumber);
}

}  // namespace crvpo

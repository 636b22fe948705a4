// The records an import looks up while it checks lines: vendors, items and
// their vendors' prices, the accounts of cost lines and equipment
// categories, general-ledger accounts and existing order numbers.
//
// Each answer is kept, so a file of a million lines over a few hundred
// accounts reads each account once; what is kept grows with the distinct
// values of the file, not with its lines. Reads go through buffers of
// their own, so the shared buffers stay as they were. A failed read (not
// a missing record) throws ImportLookupError with the error text and its
// context (" Reading GLMaster").
#pragma once

#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <unordered_map>

#include "host/data/tables/equipment_tables.h"
#include "host/data/tables/inventory_tables.h"
#include "host/data/tables/job_cost_tables.h"
#include "host/data/tables/ledger_tables.h"
#include "host/data/tables/payables_tables.h"
#include "host/data/tables/purchasing_tables.h"
#include "host/data/tables/suite_tables.h"
#include "host/framework/table/private_table.h"

namespace crvpo {

class ImportLookupError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class ImportLookups {
 public:
  explicit ImportLookups(crv::Connection& connection);

  bool vendorExists(crv::Id vendor);
  // The vendor whose external identifier this is.
  std::optional<crv::Id> vendorByExternalId(std::string_view externalId);

  struct Item {
    std::string description;
    std::string stockUnit;
  };
  const Item* item(std::string_view itemId);  // nullptr when there is no such item
  std::optional<double> vendorPrice(std::string_view itemId, crv::Id vendor);
  struct Conversion {
    crv::Id id = 0;
    double factor = 1;  // stock units per purchase unit
  };
  std::optional<Conversion> conversion(std::string_view itemId, std::string_view unit);

  // The account of a job's cost line; nothing when the job has no such line.
  std::optional<std::string> costLineAccount(std::string_view job, std::string_view costCode);
  // The account of an equipment's cost category; nothing when it has none.
  std::optional<std::string> equipmentAccount(std::string_view equipment, std::string_view category);
  std::string defaultJobAccount() const { return settings_.DefaultJobAccount.str(); }
  std::string defaultEquipmentAccount() const { return settings_.DefaultEquipmentAccount.str(); }

  bool accountExists(std::string_view account);
  bool orderNumberExists(std::string_view poNumber);

 private:
  template <class R>
  bool fetch(crv::PrivateTable<R>& table, const crv::KeyDef& key);

  crv::SystemsRecord settings_;
  crv::PrivateTable<crv::APVendorRecord> vendors_;
  crv::PrivateTable<crv::INMasterRecord> items_;
  crv::PrivateTable<crv::INVendorRecord> itemVendors_;
  crv::PrivateTable<crv::INCnvrtRecord> conversions_;
  crv::PrivateTable<crv::JCCostRecord> costs_;
  crv::PrivateTable<crv::EQCostRecord> equipmentCosts_;
  crv::PrivateTable<crv::GLMasterRecord> accounts_;
  crv::PrivateTable<crv::POMasterRecord> orders_;
  std::unordered_map<crv::Id, bool> vendorKnown_;
  std::unordered_map<std::string, std::optional<crv::Id>> externalIds_;
  std::unordered_map<std::string, std::optional<Item>> itemsKnown_;
  std::unordered_map<std::string, std::optional<double>> prices_;
  std::unordered_map<std::string, std::optional<Conversion>> conversionsKnown_;
  std::unordered_map<std::string, std::optional<std::string>> costAccounts_;
  std::unordered_map<std::string, std::optional<std::string>> equipmentAccounts_;
  std::unordered_map<std::string, bool> accountKnown_;
};

}  // namespace crvpo

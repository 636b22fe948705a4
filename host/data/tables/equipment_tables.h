// The equipment tables: equipment, its cost categories and their catalogue.
#pragma once

#include <cstdint>

#include "host/data/tables/table_registry.h"

namespace crv {

// One row per piece of equipment.
struct EQHeaderRecord final : Record {
  Text<10> EquipmentID;
  Text<40> Description;
  Text<20> Make;
  Text<20> Model;
  Text<30> SerialNo;
  std::uint16_t Year{};
  Flag Active{};
  Real HourlyRate{};

  static constexpr KeyDef KeyEquipmentID{"KeyEquipmentID", {"EquipmentID"}, true};
  static constexpr KeyDef KeyDescription{"KeyDescription", {"Description"}, false, false, true};

  const RecordLayout& layout() const override;
  void describe(LayoutBuilder& b) const;
  static void define(TableDef& def);
  static const TableDef& table();
};

// The cost categories kept for one piece of equipment.
struct EQCostRecord final : Record {
  Id RecordID{};
  Text<10> EquipmentID;
  Text<10> CostCategory;
  Text<40> Description;
  Text<12> Account;
  Amount Budget;
  Amount CostToDate;

  static constexpr KeyDef KeyRecordID{"KeyRecordID", {"RecordID"}, true};
  static constexpr KeyDef KeyCostCategory{"KeyCostCategory", {"EquipmentID", "CostCategory"}, true};

  const RecordLayout& layout() const override;
  void describe(LayoutBuilder& b) const;
  static void define(TableDef& def);
  static const TableDef& table();
};

// The catalogue of equipment cost categories.
struct EQCodeRecord final : Record {
  Text<10> CostCategory;
  Text<40> Description;
  Text<12> Account;

  static constexpr KeyDef KeyCategoryID{"KeyCategoryID", {"CostCategory"}, true};

  const RecordLayout& layout() const override;
  void describe(LayoutBuilder& b) const;
  static void define(TableDef& def);
  static const TableDef& table();
};

extern EQHeaderRecord EQH;
extern EQCostRecord EQC;
extern EQCodeRecord EQD;

extern Table EQHeader;
extern Table EQCost;
extern Table EQCode;

}  // namespace crv

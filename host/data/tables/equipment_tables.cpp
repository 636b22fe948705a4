// Definitions of the equipment tables.
#include "host/data/tables/equipment_tables.h"

namespace crv {

const RecordLayout& EQHeaderRecord::layout() const { return layoutOf<EQHeaderRecord>(); }

void EQHeaderRecord::describe(LayoutBuilder& b) const {
  b CRV_FIELD(EquipmentID) CRV_FIELD(Description) CRV_FIELD(Make) CRV_FIELD(Model) CRV_FIELD(SerialNo)
      CRV_FIELD(Year) CRV_FIELD(Active) CRV_FIELD(HourlyRate);
}

void EQHeaderRecord::define(TableDef& def) { def.key(KeyEquipmentID).key(KeyDescription); }

const TableDef& EQHeaderRecord::table() { return tableDefOf<EQHeaderRecord>("EQHeader", "EQH"); }

const RecordLayout& EQCostRecord::layout() const { return layoutOf<EQCostRecord>(); }

void EQCostRecord::describe(LayoutBuilder& b) const {
  b CRV_FIELD(RecordID) CRV_FIELD(EquipmentID) CRV_FIELD(CostCategory) CRV_FIELD(Description)
      CRV_FIELD(Account) CRV_FIELD(Budget) CRV_FIELD(CostToDate);
}

void EQCostRecord::define(TableDef& def) { def.autoNumber("RecordID").key(KeyRecordID).key(KeyCostCategory); }

const TableDef& EQCostRecord::table() { return tableDefOf<EQCostRecord>("EQCost", "EQC"); }

const RecordLayout& EQCodeRecord::layout() const { return layoutOf<EQCodeRecord>(); }

void EQCodeRecord::describe(LayoutBuilder& b) const {
  b CRV_FIELD(CostCategory) CRV_FIELD(Description) CRV_FIELD(Account);
}

void EQCodeRecord::define(TableDef& def) { def.key(KeyCategoryID); }

const TableDef& EQCodeRecord::table() { return tableDefOf<EQCodeRecord>("EQCode", "EQD"); }

EQHeaderRecord EQH;
EQCostRecord EQC;
EQCodeRecord EQD;

Table EQHeader(EQHeaderRecord::table(), EQH);
Table EQCost(EQCostRecord::table(), EQC);
Table EQCode(EQCodeRecord::table(), EQD);

namespace {
const TableRegistry::Entry registerEQHeader(EQHeader);
const TableRegistry::Entry registerEQCost(EQCost);
const TableRegistry::Entry registerEQCode(EQCode);
}  // namespace

}  // namespace crv

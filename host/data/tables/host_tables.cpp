// Definitions of the host's own tables.
#include "host/data/tables/host_tables.h"

namespace crv {

const RecordLayout& TypeAheadRecord::layout() const { return layoutOf<TypeAheadRecord>(); }

void TypeAheadRecord::describe(LayoutBuilder& b) const {
  b CRV_FIELD(Section) CRV_FIELD(Field) CRV_FIELD(Rank) CRV_FIELD(Value);
}

void TypeAheadRecord::define(TableDef& def) { def.key(KeySectionField); }

const TableDef& TypeAheadRecord::table() { return tableDefOf<TypeAheadRecord>("TypeAhead", "TAH"); }

const RecordLayout& ChangeLogRecord::layout() const { return layoutOf<ChangeLogRecord>(); }

void ChangeLogRecord::describe(LayoutBuilder& b) const {
  b CRV_FIELD(ChangeID) CRV_FIELD(Procedure) CRV_FIELD(Field) CRV_FIELD(OldValue) CRV_FIELD(NewValue)
      CRV_FIELD(UserID) CRV_FIELD(ChangeDate) CRV_FIELD(ChangeTime);
}

void ChangeLogRecord::define(TableDef& def) {
  def.autoNumber("ChangeID").key(KeyChangeID).key(KeyProcedureField);
}

const TableDef& ChangeLogRecord::table() { return tableDefOf<ChangeLogRecord>("ChangeLog", "CHG"); }

TypeAheadRecord TAH;
ChangeLogRecord CHG;

Table TypeAheadTable(TypeAheadRecord::table(), TAH);
Table ChangeLog(ChangeLogRecord::table(), CHG);

namespace {
const TableRegistry::Entry registerTypeAhead(TypeAheadTable);
const TableRegistry::Entry registerChangeLog(ChangeLog);
}  // namespace

}  // namespace crv

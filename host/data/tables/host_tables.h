// Tables the host keeps for its own services: the values typed into
// type-ahead fields, and the change history of registered form fields.
#pragma once

#include "host/data/tables/table_registry.h"

namespace crv {

// One remembered value of a type-ahead field; Rank 1 is the most recent.
struct TypeAheadRecord final : Record {
  Text<40> Section;
  Text<40> Field;
  Byte Rank{};
  Text<200> Value;

  static constexpr KeyDef KeySectionField{"KeySectionField", {"Section", "Field", "Rank"}, true};

  const RecordLayout& layout() const override;
  void describe(LayoutBuilder& b) const;
  static void define(TableDef& def);
  static const TableDef& table();
};

// One change of a registered field, written when a form saves a change.
struct ChangeLogRecord final : Record {
  Id ChangeID{};
  Text<40> Procedure;
  Text<40> Field;
  Text<255> OldValue;
  Text<255> NewValue;
  Text<3> UserID;
  Date ChangeDate;
  Time ChangeTime;

  static constexpr KeyDef KeyChangeID{"KeyChangeID", {"ChangeID"}, true};
  static constexpr KeyDef KeyProcedureField{"KeyProcedureField", {"Procedure", "Field", "ChangeDate"}};

  const RecordLayout& layout() const override;
  void describe(LayoutBuilder& b) const;
  static void define(TableDef& def);
  static const TableDef& table();
};

extern TypeAheadRecord TAH;
extern ChangeLogRecord CHG;

extern Table TypeAheadTable;
extern Table ChangeLog;

}  // namespace crv

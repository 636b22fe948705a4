// The general-ledger tables the purchasing module reads: the chart of accounts.
#pragma once

#include <cstdint>

#include "host/data/tables/table_registry.h"

namespace crv {

// One row per general-ledger account.
struct GLMasterRecord final : Record {
  Text<12> Account;
  Text<40> Description;
  Text<1> AccountType;  // A asset, L liability, Q equity, R revenue, X expense
  Flag Active{};
  Amount Balance;

  static constexpr KeyDef KeyAccount{"KeyAccount", {"Account"}, true};
  static constexpr KeyDef KeyDescription{"KeyDescription", {"Description"}, false, false, true};

  const RecordLayout& layout() const override;
  void describe(LayoutBuilder& b) const;
  static void define(TableDef& def);
  static const TableDef& table();
};

extern GLMasterRecord GLM;

extern Table GLMaster;

}  // namespace crv

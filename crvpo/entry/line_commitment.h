// What one order line commits: money on a job's cost line (and on its
// change-order detail) or stock on order of an inventory item.
//
// This is the one rule of the module. The save and the deletion of an
// order, the deletion of a line from the header form, the list of what an
// order committed when it was opened, and the rebuild of committed costs
// all ask it, so that what one operation posts another takes back to the
// cent and a rebuild finds the figures where the operations left them:
//
//   - a "Job" line that is neither fully reconciled (Reconciliation 2) nor
//     fully invoiced by quantity (QtyInvoiced = QtyOrdered) commits its
//     open amount, TotalAmount - AmountInvoiced, to the first cost line of
//     its job and cost code; when its change-order detail (CODetailID)
//     exists, the same amount to that detail and to the cost line's
//     change-order part (COCommitted);
//   - an "Inventory" line that is not fully reconciled keeps
//     INVQuantity - f x (QtyRcvdNotInvoiced + QtyThisPackSlip) of its item
//     on order: what is still to come, in stock units, less what has been
//     received and not yet invoiced. f is the stock units per ordered unit,
//     the factor of the line's unit conversion (ConversionID), 1 without;
//   - text lines and lines for accounts or equipment commit nothing, and a
//     cost line, detail or item that does not exist takes nothing.
#pragma once

#include <optional>
#include <string>

#include "host/data/tables/inventory_tables.h"
#include "host/data/tables/purchasing_tables.h"
#include "host/framework/table/private_table.h"
#include "host/framework/table/table_steps.h"
#include "host/framework/values/decimal.h"

namespace crvpo {

enum class LineKind { None, Job, Inventory };

LineKind lineKind(const crv::PODetailRecord& line);

// What a line commits, and where.
struct Commitment {
  LineKind kind = LineKind::None;
  crv::Id detailId = 0;  // the line (POD:DetailID)
  // A job line: its cost line, its change-order detail (0: none) and the
  // open amount.
  crv::Text<10> jobId;
  crv::Text<14> costCode;
  crv::Id coDetailId = 0;
  crv::Amount amount;
  // An inventory line: its item and the stock it keeps on order.
  crv::Text<15> itemId;
  crv::Quantity quantity;

  bool operator==(const Commitment&) const = default;
};

// The open amount a job line commits: TotalAmount - AmountInvoiced, or 0
// when the line is fully reconciled or fully invoiced by quantity.
crv::Amount openAmount(const crv::PODetailRecord& line);

// `quantity` ordered units in stock units at `factor`, rounded once to 4
// places.
crv::Quantity inStockUnits(crv::Quantity quantity, double factor);

// The stock an inventory line keeps on order (0 when fully reconciled).
crv::Quantity stockOnOrder(const crv::PODetailRecord& line, double factor);

// What `line` commits with `factor` stock units per ordered unit; nothing
// for a line of a kind that commits nothing.
std::optional<Commitment> commitmentOf(const crv::PODetailRecord& line, double factor);

// Makes reads of `lines` (a PODetail table) fill only the fields the rule
// looks at, with the line's order, sequence number and DetailID: for passes
// over every line that need nothing else.
void readOnlyTheRuleFields(crv::Table& lines);

// The rule with the reads it needs: the factor of a line's unit conversion
// comes from INCnvrt, read through `steps` on `connection`.
class LineCommitments {
 public:
  LineCommitments(crv::Connection& connection, crv::TableSteps& steps)
      : steps_(&steps), conversions_(connection) {}

  // Stock units per ordered unit: the factor of the line's conversion, 1
  // when it has none or the conversion is gone.
  double factor(const crv::PODetailRecord& line);
  std::optional<Commitment> of(const crv::PODetailRecord& line);

 private:
  crv::TableSteps* steps_;
  crv::PrivateTable<crv::INCnvrtRecord> conversions_;
};

// Whole number as plain digits ("1024"); 0 gives "".
std::string plainDigits(crv::Id number);
// Text read as a whole number when it is nothing but digits (surrounding
// blanks allowed); 0 otherwise.
crv::Id readAsNumber(std::string_view text);

}  // namespace crvpo

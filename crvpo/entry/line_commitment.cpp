// What an order line commits.
#include "crvpo/entry/line_commitment.h"

#include <limits>

#include "host/framework/values/text.h"

namespace crvpo {

LineKind lineKind(const crv::PODetailRecord& line) {
  if (line.TextFlag != 0) return LineKind::None;
  if (line.DetailType == "Job") return LineKind::Job;
  if (line.DetailType == "Inventory") return LineKind::Inventory;
  return LineKind::None;
}

crv::Amount openAmount(const crv::PODetailRecord& line) {
  if (line.Reconciliation == 2 || line.QtyInvoiced == line.QtyOrdered) return {};
  return line.TotalAmount - line.AmountInvoiced;
}

crv::Quantity inStockUnits(crv::Quantity quantity, double factor) {
  return crv::multiply<crv::Quantity::places>(quantity, factor);
}

crv::Quantity stockOnOrder(const crv::PODetailRecord& line, double factor) {
  if (line.Reconciliation == 2) return {};
  return line.INVQuantity - inStockUnits(line.QtyRcvdNotInvoiced + line.QtyThisPackSlip, factor);
}

std::optional<Commitment> commitmentOf(const crv::PODetailRecord& line, double factor) {
  Commitment entry;
  entry.kind = lineKind(line);
  entry.detailId = line.DetailID;
  switch (entry.kind) {
    case LineKind::Job:
      entry.jobId = line.JobID;
      entry.costCode = line.CostCode;
      entry.coDetailId = line.CODetailID;
      entry.amount = openAmount(line);
      return entry;
    case LineKind::Inventory:
      entry.itemId = line.ItemID;
      entry.quantity = stockOnOrder(line, factor);
      return entry;
    case LineKind::None:
      break;
  }
  return std::nullopt;
}

// Every field lineKind, openAmount, stockOnOrder, commitmentOf and
// LineCommitments::factor read; a field added to the rule is added here.
void readOnlyTheRuleFields(crv::Table& lines) {
  lines.readOnly({"POID", "SequenceNo", "DetailID", "TextFlag", "DetailType", "Reconciliation", "QtyOrdered",
                  "QtyInvoiced", "TotalAmount", "AmountInvoiced", "JobID", "CostCode", "CODetailID", "ItemID",
                  "ConversionID", "INVQuantity", "QtyRcvdNotInvoiced", "QtyThisPackSlip"});
}

double LineCommitments::factor(const crv::PODetailRecord& line) {
  if (line.ConversionID == 0) return 1;
  conversions_.rec.ConversionID = line.ConversionID;
  if (steps_->fetch(conversions_.table, crv::INCnvrtRecord::KeyConversionID) && conversions_.rec.Factor > 0)
    return conversions_.rec.Factor;
  return 1;
}

std::optional<Commitment> LineCommitments::of(const crv::PODetailRecord& line) {
  return commitmentOf(line, lineKind(line) == LineKind::Inventory ? factor(line) : 1.0);
}

std::string plainDigits(crv::Id number) { return number == 0 ? std::string() : std::to_string(number); }

crv::Id readAsNumber(std::string_view text) {
  const std::string_view digits = crv::trim(text);
  if (digits.empty()) return 0;
  std::uint64_t value = 0;
  for (char c : digits) {
    if (c < '0' || c > '9') return 0;
    value = value * 10 + static_cast<unsigned>(c - '0');
    if (value > std::numeric_limits<crv::Id>::max()) return 0;
  }
  return static_cast<crv::Id>(value);
}

}  // namespace crvpo

// Writing purchase orders to the exchange file: one comma-delimited header
// line per order followed by one line per order line, in the layout of the
// built-in import source, so that another installation imports it as it
// was written.
//
// Header line: H, vendor, prepared by, prepared date, PO number, issue,
// deliver-after, delivery and deadline dates, pre-tax amount, tax rate, tax
// amount, PO amount, ship-to name, two address lines, city, state, ZIP,
// contact, ship via, instructions, FOB (terms are not written). Detail
// line: D, text flag, text, item, description, quantity, unit price, unit
// name, total amount, detail type, account, job, cost code, equipment,
// cost category and the three line dates.
//
// Texts are clipped and quoted, a quote inside written as two (the state
// keeps its two characters unclipped); a line break inside a text, which
// the line-by-line import could not read back, is written as a space.
// Numbers are bare in their shortest form (1250, 12.5, 0); dates are month,
// "/", day, "/", year with month and day padded to two characters with a
// space (" 7/ 4/2024"; no date gives " 0/ 0/0000"). Lines are written
// whole, however long, and end with a line feed.
//
// Orders that are partly or fully reconciled are written like any other
// and counted: the user is told they were exported as fully open. The file
// replaces the target whole when everything was written, and is left as it
// was when anything failed.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "host/data/tables/purchasing_tables.h"

namespace crvpo {

struct ExportSummary {
  bool written = false;
  std::string message;  // why the file was not written
  std::size_t orders = 0;
  std::size_t lines = 0;
  std::size_t reconciled = 0;    // orders written that were partly or fully reconciled
  std::vector<crv::Id> missing;  // identifiers with no order
};

class PurchaseOrderExport {
 public:
  explicit PurchaseOrderExport(crv::Connection& connection) : connection_(&connection) {}

  // The orders with these identifiers, in this order.
  ExportSummary run(const std::vector<crv::Id>& poids, const std::filesystem::path& target);
  // Every order, in POID order.
  ExportSummary runAll(const std::filesystem::path& target);

  static std::string headerLine(const crv::POMasterRecord& order);
  static std::string detailLine(const crv::PODetailRecord& line);

 private:
  class Writer;

  crv::Connection* connection_;
};

// The message about reconciled orders (nothing to say for 0).
struct ReconciledNotice {
  std::string title;
  std::string text;
};
std::optional<ReconciledNotice> reconciledNotice(std::size_t reconciled);

}  // namespace crvpo

// The layout of an import source: the fields a header line and a detail
// line carry, in file order, and how wide each is in a fixed-position file.
//
// A source keeps its layout as one string of 4-character cells, no
// separators: a 2-letter field code and a 2-digit width with a leading zero
// ("PN15", "QO08"; the width matters only for fixed-position files and is
// "00" otherwise). The header cells come first, then "####", then the
// detail cells; a source holds at most 125 cells. The code "00" is a field
// that is read and ignored ("Unused"). A cell whose code this program does
// not know is read as "Unused" too, so the fields after it stay in place.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace crvpo {

enum class HeaderField : std::uint8_t {
  Unused,
  RecordType,
  POID,
  VendorID,
  ExternalVendorID,
  PreparedBy,
  PreparedDate,
  PONumber,
  IssueDate,
  DeliverAfterDate,
  DeliveryDate,
  DeadlineDate,
  PreTaxAmount,
  TaxRate,
  TaxAmount,
  POAmount,
  ShipToType,
  ShipToJob,
  ShipToVendor,
  ShipToCustomer,
  ShipToName,
  ShipToAddress1,
  ShipToAddress2,
  ShipToCity,
  ShipToState,
  ShipToZip,
  ShipToContact,
  ShipVia,
  ShipToInstructions,
  FOB,
  Terms,
};

enum class DetailField : std::uint8_t {
  Unused,
  RecordType,
  POID,
  PONumber,
  TextFlag,
  Text,
  ItemID,
  Description,
  QtyOrdered,
  UnitPrice,
  UnitName,
  TotalAmount,
  DetailType,
  Account,
  JobID,
  CostCode,
  EquipmentID,
  CostCategory,
  DeliverAfterDate,
  DeliveryDate,
  DeadlineDate,
};

// How a field's text is read.
enum class ValueKind : std::uint8_t { Ignored, Text, Number, Amount, Quantity, Real, Date };

template <class Field>
struct FieldDescriptor {
  Field field;
  std::string_view code;      // "PN"
  std::string_view contents;  // "PO Number", as the source form shows it
  ValueKind kind;
  // Text is cut to `keptWidth`; the exchange file of the built-in source
  // keeps the width of the table field instead.
  int keptWidth = 0;
  int tableWidth = 0;
};

using HeaderDescriptor = FieldDescriptor<HeaderField>;
using DetailDescriptor = FieldDescriptor<DetailField>;

// Every header field in the order of the header table, then "Unused"; every
// detail field, then "Unused".
const std::vector<HeaderDescriptor>& headerDescriptors();
const std::vector<DetailDescriptor>& detailDescriptors();
const HeaderDescriptor& descriptorOf(HeaderField field);
const DetailDescriptor& descriptorOf(DetailField field);

// By code ("PN") or by contents ("PO Number"); nothing when unknown.
std::optional<HeaderField> headerFieldByCode(std::string_view code);
std::optional<DetailField> detailFieldByCode(std::string_view code);
std::optional<HeaderField> headerFieldByContents(std::string_view contents);
std::optional<DetailField> detailFieldByContents(std::string_view contents);

template <class Field>
struct LayoutCell {
  Field field;
  int width = 0;
  bool operator==(const LayoutCell&) const = default;
};

struct ImportLayout {
  static constexpr std::size_t maxCells = 125;
  static constexpr std::string_view separator = "####";

  std::vector<LayoutCell<HeaderField>> header;
  std::vector<LayoutCell<DetailField>> detail;

  // Reads a stored layout string; cells after the 125th and a trailing
  // fragment shorter than a cell are ignored.
  static ImportLayout parse(std::string_view text);
  // The stored form: cells, "####", cells.
  std::string toString() const;

  bool has(HeaderField field) const;
  bool has(DetailField field) const;
  bool operator==(const ImportLayout&) const = default;
};

// A cell as stored: code and width as two digits ("PN15"); widths beyond
// 99 are written as 99.
std::string cellText(std::string_view code, int width);

}  // namespace crvpo

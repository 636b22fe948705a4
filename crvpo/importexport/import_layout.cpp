// Field codes and the stored layout string.
#include "crvpo/importexport/import_layout.h"

#include <algorithm>

namespace crvpo {
namespace {

using H = HeaderField;
using D = DetailField;
using K = ValueKind;

template <class Descriptor, class Field>
const Descriptor& find(const std::vector<Descriptor>& descriptors, Field field) {
  for (const Descriptor& descriptor : descriptors)
    if (descriptor.field == field) return descriptor;
  return descriptors.back();  // Unused
}

template <class Descriptor>
auto byCode(const std::vector<Descriptor>& descriptors, std::string_view code)
    -> std::optional<decltype(Descriptor::field)> {
  for (const Descriptor& descriptor : descriptors)
    if (descriptor.code == code) return descriptor.field;
  return std::nullopt;
}

template <class Descriptor>
auto byContents(const std::vector<Descriptor>& descriptors, std::string_view contents)
    -> std::optional<decltype(Descriptor::field)> {
  for (const Descriptor& descriptor : descriptors)
    if (descriptor.contents == contents) return descriptor.field;
  return std::nullopt;
}

int twoDigits(std::string_view text) {
  if (text.size() != 2 || text[0] < '0' || text[0] > '9' || text[1] < '0' || text[1] > '9') return 0;
  return (text[0] - '0') * 10 + (text[1] - '0');
}

template <class Field>
void appendCells(std::string& out, const std::vector<LayoutCell<Field>>& cells) {
  for (const auto& cell : cells) out += cellText(descriptorOf(cell.field).code, cell.width);
}

}  // namespace

const std::vector<HeaderDescriptor>& headerDescriptors() {
  static const std::vector<HeaderDescriptor> descriptors = {
      {H::RecordType, "R1", "Record Type (H)", K::Text, 10, 10},
      {H::POID, "PO", "POID", K::Number},
      {H::VendorID, "VI", "Vendor ID", K::Number},
      {H::ExternalVendorID, "EV", "External Vendor ID", K::Text, 20, 20},
      {H::PreparedBy, "PB", "Prepared By", K::Text, 20, 20},
      {H::PreparedDate, "PD", "Prepared Date", K::Date},
      {H::PONumber, "PN", "PO Number", K::Text, 15, 15},
      {H::IssueDate, "D1", "Issue Date", K::Date},
      {H::DeliverAfterDate, "D2", "Deliver After Date", K::Date},
      {H::DeliveryDate, "D3", "Delivery Date", K::Date},
      {H::DeadlineDate, "D4", "Deadline Date", K::Date},
      {H::PreTaxAmount, "PT", "Pre Tax Amount", K::Amount},
      {H::TaxRate, "TR", "Tax Rate", K::Real},
      {H::TaxAmount, "TA", "Tax Amount", K::Amount},
      {H::POAmount, "PA", "PO Amount", K::Amount},
      {H::ShipToType, "ST", "Ship To Type", K::Text, 8, 8},
      {H::ShipToJob, "SJ", "Ship To Job", K::Text, 10, 10},
      {H::ShipToVendor, "SV", "Ship To Vendor", K::Number},
      {H::ShipToCustomer, "SC", "Ship To Customer", K::Number},
      {H::ShipToName, "SN", "Ship To Name", K::Text, 30, 50},
      {H::ShipToAddress1, "S1", "Ship To Address 1", K::Text, 30, 50},
      {H::ShipToAddress2, "S2", "Ship To Address 2", K::Text, 30, 50},
      {H::ShipToCity, "SY", "Ship To City", K::Text, 20, 30},
      {H::ShipToState, "SS", "Ship To State", K::Text, 2, 2},
      {H::ShipToZip, "SZ", "Ship To Zip", K::Text, 10, 10},
      {H::ShipToContact, "SO", "Ship To Contact", K::Text, 20, 40},
      {H::ShipVia, "VA", "Ship Via", K::Text, 10, 20},
      {H::ShipToInstructions, "SI", "Ship To Instructions", K::Text, 20, 50},
      {H::FOB, "FO", "FOB", K::Text, 20, 20},
      {H::Terms, "TM", "Terms", K::Text, 20, 20},
      {H::Unused, "00", "Unused", K::Ignored},
  };
  return descriptors;
}

const std::vector<DetailDescriptor>& detailDescriptors() {
  static const std::vector<DetailDescriptor> descriptors = {
      {D::RecordType, "R2", "Record Type (D)", K::Text, 10, 10},
      {D::POID, "PO", "POID", K::Number},
      {D::PONumber, "DN", "PO Number", K::Text, 20, 20},
      {D::TextFlag, "TF", "Text Flag", K::Number},
      {D::Text, "TX", "Text", K::Text, 1000, 1000},
      {D::ItemID, "II", "Item ID", K::Text, 15, 15},
      {D::Description, "DE", "Description", K::Text, 60, 200},
      {D::QtyOrdered, "QO", "Quantity Ordered", K::Quantity},
      {D::UnitPrice, "UP", "Unit Price", K::Real},
      {D::UnitName, "UN", "Unit Name", K::Text, 8, 8},
      {D::TotalAmount, "AM", "Total Amount", K::Amount},
      {D::DetailType, "DT", "Detail Type", K::Text, 11, 11},
      {D::Account, "AC", "Account", K::Text, 12, 12},
      {D::JobID, "JB", "Job ID", K::Text, 10, 10},
      {D::CostCode, "CC", "Cost Code", K::Text, 14, 14},
      {D::EquipmentID, "EQ", "Equipment ID", K::Text, 10, 10},
      {D::CostCategory, "CT", "Cost Category", K::Text, 10, 10},
      {D::DeliverAfterDate, "D1", "Deliver After Date", K::Date},
      {D::DeliveryDate, "D2", "Delivery Date", K::Date},
      {D::DeadlineDate, "D3", "Deadline Date", K::Date},
      {D::Unused, "00", "Unused", K::Ignored},
  };
  return descriptors;
}

const HeaderDescriptor& descriptorOf(HeaderField field) { return find(headerDescriptors(), field); }
const DetailDescriptor& descriptorOf(DetailField field) { return find(detailDescriptors(), field); }

std::optional<HeaderField> headerFieldByCode(std::string_view code) {
  return byCode(headerDescriptors(), code);
}
std::optional<DetailField> detailFieldByCode(std::string_view code) {
  return byCode(detailDescriptors(), code);
}
std::optional<HeaderField> headerFieldByContents(std::string_view contents) {
  return byContents(headerDescriptors(), contents);
}
std::optional<DetailField> detailFieldByContents(std::string_view contents) {
  return byContents(detailDescriptors(), contents);
}

std::string cellText(std::string_view code, int width) {
  const int w = std::clamp(width, 0, 99);
  std::string cell(code.substr(0, 2));
  cell.resize(2, '0');
  cell += static_cast<char>('0' + w / 10);
  cell += static_cast<char>('0' + w % 10);
  return cell;
}

ImportLayout ImportLayout::parse(std::string_view text) {
  ImportLayout layout;
  bool inDetail = false;
  std::size_t cells = 0;
  for (std::size_t at = 0; at + 4 <= text.size() && cells < maxCells; at += 4) {
    const std::string_view cell = text.substr(at, 4);
    if (cell == separator) {
      inDetail = true;
      continue;
    }
    if (cell.find(' ') != std::string_view::npos) break;  // the clipped end
    ++cells;
    const std::string_view code = cell.substr(0, 2);
    const int width = twoDigits(cell.substr(2));
    if (inDetail)
      layout.detail.push_back({detailFieldByCode(code).value_or(D::Unused), width});
    else
      layout.header.push_back({headerFieldByCode(code).value_or(H::Unused), width});
  }
  return layout;
}

std::string ImportLayout::toString() const {
  std::string out;
  appendCells(out, header);
  out += separator;
  appendCells(out, detail);
  return out;
}

bool ImportLayout::has(HeaderField field) const {
  return std::any_of(header.begin(), header.end(), [field](const auto& cell) { return cell.field == field; });
}

bool ImportLayout::has(DetailField field) const {
  return std::any_of(detail.begin(), detail.end(), [field](const auto& cell) { return cell.field == field; });
}

}  // namespace crvpo

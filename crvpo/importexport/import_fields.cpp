// Reading import fields into header and detail entries.
#include "crvpo/importexport/import_fields.h"

#include <charconv>
#include <cmath>
#include <limits>

#include "host/framework/values/text.h"

namespace crvpo {
namespace {

// The start of a value for a message, so that a line of a hundred
// thousand characters does not make a message of that size.
std::string excerpt(std::string_view value) {
  constexpr std::size_t shown = 20;
  value = crv::trim(value);
  if (value.size() <= shown) return std::string(value);
  return std::string(cutText(value, shown)) + "...";
}

std::string notA(std::string_view what, std::string_view contents, std::string_view value) {
  return "Not " + std::string(what) + " in " + std::string(contents) + ": " + excerpt(value);
}

bool readWhole(std::string_view plain, crv::Id& out) {
  const auto value = crv::Quantity::parse(plain);
  if (!value || value->isNegative() || value->raw() % crv::Quantity::scale != 0) return false;
  const std::int64_t whole = value->raw() / crv::Quantity::scale;
  if (whole > std::numeric_limits<crv::Id>::max()) return false;
  out = static_cast<crv::Id>(whole);
  return true;
}

bool readReal(std::string_view plain, double& out) {
  double value = 0;
  const auto [end, ec] = std::from_chars(plain.data(), plain.data() + plain.size(), value);
  if (ec != std::errc() || end != plain.data() + plain.size() || !std::isfinite(value)) return false;
  out = value;
  return true;
}

}  // namespace

FieldTarget headerTarget(HeaderField field, ImportHeader& h) {
  using H = HeaderField;
  switch (field) {
    case H::RecordType:
      return {.text = &h.recordType};
    case H::POID:
      return {.number = &h.fileId};
    case H::VendorID:
      return {.number = &h.vendorId};
    case H::ExternalVendorID:
      return {.text = &h.externalVendorId};
    case H::PreparedBy:
      return {.text = &h.preparedBy};
    case H::PreparedDate:
      return {.date = &h.preparedDate};
    case H::PONumber:
      return {.text = &h.poNumber};
    case H::IssueDate:
      return {.date = &h.issueDate};
    case H::DeliverAfterDate:
      return {.date = &h.deliverAfterDate};
    case H::DeliveryDate:
      return {.date = &h.deliveryDate};
    case H::DeadlineDate:
      return {.date = &h.deadlineDate};
    case H::PreTaxAmount:
      return {.amount = &h.preTaxAmount};
    case H::TaxRate:
      return {.real = &h.taxRate};
    case H::TaxAmount:
      return {.amount = &h.taxAmount};
    case H::POAmount:
      return {.amount = &h.poAmount};
    case H::ShipToType:
      return {.text = &h.shipToType};
    case H::ShipToJob:
      return {.text = &h.shipToJob};
    case H::ShipToVendor:
      return {.number = &h.shipToVendor};
    case H::ShipToCustomer:
      return {.number = &h.shipToCustomer};
    case H::ShipToName:
      return {.text = &h.shipToName};
    case H::ShipToAddress1:
      return {.text = &h.shipToAddress1};
    case H::ShipToAddress2:
      return {.text = &h.shipToAddress2};
    case H::ShipToCity:
      return {.text = &h.shipToCity};
    case H::ShipToState:
      return {.text = &h.shipToState};
    case H::ShipToZip:
      return {.text = &h.shipToZip};
    case H::ShipToContact:
      return {.text = &h.shipToContact};
    case H::ShipVia:
      return {.text = &h.shipVia};
    case H::ShipToInstructions:
      return {.text = &h.shipToInstructions};
    case H::FOB:
      return {.text = &h.fob};
    case H::Terms:
      return {.text = &h.terms};
    case H::Unused:
      break;
  }
  return {};
}

FieldTarget detailTarget(DetailField field, ImportDetail& d) {
  using D = DetailField;
  switch (field) {
    case D::POID:
      return {.number = &d.fileId};
    case D::PONumber:
      return {.ref = &d.poNumber};
    case D::TextFlag:
      return {.flag = &d.textFlag};
    case D::Text:
      return {.ref = &d.text};
    case D::ItemID:
      return {.ref = &d.itemId};
    case D::Description:
      return {.ref = &d.description};
    case D::QtyOrdered:
      return {.quantity = &d.qtyOrdered};
    case D::UnitPrice:
      return {.real = &d.unitPrice};
    case D::UnitName:
      return {.ref = &d.unitName};
    case D::TotalAmount:
      return {.amount = &d.totalAmount};
    case D::Account:
      return {.ref = &d.account};
    case D::JobID:
      return {.ref = &d.jobId};
    case D::CostCode:
      return {.ref = &d.costCode};
    case D::EquipmentID:
      return {.ref = &d.equipmentId};
    case D::CostCategory:
      return {.ref = &d.costCategory};
    case D::DeliverAfterDate:
      return {.date = &d.deliverAfterDate};
    case D::DeliveryDate:
      return {.date = &d.deliveryDate};
    case D::DeadlineDate:
      return {.date = &d.deadlineDate};
    case D::RecordType:
    case D::DetailType:
    case D::Unused:
      break;
  }
  return {};
}

std::optional<std::string> FieldReader::read(std::string_view value, ValueKind kind,
                                             std::string_view contents, int width,
                                             const FieldTarget& target) {
  switch (kind) {
    case ValueKind::Ignored:
      return std::nullopt;
    case ValueKind::Text:
      if (target.text) target.text->assign(cutText(value, width));
      if (target.ref && texts_) *target.ref = texts_->keep(cutText(value, width));
      return std::nullopt;
    case ValueKind::Date: {
      if (!target.date || !dates_) return std::nullopt;
      const DateRead date = readDate(value, *dates_);
      *target.date = date.date;
      if (!date.valid) warnings_.push_back(notA("a date", contents, value));
      return std::nullopt;
    }
    default:
      break;
  }
  const auto plain = readImportNumber(value);
  bool read = plain.has_value();
  if (read && (target.number || target.flag)) {
    crv::Id whole = 0;
    read = readWhole(*plain, whole);
    if (target.number) *target.number = whole;
    if (target.flag) *target.flag = whole != 0 ? 1 : 0;
  } else if (read && target.amount) {
    const auto amount = crv::Amount::parse(*plain);
    read = amount.has_value();
    if (read) *target.amount = *amount;
  } else if (read && target.quantity) {
    const auto quantity = crv::Quantity::parse(*plain);
    read = quantity.has_value();
    if (read) *target.quantity = quantityPlaces_ == 2 ? quantity->rescale<2>().rescale<4>() : *quantity;
  } else if (read && target.real) {
    read = readReal(*plain, *target.real);
  }
  if (!read) return notA("a number", contents, value);
  return std::nullopt;
}

char detailTypeCode(std::string_view value, bool exchange) {
  value = crv::trim(value);
  if (value.size() == 1) {
    const char code = crv::toUpperAscii(value)[0];
    if (code == 'J' || code == 'E' || code == 'G' || code == 'I') return code;
  }
  if (exchange)
    for (char code : {'J', 'E', 'G', 'I'})
      if (value == detailTypeName(code)) return code;
  return 0;
}

std::string_view detailTypeName(char code) {
  switch (code) {
    case 'J':
      return "Job";
    case 'E':
      return "Equipment";
    case 'G':
      return "G/L Account";
    case 'I':
      return "Inventory";
    default:
      return {};
  }
}

std::string_view cutText(std::string_view text, int width) {
  return text.substr(0, crv::utf8CutLength(text, static_cast<std::size_t>(std::max(width, 0))));
}

std::string quoteNotClosedText(std::string_view contents) {
  return "Quote not closed in " + std::string(contents);
}

}  // namespace crvpo

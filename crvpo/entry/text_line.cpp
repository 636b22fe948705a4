// Text-line clearing and typography.
#include "crvpo/entry/text_line.h"

#include "host/data/tables/purchasing_tables.h"

namespace crvpo {

void emptyTextLine() {
  crv::PODetailRecord& d = crv::POD;
  d.Description = "";
  d.QtyOrdered = {};
  d.QtyThisPackSlip = {};
  d.QtyRcvdNotInvoiced = {};
  d.QtyInvoiced = {};
  d.QtyBackord = {};
  d.QtyThisInvoice = {};
  d.PriceThisInvoice = 0;
  d.PreTaxThisInvoice = {};
  d.TaxThisInvoice = {};
  d.TotalThisInvoice = {};
  d.CommittedPrice = {};
  d.UnitPrice = 0;
  d.PreTaxAmount = {};
  d.TaxAmount = {};
  d.TotalAmount = {};
  d.UnitName = "";
  d.DetailType = "";
  d.Account = "";
  d.JobID = "";
  d.CostCode = "";
  d.EquipmentID = "";
  d.CostCategory = "";
  d.Taxable = 0;
  d.DeliverAfterDate = {};
  d.DeliveryDate = {};
  d.DeadlineDate = {};
  d.ReceiptDate = {};
  d.Comment = "";
  d.VendorCatalogID = "";
  d.AmountInvoiced = {};
  d.LocationID = "";
  d.BinID = "";
  d.SerialID = 0;
  d.ConversionID = 0;
  d.INVQuantity = {};
}

namespace {

// Length of the valid UTF-8 sequence starting at `i`, 0 when there is none.
std::size_t utf8Length(std::string_view text, std::size_t i) {
  const auto lead = static_cast<unsigned char>(text[i]);
  std::size_t length = 0;
  if (lead >= 0xC2 && lead <= 0xDF)
    length = 2;
  else if (lead >= 0xE0 && lead <= 0xEF)
    length = 3;
  else if (lead >= 0xF0 && lead <= 0xF4)
    length = 4;
  else
    return 0;
  if (i + length > text.size()) return 0;
  for (std::size_t k = 1; k < length; ++k)
    if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80) return 0;
  return length;
}

char plainFor(std::string_view sequence) {
  // U+201C, U+201D, U+2022, U+2013, U+2014.
  if (sequence == "\xE2\x80\x9C" || sequence == "\xE2\x80\x9D") return '"';
  if (sequence == "\xE2\x80\xA2") return '*';
  if (sequence == "\xE2\x80\x93" || sequence == "\xE2\x80\x94") return '-';
  return 0;
}

}  // namespace

std::string plainTypography(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  std::size_t i = 0;
  while (i < text.size()) {
    // A valid UTF-8 character is kept whole (its continuation bytes may
    // have the values of the single-byte marks), unless it is one of them.
    if (const std::size_t length = utf8Length(text, i)) {
      const std::string_view sequence = text.substr(i, length);
      if (const char plain = plainFor(sequence))
        out += plain;
      else
        out += sequence;
      i += length;
      continue;
    }
    switch (static_cast<unsigned char>(text[i])) {
      case 147:
      case 148:
        out += '"';
        break;
      case 149:
        out += '*';
        break;
      case 150:
      case 151:
        out += '-';
        break;
      default:
        out += text[i];
    }
    ++i;
  }
  return out;
}

}  // namespace crvpo

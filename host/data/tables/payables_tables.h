// The payables tables: vendors and the invoices that reconcile orders.
#pragma once

#include <cstdint>

#include "host/data/tables/table_registry.h"

namespace crv {

// One row per vendor.
struct APVendorRecord final : Record {
  Id VendorID{};
  Text<20> ExternalID;  // the vendor's number in another system
  Text<50> VendorName;
  Text<50> Address;
  Text<50> Address2;
  Text<30> City;
  Text<2> State;
  Text<10> Zip;
  Text<20> Phone;
  Text<20> Fax;
  Text<60> Email;
  Text<40> Contact;
  Flag Active{};  // 0 = inactive
  Text<15> DueTerms;
  std::uint16_t DueDays{};
  std::uint16_t DiscountDays{};
  Real DiscountPercent{};
  Text<12> DefaultAccount;
  Real DefaultTax{};  // tax rate, percent
  Text<1> PurchaseStatus;
  Text<20> TaxID;
  Flag Is1099{};
  Amount Balance;
  Date LastPurchaseDate;
  // user-defined fields a company fills as it likes (printed on designer forms)
  Text<30> UD1, UD2, UD3, UD4, UD5, UD6, UD7, UD8, UD9, UD10;

  static constexpr KeyDef KeyVendorID{"KeyVendorID", {"VendorID"}, true};
  static constexpr KeyDef KeyExternalID{"KeyExternalID", {"ExternalID"}, false, true};
  static constexpr KeyDef KeyVendorName{"KeyVendorName", {"VendorName"}, false, false, true};

  const RecordLayout& layout() const override;
  void describe(LayoutBuilder& b) const;
  static void define(TableDef& def);
  static const TableDef& table();
};

// One row per payables invoice; an invoice may reconcile a purchase order.
struct APInvRecord final : Record {
  Id InvoiceID{};
  Id VendorID{};
  Text<30> InvoiceNo;
  Date InvoiceDate;
  Date DueDate;
  Id POID{};
  Text<50> Description;
  Amount InvoiceAmount;
  Amount TaxAmount;
  Flag Posted{};  // 0 until the invoice is posted
  Date PostedDate;

  static constexpr KeyDef KeyInvoiceID{"KeyInvoiceID", {"InvoiceID"}, true};
  static constexpr KeyDef KeyPOID{"KeyPOID", {"POID"}};
  // unposted invoices first
  static constexpr KeyDef KeyFPPosted{"KeyFPPosted", {"Posted", "InvoiceID"}};
  static constexpr KeyDef KeyVendorInvoice{"KeyVendorInvoice", {"VendorID", "InvoiceNo"}};

  const RecordLayout& layout() const override;
  void describe(LayoutBuilder& b) const;
  static void define(TableDef& def);
  static const TableDef& table();
};

// One row per distribution line of a payables invoice.
// "Quantity" and "Amount" are also field names: the types are qualified.
struct APDetailRecord final : Record {
  Id DetailID{};
  Id InvoiceID{};
  Id PODetailID{};  // the order line it reconciles, 0 for none
  crv::Text<60> Description;
  crv::Text<11> DetailType;
  crv::Text<12> Account;
  crv::Text<10> JobID;
  crv::Text<14> CostCode;
  crv::Quantity Quantity;
  Real UnitPrice{};
  crv::Amount Amount;

  static constexpr KeyDef KeyDetailID{"KeyDetailID", {"DetailID"}, true};
  static constexpr KeyDef KeyInvoiceID{"KeyInvoiceID", {"InvoiceID"}};
  static constexpr KeyDef KeyPODetailID{"KeyPODetailID", {"PODetailID"}};

  const RecordLayout& layout() const override;
  void describe(LayoutBuilder& b) const;
  static void define(TableDef& def);
  static const TableDef& table();
};

extern APVendorRecord APV;
extern APVendorRecord APVA;  // second buffer on APVendor
extern APInvRecord API;
extern APDetailRecord APD;

extern Table APVendor;
extern Table APVendorAlias;
extern Table APInv;
extern Table APDetail;

}  // namespace crv

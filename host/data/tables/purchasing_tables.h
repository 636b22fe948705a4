// The purchase-order tables: orders, their lines, the per-user print batch,
// received serial numbers, saved report limits and reconciliation records.
#pragma once

#include <cstdint>

#include "host/data/tables/table_registry.h"

namespace crv {

// One row per purchase order.
struct POMasterRecord final : Record {
  Id POID{};
  Text<5> BatchID;
  Id VendorID{};
  Text<8> ShipToType;
  Text<10> ShipToJob;
  Id ShipToVendor{};
  Id ShipToCustomer{};
  Text<20> PreparedBy;
  Date PreparedDate;
  Text<12> CheckNo;
  Text<15> PONumber;
  Text<1> PrintFlag;
  Date IssueDate;
  Date DeliverAfterDate;
  Date DeliveryDate;
  Date DeadlineDate;
  Amount PreTaxAmount;
  Amount POAmount;
  Text<15> InvoiceNumber;
  Date InvoiceDate;
  Date DueDate;
  Date DiscountExpires;
  Date PaidDate;
  Amount DiscountAmount;
  Amount NotApproved;
  Real TaxRate{};
  Amount TaxAmount;
  Amount OtherCharges;
  Text<10> DefaultJob;
  Flag Taxable{};
  Text<50> ShipToName;
  Text<50> ShipToAddress1;
  Text<50> ShipToAddress2;
  Text<30> ShipToCity;
  Text<2> ShipToState;
  Text<10> ShipToZip;
  Text<40> ShipToContact;
  Text<20> ShipVia;
  Text<50> ShipToInstructions;
  Text<20> ApprovedName;
  Date ApprovedDate;
  Flag Reconciled{};
  Text<3> ApprovalUserID1;
  Text<3> ApprovalUserID2;
  Amount QuantityReconciled;
  Amount AmountReconciled;
  Id SortVendorID{};
  Text<15> SortPONumber;
  Text<20> FOB;
  Text<20> Terms;
  Flag RecTF{};

  static constexpr KeyDef KeyPOID{"KeyPOID", {"POID"}, true};
  static constexpr KeyDef KeyPONumber{"KeyPONumber", {"PONumber"}};
  static constexpr KeyDef KeyVendorID{"KeyVendorID", {"VendorID"}};
  static constexpr KeyDef KeyJobID{"KeyJobID", {"DefaultJob"}};
  static constexpr KeyDef KeyReconciled{"KeyReconciled", {"Reconciled"}};
  static constexpr KeyDef KeyRecTFPONum{"KeyRecTFPONum", {"RecTF", "PONumber"}};
  static constexpr KeyDef KeySortPONumber{"KeySortPONumber", {"SortPONumber"}, false, true};
  static constexpr KeyDef KeySortVendorID{"KeySortVendorID", {"SortVendorID"}, false, true};

  const RecordLayout& layout() const override;
  void describe(LayoutBuilder& b) const;
  static void define(TableDef& def);
  static const TableDef& table();
};

// One row per line of an order.
struct PODetailRecord final : Record {
  Id POID{};
  Id DetailID{};
  crv::Text<15> ItemID;
  crv::Text<1> ItemType;
  Flag TextFlag{};
  crv::Text<200> Description;
  Quantity QtyOrdered;
  Quantity QtyThisPackSlip;
  Quantity QtyRcvdNotInvoiced;
  Quantity QtyInvoiced;
  Quantity QtyBackord;
  Quantity QtyThisInvoice;
  Real PriceThisInvoice{};
  Amount PreTaxThisInvoice;
  Amount TaxThisInvoice;
  Amount TotalThisInvoice;
  Amount CommittedPrice;
  Real UnitPrice{};
  Amount PreTaxAmount;
  Amount TaxAmount;
  Amount TotalAmount;
  crv::Text<8> UnitName;
  crv::Text<11> DetailType;
  crv::Text<12> Account;
  crv::Text<10> JobID;
  crv::Text<14> CostCode;
  crv::Text<10> ChangeOrder;
  Id CODetailID{};
  crv::Text<10> EquipmentID;
  crv::Text<10> CostCategory;
  Flag Taxable{};
  Flag Reconciliation{};
  Date DeliverAfterDate;
  Date DeliveryDate;
  Date DeadlineDate;
  Date ReceiptDate;
  crv::Text<20> Comment;
  crv::Text<20> VendorCatalogID;
  Amount AmountInvoiced;
  crv::Text<10> LocationID;
  crv::Text<10> BinID;
  Id SerialID{};
  Id ConversionID{};
  Quantity INVQuantity;
  Id SequenceNo{};
  crv::Text<1000> Text;  // "Text" is also a field name: the type is qualified in this struct

  static constexpr KeyDef KeyPOID{"KeyPOID", {"POID", "SequenceNo"}};
  static constexpr KeyDef KeyDetailID{"KeyDetailID", {"DetailID"}, true};

  const RecordLayout& layout() const override;
  void describe(LayoutBuilder& b) const;
  static void define(TableDef& def);
  static const TableDef& table();
};

// The per-user print batch: one row per order to print, with the order's
// fields as the forms print them and the composed address blocks.
struct POPrintRecord final : Record {
  Id RecordID{};
  Text<3> UserID;
  Id POID{};
  Text<5> BatchID;
  Id VendorID{};
  Text<8> ShipToType;
  Text<10> ShipToJob;
  std::uint16_t ShipToVendor{};
  std::uint16_t ShipToCustomer{};
  Text<20> PreparedBy;
  Date PreparedDate;
  Text<12> CheckNo;
  Text<15> PONumber;
  Text<1> PrintFlag;
  Date IssueDate;
  Date DeliverAfterDate;
  Date DeliveryDate;
  Date DeadlineDate;
  Amount PreTaxAmount;
  Amount POAmount;
  Text<15> InvoiceNumber;
  Date InvoiceDate;
  Date DueDate;
  Date DiscountExpires;
  Date PaidDate;
  Amount DiscountAmount;
  Amount NotApproved;
  Real TaxRate{};
  Amount TaxAmount;
  Amount OtherCharges;
  Text<10> DefaultJob;
  Flag Taxable{};
  Text<60> ShipToName;
  Text<60> ShipToAddress1;
  Text<60> ShipToAddress2;
  Text<60> ShipToCity;
  Text<2> ShipToState;
  Text<10> ShipToZip;
  Text<40> ShipToContact;
  Text<10> ShipVia;
  Text<50> ShipToInstructions;
  Text<20> ApprovedName;
  Date ApprovedDate;
  Flag Reconciled{};
  Text<3> ApprovalUserID1;
  Text<3> ApprovalUserID2;
  Amount QuantityReconciled;
  Amount AmountReconciled;
  std::uint16_t SortVendorID{};
  Text<15> SortPONumber;
  Text<20> FOB;
  Text<20> Terms;
  Text<50> VendorLine1;
  Text<50> VendorLine2;
  Text<50> VendorLine3;
  Text<50> ShipToLine1;
  Text<50> ShipToLine2;
  Text<50> ShipToLine3;

  // The sample order and the blank form carry these instead of a real order.
  static constexpr Id sampleOrderID = 2222222222u;
  static constexpr Id blankFormID = 3333333333u;

  static constexpr KeyDef KeyRecordID{"KeyRecordID", {"RecordID"}, true};
  // a user's rows in the order they were built
  static constexpr KeyDef KeyUserID{"KeyUserID", {"UserID", "RecordID"}};

  const RecordLayout& layout() const override;
  void describe(LayoutBuilder& b) const;
  static void define(TableDef& def);
  static const TableDef& table();
};

// Serial numbers received on an order line.
struct PODetSerRecord final : Record {
  Id RecordID{};
  Id DetailID{};
  Text<40> SerialNo;
  Id SerialID{};  // the INSerial record made for the number

  static constexpr KeyDef KeyRecordID{"KeyRecordID", {"RecordID"}, true};
  static constexpr KeyDef KeyDetailID{"KeyDetailID", {"DetailID"}};

  const RecordLayout& layout() const override;
  void describe(LayoutBuilder& b) const;
  static void define(TableDef& def);
  static const TableDef& table();
};

// Saved selections of the purchase-order reports: the shared "Generate POs"
// record and one "PO Listing" record per saved listing format.
struct POLimitsRecord final : Record {
  Id LimitID{};
  Text<10> UserID;
  Text<30> Report;
  Text<40> ReportTitle;
  Date ModifyDate;
  Flag SelectedDates{};
  Text<1> DateLimitType;
  Date DateFrom;
  Date DateTo;
  Byte SelectedRef{};
  std::int32_t RefFrom{};  // listing: reconciliation detail; "Generate POs": the running PO number
  std::int32_t RefTo{};
  Byte SelectedJobs{};
  Text<10> JobFrom;
  Text<10> JobTo;
  Byte SelectedPONumbers{};
  Text<20> POFrom;
  Text<20> POTo;
  Byte SelectedVendors{};
  Id VendorFrom{};
  Id VendorTo{};
  Byte SelectedCostCodes{};
  Text<10> CostCodeFrom;
  Text<10> CostCodeTo;
  Flag SelectedEquipment{};
  Text<10> EqFrom;
  Text<10> EqTo;
  Flag Unreconciled{};
  Flag PartiallyReconciled{};
  Flag FullyReconciled{};
  Text<1> Sequence;
  Text<1> SortDetail;
  Byte SelectedCat{};
  Text<50> CatFrom;  // non-blank: include inactive jobs
  Text<50> CatTo;    // non-blank: include closed jobs
  Flag Locked{};
  Text<5> Reserved;    // used by other reports of the suite
  Byte Orientation{};  // 'P' portrait, 'L' landscape
  Flag ColorCoding{};

  static constexpr KeyDef KeyLimitID{"KeyLimitID", {"LimitID"}, true};
  static constexpr KeyDef KeyReport{"KeyReport", {"Report", "ReportTitle"}};

  const RecordLayout& layout() const override;
  void describe(LayoutBuilder& b) const;
  static void define(TableDef& def);
  static const TableDef& table();
};

// What was received or invoiced against an order line: one row per packing
// slip or payables invoice.
// "Date", "Quantity" and "Amount" are also field names: the types are qualified.
struct PORECRecord final : Record {
  Id RecordID{};
  Id DetailID{};
  Id POID{};
  Id InvoiceID{};  // the payables invoice (APInv); 0 for a packing slip
  crv::Text<20> PackSlip;
  crv::Date Date;
  crv::Quantity Quantity;
  Real UnitPrice{};
  crv::Amount Amount;

  static constexpr KeyDef KeyRecordID{"KeyRecordID", {"RecordID"}, true};
  static constexpr KeyDef KeyDetailID{"KeyDetailID", {"DetailID"}};
  static constexpr KeyDef KeyInvoiceID{"KeyInvoiceID", {"InvoiceID"}};

  const RecordLayout& layout() const override;
  void describe(LayoutBuilder& b) const;
  static void define(TableDef& def);
  static const TableDef& table();
};

extern POMasterRecord POM;
extern POMasterRecord POM1;  // second buffer on POMaster
extern PODetailRecord POD;
extern POPrintRecord POP;
extern PODetSerRecord PODS;
extern POLimitsRecord POL;
extern PORECRecord POR;

extern Table POMaster;
extern Table POMasterAlias;
extern Table PODetail;
extern Table POPrint;
extern Table PODetSer;
extern Table POLimits;
extern Table POREC;

}  // namespace crv

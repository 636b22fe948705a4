// The purchase-order tables: orders, their lines, the per-user print batch,
// received serial numbers, saved report limits and reconciliation records.
#pragma once

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

extern POMasterRecord POM;
extern POMasterRecord POM1;  // second buffer on POMaster
extern PODetailRecord POD;

extern Table POMaster;
extern Table POMasterAlias;
extern Table PODetail;

}  // namespace crv

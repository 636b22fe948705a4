// The inventory tables: items, their vendors and purchase units, stock by
// location and bin, purchase history and serial numbers.
#pragma once

#include <cstdint>

#include "host/data/tables/table_registry.h"

namespace crv {

// One row per inventory item.
struct INMasterRecord final : Record {
  Text<15> ItemID;
  Text<60> Description;
  Text<8> UnitName;  // the stock unit
  Text<10> Category;
  Text<14> DefaultCostCode;
  Text<12> Account;
  Flag QtyExempt{};  // 1 = no quantity tracking
  Flag Serialized{};
  Flag Active{};
  Flag Taxable{};
  Real Price{};  // per stock unit
  Real Cost{};   // average cost per stock unit
  Text<10> DefaultLocationID;
  Text<10> DefaultBinID;
  Quantity QtyOnHand;
  Quantity QtyOnOrder;
  Quantity QtyReceivedToDate;
  Quantity ReorderPoint;

  static constexpr KeyDef KeyItemID{"KeyItemID", {"ItemID"}, true};
  static constexpr KeyDef KeyDescription{"KeyDescription", {"Description"}, false, false, true};

  const RecordLayout& layout() const override;
  void describe(LayoutBuilder& b) const;
  static void define(TableDef& def);
  static const TableDef& table();
};

// An item's vendors with their prices, in priority order.
struct INVendorRecord final : Record {
  Id RecordID{};
  Text<15> ItemID;
  Id VendorID{};
  Byte Priority{};  // 1 is tried first
  Text<20> VendorCatalogID;
  Text<8> UnitName;
  Real Price{};  // per UnitName
  Quantity MinimumOrder;
  std::uint16_t LeadDays{};
  Date LastPriceDate;

  static constexpr KeyDef KeyRecordID{"KeyRecordID", {"RecordID"}, true};
  static constexpr KeyDef KeyItemVendor{"KeyItemVendor", {"ItemID", "VendorID"}, true};
  static constexpr KeyDef KeyItemID{"KeyItemID", {"ItemID", "Priority"}};
  static constexpr KeyDef KeyVendorID{"KeyVendorID", {"VendorID", "ItemID"}};

  const RecordLayout& layout() const override;
  void describe(LayoutBuilder& b) const;
  static void define(TableDef& def);
  static const TableDef& table();
};

// Purchase units of an item other than its stock unit.
struct INCnvrtRecord final : Record {
  Id ConversionID{};
  Text<15> ItemID;
  Text<8> UnitName;
  Real Factor{};  // stock units per UnitName
  Text<30> Description;

  static constexpr KeyDef KeyConversionID{"KeyConversionID", {"ConversionID"}, true};
  static constexpr KeyDef KeyItemUnit{"KeyItemUnit", {"ItemID", "UnitName"}, true};

  const RecordLayout& layout() const override;
  void describe(LayoutBuilder& b) const;
  static void define(TableDef& def);
  static const TableDef& table();
};

// Stock of an item at one location and bin.
struct INItemRecord final : Record {
  Id RecordID{};
  Text<15> ItemID;
  Text<10> LocationID;
  Text<10> BinID;
  Quantity QtyOnHand;
  Date LastReceiptDate;

  static constexpr KeyDef KeyRecordID{"KeyRecordID", {"RecordID"}, true};
  static constexpr KeyDef KeyItemLocBin{"KeyItemLocBin", {"ItemID", "LocationID", "BinID"}, true};
  static constexpr KeyDef KeyLocBin{"KeyLocBin", {"LocationID", "BinID", "ItemID"}};

  const RecordLayout& layout() const override;
  void describe(LayoutBuilder& b) const;
  static void define(TableDef& def);
  static const TableDef& table();
};

// Purchase history: what was received of an item, from which order line.
// "Quantity" is also a field name: the types are qualified.
struct INPurchRecord final : Record {
  Id RecordID{};
  crv::Text<15> ItemID;
  Id VendorID{};
  crv::Date PurchaseDate;
  crv::Text<10> UnitName;
  Real Price{};
  crv::Quantity Cost;  // extended cost, 4 places
  Id SerialID{};
  crv::Text<10> LocationID;
  crv::Text<10> BinID;
  crv::Quantity Quantity;
  Id PODetailID{};

  static constexpr KeyDef KeyRecordID{"KeyRecordID", {"RecordID"}, true};
  static constexpr KeyDef KeyPODetailID{"KeyPODetailID", {"PODetailID"}};
  static constexpr KeyDef KeyItemID{"KeyItemID", {"ItemID", "PurchaseDate"}};

  const RecordLayout& layout() const override;
  void describe(LayoutBuilder& b) const;
  static void define(TableDef& def);
  static const TableDef& table();
};

// One row per serial number of a serialized item.
struct INSerialRecord final : Record {
  Id SerialID{};
  Text<15> ItemID;
  Text<40> SerialNo;
  Text<10> LocationID;
  Text<10> BinID;
  Date ReceivedDate;
  Id PODetailID{};

  static constexpr KeyDef KeySerialID{"KeySerialID", {"SerialID"}, true};
  static constexpr KeyDef KeySerialNo{"KeySerialNo", {"SerialNo"}};
  static constexpr KeyDef KeyItemSerial{"KeyItemSerial", {"ItemID", "SerialNo"}};

  const RecordLayout& layout() const override;
  void describe(LayoutBuilder& b) const;
  static void define(TableDef& def);
  static const TableDef& table();
};

// Stock locations (warehouses, yards, trucks).
struct INLocRecord final : Record {
  Text<10> LocationID;
  Text<40> Description;
  Text<50> Address;
  Text<30> City;
  Text<2> State;
  Text<10> Zip;

  static constexpr KeyDef KeyLocationID{"KeyLocationID", {"LocationID"}, true};

  const RecordLayout& layout() const override;
  void describe(LayoutBuilder& b) const;
  static void define(TableDef& def);
  static const TableDef& table();
};

// Bins (areas) within a location.
struct INBinRecord final : Record {
  Text<10> LocationID;
  Text<10> BinID;
  Text<40> Description;

  static constexpr KeyDef KeyBinID{"KeyBinID", {"BinID"}};
  static constexpr KeyDef KeyLocBin{"KeyLocBin", {"LocationID", "BinID"}, true};

  const RecordLayout& layout() const override;
  void describe(LayoutBuilder& b) const;
  static void define(TableDef& def);
  static const TableDef& table();
};

extern INMasterRecord INM;
extern INVendorRecord INV;
extern INCnvrtRecord INC;
extern INItemRecord INI;
extern INPurchRecord INPU;
extern INSerialRecord INS;
extern INLocRecord INL;
extern INBinRecord INBN;

extern Table INMaster;
extern Table INVendor;
extern Table INCnvrt;
extern Table INItem;
extern Table INPurch;
extern Table INSerial;
extern Table INLoc;
extern Table INBin;

}  // namespace crv

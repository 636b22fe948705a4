// Definitions of the inventory tables.
#include "host/data/tables/inventory_tables.h"

namespace crv {

const RecordLayout& INMasterRecord::layout() const { return layoutOf<INMasterRecord>(); }

void INMasterRecord::describe(LayoutBuilder& b) const {
  b CRV_FIELD(ItemID) CRV_FIELD(Description) CRV_FIELD(UnitName) CRV_FIELD(Category)
      CRV_FIELD(DefaultCostCode) CRV_FIELD(Account) CRV_FIELD(QtyExempt) CRV_FIELD(Serialized)
          CRV_FIELD(Active) CRV_FIELD(Taxable) CRV_FIELD(Price) CRV_FIELD(Cost) CRV_FIELD(DefaultLocationID)
              CRV_FIELD(DefaultBinID) CRV_FIELD(QtyOnHand) CRV_FIELD(QtyOnOrder) CRV_FIELD(QtyReceivedToDate)
                  CRV_FIELD(ReorderPoint);
}

void INMasterRecord::define(TableDef& def) { def.key(KeyItemID).key(KeyDescription); }

const TableDef& INMasterRecord::table() { return tableDefOf<INMasterRecord>("INMaster", "INM"); }

const RecordLayout& INVendorRecord::layout() const { return layoutOf<INVendorRecord>(); }

void INVendorRecord::describe(LayoutBuilder& b) const {
  b CRV_FIELD(RecordID) CRV_FIELD(ItemID) CRV_FIELD(VendorID) CRV_FIELD(Priority) CRV_FIELD(VendorCatalogID)
      CRV_FIELD(UnitName) CRV_FIELD(Price) CRV_FIELD(MinimumOrder) CRV_FIELD(LeadDays)
          CRV_FIELD(LastPriceDate);
}

void INVendorRecord::define(TableDef& def) {
  def.autoNumber("RecordID").key(KeyRecordID).key(KeyItemVendor).key(KeyItemID).key(KeyVendorID);
}

const TableDef& INVendorRecord::table() { return tableDefOf<INVendorRecord>("INVendor", "INV"); }

const RecordLayout& INCnvrtRecord::layout() const { return layoutOf<INCnvrtRecord>(); }

void INCnvrtRecord::describe(LayoutBuilder& b) const {
  b CRV_FIELD(ConversionID) CRV_FIELD(ItemID) CRV_FIELD(UnitName) CRV_FIELD(Factor) CRV_FIELD(Description);
}

void INCnvrtRecord::define(TableDef& def) {
  def.autoNumber("ConversionID").key(KeyConversionID).key(KeyItemUnit);
}

const TableDef& INCnvrtRecord::table() { return tableDefOf<INCnvrtRecord>("INCnvrt", "INC"); }

const RecordLayout& INItemRecord::layout() const { return layoutOf<INItemRecord>(); }

void INItemRecord::describe(LayoutBuilder& b) const {
  b CRV_FIELD(RecordID) CRV_FIELD(ItemID) CRV_FIELD(LocationID) CRV_FIELD(BinID) CRV_FIELD(QtyOnHand)
      CRV_FIELD(LastReceiptDate);
}

void INItemRecord::define(TableDef& def) {
  def.autoNumber("RecordID").key(KeyRecordID).key(KeyItemLocBin).key(KeyLocBin);
}

const TableDef& INItemRecord::table() { return tableDefOf<INItemRecord>("INItem", "INI"); }

const RecordLayout& INPurchRecord::layout() const { return layoutOf<INPurchRecord>(); }

void INPurchRecord::describe(LayoutBuilder& b) const {
  b CRV_FIELD(RecordID) CRV_FIELD(ItemID) CRV_FIELD(VendorID) CRV_FIELD(PurchaseDate) CRV_FIELD(UnitName)
      CRV_FIELD(Price) CRV_FIELD(Cost) CRV_FIELD(SerialID) CRV_FIELD(LocationID) CRV_FIELD(BinID)
          CRV_FIELD(Quantity) CRV_FIELD(PODetailID);
}

void INPurchRecord::define(TableDef& def) {
  def.autoNumber("RecordID").key(KeyRecordID).key(KeyPODetailID).key(KeyItemID);
}

const TableDef& INPurchRecord::table() { return tableDefOf<INPurchRecord>("INPurch", "INPU"); }

const RecordLayout& INSerialRecord::layout() const { return layoutOf<INSerialRecord>(); }

void INSerialRecord::describe(LayoutBuilder& b) const {
  b CRV_FIELD(SerialID) CRV_FIELD(ItemID) CRV_FIELD(SerialNo) CRV_FIELD(LocationID) CRV_FIELD(BinID)
      CRV_FIELD(ReceivedDate) CRV_FIELD(PODetailID);
}

void INSerialRecord::define(TableDef& def) {
  def.autoNumber("SerialID").key(KeySerialID).key(KeySerialNo).key(KeyItemSerial);
}

const TableDef& INSerialRecord::table() { return tableDefOf<INSerialRecord>("INSerial", "INS"); }

const RecordLayout& INLocRecord::layout() const { return layoutOf<INLocRecord>(); }

void INLocRecord::describe(LayoutBuilder& b) const {
  b CRV_FIELD(LocationID) CRV_FIELD(Description) CRV_FIELD(Address) CRV_FIELD(City) CRV_FIELD(State)
      CRV_FIELD(Zip);
}

void INLocRecord::define(TableDef& def) { def.key(KeyLocationID); }

const TableDef& INLocRecord::table() { return tableDefOf<INLocRecord>("INLoc", "INL"); }

const RecordLayout& INBinRecord::layout() const { return layoutOf<INBinRecord>(); }

void INBinRecord::describe(LayoutBuilder& b) const {
  b CRV_FIELD(LocationID) CRV_FIELD(BinID) CRV_FIELD(Description);
}

void INBinRecord::define(TableDef& def) { def.key(KeyBinID).key(KeyLocBin); }

const TableDef& INBinRecord::table() { return tableDefOf<INBinRecord>("INBin", "INBN"); }

INMasterRecord INM;
INVendorRecord INV;
INCnvrtRecord INC;
INItemRecord INI;
INPurchRecord INPU;
INSerialRecord INS;
INLocRecord INL;
INBinRecord INBN;

Table INMaster(INMasterRecord::table(), INM);
Table INVendor(INVendorRecord::table(), INV);
Table INCnvrt(INCnvrtRecord::table(), INC);
Table INItem(INItemRecord::table(), INI);
Table INPurch(INPurchRecord::table(), INPU);
Table INSerial(INSerialRecord::table(), INS);
Table INLoc(INLocRecord::table(), INL);
Table INBin(INBinRecord::table(), INBN);

namespace {
const TableRegistry::Entry registerINMaster(INMaster);
const TableRegistry::Entry registerINVendor(INVendor);
const TableRegistry::Entry registerINCnvrt(INCnvrt);
const TableRegistry::Entry registerINItem(INItem);
const TableRegistry::Entry registerINPurch(INPurch);
const TableRegistry::Entry registerINSerial(INSerial);
const TableRegistry::Entry registerINLoc(INLoc);
const TableRegistry::Entry registerINBin(INBin);
}  // namespace

}  // namespace crv

// Definitions of the purchase-order tables.
#include "host/data/tables/purchasing_tables.h"

namespace crv {

const RecordLayout& POMasterRecord::layout() const { return layoutOf<POMasterRecord>(); }

void POMasterRecord::describe(LayoutBuilder& b) const {
  b CRV_FIELD(POID) CRV_FIELD(BatchID) CRV_FIELD(VendorID) CRV_FIELD(ShipToType) CRV_FIELD(ShipToJob)
      CRV_FIELD(ShipToVendor) CRV_FIELD(ShipToCustomer) CRV_FIELD(PreparedBy) CRV_FIELD(PreparedDate)
          CRV_FIELD(CheckNo) CRV_FIELD(PONumber) CRV_FIELD(PrintFlag) CRV_FIELD(IssueDate) CRV_FIELD(
              DeliverAfterDate) CRV_FIELD(DeliveryDate) CRV_FIELD(DeadlineDate) CRV_FIELD(PreTaxAmount)
              CRV_FIELD(POAmount) CRV_FIELD(InvoiceNumber) CRV_FIELD(InvoiceDate) CRV_FIELD(DueDate)
                  CRV_FIELD(DiscountExpires) CRV_FIELD(PaidDate) CRV_FIELD(DiscountAmount)
                      CRV_FIELD(NotApproved) CRV_FIELD(TaxRate) CRV_FIELD(TaxAmount) CRV_FIELD(OtherCharges)
                          CRV_FIELD(DefaultJob) CRV_FIELD(Taxable) CRV_FIELD(ShipToName)
                              CRV_FIELD(ShipToAddress1) CRV_FIELD(ShipToAddress2) CRV_FIELD(ShipToCity)
                                  CRV_FIELD(ShipToState) CRV_FIELD(ShipToZip) CRV_FIELD(ShipToContact)
                                      CRV_FIELD(ShipVia) CRV_FIELD(ShipToInstructions) CRV_FIELD(ApprovedName)
                                          CRV_FIELD(ApprovedDate) CRV_FIELD(Reconciled)
                                              CRV_FIELD(ApprovalUserID1) CRV_FIELD(ApprovalUserID2)
                                                  CRV_FIELD(QuantityReconciled) CRV_FIELD(AmountReconciled)
                                                      CRV_FIELD(SortVendorID) CRV_FIELD(SortPONumber)
                                                          CRV_FIELD(FOB) CRV_FIELD(Terms) CRV_FIELD(RecTF);
}

void POMasterRecord::define(TableDef& def) {
  def.autoNumber("POID")
      .key(KeyPOID)
      .key(KeyPONumber)
      .key(KeyVendorID)
      .key(KeyJobID)
      .key(KeyReconciled)
      .key(KeyRecTFPONum)
      .key(KeySortPONumber)
      .key(KeySortVendorID)
      .dependent({&PODetailRecord::table, &PODetailRecord::KeyPOID, {{"POID", "POID"}}});
}

const TableDef& POMasterRecord::table() { return tableDefOf<POMasterRecord>("POMaster", "POM"); }

const RecordLayout& PODetailRecord::layout() const { return layoutOf<PODetailRecord>(); }

void PODetailRecord::describe(LayoutBuilder& b) const {
  b CRV_FIELD(POID) CRV_FIELD(DetailID) CRV_FIELD(ItemID) CRV_FIELD(ItemType) CRV_FIELD(TextFlag)
      CRV_FIELD(Description) CRV_FIELD(QtyOrdered) CRV_FIELD(QtyThisPackSlip) CRV_FIELD(QtyRcvdNotInvoiced)
          CRV_FIELD(QtyInvoiced) CRV_FIELD(QtyBackord) CRV_FIELD(QtyThisInvoice) CRV_FIELD(PriceThisInvoice)
              CRV_FIELD(PreTaxThisInvoice) CRV_FIELD(TaxThisInvoice) CRV_FIELD(TotalThisInvoice)
                  CRV_FIELD(CommittedPrice) CRV_FIELD(UnitPrice) CRV_FIELD(PreTaxAmount) CRV_FIELD(TaxAmount)
                      CRV_FIELD(TotalAmount) CRV_FIELD(UnitName) CRV_FIELD(DetailType) CRV_FIELD(Account)
                          CRV_FIELD(JobID) CRV_FIELD(CostCode) CRV_FIELD(ChangeOrder) CRV_FIELD(CODetailID)
                              CRV_FIELD(EquipmentID) CRV_FIELD(CostCategory) CRV_FIELD(Taxable)
                                  CRV_FIELD(Reconciliation) CRV_FIELD(DeliverAfterDate)
                                      CRV_FIELD(DeliveryDate) CRV_FIELD(DeadlineDate) CRV_FIELD(ReceiptDate)
                                          CRV_FIELD(Comment) CRV_FIELD(VendorCatalogID)
                                              CRV_FIELD(AmountInvoiced) CRV_FIELD(LocationID) CRV_FIELD(BinID)
                                                  CRV_FIELD(SerialID) CRV_FIELD(ConversionID)
                                                      CRV_FIELD(INVQuantity) CRV_FIELD(SequenceNo)
                                                          CRV_FIELD(Text);
}

void PODetailRecord::define(TableDef& def) { def.autoNumber("DetailID").key(KeyPOID).key(KeyDetailID); }

const TableDef& PODetailRecord::table() { return tableDefOf<PODetailRecord>("PODetail", "POD"); }

const RecordLayout& POPrintRecord::layout() const { return layoutOf<POPrintRecord>(); }

void POPrintRecord::describe(LayoutBuilder& b) const {
  b CRV_FIELD(RecordID) CRV_FIELD(UserID) CRV_FIELD(POID) CRV_FIELD(BatchID) CRV_FIELD(VendorID) CRV_FIELD(
      ShipToType) CRV_FIELD(ShipToJob) CRV_FIELD(ShipToVendor) CRV_FIELD(ShipToCustomer) CRV_FIELD(PreparedBy)
      CRV_FIELD(PreparedDate) CRV_FIELD(CheckNo) CRV_FIELD(PONumber) CRV_FIELD(PrintFlag) CRV_FIELD(IssueDate)
          CRV_FIELD(DeliverAfterDate) CRV_FIELD(DeliveryDate) CRV_FIELD(DeadlineDate) CRV_FIELD(PreTaxAmount)
              CRV_FIELD(POAmount) CRV_FIELD(InvoiceNumber) CRV_FIELD(InvoiceDate) CRV_FIELD(DueDate)
                  CRV_FIELD(DiscountExpires) CRV_FIELD(PaidDate) CRV_FIELD(DiscountAmount) CRV_FIELD(
                      NotApproved) CRV_FIELD(TaxRate) CRV_FIELD(TaxAmount) CRV_FIELD(OtherCharges)
                      CRV_FIELD(DefaultJob) CRV_FIELD(Taxable) CRV_FIELD(ShipToName) CRV_FIELD(ShipToAddress1)
                          CRV_FIELD(ShipToAddress2) CRV_FIELD(ShipToCity) CRV_FIELD(ShipToState)
                              CRV_FIELD(ShipToZip) CRV_FIELD(ShipToContact) CRV_FIELD(ShipVia)
                                  CRV_FIELD(ShipToInstructions) CRV_FIELD(ApprovedName)
                                      CRV_FIELD(ApprovedDate) CRV_FIELD(Reconciled) CRV_FIELD(ApprovalUserID1)
                                          CRV_FIELD(ApprovalUserID2) CRV_FIELD(QuantityReconciled)
                                              CRV_FIELD(AmountReconciled) CRV_FIELD(SortVendorID)
                                                  CRV_FIELD(SortPONumber) CRV_FIELD(FOB) CRV_FIELD(Terms)
                                                      CRV_FIELD(VendorLine1) CRV_FIELD(VendorLine2)
                                                          CRV_FIELD(VendorLine3) CRV_FIELD(ShipToLine1)
                                                              CRV_FIELD(ShipToLine2) CRV_FIELD(ShipToLine3);
}

void POPrintRecord::define(TableDef& def) { def.autoNumber("RecordID").key(KeyRecordID).key(KeyUserID); }

const TableDef& POPrintRecord::table() { return tableDefOf<POPrintRecord>("POPrint", "POP"); }

const RecordLayout& PODetSerRecord::layout() const { return layoutOf<PODetSerRecord>(); }

void PODetSerRecord::describe(LayoutBuilder& b) const {
  b CRV_FIELD(RecordID) CRV_FIELD(DetailID) CRV_FIELD(SerialNo) CRV_FIELD(SerialID);
}

void PODetSerRecord::define(TableDef& def) { def.autoNumber("RecordID").key(KeyRecordID).key(KeyDetailID); }

const TableDef& PODetSerRecord::table() { return tableDefOf<PODetSerRecord>("PODetSer", "PODS"); }

const RecordLayout& POLimitsRecord::layout() const { return layoutOf<POLimitsRecord>(); }

void POLimitsRecord::describe(LayoutBuilder& b) const {
  b CRV_FIELD(LimitID) CRV_FIELD(UserID) CRV_FIELD(Report) CRV_FIELD(ReportTitle) CRV_FIELD(ModifyDate)
      CRV_FIELD(SelectedDates) CRV_FIELD(DateLimitType) CRV_FIELD(DateFrom) CRV_FIELD(DateTo)
          CRV_FIELD(SelectedRef) CRV_FIELD(RefFrom) CRV_FIELD(RefTo) CRV_FIELD(SelectedJobs)
              CRV_FIELD(JobFrom) CRV_FIELD(JobTo) CRV_FIELD(SelectedPONumbers) CRV_FIELD(POFrom)
                  CRV_FIELD(POTo) CRV_FIELD(SelectedVendors) CRV_FIELD(VendorFrom) CRV_FIELD(VendorTo)
                      CRV_FIELD(SelectedCostCodes) CRV_FIELD(CostCodeFrom) CRV_FIELD(CostCodeTo)
                          CRV_FIELD(SelectedEquipment) CRV_FIELD(EqFrom) CRV_FIELD(EqTo)
                              CRV_FIELD(Unreconciled) CRV_FIELD(PartiallyReconciled)
                                  CRV_FIELD(FullyReconciled) CRV_FIELD(Sequence) CRV_FIELD(SortDetail)
                                      CRV_FIELD(SelectedCat) CRV_FIELD(CatFrom) CRV_FIELD(CatTo)
                                          CRV_FIELD(Locked) CRV_FIELD(Reserved) CRV_FIELD(Orientation)
                                              CRV_FIELD(ColorCoding);
}

void POLimitsRecord::define(TableDef& def) { def.autoNumber("LimitID").key(KeyLimitID).key(KeyReport); }

const TableDef& POLimitsRecord::table() { return tableDefOf<POLimitsRecord>("POLimits", "POL"); }

const RecordLayout& PORECRecord::layout() const { return layoutOf<PORECRecord>(); }

void PORECRecord::describe(LayoutBuilder& b) const {
  b CRV_FIELD(RecordID) CRV_FIELD(DetailID) CRV_FIELD(POID) CRV_FIELD(InvoiceID) CRV_FIELD(PackSlip)
      CRV_FIELD(Date) CRV_FIELD(Quantity) CRV_FIELD(UnitPrice) CRV_FIELD(Amount);
}

void PORECRecord::define(TableDef& def) {
  def.autoNumber("RecordID").key(KeyRecordID).key(KeyDetailID).key(KeyInvoiceID);
}

const TableDef& PORECRecord::table() { return tableDefOf<PORECRecord>("POREC", "POR"); }

POMasterRecord POM;
POMasterRecord POM1;
PODetailRecord POD;
POPrintRecord POP;
PODetSerRecord PODS;
POLimitsRecord POL;
PORECRecord POR;

Table POMaster(POMasterRecord::table(), POM);
Table POMasterAlias(POMasterRecord::table(), POM1);
Table PODetail(PODetailRecord::table(), POD);
Table POPrint(POPrintRecord::table(), POP);
Table PODetSer(PODetSerRecord::table(), PODS);
Table POLimits(POLimitsRecord::table(), POL);
Table POREC(PORECRecord::table(), POR);

namespace {
const TableRegistry::Entry registerPOMaster(POMaster);
const TableRegistry::Entry registerPOMasterAlias(POMasterAlias);
const TableRegistry::Entry registerPODetail(PODetail);
const TableRegistry::Entry registerPOPrint(POPrint);
const TableRegistry::Entry registerPODetSer(PODetSer);
const TableRegistry::Entry registerPOLimits(POLimits);
const TableRegistry::Entry registerPOREC(POREC);
}  // namespace

}  // namespace crv

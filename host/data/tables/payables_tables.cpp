// Definitions of the payables tables.
#include "host/data/tables/payables_tables.h"

namespace crv {

const RecordLayout& APVendorRecord::layout() const { return layoutOf<APVendorRecord>(); }

void APVendorRecord::describe(LayoutBuilder& b) const {
  b CRV_FIELD(VendorID) CRV_FIELD(ExternalID) CRV_FIELD(VendorName) CRV_FIELD(Address) CRV_FIELD(Address2)
      CRV_FIELD(City) CRV_FIELD(State) CRV_FIELD(Zip) CRV_FIELD(Phone) CRV_FIELD(Fax) CRV_FIELD(Email)
          CRV_FIELD(Contact) CRV_FIELD(Active) CRV_FIELD(DueTerms) CRV_FIELD(DueDays) CRV_FIELD(DiscountDays)
              CRV_FIELD(DiscountPercent) CRV_FIELD(DefaultAccount) CRV_FIELD(DefaultTax)
                  CRV_FIELD(PurchaseStatus) CRV_FIELD(TaxID) CRV_FIELD(Is1099) CRV_FIELD(Balance)
                      CRV_FIELD(LastPurchaseDate);
  b CRV_FIELD(UD1) CRV_FIELD(UD2) CRV_FIELD(UD3) CRV_FIELD(UD4) CRV_FIELD(UD5) CRV_FIELD(UD6) CRV_FIELD(UD7)
      CRV_FIELD(UD8) CRV_FIELD(UD9) CRV_FIELD(UD10);
}

void APVendorRecord::define(TableDef& def) { def.key(KeyVendorID).key(KeyExternalID).key(KeyVendorName); }

const TableDef& APVendorRecord::table() { return tableDefOf<APVendorRecord>("APVendor", "APV"); }

const RecordLayout& APInvRecord::layout() const { return layoutOf<APInvRecord>(); }

void APInvRecord::describe(LayoutBuilder& b) const {
  b CRV_FIELD(InvoiceID) CRV_FIELD(VendorID) CRV_FIELD(InvoiceNo) CRV_FIELD(InvoiceDate) CRV_FIELD(DueDate)
      CRV_FIELD(POID) CRV_FIELD(Description) CRV_FIELD(InvoiceAmount) CRV_FIELD(TaxAmount) CRV_FIELD(Posted)
          CRV_FIELD(PostedDate);
}

void APInvRecord::define(TableDef& def) {
  def.autoNumber("InvoiceID").key(KeyInvoiceID).key(KeyPOID).key(KeyFPPosted).key(KeyVendorInvoice);
}

const TableDef& APInvRecord::table() { return tableDefOf<APInvRecord>("APInv", "API"); }

const RecordLayout& APDetailRecord::layout() const { return layoutOf<APDetailRecord>(); }

void APDetailRecord::describe(LayoutBuilder& b) const {
  b CRV_FIELD(DetailID) CRV_FIELD(InvoiceID) CRV_FIELD(PODetailID) CRV_FIELD(Description)
      CRV_FIELD(DetailType) CRV_FIELD(Account) CRV_FIELD(JobID) CRV_FIELD(CostCode) CRV_FIELD(Quantity)
          CRV_FIELD(UnitPrice) CRV_FIELD(Amount);
}

void APDetailRecord::define(TableDef& def) {
  def.autoNumber("DetailID").key(KeyDetailID).key(KeyInvoiceID).key(KeyPODetailID);
}

const TableDef& APDetailRecord::table() { return tableDefOf<APDetailRecord>("APDetail", "APD"); }

APVendorRecord APV;
APVendorRecord APVA;
APInvRecord API;
APDetailRecord APD;

Table APVendor(APVendorRecord::table(), APV);
Table APVendorAlias(APVendorRecord::table(), APVA);
Table APInv(APInvRecord::table(), API);
Table APDetail(APDetailRecord::table(), APD);

namespace {
const TableRegistry::Entry registerAPVendor(APVendor);
const TableRegistry::Entry registerAPVendorAlias(APVendorAlias);
const TableRegistry::Entry registerAPInv(APInv);
const TableRegistry::Entry registerAPDetail(APDetail);
}  // namespace

}  // namespace crv

// Definitions of the receivables tables.
#include "host/data/tables/receivables_tables.h"

namespace crv {

const RecordLayout& ARCustRecord::layout() const { return layoutOf<ARCustRecord>(); }

void ARCustRecord::describe(LayoutBuilder& b) const {
  b CRV_FIELD(CustomerID) CRV_FIELD(Name) CRV_FIELD(Address) CRV_FIELD(Address2) CRV_FIELD(City)
      CRV_FIELD(State) CRV_FIELD(Zip) CRV_FIELD(Phone) CRV_FIELD(Fax) CRV_FIELD(Contact) CRV_FIELD(Email)
          CRV_FIELD(Active) CRV_FIELD(Terms) CRV_FIELD(TaxCode);
}

void ARCustRecord::define(TableDef& def) { def.key(KeyCustomerID).key(KeyName); }

const TableDef& ARCustRecord::table() { return tableDefOf<ARCustRecord>("ARCust", "ARC"); }

const RecordLayout& ARShipToRecord::layout() const { return layoutOf<ARShipToRecord>(); }

void ARShipToRecord::describe(LayoutBuilder& b) const {
  b CRV_FIELD(ShipToID) CRV_FIELD(CustomerID) CRV_FIELD(Name) CRV_FIELD(Address) CRV_FIELD(Address2)
      CRV_FIELD(City) CRV_FIELD(State) CRV_FIELD(Zip) CRV_FIELD(Contact) CRV_FIELD(Phone);
}

void ARShipToRecord::define(TableDef& def) { def.autoNumber("ShipToID").key(KeyShipToID).key(KeyCustomerID); }

const TableDef& ARShipToRecord::table() { return tableDefOf<ARShipToRecord>("ARShipTo", "ARS"); }

ARCustRecord ARC;
ARShipToRecord ARS;

Table ARCust(ARCustRecord::table(), ARC);
Table ARShipTo(ARShipToRecord::table(), ARS);

namespace {
const TableRegistry::Entry registerARCust(ARCust);
const TableRegistry::Entry registerARShipTo(ARShipTo);
}  // namespace

}  // namespace crv

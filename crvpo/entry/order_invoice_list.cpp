// The invoices that reconcile an order.
#include "crvpo/entry/order_invoice_list.h"

#include "host/data/tables/payables_tables.h"
#include "host/framework/table/private_table.h"
#include "host/framework/values/picture.h"

namespace crvpo {

OrderInvoiceList::OrderInvoiceList(std::function<crv::Id()> order) : BrowseClass(crv::APInv, pageRows) {
  addColumn("Invoice #", "InvoiceNo", "@s30");
  addColumn("Date", "InvoiceDate", "@d1");
  quantity_ = addComputedColumn("Quantity Reconciled", "@n-13.2");
  amount_ = addComputedColumn("Amount Reconciled", "@n-15.2");
  addSort(crv::ui::BrowseSort(crv::APInvRecord::KeyPOID, "by Invoice").fix(std::move(order)));
}

void OrderInvoiceList::setQueueRecord(crv::ui::BrowseRow& row) {
  BrowseClass::setQueueRecord(row);
  crv::Quantity quantity;  // Loc:QtyReconciled
  crv::Amount amount;      // Loc:AmtReconciled
  crv::PrivateTable<crv::APDetailRecord> details(crv::APDetail);
  details.rec.InvoiceID = crv::API.InvoiceID;
  if (details.isOpen() &&
      details.table.setRange(crv::APDetailRecord::KeyInvoiceID, 1) == crv::TableStatus::Ok)
    while (details.table.next() == crv::TableStatus::Ok) {
      quantity += details.rec.Quantity;
      amount += details.rec.Amount;
    }
  row.setText(quantity_, crv::Picture::parse("@n-13.2").formatTrimmed(quantity));
  row.setText(amount_, crv::Picture::parse("@n-15.2").formatTrimmed(amount));
}

}  // namespace crvpo

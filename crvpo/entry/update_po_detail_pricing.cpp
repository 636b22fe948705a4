// The line form's pricing: the item and its vendor's record, purchase
// units, quantity, unit price and amount, and the vendor taken from the
// priority list.
#include "crvpo/entry/line_amounts.h"
#include "crvpo/entry/line_item_checks.h"
#include "crvpo/entry/update_po_detail_p.h"
#include "host/data/tables/inventory_tables.h"
#include "host/data/tables/payables_tables.h"
#include "host/framework/services/message_box.h"
#include "host/framework/table/private_table.h"
#include "host/siblings/CRVIN/browse_in_master.h"
#include "host/siblings/CRVIN/browse_in_vendor.h"

namespace crvpo::detail_form {

bool UpdatePODetailWindow::fetchItem() {
  if (crv::POD.ItemID.empty()) return false;
  return crv::fetchBy(crv::INMaster, crv::INMasterRecord::KeyItemID, crv::INM.ItemID, crv::POD.ItemID) ==
         TableStatus::Ok;
}

bool UpdatePODetailWindow::fetchVendorItem() {
  return crv::fetchBy(crv::INVendor, crv::INVendorRecord::KeyItemVendor, [] {
           crv::INV.ItemID = crv::POD.ItemID;
           crv::INV.VendorID = crv::POM.VendorID;
         }) == TableStatus::Ok;
}

void UpdatePODetailWindow::fillPurchaseUnits() {
  std::vector<crv::ui::Choice> choices;
  if (fetchItem()) {
    choices.push_back({crv::INM.UnitName.str(), crv::INM.UnitName.str()});
    crv::INC.clear();
    crv::INC.ItemID = crv::POD.ItemID;
    crv::INCnvrt.setRange(crv::INCnvrtRecord::KeyItemUnit, 1);
    while (crv::INCnvrt.next() == TableStatus::Ok) {
      const std::string unit = crv::INC.UnitName.str();
      choices.push_back({unit + " " + unitFactorText(crv::INC.Factor), unit});
    }
  }
  control("?PurchaseUnit").setChoices(std::move(choices));
  window().hideField("?POD:UnitName");
  window().unhideField("?PurchaseUnit");
}

void UpdatePODetailWindow::takeVendorItem() {
  vendorPriced_ = true;
  crv::POD.VendorCatalogID = crv::INV.VendorCatalogID;
  crv::POD.UnitName = crv::INV.UnitName;
  crv::POD.UnitPrice = crv::INV.Price;
  crv::POD.QtyOrdered = crv::INV.MinimumOrder;
  minOrderQty_ = crv::INV.MinimumOrder.rescale<2>().rescale<4>();
  vendorPriority_ = crv::INV.Priority;
  minOrderUnit_ = crv::INV.UnitName.view();
}

// The line is not priced by a vendor's minimum order.
void UpdatePODetailWindow::forgetVendorPrice(std::string_view unit) {
  minOrderQty_ = {};
  vendorPriority_ = 0;
  minOrderUnit_ = unit;
}

void UpdatePODetailWindow::computeAmounts() {
  crv::POD.PreTaxAmount = lineAmount(crv::POD.QtyOrdered, crv::POD.UnitPrice);
  crv::POD.TotalAmount = crv::POD.PreTaxAmount + crv::POD.TaxAmount;
  lastUnitPrice_ = crv::POD.UnitPrice;
  lastQuantity_ = crv::POD.QtyOrdered.rescale<2>().rescale<4>();
}

void UpdatePODetailWindow::applyAmountRule() {
  if (crv::POD.QtyOrdered.isZero() || crv::POD.UnitPrice == 0) return;
  crv::POD.TotalAmount = lineAmount(crv::POD.QtyOrdered, crv::POD.UnitPrice);
  lastUnitPrice_ = crv::POD.UnitPrice;
  lastQuantity_ = crv::POD.QtyOrdered.rescale<2>().rescale<4>();
}

Level UpdatePODetailWindow::itemAccepted() {
  if (acceptingAll()) return Level::Benign;
  if (!fetchItem()) {
    window().unhideField("?POD:UnitName");
    window().hideField("?PurchaseUnit");
    forgetVendorPrice("");
    vendors_.show(crv::POD.ItemID.view());
    return Level::Benign;
  }
  fillPurchaseUnits();
  fetchItem();
  crv::POD.Description = crv::INM.Description.view();
  crv::POD.UnitName = crv::INM.UnitName;
  if (fetchVendorItem()) {
    takeVendorItem();
  } else {
    forgetVendorPrice(crv::INM.UnitName.view());
    crv::POD.UnitPrice = crv::INM.Price;
  }
  select("?POD:QtyOrdered");
  computeAmounts();
  vendors_.show(crv::POD.ItemID.view());
  return Level::Benign;
}

Level UpdatePODetailWindow::itemLookup() {
  if (viewOnly()) return Level::Benign;
  bool vendorHasItems = false;
  {
    crv::PrivateTable<crv::INVendorRecord> vendorItems(crv::INVendor);
    vendorItems.rec.VendorID = crv::POM.VendorID;
    vendorHasItems = vendorItems.isOpen() &&
                     vendorItems.table.setRange(crv::INVendorRecord::KeyVendorID, 1) == TableStatus::Ok &&
                     vendorItems.table.next() == TableStatus::Ok;
  }
  int choice = 1;
  if (vendorHasItems) {
    crv::PrivateTable<crv::APVendorRecord> vendor(crv::APVendor);
    vendor.rec.VendorID = crv::POM.VendorID;
    const std::string name =
        vendor.fetch(crv::APVendorRecord::KeyVendorID) ? vendor.rec.VendorName.str() : "";
    choice = crv::message("Select from all items or just items supplied by |Vendor (" +
                              std::to_string(crv::POM.VendorID) + ") " + name + "?",
                          "Limit by Vendor?", crv::Icon::Question, "&All Items|&Vendor Only|&Cancel");
  }
  if (choice == 1) {
    crv::GlobalRequest = crv::SelectRecord;
    BrowseINMaster();
    if (crv::GlobalResponse != crv::RequestCompleted) return Level::Benign;
    crv::POD.ItemID = crv::INM.ItemID;
  } else if (choice == 2) {
    crv::REPORTFILTER = "Vendor " + std::to_string(crv::POM.VendorID);
    crv::GlobalRequest = crv::SelectRecord;
    BrowseINVendor();
    crv::REPORTFILTER = "";
    if (crv::GlobalResponse != crv::RequestCompleted) return Level::Benign;
    if (crv::fetchBy(crv::INMaster, crv::INMasterRecord::KeyItemID, crv::INM.ItemID, crv::INV.ItemID) !=
        TableStatus::Ok)
      return Level::Benign;
    crv::POD.ItemID = crv::INM.ItemID;
  } else {
    return Level::Benign;
  }
  return itemAccepted();
}

Level UpdatePODetailWindow::unitAccepted() {
  if (acceptingAll()) return Level::Benign;
  if (!fetchItem() || crv::INM.UnitName == crv::POD.UnitName) {
    forgetVendorPrice("");
    return Level::Benign;
  }
  const TableStatus conversion = crv::fetchBy(crv::INCnvrt, crv::INCnvrtRecord::KeyItemUnit, [] {
    crv::INC.ItemID = crv::POD.ItemID;
    crv::INC.UnitName = crv::POD.UnitName;
  });
  if (conversion != TableStatus::Ok) {
    if (fetchVendorItem()) takeVendorItem();
  } else {
    // A purchase unit of the item without the vendor's price: the item's
    // price per stock unit times the unit's size.
    forgetVendorPrice(crv::INM.UnitName.view());
    crv::POD.UnitPrice = crv::INM.Price * crv::INC.Factor;
  }
  select("?POD:QtyOrdered");
  computeAmounts();
  return Level::Benign;
}

Level UpdatePODetailWindow::quantityAccepted() {
  if (acceptingAll()) return Level::Benign;
  if (vendorPriced_ && crv::POD.QtyOrdered < minOrderQty_ &&
      askReenterQuantity(minOrderQty_, minOrderUnit_.view())) {
    crv::POD.QtyOrdered = minOrderQty_;
    return stayOn("?POD:QtyOrdered");
  }
  applyAmountRule();
  return Level::Benign;
}

Level UpdatePODetailWindow::amountAccepted() {
  if (acceptingAll()) return Level::Benign;
  const AmountReversal change =
      reverseFromAmount(crv::POD.TotalAmount, crv::POD.QtyOrdered, crv::POD.UnitPrice);
  if (change.unitPrice) crv::POD.UnitPrice = *change.unitPrice;
  if (change.quantity) crv::POD.QtyOrdered = *change.quantity;
  return Level::Benign;
}

// A record taken from the priority list, in INV: another vendor becomes
// the order's only after the person agrees.
Level UpdatePODetailWindow::vendorTaken() {
  if (crv::INV.VendorID != crv::POM.VendorID && !askAssignNewVendor(crv::INV.VendorID)) return Level::Benign;
  entryState().NewVendorID = crv::INV.VendorID;
  entryState().NewVendorDetailID = crv::POD.DetailID;
  takeVendorItem();
  select("?POD:QtyOrdered");
  return Level::Benign;
}

// The ordered quantity still open, in the item's stock unit.
void UpdatePODetailWindow::setInventoryQuantity() {
  if (!fetchItem() || crv::POD.UnitName == crv::INM.UnitName) {
    crv::POD.INVQuantity = outstandingInStockUnits(crv::POD.QtyOrdered, crv::POD.QtyInvoiced);
    return;
  }
  if (crv::fetchBy(crv::INCnvrt, crv::INCnvrtRecord::KeyItemUnit, [] {
        crv::INC.ItemID = crv::POD.ItemID;
        crv::INC.UnitName = crv::POD.UnitName;
      }) == TableStatus::Ok)
    crv::POD.INVQuantity =
        outstandingInStockUnits(crv::POD.QtyOrdered, crv::POD.QtyInvoiced, crv::INC.Factor);
}

}  // namespace crvpo::detail_form

// The vendor-item form.
#include "host/siblings/CRVIN/update_in_vendor.h"

#include <algorithm>

#include "host/data/tables/inventory_tables.h"
#include "host/data/tables/payables_tables.h"
#include "host/framework/services/global_request.h"
#include "host/framework/services/message_box.h"
#include "host/framework/table/private_table.h"

namespace crv::siblings {

using ui::Binding;
using ui::ButtonRole;
using ui::Level;

UpdateINVendorWindow::UpdateINVendorWindow() : WindowManager("UpdateINVendor") {
  addTable(INVendor, true);
  window().setTitle("Update the INVendor File");
  setTitleFor(InsertRecord, "Adding an Item Vendor");
  setTitleFor(ChangeRecord, "Changing an Item Vendor");
  setTitleFor(DeleteRecord, "Deleting an Item Vendor");
  setTitleFor(ViewRecord, "Viewing an Item Vendor");

  window().addField("&Item ID:", "?INV:ItemID", Binding::field(INV, INV.ItemID), "@s15").setRequired();
  window().addString("?ItemDescription", "").bind(Binding::local(itemDescription_, "LOC:ItemDescription"));
  window().addField("&Vendor:", "?INV:VendorID", Binding::field(INV, INV.VendorID), "@n_6b").setRequired();
  window().addString("?VendorName", "").bind(Binding::local(vendorName_, "LOC:VendorName"));
  window().addField("&Priority:", "?INV:Priority", Binding::field(INV, INV.Priority), "@n3");
  window().addField("Vendor &Catalog:", "?INV:VendorCatalogID", Binding::field(INV, INV.VendorCatalogID),
                    "@s20");
  window().addField("&Unit Name:", "?INV:UnitName", Binding::field(INV, INV.UnitName), "@s8").setRequired();
  window().addField("P&rice:", "?INV:Price", Binding::field(INV, INV.Price), "@n-15.5");
  window().addField("&Minimum Order:", "?INV:MinimumOrder", Binding::field(INV, INV.MinimumOrder), "@n-15.4");
  window().addField("&Lead Days:", "?INV:LeadDays", Binding::field(INV, INV.LeadDays), "@n5");
  window().addButton("?OK", "OK", ButtonRole::Ok).setDefault();
  window().addButton("?Cancel", "Cancel", ButtonRole::Cancel);

  onAccepted("?INV:ItemID", [this] {
    if (!acceptingAll()) showItem();
  });
  onAccepted("?INV:VendorID", [this] {
    if (!acceptingAll()) showVendor();
  });
}

void UpdateINVendorWindow::primeFields() {
  INV.ItemID = INM.ItemID;
  if (INV.ItemID.empty()) return;
  PrivateTable<INMasterRecord> items(INMaster);
  items.rec.ItemID = INV.ItemID;
  if (items.fetch(INMasterRecord::KeyItemID)) {
    INV.UnitName = items.rec.UnitName;
    INV.Price = items.rec.Price;
  }
  // After the item's present vendors, so that the new one is tried last.
  PrivateTable<INVendorRecord> records(INVendor);
  if (!records.isOpen()) return;
  records.rec.clear();
  records.rec.ItemID = INV.ItemID;
  Byte last = 0;
  records.table.setRange(INVendorRecord::KeyItemID, 1);
  while (records.table.next() == TableStatus::Ok) last = std::max(last, records.rec.Priority);
  INV.Priority = last < 255 ? static_cast<Byte>(last + 1) : last;
}

Level UpdateINVendorWindow::opening() {
  // The item comes from the caller; it is changed only by adding a record
  // for another item.
  if (request() != InsertRecord || !INV.ItemID.empty()) control("?INV:ItemID").setReadOnly(true);
  showItem();
  showVendor();
  return Level::Benign;
}

void UpdateINVendorWindow::showItem() {
  PrivateTable<INMasterRecord> items(INMaster);
  items.rec.ItemID = INV.ItemID;
  itemDescription_ = items.fetch(INMasterRecord::KeyItemID) ? items.rec.Description.str() : std::string();
  window().touch();
}

void UpdateINVendorWindow::showVendor() {
  PrivateTable<APVendorRecord> vendors(APVendor);
  vendors.rec.VendorID = INV.VendorID;
  vendorName_ = vendors.fetch(APVendorRecord::KeyVendorID) ? vendors.rec.VendorName.str() : std::string();
  window().touch();
}

Level UpdateINVendorWindow::refuse(const std::string& text, const std::string& title,
                                   std::string_view focus) {
  message(text, title, Icon::Exclamation);
  return stayOn(focus);
}

Level UpdateINVendorWindow::validate() {
  PrivateTable<INMasterRecord> items(INMaster);
  items.rec.ItemID = INV.ItemID;
  if (!items.fetch(INMasterRecord::KeyItemID))
    return refuse("There is no item " + INV.ItemID.str() + ".", "Unknown Item", "?INV:ItemID");

  PrivateTable<APVendorRecord> vendors(APVendor);
  vendors.rec.VendorID = INV.VendorID;
  if (!vendors.fetch(APVendorRecord::KeyVendorID))
    return refuse("There is no vendor " + std::to_string(INV.VendorID) + ".", "Unknown Vendor",
                  "?INV:VendorID");

  // Order lines convert the vendor's unit to stock units; a unit without a
  // conversion would leave their quantities on order wrong.
  if (!(INV.UnitName == items.rec.UnitName)) {
    PrivateTable<INCnvrtRecord> units(INCnvrt);
    units.rec.ItemID = INV.ItemID;
    units.rec.UnitName = INV.UnitName;
    if (!units.fetch(INCnvrtRecord::KeyItemUnit))
      return refuse("Item " + INV.ItemID.str() + " is not bought in " + INV.UnitName.str() +
                        ".|Use its stock unit " + items.rec.UnitName.str() + " or one of its purchase units.",
                    "Unknown Unit", "?INV:UnitName");
  }

  PrivateTable<INVendorRecord> records(INVendor);
  records.rec.ItemID = INV.ItemID;
  records.rec.VendorID = INV.VendorID;
  if (records.fetch(INVendorRecord::KeyItemVendor) && records.rec.RecordID != INV.RecordID)
    return refuse(
        "Vendor " + std::to_string(INV.VendorID) + " already has a record for item " + INV.ItemID.str() + ".",
        "Duplicate Vendor", "?INV:VendorID");
  return Level::Benign;
}

}  // namespace crv::siblings

void UpdateINVendor() { crv::siblings::UpdateINVendorWindow().run(); }

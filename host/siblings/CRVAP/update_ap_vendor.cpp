// The vendor form.
#include "host/siblings/CRVAP/update_ap_vendor.h"

#include <algorithm>

#include "host/data/tables/payables_tables.h"
#include "host/framework/services/global_request.h"
#include "host/framework/services/message_box.h"
#include "host/framework/table/private_table.h"

namespace crv::siblings {

using ui::Binding;
using ui::ButtonRole;
using ui::Control;
using ui::ControlKind;
using ui::Level;

namespace {

// A prompt and its entry inside a group, both in the group so that they
// hide and show with it.
Control& field(Control& group, std::string prompt, std::string equate, Binding binding,
               std::string_view picture) {
  Control& entry = group.window().addField(std::move(prompt), std::move(equate), std::move(binding), picture);
  entry.prompt()->in(group);
  return entry.in(group);
}

}  // namespace

UpdateAPVendorWindow::UpdateAPVendorWindow() : WindowManager("UpdateAPVendor") {
  addTable(APVendor, true);
  ui::Window& w = window();
  w.setTitle("Update the APVendor File");
  w.setIcon("vendors");
  w.setHelp("html/AP_Vendors.htm", "vendor_form");
  setTitleFor(InsertRecord, "Adding a Vendor");
  setTitleFor(ChangeRecord, "Changing a Vendor");
  setTitleFor(DeleteRecord, "Deleting a Vendor");
  setTitleFor(ViewRecord, "Viewing a Vendor");

  w.addField("Vendor &ID:", "?APV:VendorID", Binding::field(APV, APV.VendorID), "@n_6").setRequired();
  w.addField("&Name:", "?APV:VendorName", Binding::field(APV, APV.VendorName), "@s50").setRequired();
  w.addCheck("?APV:Active", "&Active", Binding::field(APV, APV.Active));

  Control& sheet = w.add(ControlKind::Sheet, "?Pages");
  Control& general = w.add(ControlKind::Tab, "?Pages:General", "&General").in(sheet);
  Control& terms = w.add(ControlKind::Tab, "?Pages:Terms", "&Terms").in(sheet);
  sheet.choose(0);

  Control& address = w.add(ControlKind::Group, "?AddressGroup", "Address").in(general);
  field(address, "Add&ress:", "?APV:Address", Binding::field(APV, APV.Address), "@s50");
  field(address, "", "?APV:Address2", Binding::field(APV, APV.Address2), "@s50");
  field(address, "&City:", "?APV:City", Binding::field(APV, APV.City), "@s30");
  field(address, "&State:", "?APV:State", Binding::field(APV, APV.State), "@s2");
  field(address, "&Zip:", "?APV:Zip", Binding::field(APV, APV.Zip), "@s10");

  Control& contact = w.add(ControlKind::Group, "?ContactGroup", "Contact").in(general);
  field(contact, "C&ontact:", "?APV:Contact", Binding::field(APV, APV.Contact), "@s40");
  field(contact, "&Phone:", "?APV:Phone", Binding::field(APV, APV.Phone), "@s20");
  field(contact, "&Fax:", "?APV:Fax", Binding::field(APV, APV.Fax), "@s20");
  field(contact, "&E-mail:", "?APV:Email", Binding::field(APV, APV.Email), "@s60");

  Control& payment = w.add(ControlKind::Group, "?TermsGroup", "Payment").in(terms);
  field(payment, "Due &Terms:", "?APV:DueTerms", Binding::field(APV, APV.DueTerms), "@s15");
  field(payment, "&Due Days:", "?APV:DueDays", Binding::field(APV, APV.DueDays), "@n3");
  field(payment, "Disc&ount Days:", "?APV:DiscountDays", Binding::field(APV, APV.DiscountDays), "@n3");
  field(payment, "Discount &%:", "?APV:DiscountPercent", Binding::field(APV, APV.DiscountPercent), "@n6.2");
  Control& tax = w.add(ControlKind::Group, "?TaxGroup", "Purchasing and Tax").in(terms);
  field(tax, "Default &Account:", "?APV:DefaultAccount", Binding::field(APV, APV.DefaultAccount), "@s12");
  field(tax, "Ta&x Rate %:", "?APV:DefaultTax", Binding::field(APV, APV.DefaultTax), "@n6.3");
  field(tax, "Tax I&D:", "?APV:TaxID", Binding::field(APV, APV.TaxID), "@s20");
  w.addCheck("?APV:Is1099", "Issue a &1099", Binding::field(APV, APV.Is1099)).in(tax);

  w.addButton("?OK", "OK", ButtonRole::Ok).setDefault();
  w.addButton("?Cancel", "Cancel", ButtonRole::Cancel);
  w.addButton("?Help", "&Help", ButtonRole::Help);

  recordHistory({"?APV:VendorName", "?APV:Active", "?APV:DefaultTax"});
  checkSpelling({"?APV:VendorName", "?APV:Address", "?APV:Address2", "?APV:City"});
  useTypeAhead("UpdateAPVendor", {"?APV:City", "?APV:DueTerms"});
}

void UpdateAPVendorWindow::primeFields() {
  APV.Active = 1;
  // One past the highest number in use: the last row of the number key.
  PrivateTable<APVendorRecord> vendors(APVendor);
  if (!vendors.isOpen()) return;
  vendors.table.set(APVendorRecord::KeyVendorID);
  if (vendors.table.previous() == TableStatus::Ok)
    APV.VendorID = vendors.rec.VendorID + 1;
  else
    APV.VendorID = 1;
}

Level UpdateAPVendorWindow::opening() {
  // The number is what orders point at; it is set once, when the vendor is
  // added.
  if (request() != InsertRecord) control("?APV:VendorID").setReadOnly(true);
  return Level::Benign;
}

Level UpdateAPVendorWindow::validate() {
  if (APV.VendorID == 0) {
    message("Enter a vendor number.", "Vendor Number", Icon::Exclamation);
    return stayOn("?APV:VendorID");
  }
  if (request() == InsertRecord) {
    PrivateTable<APVendorRecord> vendors(APVendor);
    vendors.rec.VendorID = APV.VendorID;
    if (vendors.fetch(APVendorRecord::KeyVendorID)) {
      message("Vendor " + std::to_string(APV.VendorID) + " already exists (" + vendors.rec.VendorName.str() +
                  ").|Choose another number.",
              "Duplicate Vendor", Icon::Exclamation);
      return stayOn("?APV:VendorID");
    }
  }
  return Level::Benign;
}

}  // namespace crv::siblings

void UpdateAPVendor() { crv::siblings::UpdateAPVendorWindow().run(); }

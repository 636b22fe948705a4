// The line form's window: the line item, the text line, the distribution
// and the priority vendors, with what the form remembers and checks.
#include "crvpo/entry/update_po_detail_p.h"

namespace crvpo::detail_form {

Control& UpdatePODetailWindow::fieldIn(Control* group, std::string prompt, std::string equate,
                                       Binding binding, std::string_view picture,
                                       std::optional<ButtonRole> lookup) {
  crv::ui::Window& w = window();
  Control& entry = w.addField(std::move(prompt), equate, std::move(binding), picture);
  if (lookup) w.addLookup(entry, *lookup);
  if (group) {
    entry.in(*group);
    w.control(equate + ":Prompt").in(*group);
    if (lookup) w.control(equate + ":Lookup").in(*group);
  }
  return entry;
}

void UpdatePODetailWindow::buildLineItem() {
  crv::ui::Window& w = window();
  Control& items = w.add(ControlKind::Group, "?LineItemGroup");
  const auto lookup = ButtonRole::Lookup;
  const auto calendar = ButtonRole::Calendar;
  fieldIn(&items, "Item ID:", "?POD:ItemID", Binding::field(crv::POD, crv::POD.ItemID), "@s15", lookup);
  fieldIn(&items, "Description:", "?POD:Description", Binding::field(crv::POD, crv::POD.Description), "@s60");
  fieldIn(&items, "Vendor Catalog:", "?POD:VendorCatalogID",
          Binding::field(crv::POD, crv::POD.VendorCatalogID), "@s20");
  fieldIn(&items, "Quantity:", "?POD:QtyOrdered", Binding::field(crv::POD, crv::POD.QtyOrdered), "@n-19.4");
  fieldIn(&items, "Unit Name:", "?POD:UnitName", Binding::field(crv::POD, crv::POD.UnitName), "@s8");
  // The purchase units of an inventory item stand in for Unit Name, under
  // the same prompt.
  Control& unitsPrompt = w.addPrompt("?PurchaseUnit:Prompt", "Unit Name:").in(items);
  w.addDropList("?PurchaseUnit", Binding::field(crv::POD, crv::POD.UnitName), "")
      .in(items)
      .setPrompt(unitsPrompt);
  w.hideField("?PurchaseUnit");
  fieldIn(&items, "Unit Price:", "?POD:UnitPrice", Binding::field(crv::POD, crv::POD.UnitPrice), "@n-15.5");
  fieldIn(&items, "Amount:", "?POD:TotalAmount", Binding::field(crv::POD, crv::POD.TotalAmount), "@n-13.2");
  w.addCheck("?POD:Taxable", "Taxable", Binding::field(crv::POD, crv::POD.Taxable)).in(items);
  w.addCheck("?SubjectToGST", "Subject to GST", Binding::local(gst_, "LOC:GST")).in(items).hide();
  w.addCheck("?SubjectToPST", "Subject to PST", Binding::local(pst_, "LOC:PST")).in(items).hide();
  fieldIn(&items, "Accept Date:", "?POD:DeliverAfterDate",
          Binding::field(crv::POD, crv::POD.DeliverAfterDate), "@d1b", calendar);
  fieldIn(&items, "Delivery Date:", "?POD:DeliveryDate", Binding::field(crv::POD, crv::POD.DeliveryDate),
          "@d1b", calendar);
  fieldIn(&items, "Deadline Date:", "?POD:DeadlineDate", Binding::field(crv::POD, crv::POD.DeadlineDate),
          "@d1b", calendar);

  w.addCheck("?POD:TextFlag", "&Text Line Item", Binding::field(crv::POD, crv::POD.TextFlag));
  Control& textPrompt = w.addPrompt("?POD:Text:Prompt", "Text:");
  Control& text = w.add(ControlKind::Text, "?POD:Text").bind(Binding::field(crv::POD, crv::POD.Text));
  text.setPrompt(textPrompt);
  w.addLookup(text);
  w.hideField("?POD:Text");
}

void UpdatePODetailWindow::buildDistribution() {
  crv::ui::Window& w = window();
  const auto lookup = ButtonRole::Lookup;
  Control& distribution = w.add(ControlKind::Group, "?DistributionGroup");
  w.addPrompt("?POD:DetailType:Prompt", "Detail Type:").in(distribution);
  w.addDropList("?POD:DetailType", Binding::field(crv::POD, crv::POD.DetailType),
                "Job|G/L Account|Equipment|Inventory")
      .in(distribution);
  fieldIn(&distribution, "Job ID:", "?POD:JobID", Binding::field(crv::POD, crv::POD.JobID), "@s10", lookup);
  fieldIn(&distribution, "Account:", "?POD:Account", Binding::field(crv::POD, crv::POD.Account), "@s12",
          lookup);
  fieldIn(&distribution, "Equipment ID:", "?POD:EquipmentID", Binding::field(crv::POD, crv::POD.EquipmentID),
          "@s10", lookup);
  w.addString("?Distribution1", "").bind(Binding::local(distribution1_, "Distribution1")).in(distribution);
  fieldIn(&distribution, "Cost Code:", "?POD:CostCode", Binding::field(crv::POD, crv::POD.CostCode), "@s14",
          lookup);
  fieldIn(&distribution, "Cost Category:", "?POD:CostCategory",
          Binding::field(crv::POD, crv::POD.CostCategory), "@s10", lookup);
  w.addString("?Distribution2", "").bind(Binding::local(distribution2_, "Distribution2")).in(distribution);
  fieldIn(&distribution, "Change Order:", "?POD:ChangeOrder", Binding::field(crv::POD, crv::POD.ChangeOrder),
          "@s10", lookup);
  w.addString("?ChangeOrderDescription", "")
      .bind(Binding::local(changeOrderDescription_, "ChangeOrderDescription"))
      .in(distribution);
}

void UpdatePODetailWindow::build() {
  crv::ui::Window& w = window();
  w.setTitle("Update the PODetail File");
  w.setHelp("html/PO_Enter_Purchase_Orders.htm", "po_insert_or_change_a_purchase_order_detail_screen");
  buildLineItem();
  buildDistribution();
  vendors_.addControls(w, w.add(ControlKind::Group, "?PriorityGroup", "Priority Vendors for this Item ID"));

  w.addButton("?OK", "OK", ButtonRole::Ok).setDefault();
  w.addButton("?Cancel", "Cancel", ButtonRole::Cancel);
  w.addButton("?Help", "Help", ButtonRole::Help);

  recordHistory({"?POD:ItemID",       "?POD:Description",  "?POD:VendorCatalogID",
                 "?POD:QtyOrdered",   "?POD:UnitName",     "?POD:UnitPrice",
                 "?POD:TotalAmount",  "?POD:Taxable",      "?POD:DeliverAfterDate",
                 "?POD:DeliveryDate", "?POD:DeadlineDate", "?POD:TextFlag",
                 "?POD:Text",         "?POD:DetailType",   "?POD:JobID",
                 "?POD:Account",      "?POD:EquipmentID",  "?POD:CostCode",
                 "?POD:CostCategory", "?POD:ChangeOrder"});
  useTypeAhead("UpdatePODetail",
               {"?POD:Account", "?POD:ChangeOrder", "?POD:CostCategory", "?POD:CostCode", "?POD:Description",
                "?POD:EquipmentID", "?POD:ItemID", "?POD:JobID", "?POD:UnitName", "?POD:VendorCatalogID"});
  checkSpelling({"?POD:Description", "?POD:Text"});
}

}  // namespace crvpo::detail_form

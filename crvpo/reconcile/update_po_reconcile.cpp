// The order form of receiving.
#include "crvpo/reconcile/update_po_reconcile.h"

#include <string>

#include "crvpo/foundation/list_stripes.h"
#include "crvpo/foundation/vendor_information.h"
#include "crvpo/reconcile/pack_slip_close.h"
#include "crvpo/reconcile/reconcile_po_detail.h"
#include "host/data/shared_values.h"
#include "host/data/tables/payables_tables.h"
#include "host/data/tables/purchasing_tables.h"
#include "host/data/tables/suite_tables.h"
#include "host/framework/services/global_request.h"
#include "host/framework/services/message_box.h"
#include "host/framework/table/private_table.h"
#include "host/framework/ui/browse_component.h"
#include "host/framework/ui/front_end.h"
#include "host/framework/ui/window_manager.h"
#include "host/framework/values/text.h"

namespace crvpo {
namespace {

using crv::ui::Binding;
using crv::ui::ButtonRole;
using crv::ui::Control;
using crv::ui::ControlKind;
using crv::ui::Level;

constexpr int pageRows = 10;
constexpr std::size_t shortText = 30;

// What a text line shows in place of a description: its text when short,
// otherwise its start and "...".
std::string textLineDescription(std::string_view text) {
  const std::string_view clipped = crv::clip(text);
  if (clipped.size() <= shortText) return std::string(clipped);
  return std::string(clipped.substr(0, crv::utf8CutLength(clipped, shortText - 3))) + "...";
}

// The lines of the order in POM.
class LineList final : public StripedBrowse {
 public:
  LineList() : StripedBrowse(crv::PODetail, pageRows) {
    id_ = addComputedColumn("ID", "@s15");
    description_ = addComputedColumn("Description", "@s60");
    addColumn("Qty. Ordered", "QtyOrdered", "@n-15.2");
    addColumn("Invoiced", "QtyInvoiced", "@n-15.2");
    addColumn("Prior Pack Slip", "QtyRcvdNotInvoiced", "@n-15.2");
    addColumn("This Pack Slip", "QtyThisPackSlip", "@n-15.2");
    addSort(crv::ui::BrowseSort(crv::PODetailRecord::KeyPOID, "by Line").fix([] { return crv::POM.POID; }));
    setUpdateProcedure([] { reconcilePODetail(); });
  }

 protected:
  void setQueueRecord(crv::ui::BrowseRow& row) override {
    BrowseClass::setQueueRecord(row);
    const bool text = crv::POD.TextFlag == 1;
    row.setText(id_, text ? "Text" : crv::POD.ItemID.str());
    row.setText(description_, text ? textLineDescription(crv::POD.Text.view()) : crv::POD.Description.str());
  }

 private:
  int id_ = 0;
  int description_ = 0;
};

class UpdatePOReconcileWindow final : public crv::ui::WindowManager {
 public:
  UpdatePOReconcileWindow() : WindowManager("UpdatePOReconcile"), component_(lines_, "?Lines", buttons()) {
    addTable(crv::POMaster, true);
    addTable(crv::PODetail);
    addTable(crv::APVendor);
    addTable(crv::Systems);
    setTitleFor(crv::InsertRecord, "Adding a Purchase Order");
    setTitleFor(crv::ChangeRecord, "Reconciling a Purchase Order");
    setTitleFor(crv::ViewRecord, "View Record");
    build();
    addComponent(component_);
    onAccepted("?More", [this] { showVendor(); });
    onAccepted("?SendTo", [this] { sendLines(); });
  }

 protected:
  Level opening() override;
  Level validate() override;
  Level takeEvent(const crv::ui::Event& event) override;
  void closing() override;

 private:
  crv::ui::BrowseComponent::Buttons buttons() const {
    crv::ui::BrowseComponent::Buttons b;
    (request() == crv::ViewRecord ? b.view : b.change) = "?ChangeQty";
    return b;
  }
  void build();
  void buildHeader();
  void readVendor();
  void refreshTotals();
  void showVendor();
  void sendLines();

  LineList lines_;
  crv::ui::BrowseComponent component_;
  bool opened_ = false;
};

void UpdatePOReconcileWindow::buildHeader() {
  crv::ui::Window& w = window();
  auto shown = [&](Control& group, std::string prompt, std::string equate, Binding binding,
                   std::string_view picture) -> Control& {
    return w.addFieldIn(group, std::move(prompt), std::move(equate), std::move(binding), picture)
        .setReadOnly(true);
  };
  Control& vendor = w.add(ControlKind::Group, "?VendorGroup", "Vendor Information");
  shown(vendor, "Vendor", "?POM:VendorID", Binding::field(crv::POM, crv::POM.VendorID), "@n_6");
  w.addString("?APV:VendorName", "")
      .bind(Binding::field(crv::APV, crv::APV.VendorName))
      .setPicture("@s50")
      .in(vendor);
  shown(vendor, "Phone", "?APV:Phone", Binding::field(crv::APV, crv::APV.Phone), "@s14");
  shown(vendor, "Fax", "?APV:Fax", Binding::field(crv::APV, crv::APV.Fax), "@s14");
  w.addButton("?More", "&More").in(vendor);

  Control& order = w.add(ControlKind::Group, "?OrderGroup", "Purchase Order Information");
  shown(order, "PO Number", "?POM:PONumber", Binding::field(crv::POM, crv::POM.PONumber), "@s15");
  shown(order, "Issue Date", "?POM:IssueDate", Binding::field(crv::POM, crv::POM.IssueDate), "@d1b");
  shown(order, "Accept Date", "?POM:DeliverAfterDate", Binding::field(crv::POM, crv::POM.DeliverAfterDate),
        "@d1b");
  shown(order, "Delivery Date", "?POM:DeliveryDate", Binding::field(crv::POM, crv::POM.DeliveryDate), "@d1b");
  shown(order, "Deadline Date", "?POM:DeadlineDate", Binding::field(crv::POM, crv::POM.DeadlineDate), "@d1b");
  shown(order, "Default Job", "?POM:DefaultJob", Binding::field(crv::POM, crv::POM.DefaultJob), "@s10");

  Control& totals = w.add(ControlKind::Group, "?TotalsGroup", "Purchase Order Totals");
  shown(totals, "Subtotal", "?POM:PreTaxAmount", Binding::field(crv::POM, crv::POM.PreTaxAmount), "@n-14.2");
  shown(totals, "Tax", "?POM:TaxAmount", Binding::field(crv::POM, crv::POM.TaxAmount), "@n-14.2");
  shown(totals, "Total", "?POM:POAmount", Binding::field(crv::POM, crv::POM.POAmount), "@n-14.2");
}

void UpdatePOReconcileWindow::build() {
  crv::ui::Window& w = window();
  w.setTitle("Update the POMaster File");
  w.setIcon("reconcile");
  w.setHelp("html/PO_Reconcile_Purchase_Orders.htm");
  buildHeader();
  // The last three columns are what was received, under one heading.
  std::vector<crv::ui::ListColumn> columns;
  for (int i = 0; i < lines_.columnCount(); ++i)
    columns.push_back({(i >= 3 ? "Received\n" : "") + lines_.header(i), 0, lines_.column(i).picture});
  w.addList("?Lines", &lines_).setColumns(std::move(columns));
  w.addButton("?ChangeQty", "&Change Quantity Received This Pack Slip");
  w.addButton("?SendTo", crv::ui::BrowseComponent::sendToItem);
  w.addButton("?OK", "OK", ButtonRole::Ok).setDefault();
  w.addButton("?Cancel", "Cancel", ButtonRole::Cancel);
  w.addButton("?Help", "Help", ButtonRole::Help);
}

Level UpdatePOReconcileWindow::opening() {
  crv::readFirst(crv::Systems, crv::SystemsRecord::KeySystemID);
  window().setFieldHidden("?POM:DeliverAfterDate", !crv::SYS.POShowAcceptDate);
  window().setFieldHidden("?POM:DeliveryDate", !crv::SYS.POShowDeliveryDate);
  window().setFieldHidden("?POM:DeadlineDate", !crv::SYS.POShowDeadlineDate);
  window().setFieldHidden("?POM:DefaultJob", crv::GENERIC != 0);
  refreshTotals();
  select("?Lines");
  opened_ = true;
  return Level::Benign;
}

void UpdatePOReconcileWindow::readVendor() {
  if (crv::fetchBy(crv::APVendor, crv::APVendorRecord::KeyVendorID, crv::APV.VendorID, crv::POM.VendorID) !=
      crv::TableStatus::Ok)
    crv::APV.clear();
}

void UpdatePOReconcileWindow::refreshTotals() {
  readVendor();
  crv::Amount subtotal;
  crv::PrivateTable<crv::PODetailRecord> lines(crv::PODetail);
  lines.rec.POID = crv::POM.POID;
  if (lines.isOpen() && lines.table.setRange(crv::PODetailRecord::KeyPOID, 1) == crv::TableStatus::Ok)
    while (lines.table.next() == crv::TableStatus::Ok) subtotal += lines.rec.TotalAmount;
  crv::POM.PreTaxAmount = subtotal;
  crv::POM.POAmount = crv::POM.PreTaxAmount + crv::POM.TaxAmount;
  window().touch();
}

Level UpdatePOReconcileWindow::takeEvent(const crv::ui::Event& event) {
  Control* control = event.control;
  if (control && event.kind == crv::ui::EventKind::PopupMenu && control->is("?Lines")) {
    if (crv::ui::frontEnd().popupMenu({crv::ui::BrowseComponent::sendToItem}) == 1) sendLines();
    return Level::Notify;
  }
  const Level level = WindowManager::takeEvent(event);
  // A line form may have changed what the lines add up to.
  if (control && event.kind == crv::ui::EventKind::Accepted &&
      (control->is("?ChangeQty") || control->is("?Lines")))
    refreshTotals();
  return level;
}

void UpdatePOReconcileWindow::showVendor() {
  crv::message(vendorInformationText(crv::APV), "Additional Vendor Info", crv::Icon::Information);
}

void UpdatePOReconcileWindow::sendLines() {
  crv::ui::frontEnd().sendTo({"Reconciliation Information for Purchase Order " + crv::POM.PONumber.str() +
                                  " from Vendor (" + std::to_string(crv::POM.VendorID) + ") " +
                                  crv::APV.VendorName.str(),
                              &lines_});
}

Level UpdatePOReconcileWindow::validate() {
  crv::POM.POAmount = crv::POM.PreTaxAmount + crv::POM.TaxAmount;
  return Level::Benign;
}

void UpdatePOReconcileWindow::closing() {
  if (!opened_ || request() == crv::ViewRecord || !crv::PODetail.connection()) return;
  for (const std::string& failure : closePackingSlip(*crv::PODetail.connection(), crv::POM.POID))
    crv::message(failure, {}, crv::Icon::Exclamation);
}

}  // namespace

void updatePOReconcile() {
  UpdatePOReconcileWindow procedure;
  procedure.run();
}

}  // namespace crvpo

// The purchase-order header form: the window, its opening, OK, Cancel and
// printing. The vendor, ship-to and totals aspects are in the files named
// in update_po_master_window.h.
#include "crvpo/entry/update_po_master.h"

#include "crvpo/entry/entry_state.h"
#include "crvpo/entry/order_lines.h"
#include "crvpo/entry/purchase_order_deletion.h"
#include "crvpo/entry/purchase_order_save.h"
#include "crvpo/entry/ship_to_address.h"
#include "crvpo/entry/update_po_master_window.h"
#include "crvpo/entry/vendor_name_list.h"
#include "crvpo/reports/purchase_order_print.h"
#include "host/data/shared_values.h"
#include "host/data/tables/job_cost_tables.h"
#include "host/data/tables/payables_tables.h"
#include "host/data/tables/receivables_tables.h"
#include "host/data/tables/suite_tables.h"
#include "host/framework/services/global_request.h"
#include "host/framework/services/message_box.h"
#include "host/framework/table/private_table.h"
#include "host/framework/ui/front_end.h"
#include "host/siblings/CRVJC/browse_jc_header.h"
#include "host/siblings/CRVMISC/browse_envelope.h"

namespace crvpo {

using crv::ui::Binding;
using crv::ui::ButtonRole;
using crv::ui::Control;
using crv::ui::ControlKind;
using crv::ui::Level;

namespace {

crv::ui::BrowseComponent::Buttons lineButtons() {
  crv::ui::BrowseComponent::Buttons b;
  b.insert = "?LineAdd";
  b.change = "?LineChange";
  b.remove = "?LineDelete";
  return b;
}

crv::Id currentOrder() { return crv::POM.POID; }

}  // namespace

UpdatePOMasterWindow::UpdatePOMasterWindow()
    : WindowManager("UpdatePOMaster"),
      lines_(currentOrder),
      linesComponent_(lines_, "?LineList", lineButtons()),
      invoices_(currentOrder),
      invoicesComponent_(invoices_, "?InvoiceList"),
      attachments_([this] { return localVendorName_.str(); }),
      notes_([this] { return localVendorName_.str(); }) {
  addTable(crv::POMaster, true);
  for (crv::Table* t : {&crv::PODetail, &crv::POMasterAlias, &crv::Systems, &crv::UserFile, &crv::APVendor,
                        &crv::APVendorAlias, &crv::ARCust, &crv::ARShipTo, &crv::JCHeader, &crv::APInv,
                        &crv::APDetail, &crv::Images, &crv::Notes, &crv::DropList})
    addTable(*t);
  setTitleFor(crv::InsertRecord, "Adding a Purchase Order");
  setTitleFor(crv::ChangeRecord, "Changing a Purchase Order");
  setTitleFor(crv::ViewRecord, "View Record");
  mode_ = request();
  setRepetitiveInsert(entryState().RepetitiveInsert && request() == crv::InsertRecord);
  build();
  handle();
  addComponent(cases_);
  addComponent(linesComponent_);
  addComponent(invoicesComponent_);
  addComponent(attachments_);
  addComponent(notes_);
}

UpdatePOMasterWindow::~UpdatePOMasterWindow() = default;

Control& UpdatePOMasterWindow::fieldIn(Control& group, std::string prompt, std::string equate,
                                       Binding binding, std::string_view picture, bool lookup) {
  crv::ui::Window& w = window();
  Control& entry = w.addField(std::move(prompt), equate, std::move(binding), picture).in(group);
  entry.prompt()->in(group);
  if (lookup) w.addLookup(entry).in(group);
  return entry;
}

void UpdatePOMasterWindow::build() {
  crv::ui::Window& w = window();
  // A delete shows the order under the file's own caption.
  w.setTitle("Update the POMaster File");
  w.setHelp("html/PO_Enter_Purchase_Orders.htm", "po_insert_or_change_a_purchase_order_screen");
  buildVendorGroup();
  buildShipToGroup();
  buildMiscellaneousGroup();
  buildTotals();
  buildTabs();
  w.addButton("?Print", "&Print Purchase Order");
  w.addButton("?OK", "&OK", ButtonRole::Ok).setDefault();
  w.addButton("?Cancel", "Cancel", ButtonRole::Cancel);
  w.addButton("?Help", "&Help", ButtonRole::Help);
  useTypeAhead("UpdatePOMaster", {"?EnteredVendor", "?POM:DefaultJob", "?POM:FOB", "?POM:PONumber",
                                  "?POM:ShipToJob", "?POM:ShipVia", "?POM:Terms"});
  checkSpelling({"?POM:Terms", "?POM:FOB", "?POM:ShipVia"});
  cases_.addField("?POM:Terms", "POM:Terms", crv::POM.Terms);
  cases_.addField("?POM:PONumber", "POM:PONumber", crv::POM.PONumber);
  cases_.addField("?POM:PreparedBy", "POM:PreparedBy", crv::POM.PreparedBy);
  cases_.addField("?POM:FOB", "POM:FOB", crv::POM.FOB);
}

void UpdatePOMasterWindow::buildVendorGroup() {
  crv::ui::Window& w = window();
  auto& po = crv::POM;
  Control& group = w.add(ControlKind::Group, "?VendorGroup", "Vendor Information").at(0, 0);
  fieldIn(group, "Vendor ID:", "?EnteredVendor", Binding::local(enteredVendor_, "EnteredVendor"), "@s10");
  fieldIn(group, "", "?POM:VendorID", Binding::field(po, po.VendorID), "@n_6b", true);
  w.addDropList("?LocalVendorName", Binding::local(vendorChoice_, "LocalVendorName"), "").in(group);
  w.control("?LocalVendorName").setColumns({{"", 50, crv::Picture::parse("@s50")}});
  fieldIn(group, "Phone:", "?APV:Phone", Binding::field(crv::APV, crv::APV.Phone), "@s20").setReadOnly(true);
  fieldIn(group, "Fax:", "?APV:Fax", Binding::field(crv::APV, crv::APV.Fax), "@s20").setReadOnly(true);
  w.addButton("?MoreVendorInfo", "&More Vendor Info").in(group);
  w.addButton("?Envelope", "Envelope / Label").in(group);
  fieldIn(group, "Terms:", "?POM:Terms", Binding::field(po, po.Terms), "@s20");
}

void UpdatePOMasterWindow::buildShipToGroup() {
  crv::ui::Window& w = window();
  auto& po = crv::POM;
  Control& group = w.add(ControlKind::Group, "?ShipToGroup", "Ship To").at(0, 1);
  w.addPrompt("?POM:ShipToType:Prompt", "Type:").in(group);
  w.addDropList("?POM:ShipToType", Binding::field(po, po.ShipToType), shipToTypes)
      .in(group)
      .setPrompt(w.control("?POM:ShipToType:Prompt"));
  w.addButton("?EditShipping", "&Edit Shipping Information").in(group);
  fieldIn(group, "Job:", "?POM:ShipToJob", Binding::field(po, po.ShipToJob), "@s10", true);
  fieldIn(group, "Customer:", "?POM:ShipToCustomer", Binding::field(po, po.ShipToCustomer), "@n_6b", true);
  w.addButton("?Alternate", "Alternate").in(group);
  fieldIn(group, "Vendor:", "?POM:ShipToVendor", Binding::field(po, po.ShipToVendor), "@n_6b", true);
  // The address shown, each line under its own (mostly empty) prompt so
  // that the lines stack.
  struct Shown {
    const char* prompt;
    const char* equate;
    Binding value;
  };
  const Shown address[] = {{"Name:", "?POM:ShipToName", Binding::field(po, po.ShipToName)},
                           {"Address:", "?POM:ShipToAddress1", Binding::field(po, po.ShipToAddress1)},
                           {"", "?POM:ShipToAddress2", Binding::field(po, po.ShipToAddress2)},
                           {"", "?CityStateZipString", Binding::local(cityStateZip_, "CityStateZipString")}};
  for (const Shown& line : address) {
    Control& prompt = w.addPrompt(std::string(line.equate) + ":Prompt", line.prompt).in(group);
    w.addString(line.equate, "").bind(line.value).setPicture("@s50").in(group).setPrompt(prompt);
  }
}

void UpdatePOMasterWindow::buildMiscellaneousGroup() {
  crv::ui::Window& w = window();
  auto& po = crv::POM;
  Control& group = w.add(ControlKind::Group, "?MiscGroup", "Miscellaneous").at(1, 0);
  fieldIn(group, "PO Number:", "?POM:PONumber", Binding::field(po, po.PONumber), "@s15");
  struct DateField {
    const char* prompt;
    const char* equate;
    crv::Date* value;
  };
  const DateField dates[] = {{"Issue Date:", "?POM:IssueDate", &po.IssueDate},
                             {"Accept Date:", "?POM:DeliverAfterDate", &po.DeliverAfterDate},
                             {"Delivery Date:", "?POM:DeliveryDate", &po.DeliveryDate},
                             {"Deadline Date:", "?POM:DeadlineDate", &po.DeadlineDate}};
  for (const DateField& date : dates) {
    Control& entry = fieldIn(group, date.prompt, date.equate, Binding::field(po, *date.value), "@d1b");
    w.addLookup(entry, ButtonRole::Calendar).in(group);
  }
  fieldIn(group, "Default Job:", "?POM:DefaultJob", Binding::field(po, po.DefaultJob), "@s10", true);
  w.addPrompt("?POM:PreparedBy:Prompt", "Purch. Agent:").in(group);
  Control& agent = w.add(ControlKind::DropCombo, "?POM:PreparedBy")
                       .bind(Binding::field(po, po.PreparedBy))
                       .setPicture("@s20")
                       .in(group);
  agent.setPrompt(w.control("?POM:PreparedBy:Prompt"));
  w.addLookup(agent).in(group);
  fieldIn(group, "FOB:", "?POM:FOB", Binding::field(po, po.FOB), "@s20");
  fieldIn(group, "Ship Via:", "?POM:ShipVia", Binding::field(po, po.ShipVia), "@s20");
  w.addCheck("?POM:Taxable", "Taxable", Binding::field(po, po.Taxable)).in(group);
  w.addCheck("?Loc:GST", "Subject to GST", Binding::local(gst_, "Loc:GST")).in(group);
  w.addCheck("?Loc:PST", "Subject to PST", Binding::local(pst_, "Loc:PST")).in(group);
}

void UpdatePOMasterWindow::buildTabs() {
  crv::ui::Window& w = window();
  Control& sheet = w.add(ControlKind::Sheet, "?Tabs");
  Control& lines = w.add(ControlKind::Tab, "?Tab:Lines", "Line Item Detail").in(sheet);
  Control& reconciliation = w.add(ControlKind::Tab, "?Tab:Reconciliation", "Reconciliation").in(sheet);
  Control& attachments = w.add(ControlKind::Tab, "?Tab:Attachments", "Attachments").in(sheet);
  Control& notes = w.add(ControlKind::Tab, "?Tab:Notes", "Notes").in(sheet);
  sheet.choose(0);

  w.addList("?LineList", &lines_).in(lines);
  w.addButton("?LineAdd", "&Add").in(lines);
  w.addButton("?LineChange", "&Change").in(lines);
  w.addButton("?LineDelete", "&Delete").in(lines);
  w.addButton("?MoveTop", "To &Top").in(lines);
  w.addButton("?MoveUp", "&Up").in(lines);
  w.addButton("?MoveDown", "Do&wn").in(lines);
  w.addButton("?MoveBottom", "To &Bottom").in(lines);

  w.addList("?InvoiceList", &invoices_).in(reconciliation);
  attachments_.build(w, attachments);
  notes_.build(w, notes);
}

void UpdatePOMasterWindow::buildTotals() {
  crv::ui::Window& w = window();
  auto& po = crv::POM;
  // Beside the miscellaneous fields, so that the form fits a screen.
  Control& plain = w.add(ControlKind::Group, "?TotalsGroup", "Totaling").at(1, 1);
  fieldIn(plain, "Subtotal:", "?POM:PreTaxAmount", Binding::field(po, po.PreTaxAmount), "@n-14.2")
      .setReadOnly(true);
  fieldIn(plain, "Tax:", "?POM:TaxRate", Binding::field(po, po.TaxRate), "N7.3~%~b");
  fieldIn(plain, "", "?POM:TaxAmount", Binding::field(po, po.TaxAmount), "@n-14.2b");
  fieldIn(plain, "Total:", "?POM:POAmount", Binding::field(po, po.POAmount), "@n-14.2").setReadOnly(true);

  Control& canadian = w.add(ControlKind::Group, "?CanadianTotalsGroup", "Totaling").at(1, 1);
  fieldIn(canadian, "Subtotal:", "?CA:PreTaxAmount", Binding::field(po, po.PreTaxAmount), "@n-14.2")
      .setReadOnly(true);
  fieldIn(canadian, "GST:", "?POM:DiscountAmount", Binding::field(po, po.DiscountAmount), "@n-14.2b");
  w.addPrompt("?POM:CheckNo:Prompt", "PST:").in(canadian);
  w.addDropList("?POM:CheckNo", Binding::field(po, po.CheckNo), provinceChoices)
      .in(canadian)
      .setPrompt(w.control("?POM:CheckNo:Prompt"));
  fieldIn(canadian, "", "?POM:OtherCharges", Binding::field(po, po.OtherCharges), "@n-14.2b");
  fieldIn(canadian, "Total:", "?CA:POAmount", Binding::field(po, po.POAmount), "@n-14.2").setReadOnly(true);
}

void UpdatePOMasterWindow::handle() {
  onAccepted("?EnteredVendor", [this] { return enteredVendorAccepted(); });
  onSelected("?LocalVendorName", [this] {
    // Text typed into Vendor ID and not yet taken is read first.
    const std::string typed(crv::clip(enteredVendor_.view()));
    const bool taken = typed.empty() ? crv::POM.VendorID == 0 : typed == std::to_string(crv::POM.VendorID);
    if (acceptingAll() || taken) return Level::Benign;
    return enteredVendorAccepted();
  });
  onAccepted("?LocalVendorName", [this] { return vendorNameChosen(); });
  onAccepted("?POM:VendorID", [this] { return acceptingAll() ? Level::Benign : validateVendor(); });
  onAccepted("?POM:VendorID:Lookup", [this] { return vendorLookup(); });
  onAccepted("?MoreVendorInfo", [this] { showVendorInformation(); });
  onAccepted("?Envelope", [this] {
    crv::REPORTFILTER = "APVendor  " + std::to_string(crv::POM.VendorID);
    crv::GlobalRequest = 0;
    BrowseEnvelope();
  });

  onAccepted("?POM:ShipToType", [this] { return shipToTypeChosen(); });
  onAccepted("?EditShipping", [this] { return editShipping(); });
  onAccepted("?POM:ShipToJob", [this] { return shipToJobAccepted(false); });
  onAccepted("?POM:ShipToJob:Lookup", [this] { return shipToJobAccepted(true); });
  onAccepted("?POM:ShipToVendor", [this] { return shipToVendorAccepted(false); });
  onAccepted("?POM:ShipToVendor:Lookup", [this] { return shipToVendorAccepted(true); });
  onAccepted("?POM:ShipToCustomer", [this] { return shipToCustomerAccepted(false); });
  onAccepted("?POM:ShipToCustomer:Lookup", [this] { return shipToCustomerAccepted(true); });
  onAccepted("?Alternate", [this] { return alternateShipTo(); });

  onAccepted("?POM:PONumber", [this] { return poNumberAccepted(); });
  onAccepted("?POM:DefaultJob", [this] { return defaultJobAccepted(); });
  onAccepted("?POM:DefaultJob:Lookup", [this] {
    if (viewOnly()) return Level::Benign;
    crv::GlobalRequest = crv::SelectRecord;
    BrowseJCHeader();
    resetComponents();
    if (crv::GlobalResponse != crv::RequestCompleted) return Level::Benign;
    crv::POM.DefaultJob = crv::JCH.JobID;
    return defaultJobAccepted();
  });
  onSelected("?POM:PreparedBy", [] { crv::REPORTFILTER = "POM Purchasing Agent"; });
  onAccepted("?POM:PreparedBy:Lookup", [this] { return agentLookup(); });

  onAccepted("?POM:Taxable", [this] { return taxableAccepted(); });
  onAccepted("?POM:TaxRate", [this] { return taxRateAccepted(); });
  onAccepted("?POM:TaxAmount", [this] { return taxAmountAccepted(); });
  onAccepted("?Loc:GST", [this] { return canadianTaxAccepted(); });
  onAccepted("?Loc:PST", [this] { return canadianTaxAccepted(); });
  onAccepted("?POM:CheckNo", [this] { return provinceChosen(); });

  lines_.onDelete([this] { deleteLine(); });
  lines_.onWritten([this] { linesChanged(); });
  onAccepted("?MoveTop", [this] { return moveLine(LineMove::ToTop); });
  onAccepted("?MoveUp", [this] { return moveLine(LineMove::Up); });
  onAccepted("?MoveDown", [this] { return moveLine(LineMove::Down); });
  onAccepted("?MoveBottom", [this] { return moveLine(LineMove::ToBottom); });

  onAccepted("?Print", [this] { return print(); });
}

void UpdatePOMasterWindow::readSettings() {
  crv::SYS.clear();
  crv::Systems.set(crv::SystemsRecord::KeySystemID);
  if (crv::Systems.next() != crv::TableStatus::Ok) crv::SYS.clear();
  canadian_ = crv::SYS.CanadianTax == 1;
  warnDuplicateNumber_ = crv::SYS.POWarnDuplicateNumber == 1;
  gstRate_ = crv::SYS.GSTRate;
}

bool UpdatePOMasterWindow::viewOnly() const {
  return request() == crv::ViewRecord || entryState().POViewOnly;
}

void UpdatePOMasterWindow::primeFields() {
  readSettings();
  crv::POM.IssueDate = crv::Date::today();
  crv::USR.clear();
  crv::USR.UserID = crv::UserID.view();
  if (crv::UserFile.fetch(crv::UserFileRecord::KeyUserID) == crv::TableStatus::Ok) {
    crv::POM.PreparedBy = (crv::USR.FirstName.str() + " " + crv::USR.LastName.str()).substr(0, 20);
    rememberAgent(crv::POM.PreparedBy.view());
  }
  if (crv::POMaster.connection()) {
    counter_.emplace(*crv::POMaster.connection());
    counter_->prime(crv::POM);
  }
  crv::POM.TaxRate = crv::SYS.DefaultTaxRate;
}

Level UpdatePOMasterWindow::opening() {
  readSettings();
  EntryState& state = entryState();
  crv::TAGQUE2.clear();
  if (state.VendorNameList.empty() && crv::POMaster.connection())
    fillVendorNameList(*crv::POMaster.connection(), state.VendorNameList);
  // A viewed order shows what a changed one shows.
  if (request() != crv::InsertRecord)
    showOpeningState();
  else
    crv::APV.clear();
  if (crv::POM.IssueDate.day() == 0) crv::POM.IssueDate = crv::Date::today();
  window().setFieldHidden("?POM:DeliverAfterDate", crv::SYS.POShowAcceptDate == 0);
  window().setFieldHidden("?POM:DeliveryDate", crv::SYS.POShowDeliveryDate == 0);
  window().setFieldHidden("?POM:DeadlineDate", crv::SYS.POShowDeadlineDate == 0);
  if (crv::GENERIC) {
    control("?POM:ShipToType").setChoices(shipToTypesWithoutJobs);
    window().hideField("?POM:DefaultJob");
  }
  if (crv::PURCHASELEVEL < 2) control("?Tab:Attachments").disable();
  showShipToFields();
  showCanadianTax();
  loadAgents();
  showVendorNames();
  if (!startEditing()) return Level::Fatal;
  if (viewOnly()) lockForViewing();
  if (state.POViewOnly) control("?OK").disable();
  lastVendor_ = crv::POM.VendorID;
  refreshTotals();
  return Level::Benign;
}

// Step 3 of the opening: the vendor, the ship-to fields and the locks of
// an order that exists.
void UpdatePOMasterWindow::showOpeningState() {
  enteredVendor_ = std::to_string(crv::POM.VendorID);
  fetchVendor(crv::POM.VendorID);
  localVendorName_ = crv::APV.VendorName.view();
  vendorChoice_ = std::to_string(crv::POM.VendorID);
  cityStateZip_ = cityStateZip(crv::POM);
  if (crv::POM.Reconciled != 0)
    for (const char* equate : {"?EnteredVendor", "?POM:VendorID", "?POM:VendorID:Lookup", "?LocalVendorName"})
      control(equate).disable();
  crv::USR.clear();
  crv::USR.UserID = crv::UserID.view();
  if (crv::UserFile.fetch(crv::UserFileRecord::KeyUserID) != crv::TableStatus::Ok ||
      crv::USR.EditPONumber == 0)
    control("?POM:PONumber").disable();
}

// What Cancel and the save start from: the lines as they are and what
// they commit. False when the lines cannot be read (the form would not
// know what to put back or take back).
bool UpdatePOMasterWindow::startEditing() {
  crv::Connection* connection = crv::POMaster.connection();
  if (!connection) return false;
  if (request() == crv::InsertRecord) {
    undo_ = OrderEditUndo::ofNewOrder(crv::POM.POID);
  } else {
    undo_ = OrderEditUndo::ofOrder(*connection, crv::POM.POID);
    if (!undo_) {
      crv::message(crv::RuntimeErrors::current().describe() + " Reading PODetail", {}, crv::Icon::Stop);
      return false;
    }
    if (request() == crv::ChangeRecord) opening_ = undo_->commitments();
  }
  sums_ = {};
  for (const crv::PODetailRecord& line : undo_->lines()) sums_.add(line);
  openingState_ = crv::POM;
  linesTouched_ = false;
  return true;
}

void UpdatePOMasterWindow::lockForViewing() {
  window().lockForViewing();
  for (const char* equate : {"?EditShipping", "?Alternate", "?LineAdd", "?LineChange", "?LineDelete",
                             "?MoveTop", "?MoveUp", "?MoveDown", "?MoveBottom"})
    control(equate).disable();
  attachments_.setReadOnly(true);
  notes_.setReadOnly(true);
}

Level UpdatePOMasterWindow::validate() {
  if (viewOnly()) return Level::Notify;
  if (crv::POM.PONumber.empty()) {
    select("?POM:PONumber");
    return Level::Notify;
  }
  if (crv::POM.VendorID == 0) {
    if (crv::message(
            "No Vendor has been entered. Do you wish to |save this Purchase Order with no Vendor ID?",
            "Save with No Vendor Specified", crv::Icon::Question, "&Yes|&No") != 1) {
      select("?EnteredVendor");
      return Level::Notify;
    }
  } else if (sums_.lines == 0 &&
             crv::message("No Line Items have been entered. Do you wish to |save this Purchase Order with no "
                          "Line Items?",
                          "Save with No Line Items", crv::Icon::Question, "&Yes|&No") != 1) {
    return Level::Notify;
  }
  if (crv::POM.DefaultJob.empty()) assignDefaultJob();
  return Level::Benign;
}

// Step 3 of OK: a blank default job takes the job of the order's job lines
// when they name one, or, asked, the first line's job when they name more.
void UpdatePOMasterWindow::assignDefaultJob() {
  std::string first;
  bool several = false;
  forEachLine(*crv::PODetail.connection(), crv::POM.POID, [&](const crv::PODetailRecord& line) {
    if (line.DetailType != "Job" || line.TextFlag == 1 || line.JobID.empty()) return;
    if (first.empty())
      first = line.JobID.str();
    else if (line.JobID != first)
      several = true;
  });
  if (first.empty()) return;
  if (several &&
      crv::message(
          "You have not supplied a default Job ID and purchase order line|items have been assigned to "
          "multiple jobs. Would you like to assign|Job " +
              first + " as the default Job ID on this Purchase Order?",
          "Assign Default Job ID?", crv::Icon::Question, "&Yes|&No") != 1)
    return;
  crv::POM.DefaultJob = first;
}

Level UpdatePOMasterWindow::saveOrder() {
  PurchaseOrderSave save(crv::POMaster);
  const bool inserting = mode_ == crv::InsertRecord;
  const OperationOutcome outcome = save.save(mode_, opening_, inserting && counter_ ? &*counter_ : nullptr,
                                             inserting ? nullptr : &openingState_);
  tellUser(outcome);
  if (!outcome.done) return Level::Notify;
  saved_ = true;
  // From here the order exists: a later save changes it, and Cancel puts
  // it back as it was saved.
  mode_ = crv::ChangeRecord;
  counter_.reset();
  if (auto taken = OrderEditUndo::ofOrder(*crv::POMaster.connection(), crv::POM.POID))
    undo_ = std::move(taken);
  openingState_ = crv::POM;
  linesTouched_ = false;
  return Level::Benign;
}

Level UpdatePOMasterWindow::write() {
  if (request() == crv::DeleteRecord) return deleteOrder();
  if (request() == crv::ViewRecord) {
    complete(crv::RequestCancelled);
    return Level::Benign;
  }
  const bool inserting = mode_ == crv::InsertRecord;
  if (saveOrder() != Level::Benign) return Level::Notify;
  if (inserting && repetitiveInsert()) {
    startNextOrder();
    return Level::Benign;
  }
  complete(crv::RequestCompleted);
  return Level::Benign;
}

Level UpdatePOMasterWindow::deleteOrder() {
  if (crv::message("Are you sure you want to delete this record?", "Confirm Delete", crv::Icon::Question,
                   "&Yes|&No", 2) != 1) {
    complete(crv::RequestCancelled);
    return Level::Notify;
  }
  const OperationOutcome outcome = PurchaseOrderDeletion(crv::POMaster).remove();
  tellUser(outcome);
  if (!outcome.done) return Level::Notify;
  saved_ = true;
  complete(crv::RequestCompleted);
  return Level::Benign;
}

// Repetitive insert: the saved order stays saved and the form starts on a
// fresh one, its first tab shown and no attachment previewed.
void UpdatePOMasterWindow::startNextOrder() {
  attachments_.hidePreview();
  control("?Tabs").choose(0);
  mode_ = crv::InsertRecord;
  window().setTitle("Adding a Purchase Order");
  enteredVendor_ = "";
  localVendorName_ = "";
  vendorChoice_.clear();
  cityStateZip_ = "";
  if (!primeRecord()) {
    complete(crv::RequestCompleted);
    return;
  }
  crv::APV.clear();
  saved_ = false;
  opening_.clear();
  startEditing();
  showShipToFields();
  showCanadianTax();
  lastVendor_ = 0;
  resetComponents();
  refreshTotals();
  select("?EnteredVendor");
}

bool UpdatePOMasterWindow::confirmCancel() {
  if (!linesTouched_) return true;
  return crv::message(
             "Lines of this purchase order were added, changed or deleted.  Cancel puts them back as "
             "they were.|Do you want to cancel your changes?",
             "Cancel Changes?", crv::Icon::Question, "&Yes|&No", 2) == 1;
}

void UpdatePOMasterWindow::undoEdits(bool showMessages) {
  if (undone_ || !undo_ || viewOnly() || request() == crv::DeleteRecord) return;
  // A new order never saved goes whatever was done to it; an order that
  // exists only when its lines were touched.
  const bool newOrder = mode_ == crv::InsertRecord;
  if (!newOrder && !linesTouched_) return;
  crv::Connection* connection = crv::POMaster.connection();
  if (!connection) return;
  const OperationOutcome outcome = undo_->undo(*connection, opening_);
  if (showMessages) tellUser(outcome);
  if (outcome.done) undone_ = true;
}

Level UpdatePOMasterWindow::takeCancelled() {
  if (!confirmCancel()) return Level::Notify;
  undoEdits(true);
  const Level level = WindowManager::takeCancelled();
  if (saved_) setResponse(crv::RequestCompleted);
  return level;
}

void UpdatePOMasterWindow::closing() {
  // A window closed without OK or Cancel (the program stopping it) leaves
  // nothing half done either.
  if (response() != crv::RequestCompleted || mode_ == crv::InsertRecord) undoEdits(false);
}

Level UpdatePOMasterWindow::takeEvent(const crv::ui::Event& event) {
  const Level level = WindowManager::takeEvent(event);
  if (acceptingAll()) return level;
  takeNewVendorFromLine();
  refreshTotals();
  return level;
}

Level UpdatePOMasterWindow::takeDrop(const std::vector<std::string>& files, Control* /*onto*/) {
  // Files are taken only while the Attachments tab is shown.
  if (!viewOnly() && attachments_.shown(window())) attachments_.attachDropped(files);
  return Level::Notify;
}

Level UpdatePOMasterWindow::takePopupMenu(Control& control) {
  if (!control.is("?Print")) return WindowManager::takePopupMenu(control);
  const int chosen = crv::ui::frontEnd().popupMenu(
      {"&Preview the Report to Screen|Print Report Directly to Default Printer|Cancel"});
  if (chosen == 1) return print();
  if (chosen == 2) {
    crv::GLO.PrintPreview = 0;
    return print();
  }
  return Level::Notify;
}

// "&Print Purchase Order": the order is saved first, as OK saves it, so
// that what is printed is what is stored and a new order's number is
// taken for good; a viewed order prints as it is stored.
Level UpdatePOMasterWindow::print() {
  if (!viewOnly()) {
    if (validate() != Level::Benign) return Level::Notify;
    if (saveOrder() != Level::Benign) return Level::Notify;
    window().setTitle("Changing a Purchase Order");
  }
  crv::DecimalVariable = crv::Amount(static_cast<std::int64_t>(crv::POM.POID));
  PrintPurchaseOrderServer();
  if (crv::GLO.PrintPreview == 0) crv::GLO.PrintPreview = 1;
  crv::POM.clear();
  crv::POM.POID = static_cast<crv::Id>(crv::DecimalVariable.raw() / crv::Amount::scale);
  if (crv::POMaster.fetch(crv::POMasterRecord::KeyPOID) != crv::TableStatus::Ok)
    crv::message(crv::POMaster.lastError().describe() + " Getting POMaster");
  else if (!viewOnly())
    openingState_ = crv::POM;
  resetComponents();
  window().touch();
  return Level::Notify;
}

}  // namespace crvpo

void crvpo::updatePOMaster() {
  UpdatePOMasterWindow procedure;
  procedure.run();
}

extern "C" void UpdatePOMaster() { crvpo::updatePOMaster(); }

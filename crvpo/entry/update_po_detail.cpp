// The purchase-order line form.
#include "crvpo/entry/update_po_detail.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

#include "crvpo/entry/cost_code_shorthand.h"
#include "crvpo/entry/entry_state.h"
#include "crvpo/entry/job_name_search.h"
#include "crvpo/entry/line_amounts.h"
#include "crvpo/entry/line_item_checks.h"
#include "crvpo/entry/over_budget_warning.h"
#include "crvpo/entry/text_line.h"
#include "host/data/shared_values.h"
#include "host/data/tables/equipment_tables.h"
#include "host/data/tables/inventory_tables.h"
#include "host/data/tables/job_cost_tables.h"
#include "host/data/tables/ledger_tables.h"
#include "host/data/tables/payables_tables.h"
#include "host/data/tables/purchasing_tables.h"
#include "host/data/tables/suite_tables.h"
#include "host/framework/services/global_request.h"
#include "host/framework/services/message_box.h"
#include "host/framework/table/private_table.h"
#include "host/framework/ui/front_end.h"
#include "host/framework/ui/row_list_model.h"
#include "host/framework/ui/window_manager.h"
#include "host/framework/values/picture.h"
#include "host/siblings/CRVEQ/browse_eq_cost.h"
#include "host/siblings/CRVEQ/browse_eq_header.h"
#include "host/siblings/CRVGL/browse_gl_master.h"
#include "host/siblings/CRVIN/browse_in_master.h"
#include "host/siblings/CRVIN/browse_in_vendor.h"
#include "host/siblings/CRVIN/update_in_vendor.h"
#include "host/siblings/CRVJC/browse_jc_cost.h"
#include "host/siblings/CRVJC/browse_jc_header.h"
#include "host/siblings/CRVJC/lookup_change_order.h"
#include "host/siblings/CRVMISC/browse_text.h"
#include "host/siblings/CRVMISC/edit_account_num.h"
#include "host/siblings/CRVMISC/get_case.h"
#include "host/siblings/CRVMISC/text_case.h"

namespace crvpo {
namespace {

using crv::TableStatus;
using crv::ui::Binding;
using crv::ui::ButtonRole;
using crv::ui::Control;
using crv::ui::ControlKind;
using crv::ui::Key;
using crv::ui::Level;

constexpr std::string_view typeJob = "Job";
constexpr std::string_view typeAccount = "G/L Account";
constexpr std::string_view typeEquipment = "Equipment";
constexpr std::string_view typeInventory = "Inventory";

// The lookups of the form by number.
enum Lookup {
  JobLookup = 1,
  AccountLookup,
  EquipmentLookup,
  CostCodeLookup,
  CategoryLookup,
  VendorItemLookup
};

std::string trimmedEnd(std::string_view text) {
  const auto end = text.find_last_not_of(' ');
  return end == std::string_view::npos ? std::string() : std::string(text.substr(0, end + 1));
}

class UpdatePODetailWindow final : public crv::ui::WindowManager {
 public:
  UpdatePODetailWindow()
      : WindowManager("UpdatePODetail"), vendors_({"Priority", "Vendor", "", "Price", "Min. Order"}) {
    addTable(crv::PODetail, true);
    for (crv::Table* t : {&crv::Systems, &crv::JCHeader, &crv::JCCost, &crv::JCCOHTable, &crv::JCCODTable,
                          &crv::GLMaster, &crv::EQHeader, &crv::EQCost, &crv::EQCode, &crv::INMaster,
                          &crv::INVendor, &crv::INCnvrt, &crv::APVendor})
      addTable(*t);
    setTitleFor(crv::InsertRecord, "Adding Purchase Order Detail");
    setTitleFor(crv::ChangeRecord, "Changing Purchase Order Detail");
    setTitleFor(crv::ViewRecord, "View Record");
    setRepetitiveInsert(entryState().RepetitiveInsert && request() != crv::ViewRecord);
    build();
    handle();
  }

 protected:
  void primeFields() override;
  Level opening() override;
  Level validate() override;
  Level takeEvent(const crv::ui::Event& event) override;
  Level takeAlertKey(Key key, Control* focus) override;
  Level takePopupMenu(Control& control) override;

 private:
  void build();
  void handle();
  // A prompt, entry and (unless None) lookup button, all inside `group`.
  Control& fieldIn(Control* group, std::string prompt, std::string equate, Binding binding,
                   std::string_view picture, std::optional<ButtonRole> lookup = std::nullopt);

  // Settings and the shown distribution.
  void readSettings();
  bool changeOrdersOn() const { return crv::PURCHASELEVEL == 2 && crv::SYS.POChangeOrders; }
  // Viewing a line, or a line of an order opened for viewing only: nothing
  // can be typed, chosen or looked up, and nothing is written.
  bool viewOnly() const { return request() == crv::ViewRecord || entryState().POViewOnly; }
  void lockForViewing();
  void followTypeKeys();
  void showDistribution(std::string_view type, bool withChangeOrder);
  void detailTypeChanged();
  void showTextLine(bool text);

  // Records.
  bool fetchItem();
  bool fetchVendorItem();
  bool fetchJob(std::string_view job);
  bool fetchCostLine(std::string_view job, std::string_view code);
  int runLookup(Lookup lookup);

  // Pricing.
  void fillPurchaseUnits();
  void takeVendorItem();
  void applyAmountRule();
  void computeAmounts();
  Level itemAccepted();
  Level unitAccepted();
  Level quantityAccepted();
  Level amountAccepted();
  Level itemLookup();

  // Distribution.
  Level jobAccepted();
  Level jobNameSearch();
  void defaultCostCode();
  Level costCodeAccepted();
  Level costCodeLookup();
  Level costCodeFound();
  void costCodeClosing();
  Level accountAccepted();
  Level equipmentAccepted();
  Level categoryAccepted();
  Level changeOrderAccepted();
  Level changeOrderLookup();
  void refreshChangeOrder();

  // Text cases of Description and Vendor Catalog.
  void readTextCases();
  void applyTextCase(std::string_view field);

  // Priority vendors.
  void refreshVendors();
  Level selectVendor();
  Level editVendor(bool add);

  crv::ui::RowListModel vendors_;
  std::vector<crv::Id> vendorRows_;  // INV RecordIDs in list order

  std::string distribution1_;
  std::string distribution2_;
  std::string changeOrderDescription_;
  crv::Byte gst_ = 0;
  crv::Byte pst_ = 0;

  crv::Quantity minOrderQty_;
  crv::Text<10> minOrderUnit_;
  bool vendorPriced_ = false;
  int vendorPriority_ = 0;
  crv::Real lastUnitPrice_ = 0;
  crv::Quantity lastQuantity_;
  bool canada_ = false;
  crv::siblings::TextCase descriptionCase_ = crv::siblings::TextCase::AsTyped;
  crv::siblings::TextCase catalogCase_ = crv::siblings::TextCase::AsTyped;
};

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

void UpdatePODetailWindow::build() {
  crv::ui::Window& w = window();
  w.setTitle("Update the PODetail File");
  w.setHelp("html/PO_Enter_Purchase_Orders.htm", "po_insert_or_change_a_purchase_order_detail_screen");

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

  Control& priority = w.add(ControlKind::Group, "?PriorityGroup", "Priority Vendors for this Item ID");
  w.addList("?PriorityList", &vendors_)
      .setColumns({{"Priority", 3, crv::Picture::parse("@n3")},
                   {"Vendor", 6, {}},
                   {"", 30, {}},
                   {"Price", 30, {}},
                   {"Min. Order", 15, {}}})
      .in(priority);
  w.addButton("?Select", "&Select").in(priority);
  w.addButton("?Add", "&Add").in(priority);
  w.addButton("?Change", "&Change").in(priority);

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

void UpdatePODetailWindow::handle() {
  onAccepted("?POD:ItemID", [this] { return itemAccepted(); });
  onAccepted("?POD:ItemID:Lookup", [this] { return itemLookup(); });
  onAccepted("?POD:UnitName", [this] { return unitAccepted(); });
  onAccepted("?PurchaseUnit", [this] { return unitAccepted(); });
  onSelected("?POD:UnitName", [this] { applyAmountRule(); });
  onSelected("?POD:Taxable", [this] { applyAmountRule(); });
  onAccepted("?POD:Description", [this] {
    if (!acceptingAll()) applyTextCase("POD:Description");
  });
  onAccepted("?POD:VendorCatalogID", [this] {
    if (!acceptingAll()) applyTextCase("POD:VendorCatalogID");
  });
  onAccepted("?POD:QtyOrdered", [this] { return quantityAccepted(); });
  onAccepted("?POD:UnitPrice", [this] {
    if (!acceptingAll()) applyAmountRule();
  });
  onAccepted("?POD:TotalAmount", [this] { return amountAccepted(); });
  onAccepted("?POD:DetailType", [this] { detailTypeChanged(); });
  onAccepted("?POD:TextFlag", [this] {
    if (acceptingAll()) return;
    if (crv::POD.TextFlag) {
      crv::POD.DetailType = "";
      crv::POD.Account = "";
      crv::POD.JobID = "";
      crv::POD.CostCode = "";
      crv::POD.EquipmentID = "";
      crv::POD.CostCategory = "";
      crv::POD.LocationID = "";
      crv::POD.BinID = "";
    } else {
      crv::POD.Text = "";
    }
    showTextLine(crv::POD.TextFlag != 0);
  });
  onAccepted("?POD:Text:Lookup", [this] {
    if (viewOnly()) return;
    crv::REPORTFILTER = "PODetail";
    crv::GlobalRequest = crv::SelectRecord;
    BrowseText();
    if (crv::GlobalResponse == crv::RequestCompleted) crv::POD.Text = crv::NOTE.Text.view();
  });
  onAccepted("?POD:JobID", [this] { return jobAccepted(); });
  onAccepted("?POD:JobID:Lookup", [this] {
    if (runLookup(JobLookup) != crv::RequestCompleted) return Level::Benign;
    crv::POD.JobID = crv::JCH.JobID;
    return jobAccepted();
  });
  onAccepted("?POD:CostCode", [this] { return costCodeAccepted(); });
  onAccepted("?POD:CostCode:Lookup", [this] { return costCodeLookup(); });
  onAccepted("?POD:Account", [this] { return accountAccepted(); });
  onAccepted("?POD:Account:Lookup", [this] {
    if (runLookup(AccountLookup) != crv::RequestCompleted) return Level::Benign;
    crv::POD.Account = crv::GLM.Account;
    return accountAccepted();
  });
  onAccepted("?POD:EquipmentID", [this] { return equipmentAccepted(); });
  onAccepted("?POD:EquipmentID:Lookup", [this] {
    if (runLookup(EquipmentLookup) != crv::RequestCompleted) return Level::Benign;
    crv::POD.EquipmentID = crv::EQH.EquipmentID;
    return equipmentAccepted();
  });
  onAccepted("?POD:CostCategory", [this] { return categoryAccepted(); });
  onAccepted("?POD:CostCategory:Lookup", [this] {
    crv::EQUIPFIELD = crv::POD.EquipmentID.str();
    if (runLookup(CategoryLookup) != crv::RequestCompleted) return Level::Benign;
    crv::POD.CostCategory = crv::EQC.CostCategory;
    return categoryAccepted();
  });
  onAccepted("?POD:ChangeOrder", [this] { return changeOrderAccepted(); });
  onAccepted("?POD:ChangeOrder:Lookup", [this] { return changeOrderLookup(); });
  onAccepted("?Select", [this] { return selectVendor(); });
  // Enter or a double click on a row of the priority list.
  onAccepted("?PriorityList", [this] { return selectVendor(); });
  onAccepted("?Add", [this] { return editVendor(true); });
  onAccepted("?Change", [this] { return editVendor(false); });
}

void UpdatePODetailWindow::readSettings() {
  crv::SYS.clear();
  crv::Systems.set(crv::SystemsRecord::KeySystemID);
  if (crv::Systems.next() != TableStatus::Ok) crv::SYS.clear();
  canada_ = crv::COUNTRY == "Canada";
}

// A new line belongs to the order in POM and comes after its last line.
crv::Id nextSequenceNo() {
  crv::PrivateTable<crv::PODetailRecord> lines(crv::PODetail);
  lines.rec.POID = crv::POM.POID;
  crv::Id last = 0;
  if (lines.isOpen() && lines.table.setRange(crv::PODetailRecord::KeyPOID, 1) == TableStatus::Ok)
    while (lines.table.next() == TableStatus::Ok) last = std::max(last, lines.rec.SequenceNo);
  return last + 1;
}

void UpdatePODetailWindow::primeFields() {
  readSettings();
  crv::POD.POID = crv::POM.POID;
  crv::POD.SequenceNo = nextSequenceNo();
  crv::POD.QtyOrdered = crv::Quantity(1);
  crv::POD.Taxable = crv::POM.Taxable;
  if (!crv::POM.DefaultJob.empty() || crv::SYS.PODefaultDetailType == typeJob) {
    crv::POD.DetailType = typeJob;
    crv::POD.JobID = crv::POM.DefaultJob;
    distribution1_ = fetchJob(crv::POD.JobID.view()) ? crv::JCH.JobName.str() : std::string();
    crv::JOBFIELD = crv::POD.JobID.str();
    return;
  }
  crv::POD.DetailType = crv::SYS.PODefaultDetailType;
  if (crv::POD.DetailType == typeAccount) {
    crv::PrivateTable<crv::APVendorRecord> vendor(crv::APVendor);
    vendor.rec.VendorID = crv::POM.VendorID;
    if (vendor.fetch(crv::APVendorRecord::KeyVendorID) && !vendor.rec.DefaultAccount.empty()) {
      crv::POD.Account = vendor.rec.DefaultAccount;
      crv::GLM.clear();
      crv::GLM.Account = crv::POD.Account;
      if (crv::GLMaster.fetch(crv::GLMasterRecord::KeyAccount) == TableStatus::Ok)
        distribution1_ = crv::GLM.Description.str();
    }
  }
}

Level UpdatePODetailWindow::opening() {
  readSettings();
  EntryState& state = entryState();
  state.CurrentCommitted = {};
  state.CommittedJobID = "";
  state.CommittedCostCode = "";
  if (crv::POD.DetailType == typeJob && request() == crv::ChangeRecord &&
      fetchCostLine(crv::POD.JobID.view(), crv::POD.CostCode.view())) {
    state.CurrentCommitted = crv::JCC.Committed - crv::POD.TotalAmount;
    state.CommittedJobID = crv::POD.JobID;
    state.CommittedCostCode = crv::POD.CostCode;
  }

  // The detail types the suite's settings allow.
  Control& type = control("?POD:DetailType");
  if (crv::GENERIC && !crv::INPURCHASE) {
    crv::POD.DetailType = typeAccount;
    control("?POD:DetailType:Prompt").hide();
    type.hide();
  } else if (crv::GENERIC) {
    type.setChoices("G/L Account|Equipment|Inventory");
  } else {
    std::string choices = "Job|G/L Account";
    if (crv::EQPURCHASE) choices += "|Equipment";
    if (crv::INPURCHASE) choices += "|Inventory";
    type.setChoices(choices);
  }

  readTextCases();
  const std::string lineType = crv::POD.DetailType.str();
  if (request() == crv::InsertRecord) {
    showDistribution(lineType, false);
    if (lineType == typeInventory) {
      fillPurchaseUnits();
      minOrderUnit_ = crv::POD.UnitName.view();
    } else if (lineType == typeEquipment) {
      equipmentAccepted();
    }
  } else {
    showDistribution(lineType, changeOrdersOn());
    if (lineType == typeJob) {
      distribution1_ = fetchJob(crv::POD.JobID.view()) ? crv::JCH.JobName.str() : std::string();
      distribution2_ = fetchCostLine(crv::POD.JobID.view(), crv::POD.CostCode.view())
                           ? crv::JCC.Description.str()
                           : std::string();
      if (crv::POD.CODetailID != 0) refreshChangeOrder();
    } else if (lineType == typeAccount) {
      crv::GLM.clear();
      crv::GLM.Account = crv::POD.Account;
      if (crv::GLMaster.fetch(crv::GLMasterRecord::KeyAccount) == TableStatus::Ok)
        distribution1_ = crv::GLM.Description.str();
    } else if (lineType == typeEquipment) {
      crv::EQH.clear();
      crv::EQH.EquipmentID = crv::POD.EquipmentID;
      if (crv::EQHeader.fetch(crv::EQHeaderRecord::KeyEquipmentID) == TableStatus::Ok)
        distribution1_ = crv::EQH.Description.str();
      crv::EQD.clear();
      crv::EQD.CostCategory = crv::POD.CostCategory;
      if (crv::EQCode.fetch(crv::EQCodeRecord::KeyCategoryID) == TableStatus::Ok)
        distribution2_ = crv::EQD.Description.str();
    } else if (lineType == typeInventory) {
      fillPurchaseUnits();
      minOrderUnit_ = crv::POD.UnitName.view();
    }
  }
  if (entryState().POViewOnly) control("?OK").disable();
  if (viewOnly()) lockForViewing();

  window().setFieldHidden("?POD:DeliverAfterDate", !crv::SYS.POShowAcceptDate);
  window().setFieldHidden("?POD:DeliveryDate", !crv::SYS.POShowDeliveryDate);
  window().setFieldHidden("?POD:DeadlineDate", !crv::SYS.POShowDeadlineDate);
  showTextLine(crv::POD.TextFlag != 0);

  if (canada_) {
    control("?POD:Taxable").hide();
    control("?SubjectToGST").unhide();
    control("?SubjectToPST").unhide();
    gst_ = subjectToGst(crv::POD.Taxable);
    pst_ = subjectToPst(crv::POD.Taxable);
  }
  if (request() == crv::ChangeRecord && fetchItem() && fetchVendorItem()) vendorPriced_ = true;
  lastUnitPrice_ = crv::POD.UnitPrice;
  lastQuantity_ = crv::POD.QtyOrdered.rescale<2>().rescale<4>();
  refreshVendors();
  return Level::Benign;
}

void UpdatePODetailWindow::showDistribution(std::string_view type, bool withChangeOrder) {
  crv::ui::Window& w = window();
  const bool job = type == typeJob;
  const bool account = type == typeAccount;
  const bool equipment = type == typeEquipment;
  w.setFieldHidden("?POD:JobID", !job);
  w.setFieldHidden("?POD:CostCode", !job);
  w.setFieldHidden("?POD:ChangeOrder", !(job && withChangeOrder));
  control("?ChangeOrderDescription").setHidden(!(job && withChangeOrder));
  w.setFieldHidden("?POD:Account", !account);
  w.setFieldHidden("?POD:EquipmentID", !equipment);
  w.setFieldHidden("?POD:CostCategory", !equipment);
  control("?Distribution1").setHidden(!(job || account || equipment));
  control("?Distribution2").setHidden(!(job || equipment));
}

void UpdatePODetailWindow::detailTypeChanged() {
  if (acceptingAll()) return;
  const std::string type = crv::POD.DetailType.str();
  auto clearJob = [this] {
    if (crv::POD.JobID.empty()) return;
    crv::POD.JobID = "";
    crv::POD.CostCode = "";
    crv::POD.ChangeOrder = "";
    crv::POD.CODetailID = 0;
    distribution1_.clear();
    distribution2_.clear();
    changeOrderDescription_.clear();
  };
  auto clearEquipment = [this] {
    if (crv::POD.EquipmentID.empty()) return;
    crv::POD.EquipmentID = "";
    crv::POD.CostCategory = "";
    distribution1_.clear();
    distribution2_.clear();
  };
  auto clearAccount = [this] {
    if (crv::POD.Account.empty()) return;
    crv::POD.Account = "";
    distribution1_.clear();
  };
  if (type == typeJob) {
    clearAccount();
    clearEquipment();
  } else if (type == typeAccount) {
    clearEquipment();
    clearJob();
  } else if (type == typeEquipment) {
    clearAccount();
    clearJob();
  } else if (type == typeInventory) {
    distribution1_.clear();
    distribution2_.clear();
    crv::POD.Account = "";
    crv::POD.EquipmentID = "";
    crv::POD.CostCategory = "";
    crv::POD.JobID = "";
    crv::POD.CostCode = "";
    crv::POD.ChangeOrder = "";
    crv::POD.CODetailID = 0;
    changeOrderDescription_.clear();
  }
  showDistribution(type, changeOrdersOn());
}

void UpdatePODetailWindow::showTextLine(bool text) {
  control("?LineItemGroup").setHidden(text);
  control("?DistributionGroup").setHidden(text);
  control("?PriorityGroup").setHidden(text || !crv::SYS.POShowPriorityVendors);
  window().setFieldHidden("?POD:Text", !text);
}

bool UpdatePODetailWindow::fetchItem() {
  if (crv::POD.ItemID.empty()) return false;
  crv::INM.clear();
  crv::INM.ItemID = crv::POD.ItemID;
  return crv::INMaster.fetch(crv::INMasterRecord::KeyItemID) == TableStatus::Ok;
}

bool UpdatePODetailWindow::fetchVendorItem() {
  crv::INV.clear();
  crv::INV.ItemID = crv::POD.ItemID;
  crv::INV.VendorID = crv::POM.VendorID;
  return crv::INVendor.fetch(crv::INVendorRecord::KeyItemVendor) == TableStatus::Ok;
}

bool UpdatePODetailWindow::fetchJob(std::string_view job) {
  if (trimmedEnd(job).empty()) return false;
  crv::JCH.clear();
  crv::JCH.JobID = job;
  return crv::JCHeader.fetch(crv::JCHeaderRecord::KeyJobID) == TableStatus::Ok;
}

bool UpdatePODetailWindow::fetchCostLine(std::string_view job, std::string_view code) {
  crv::JCC.clear();
  crv::JCC.JobID = job;
  crv::JCC.CostCode = code;
  return crv::JCCost.fetch(crv::JCCostRecord::KeyJobCodeType) == TableStatus::Ok;
}

int UpdatePODetailWindow::runLookup(Lookup lookup) {
  if (viewOnly()) return crv::RequestCancelled;
  crv::GlobalRequest = lookup == VendorItemLookup ? crv::GlobalRequest : crv::SelectRecord;
  switch (lookup) {
    case JobLookup:
      BrowseJCHeader();
      break;
    case AccountLookup:
      BrowseGLMaster();
      break;
    case EquipmentLookup:
      BrowseEQHeader();
      break;
    case CostCodeLookup:
      BrowseJCCost();
      break;
    case CategoryLookup:
      BrowseEQCost();
      break;
    case VendorItemLookup:
      UpdateINVendor();
      break;
  }
  resetComponents();
  return crv::GlobalResponse;
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
    minOrderQty_ = {};
    vendorPriority_ = 0;
    minOrderUnit_ = "";
    refreshVendors();
    return Level::Benign;
  }
  fillPurchaseUnits();
  fetchItem();
  crv::POD.Description = crv::INM.Description.view();
  crv::POD.UnitName = crv::INM.UnitName;
  if (fetchVendorItem()) {
    takeVendorItem();
  } else {
    minOrderQty_ = {};
    vendorPriority_ = 0;
    minOrderUnit_ = crv::INM.UnitName.view();
    crv::POD.UnitPrice = crv::INM.Price;
  }
  select("?POD:QtyOrdered");
  computeAmounts();
  refreshVendors();
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
    crv::INM.clear();
    crv::INM.ItemID = crv::INV.ItemID;
    if (crv::INMaster.fetch(crv::INMasterRecord::KeyItemID) != TableStatus::Ok) return Level::Benign;
    crv::POD.ItemID = crv::INM.ItemID;
  } else {
    return Level::Benign;
  }
  return itemAccepted();
}

Level UpdatePODetailWindow::unitAccepted() {
  if (acceptingAll()) return Level::Benign;
  if (!fetchItem() || crv::INM.UnitName == crv::POD.UnitName) {
    minOrderQty_ = {};
    vendorPriority_ = 0;
    minOrderUnit_ = "";
    return Level::Benign;
  }
  crv::INC.clear();
  crv::INC.ItemID = crv::POD.ItemID;
  crv::INC.UnitName = crv::POD.UnitName;
  if (crv::INCnvrt.fetch(crv::INCnvrtRecord::KeyItemUnit) != TableStatus::Ok) {
    if (fetchVendorItem()) takeVendorItem();
  } else {
    // A purchase unit of the item without the vendor's price: the item's
    // price per stock unit times the unit's size.
    minOrderQty_ = {};
    vendorPriority_ = 0;
    minOrderUnit_ = crv::INM.UnitName.view();
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
    select("?POD:QtyOrdered");
    return Level::Notify;
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

Level UpdatePODetailWindow::jobNameSearch() {
  const JobNameMatch match = searchJobByName(crv::POD.JobID.view());
  if (match.outcome == JobNameMatch::Outcome::NotAName) return Level::Benign;
  crv::POD.JobID = match.jobId;
  if (match.outcome == JobNameMatch::Outcome::NotPicked) {
    select("?POD:JobID");
    return Level::Notify;
  }
  return Level::Benign;
}

Level UpdatePODetailWindow::jobAccepted() {
  if (acceptingAll()) return Level::Benign;
  if (jobNameSearch() == Level::Notify) return Level::Notify;
  if (crv::POD.JobID.empty()) return Level::Benign;
  if (!fetchJob(crv::POD.JobID.view())) {
    if (runLookup(JobLookup) != crv::RequestCompleted) {
      select("?POD:JobID");
      return Level::Notify;
    }
    crv::POD.JobID = crv::JCH.JobID;
  }
  crv::JOBFIELD = crv::POD.JobID.str();
  if (crv::JCH.Closed == 1) {
    tellJobClosed(crv::POD.JobID.view());
    crv::POD.JobID = "";
    distribution1_.clear();
    select("?POD:JobID");
    return Level::Notify;
  }
  if (crv::JCH.Active == 0 && !askAssignInactiveJob(crv::POD.JobID.view())) {
    crv::POD.JobID = "";
    distribution1_.clear();
    select("?POD:JobID");
    return Level::Notify;
  }
  distribution1_ = crv::JCH.JobName.str();
  defaultCostCode();
  return Level::Benign;
}

void UpdatePODetailWindow::defaultCostCode() {
  if (!fetchItem() || crv::INM.DefaultCostCode.empty()) return;
  const std::string code = crv::INM.DefaultCostCode.str();
  if (fetchCostLine(crv::POD.JobID.view(), code)) {
    crv::POD.CostCode = code;
    costCodeAccepted();
  } else {
    tellDefaultCostCodeMissing(crv::POD.ItemID.view(), code, crv::POD.JobID.view());
  }
}

Level UpdatePODetailWindow::costCodeAccepted() {
  crv::JOBFIELD = crv::POD.JobID.str();
  if (!crv::POD.CostCode.empty())
    crv::POD.CostCode = expandCostCode(crv::POD.CostCode.view(), crv::CostCodeLen);
  if (acceptingAll() || crv::POD.CostCode.empty()) return Level::Benign;
  if (!fetchCostLine(crv::POD.JobID.view(), crv::POD.CostCode.view())) {
    if (runLookup(CostCodeLookup) != crv::RequestCompleted) {
      select("?POD:CostCode");
      return Level::Notify;
    }
    crv::POD.CostCode = crv::JCC.EntryMask;
    fetchCostLine(crv::POD.JobID.view(), crv::POD.CostCode.view());
  }
  return costCodeFound();
}

Level UpdatePODetailWindow::costCodeLookup() {
  crv::JOBFIELD = crv::POD.JobID.str();
  if (runLookup(CostCodeLookup) != crv::RequestCompleted) return Level::Benign;
  crv::POD.CostCode = crv::JCC.EntryMask;
  if (!fetchCostLine(crv::POD.JobID.view(), crv::POD.CostCode.view())) return Level::Benign;
  if (crv::JCC.Inactive) {
    tellCostCodeInactive(crv::POD.CostCode.view(), crv::JCC.Description.view());
    crv::POD.CostCode = "";
    select("?POD:CostCode");
    return Level::Notify;
  }
  costCodeClosing();
  return Level::Benign;
}

Level UpdatePODetailWindow::costCodeFound() {
  if (crv::JCC.Inactive) {
    tellCostCodeInactive(crv::POD.CostCode.view(), crv::JCC.Description.view());
    crv::POD.CostCode = "";
    select("?POD:CostCode");
    return Level::Notify;
  }
  // A change-order detail chosen in the change-order lookup travels in TEST.
  const crv::Id fromLookup =
      crv::TEST.empty() ? 0 : static_cast<crv::Id>(std::strtoul(crv::TEST.c_str(), nullptr, 10));
  crv::POD.CODetailID = fromLookup;
  if (fromLookup != 0) crv::TEST = "0";
  crv::POD.ChangeOrder = "";
  changeOrderDescription_.clear();
  refreshChangeOrder();
  costCodeClosing();
  return Level::Benign;
}

void UpdatePODetailWindow::costCodeClosing() {
  if (!fetchCostLine(crv::POD.JobID.view(), crv::POD.CostCode.view())) {
    distribution2_.clear();
    return;
  }
  const crv::Id preferred = crv::JCC.PreferredVendorID;
  const std::string description = crv::JCC.Description.str();
  if (preferred != 0 && preferred != crv::POM.VendorID) {
    // A second view of the vendors keeps the order's vendor in APV.
    crv::PrivateTable<crv::APVendorRecord> vendor(crv::APVendor);
    vendor.rec.VendorID = preferred;
    const std::string name =
        vendor.fetch(crv::APVendorRecord::KeyVendorID) ? vendor.rec.VendorName.str() : "";
    tellPreferredVendor(crv::POD.CostCode.view(), preferred, name);
  }
  distribution2_ = description;
}

Level UpdatePODetailWindow::accountAccepted() {
  if (acceptingAll()) return Level::Benign;
  if (!crv::POD.Account.empty()) crv::POD.Account = crv::siblings::editAccountNumber(crv::POD.Account.view());
  if (!crv::POD.Account.empty()) {
    crv::GLM.clear();
    crv::GLM.Account = crv::POD.Account;
    if (crv::GLMaster.fetch(crv::GLMasterRecord::KeyAccount) != TableStatus::Ok) {
      if (runLookup(AccountLookup) != crv::RequestCompleted) {
        select("?POD:Account");
        return Level::Notify;
      }
      crv::POD.Account = crv::GLM.Account;
    }
  }
  if (crv::POD.DetailType == typeAccount) {
    crv::GLM.clear();
    crv::GLM.Account = crv::POD.Account;
    distribution1_ = crv::GLMaster.fetch(crv::GLMasterRecord::KeyAccount) == TableStatus::Ok
                         ? crv::GLM.Description.str()
                         : std::string();
  }
  return Level::Benign;
}

Level UpdatePODetailWindow::equipmentAccepted() {
  if (acceptingAll()) return Level::Benign;
  if (!crv::POD.EquipmentID.empty()) {
    crv::EQH.clear();
    crv::EQH.EquipmentID = crv::POD.EquipmentID;
    if (crv::EQHeader.fetch(crv::EQHeaderRecord::KeyEquipmentID) != TableStatus::Ok) {
      if (runLookup(EquipmentLookup) != crv::RequestCompleted) {
        select("?POD:EquipmentID");
        return Level::Notify;
      }
      crv::POD.EquipmentID = crv::EQH.EquipmentID;
    }
    if (crv::POD.DetailType == typeEquipment) distribution1_ = crv::EQH.Description.str();
  }
  crv::EQUIPFIELD = crv::POD.EquipmentID.str();
  return Level::Benign;
}

Level UpdatePODetailWindow::categoryAccepted() {
  crv::EQUIPFIELD = crv::POD.EquipmentID.str();
  if (acceptingAll() || crv::POD.CostCategory.empty()) return Level::Benign;
  crv::EQC.clear();
  crv::EQC.EquipmentID = crv::POD.EquipmentID;
  crv::EQC.CostCategory = crv::POD.CostCategory;
  if (crv::EQCost.fetch(crv::EQCostRecord::KeyCostCategory) != TableStatus::Ok) {
    if (runLookup(CategoryLookup) != crv::RequestCompleted) {
      select("?POD:CostCategory");
      return Level::Notify;
    }
    crv::POD.CostCategory = crv::EQC.CostCategory;
  }
  if (crv::POD.DetailType == typeEquipment) {
    crv::EQD.clear();
    crv::EQD.CostCategory = crv::POD.CostCategory;
    if (crv::EQCode.fetch(crv::EQCodeRecord::KeyCategoryID) == TableStatus::Ok)
      distribution2_ = crv::EQD.Description.str();
  }
  return Level::Benign;
}

Level UpdatePODetailWindow::changeOrderAccepted() {
  if (acceptingAll()) return Level::Benign;
  if (crv::POD.ChangeOrder.empty()) {
    crv::POD.CODetailID = 0;
    changeOrderDescription_.clear();
    return Level::Benign;
  }
  if (crv::POD.JobID.empty()) {
    tellNoJobForChangeOrder();
    return Level::Notify;
  }
  if (crv::POD.CostCode.empty()) return changeOrderLookup();
  crv::Id found = 0;
  {
    crv::PrivateTable<crv::JCCOHRecord> headers(crv::JCCOHTable);
    crv::PrivateTable<crv::JCCODRecord> details(crv::JCCODTable);
    headers.rec.JobID = crv::POD.JobID;
    if (headers.isOpen() && details.isOpen() &&
        headers.table.setRange(crv::JCCOHRecord::KeyJobID, 1) == TableStatus::Ok) {
      while (found == 0 && headers.table.next() == TableStatus::Ok) {
        if (headers.rec.CONumber != crv::POD.ChangeOrder) continue;
        details.rec.clear();
        details.rec.COID = headers.rec.COID;
        if (details.table.setRange(crv::JCCODRecord::KeyCOID, 1) != TableStatus::Ok) continue;
        while (details.table.next() == TableStatus::Ok)
          if (details.rec.CostCode == crv::POD.CostCode) {
            found = details.rec.CODID;
            break;
          }
      }
    }
  }
  if (found == 0) {
    tellChangeOrderNotFound(crv::POD.CostCode.view());
    crv::POD.ChangeOrder = "";
    crv::POD.CODetailID = 0;
    changeOrderDescription_.clear();
    return Level::Benign;
  }
  crv::POD.CODetailID = found;
  refreshChangeOrder();
  return Level::Benign;
}

Level UpdatePODetailWindow::changeOrderLookup() {
  if (viewOnly()) return Level::Benign;
  if (crv::POD.JobID.empty()) {
    tellNoJobForChangeOrder();
    return Level::Notify;
  }
  crv::TEST = std::to_string(crv::POD.CODetailID);
  crv::JOBFIELD = crv::POD.JobID.str();
  crv::GlobalRequest = crv::SelectRecord;
  LookupChangeOrder();
  const crv::Id chosen = static_cast<crv::Id>(std::strtoul(crv::TEST.c_str(), nullptr, 10));
  crv::TEST = "0";
  if (chosen == 0) return Level::Benign;
  crv::POD.CODetailID = chosen;
  crv::POD.ChangeOrder = crv::JOBFIELD;
  crv::POD.CostCode = crv::REPORTFILTER.view();
  distribution2_ = fetchCostLine(crv::POD.JobID.view(), crv::POD.CostCode.view()) ? crv::JCC.Description.str()
                                                                                  : std::string();
  refreshChangeOrder();
  select("?POD:ChangeOrder");
  return Level::Benign;
}

void UpdatePODetailWindow::refreshChangeOrder() {
  changeOrderDescription_.clear();
  if (crv::POD.CODetailID == 0) return;
  crv::JCCOD.clear();
  crv::JCCOD.CODID = crv::POD.CODetailID;
  if (crv::JCCODTable.fetch(crv::JCCODRecord::KeyCODID) != TableStatus::Ok) return;
  crv::JCCOH.clear();
  crv::JCCOH.COID = crv::JCCOD.COID;
  if (crv::JCCOHTable.fetch(crv::JCCOHRecord::KeyCOID) != TableStatus::Ok) return;
  changeOrderDescription_ = crv::JCCOH.Description.str();
  if (crv::POD.ChangeOrder.empty()) crv::POD.ChangeOrder = crv::JCCOH.CONumber;
  if (crv::POD.CostCode != crv::JCCOD.CostCode) {
    crv::POD.CostCode = crv::JCCOD.CostCode;
    if (fetchCostLine(crv::POD.JobID.view(), crv::POD.CostCode.view())) costCodeClosing();
  }
}

void UpdatePODetailWindow::refreshVendors() {
  vendors_.clear();
  vendorRows_.clear();
  if (crv::POD.ItemID.empty()) return;
  crv::PrivateTable<crv::INVendorRecord> items(crv::INVendor);
  crv::PrivateTable<crv::APVendorRecord> vendor(crv::APVendor);
  items.rec.ItemID = crv::POD.ItemID;
  if (!items.isOpen() || items.table.setRange(crv::INVendorRecord::KeyItemID, 1) != TableStatus::Ok) return;
  while (items.table.next() == TableStatus::Ok) {
    vendor.rec.clear();
    vendor.rec.VendorID = items.rec.VendorID;
    const std::string name =
        vendor.fetch(crv::APVendorRecord::KeyVendorID) ? vendor.rec.VendorName.str() : "";
    const std::string price = "$" + crv::Picture::parse("@n_12.2").formatTrimmed(items.rec.Price) + " per " +
                              items.rec.UnitName.str();
    vendors_.addRow({crv::Picture::parse("@n3").format(items.rec.Priority),
                     std::to_string(items.rec.VendorID), name, price,
                     crv::Picture::parse("@n-15.4").format(items.rec.MinimumOrder)});
    vendorRows_.push_back(items.rec.RecordID);
  }
  if (!vendorRows_.empty()) vendors_.setCurrent(0);
}

Level UpdatePODetailWindow::selectVendor() {
  if (viewOnly()) return Level::Benign;
  const int row = vendors_.current();
  if (row < 0 || row >= static_cast<int>(vendorRows_.size())) return Level::Benign;
  crv::INV.clear();
  crv::INV.RecordID = vendorRows_[static_cast<std::size_t>(row)];
  if (crv::INVendor.fetch(crv::INVendorRecord::KeyRecordID) != TableStatus::Ok) return Level::Benign;
  if (crv::INV.VendorID != crv::POM.VendorID && !askAssignNewVendor(crv::INV.VendorID)) return Level::Benign;
  entryState().NewVendorID = crv::INV.VendorID;
  entryState().NewVendorDetailID = crv::POD.DetailID;
  takeVendorItem();
  select("?POD:QtyOrdered");
  return Level::Benign;
}

Level UpdatePODetailWindow::editVendor(bool add) {
  if (viewOnly() || !fetchItem()) return Level::Benign;
  if (add) {
    crv::INV.clear();
    crv::GlobalRequest = crv::InsertRecord;
  } else {
    const int row = vendors_.current();
    if (row < 0 || row >= static_cast<int>(vendorRows_.size())) return Level::Benign;
    crv::INV.clear();
    crv::INV.RecordID = vendorRows_[static_cast<std::size_t>(row)];
    if (crv::INVendor.fetch(crv::INVendorRecord::KeyRecordID) != TableStatus::Ok) return Level::Benign;
    crv::GlobalRequest = crv::ChangeRecord;
  }
  runLookup(VendorItemLookup);
  refreshVendors();
  return Level::Benign;
}

Level UpdatePODetailWindow::validate() {
  if (request() == crv::ViewRecord) return Level::Benign;
  if (entryState().POViewOnly) return Level::Notify;
  if (!crv::POD.TextFlag) {
    const CheckOutcome outcome = checkPricedLine();
    if (!outcome.goOn) {
      if (!outcome.focus.empty()) select(outcome.focus);
      return Level::Notify;
    }
  } else {
    emptyTextLine();
  }
  if (!crv::POD.TextFlag && crv::POD.DetailType == typeJob && crv::SYS.POWarnOverBudget &&
      !overBudgetCheckPasses())
    return Level::Notify;
  crv::POD.Reconciliation = reconciliationState(crv::POD.QtyOrdered, crv::POD.QtyInvoiced);
  if (canada_) crv::POD.Taxable = canadianTaxCode(gst_ != 0, pst_ != 0);
  if (crv::POD.DetailType == typeInventory) {
    if (!fetchItem() || crv::POD.UnitName == crv::INM.UnitName) {
      crv::POD.INVQuantity = outstandingInStockUnits(crv::POD.QtyOrdered, crv::POD.QtyInvoiced);
    } else {
      crv::INC.clear();
      crv::INC.ItemID = crv::POD.ItemID;
      crv::INC.UnitName = crv::POD.UnitName;
      if (crv::INCnvrt.fetch(crv::INCnvrtRecord::KeyItemUnit) == TableStatus::Ok)
        crv::POD.INVQuantity =
            outstandingInStockUnits(crv::POD.QtyOrdered, crv::POD.QtyInvoiced, crv::INC.Factor);
    }
  }
  if (crv::POD.TextFlag) crv::POD.Text = plainTypography(crv::POD.Text.view());
  return Level::Benign;
}

void UpdatePODetailWindow::followTypeKeys() {
  // Keypad 5, 6, 3 and the decimal point choose a detail type while the
  // Detail Type list has the focus, whether the person or a refused OK put
  // it there; elsewhere they stay digits.
  const Control* focus = window().focus();
  const bool onType = focus && focus->is("?POD:DetailType") && focus->isEnabled();
  for (Key key : {Key::Keypad5, Key::Keypad6, Key::Keypad3, Key::KeypadDecimal}) {
    if (onType)
      window().alert(key);
    else
      window().unalert(key);
  }
}

void UpdatePODetailWindow::lockForViewing() {
  for (const auto& owned : window().controls()) {
    Control& c = *owned;
    switch (c.kind()) {
      case ControlKind::Entry:
      case ControlKind::Text:
        c.setReadOnly(true);
        break;
      case ControlKind::Check:
      case ControlKind::DropList:
      case ControlKind::DropCombo:
        c.disable();
        break;
      case ControlKind::Button:
        if (c.role() == ButtonRole::Lookup || c.role() == ButtonRole::Calendar) c.disable();
        break;
      default:
        break;
    }
  }
  control("?Select").hide();
  control("?Add").hide();
  control("?Change").hide();
}

Level UpdatePODetailWindow::takeEvent(const crv::ui::Event& event) {
  const Level level = WindowManager::takeEvent(event);
  followTypeKeys();
  // Keeps the amount in step with a price or quantity changed by any means.
  if (crv::POD.UnitPrice != lastUnitPrice_ || crv::POD.QtyOrdered.rescale<2>().rescale<4>() != lastQuantity_)
    applyAmountRule();
  return level;
}

void UpdatePODetailWindow::readTextCases() {
  using crv::siblings::textCaseFromCode;
  if (auto stored = textCaseFromCode(crv::siblings::getCase("000POD:Description")))
    descriptionCase_ = *stored;
  if (auto stored = textCaseFromCode(crv::siblings::getCase("000POD:VendorCatalogID")))
    catalogCase_ = *stored;
}

void UpdatePODetailWindow::applyTextCase(std::string_view field) {
  if (field == "POD:Description")
    crv::POD.Description = crv::siblings::applyTextCase(crv::POD.Description.view(), descriptionCase_);
  else
    crv::POD.VendorCatalogID = crv::siblings::applyTextCase(crv::POD.VendorCatalogID.view(), catalogCase_);
}

Level UpdatePODetailWindow::takePopupMenu(Control& field) {
  using crv::siblings::TextCase;
  const bool description = field.is("?POD:Description");
  if (!description && !field.is("?POD:VendorCatalogID")) return WindowManager::takePopupMenu(field);
  const std::string name = description ? "POD:Description" : "POD:VendorCatalogID";
  TextCase& current = description ? descriptionCase_ : catalogCase_;
  struct Item {
    TextCase textCase;
    const char* text;
  };
  const Item items[] = {{TextCase::AsTyped, "small text"},
                        {TextCase::Title, "Capitalized Text"},
                        {TextCase::Upper, "ALL CAPS"}};
  crv::ui::PopupRequest menu;
  for (const Item& item : items) {
    if (!menu.items.empty()) menu.items += "|";
    // The current case is marked with a bullet, the others indented alike.
    menu.items += (item.textCase == current ? "\u2022 " : "   ") + std::string(item.text);
  }
  const int chosen = crv::ui::frontEnd().popupMenu(menu);
  if (chosen < 1 || chosen > 3) return Level::Notify;
  current = items[chosen - 1].textCase;
  crv::siblings::getCase(std::string(crv::siblings::textCaseCode(current)) + name);
  applyTextCase(name);
  return Level::Notify;
}

Level UpdatePODetailWindow::takeAlertKey(Key key, Control* focus) {
  if (focus && focus->is("?POD:DetailType")) {
    std::string_view type;
    switch (key) {
      case Key::Keypad5:
        type = typeJob;
        break;
      case Key::Keypad6:
        type = typeAccount;
        break;
      case Key::Keypad3:
        type = typeInventory;
        break;
      case Key::KeypadDecimal:
        type = typeEquipment;
        break;
      default:
        break;
    }
    if (!type.empty()) {
      for (const auto& choice : focus->choices())
        if (choice.text == type) {
          crv::POD.DetailType = type;
          detailTypeChanged();
          break;
        }
      return Level::Notify;
    }
  }
  return WindowManager::takeAlertKey(key, focus);
}

}  // namespace

void updatePODetail() {
  UpdatePODetailWindow procedure;
  procedure.run();
}

}  // namespace crvpo

extern "C" void UpdatePODetail() { crvpo::updatePODetail(); }

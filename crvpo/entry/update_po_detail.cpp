// The purchase-order line form: its modes, opening, OK and keys. The
// window's controls, pricing and distribution are in the files named in
// update_po_detail_p.h.
#include "crvpo/entry/update_po_detail.h"

#include <algorithm>

#include "crvpo/entry/line_amounts.h"
#include "crvpo/entry/line_item_checks.h"
#include "crvpo/entry/over_budget_warning.h"
#include "crvpo/entry/text_line.h"
#include "crvpo/entry/update_po_detail_p.h"
#include "host/data/tables/equipment_tables.h"
#include "host/data/tables/inventory_tables.h"
#include "host/data/tables/job_cost_tables.h"
#include "host/data/tables/ledger_tables.h"
#include "host/data/tables/payables_tables.h"
#include "host/framework/table/private_table.h"
#include "host/siblings/CRVMISC/browse_text.h"

namespace crvpo::detail_form {

UpdatePODetailWindow::UpdatePODetailWindow()
    : WindowManager("UpdatePODetail"), vendors_([this] { return vendorTaken(); }) {
  addTable(crv::PODetail, true);
  for (crv::Table* t : {&crv::Systems, &crv::JCHeader, &crv::JCCost, &crv::JCCOHTable, &crv::JCCODTable,
                        &crv::GLMaster, &crv::EQHeader, &crv::EQCost, &crv::EQCode, &crv::INMaster,
                        &crv::INVendor, &crv::INCnvrt, &crv::APVendor})
    addTable(*t);
  setTitleFor(crv::InsertRecord, "Adding Purchase Order Detail");
  setTitleFor(crv::ChangeRecord, "Changing Purchase Order Detail");
  setTitleFor(crv::ViewRecord, "View Record");
  setRepetitiveInsert(entryState().RepetitiveInsert && request() != crv::ViewRecord);
  textCases_.addField("?POD:Description", "POD:Description", crv::POD.Description);
  textCases_.addField("?POD:VendorCatalogID", "POD:VendorCatalogID", crv::POD.VendorCatalogID);
  addComponent(vendors_);
  addComponent(textCases_);
  build();
  handle();
}

void UpdatePODetailWindow::handle() {
  onAccepted("?POD:ItemID", [this] { return itemAccepted(); });
  onAccepted("?POD:ItemID:Lookup", [this] { return itemLookup(); });
  onAccepted("?POD:UnitName", [this] { return unitAccepted(); });
  onAccepted("?PurchaseUnit", [this] { return unitAccepted(); });
  onSelected("?POD:UnitName", [this] { applyAmountRule(); });
  onSelected("?POD:Taxable", [this] { applyAmountRule(); });
  onAccepted("?POD:QtyOrdered", [this] { return quantityAccepted(); });
  onAccepted("?POD:UnitPrice", [this] {
    if (!acceptingAll()) applyAmountRule();
  });
  onAccepted("?POD:TotalAmount", [this] { return amountAccepted(); });
  onAccepted("?POD:DetailType", [this] { detailTypeChanged(); });
  onAccepted("?POD:TextFlag", [this] { textFlagChanged(); });
  onAccepted("?POD:Text:Lookup", [this] { return textLookup(); });
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
}

void UpdatePODetailWindow::readSettings() {
  crv::readFirst(crv::Systems, crv::SystemsRecord::KeySystemID);
  canada_ = crv::COUNTRY == "Canada";
}

namespace {

// A new line belongs to the order in POM and comes after its last line.
crv::Id nextSequenceNo() {
  crv::PrivateTable<crv::PODetailRecord> lines(crv::PODetail);
  lines.rec.POID = crv::POM.POID;
  crv::Id last = 0;
  if (lines.isOpen() && lines.table.setRange(crv::PODetailRecord::KeyPOID, 1) == TableStatus::Ok)
    while (lines.table.next() == TableStatus::Ok) last = std::max(last, lines.rec.SequenceNo);
  return last + 1;
}

}  // namespace

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
      if (fetchAccount()) distribution1_ = crv::GLM.Description.str();
    }
  }
}

// The detail types the suite's settings allow.
void UpdatePODetailWindow::offerDetailTypes() {
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
  offerDetailTypes();
  describeLine(crv::POD.DetailType.str());
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
  vendors_.show(crv::POD.ItemID.view());
  return Level::Benign;
}

void UpdatePODetailWindow::textFlagChanged() {
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
}

void UpdatePODetailWindow::showTextLine(bool text) {
  control("?LineItemGroup").setHidden(text);
  control("?DistributionGroup").setHidden(text);
  control("?PriorityGroup").setHidden(text || !crv::SYS.POShowPriorityVendors);
  window().setFieldHidden("?POD:Text", !text);
}

Level UpdatePODetailWindow::textLookup() {
  if (viewOnly()) return Level::Benign;
  crv::REPORTFILTER = "PODetail";
  crv::GlobalRequest = crv::SelectRecord;
  BrowseText();
  if (crv::GlobalResponse == crv::RequestCompleted) crv::POD.Text = crv::NOTE.Text.view();
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
  if (crv::POD.DetailType == typeInventory) setInventoryQuantity();
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
  window().lockForViewing();
  control("?Select").hide();
  control("?Add").hide();
  control("?Change").hide();
  vendors_.lock();
}

Level UpdatePODetailWindow::takeEvent(const crv::ui::Event& event) {
  const Level level = WindowManager::takeEvent(event);
  followTypeKeys();
  // Keeps the amount in step with a price or quantity changed by any means.
  if (crv::POD.UnitPrice != lastUnitPrice_ || crv::POD.QtyOrdered.rescale<2>().rescale<4>() != lastQuantity_)
    applyAmountRule();
  return level;
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

}  // namespace crvpo::detail_form

namespace crvpo {

void updatePODetail() {
  detail_form::UpdatePODetailWindow procedure;
  procedure.run();
}

}  // namespace crvpo

extern "C" void UpdatePODetail() { crvpo::updatePODetail(); }

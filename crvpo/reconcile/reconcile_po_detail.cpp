// The line form of receiving.
#include "crvpo/reconcile/reconcile_po_detail.h"

#include <optional>
#include <string>

#include "crvpo/reconcile/enter_serial_numbers.h"
#include "crvpo/reconcile/line_receipt.h"
#include "crvpo/reconcile/serial_numbers.h"
#include "host/data/shared_values.h"
#include "host/data/tables/equipment_tables.h"
#include "host/data/tables/inventory_tables.h"
#include "host/data/tables/job_cost_tables.h"
#include "host/data/tables/ledger_tables.h"
#include "host/data/tables/purchasing_tables.h"
#include "host/framework/services/error_class.h"
#include "host/framework/services/global_request.h"
#include "host/framework/services/message_box.h"
#include "host/framework/table/private_table.h"
#include "host/framework/ui/error_reporter.h"
#include "host/framework/ui/front_end.h"
#include "host/framework/ui/row_list_model.h"
#include "host/framework/ui/window_manager.h"
#include "host/siblings/CRVIN/browse_in_bin.h"
#include "host/siblings/CRVIN/browse_in_loc.h"

namespace crvpo {
namespace {

using crv::Quantity;
using crv::TableStatus;
using crv::ui::Binding;
using crv::ui::ButtonRole;
using crv::ui::Control;
using crv::ui::ControlKind;
using crv::ui::Key;
using crv::ui::Level;

constexpr const char* procedureTitle = "Reconcile Purchase Order Detail";

// "Job 2401 (Cedar Hills ...)": a distribution line.
std::string described(std::string_view what, std::string_view id, std::string_view description) {
  return std::string(what) + " " + std::string(id) + " (" + std::string(description) + ")";
}

class ReconcilePODetailWindow final : public crv::ui::WindowManager {
 public:
  ReconcilePODetailWindow() : WindowManager("ReconcilePODetail"), serialRows_({"Serial Number"}) {
    // Lines are neither added nor deleted here: only a change or a view
    // has a line to open.
    addTable(crv::PODetail, receiving() || request() == crv::ViewRecord);
    for (crv::Table* t : {&crv::INMaster, &crv::GLMaster, &crv::JCHeader, &crv::JCCost, &crv::EQHeader,
                          &crv::EQCode, &crv::INLoc, &crv::INBin, &crv::INSerial, &crv::PODetSer})
      addTable(*t);
    setTitleFor(crv::ChangeRecord, "Reconciling Purchase Order Detail");
    setTitleFor(crv::ViewRecord, "View Record");
    build();
    handle();
  }

 protected:
  Level opening() override;
  Level validate() override;
  Level write() override;
  Level takeAlertKey(Key key, Control* focus) override;

 private:
  bool receiving() const { return request() == crv::ChangeRecord; }
  Quantity totalReceived() const { return crv::POD.QtyRcvdNotInvoiced + crv::POD.QtyThisPackSlip; }
  void build();
  void buildSerials();
  void handle();

  void describeCharge();
  void showDistribution();
  void showLocation();
  bool fetchArea();
  void showArea();
  Level locationAccepted();
  Level areaAccepted();
  int chooseLocation();
  int chooseArea();

  void loadSerials();
  void showSerialControls();
  void refreshSerialRows();
  Level quantityAccepted();
  Level editSerial(bool adding);
  Level deleteSerial();
  Level refuse(const SerialRefusal& refusal, std::string_view focus = {});

  bool serialized_ = false;
  SerialNumberList serials_;
  crv::ui::RowListModel serialRows_;
  crv::Text<40> serialNo_;  // LOC:SerialNo
  std::string distribution1_;
  std::string distribution2_;
  std::string locationDescription_;
  std::string areaDescription_;
};

void ReconcilePODetailWindow::build() {
  crv::ui::Window& w = window();
  w.setTitle(procedureTitle);
  w.setHelp("html/PO_Reconcile_Purchase_Orders.htm", "po_reconciling_a_purchase_order");
  w.addField("Item ID:", "?POD:ItemID", Binding::field(crv::POD, crv::POD.ItemID), "@s15").setReadOnly(true);
  w.addField("Description:", "?POD:Description", Binding::field(crv::POD, crv::POD.Description), "@s60")
      .setReadOnly(true);
  Control& distribution = w.addPrompt("?Distribution:Prompt", "Distribution:");
  w.addString("?Distribution1", "")
      .bind(Binding::local(distribution1_, "Distribution1"))
      .setPrompt(distribution);
  w.addString("?Distribution2", "").bind(Binding::local(distribution2_, "Distribution2"));

  w.addLookup(
      w.addField("Location", "?POD:LocationID", Binding::field(crv::POD, crv::POD.LocationID), "@s10"));
  w.addString("?LocationDescription", "").bind(Binding::local(locationDescription_, "LocationDescription"));
  w.addLookup(w.addField("Area", "?POD:BinID", Binding::field(crv::POD, crv::POD.BinID), "@s10"));
  w.addString("?AreaDescription", "").bind(Binding::local(areaDescription_, "AreaDescription"));

  w.addField("Original Order Quantity", "?POD:QtyOrdered", Binding::field(crv::POD, crv::POD.QtyOrdered),
             "@n-15.2")
      .setReadOnly(true);
  w.addField("Quantity Invoiced", "?POD:QtyInvoiced", Binding::field(crv::POD, crv::POD.QtyInvoiced),
             "@n-15.2")
      .setReadOnly(true);
  w.addField("Received This Pack Slip", "?POD:QtyThisPackSlip",
             Binding::field(crv::POD, crv::POD.QtyThisPackSlip), "@n-15.2");
  w.addField("Received Prior Pack Slips", "?POD:QtyRcvdNotInvoiced",
             Binding::field(crv::POD, crv::POD.QtyRcvdNotInvoiced), "@n-15.2")
      .setReadOnly(true);
  buildSerials();

  w.addButton("?OK", "OK", ButtonRole::Ok).setDefault();
  w.addButton("?Cancel", "Cancel", ButtonRole::Cancel);
  w.addButton("?Help", "Help", ButtonRole::Help);
}

void ReconcilePODetailWindow::buildSerials() {
  crv::ui::Window& w = window();
  Control& group = w.add(ControlKind::Group, "?SerialGroup", "Serial Numbers");
  w.addList("?SerialList", &serialRows_)
      .setColumns({{"Serial Number", 40, crv::Picture::parse("@s40")}})
      .in(group);
  w.addButton("?AddSerial", "&Add").in(group);
  w.addButton("?ChangeSerial", "&Change").in(group);
  w.addButton("?DeleteSerial", "&Delete").in(group);
  w.addField("Serial Number", "?LOC:SerialNo", Binding::local(serialNo_, "LOC:SerialNo"), "@s40");
}

void ReconcilePODetailWindow::handle() {
  onAccepted("?POD:LocationID", [this] { return locationAccepted(); });
  onAccepted("?POD:LocationID:Lookup", [this] {
    if (chooseLocation() == crv::RequestCompleted) showLocation();
  });
  onAccepted("?POD:BinID", [this] { return areaAccepted(); });
  onAccepted("?POD:BinID:Lookup", [this] {
    if (chooseArea() == crv::RequestCompleted) showArea();
  });
  onAccepted("?POD:QtyThisPackSlip", [this] { return quantityAccepted(); });
  onAccepted("?AddSerial", [this] { return editSerial(true); });
  onAccepted("?ChangeSerial", [this] { return editSerial(false); });
  onAccepted("?SerialList", [this] { return editSerial(false); });
  onAccepted("?DeleteSerial", [this] { return deleteSerial(); });
}

Level ReconcilePODetailWindow::opening() {
  if (!receiving() && request() != crv::ViewRecord) {
    crv::ui::errorReporter()->reportError(procedureTitle,
                                          "Purchase order lines are received here, not added or deleted.");
    return Level::Fatal;
  }
  crv::INM.clear();
  crv::INM.ItemID = crv::POD.ItemID;
  serialized_ = !crv::POD.ItemID.empty() &&
                crv::INMaster.fetch(crv::INMasterRecord::KeyItemID) == TableStatus::Ok && crv::INM.Serialized;
  showDistribution();
  loadSerials();
  showSerialControls();
  window().alert(Key::Insert);
  select("?POD:QtyThisPackSlip");
  if (!receiving()) {
    window().lockForViewing();
    for (const char* button : {"?AddSerial", "?ChangeSerial", "?DeleteSerial"}) control(button).hide();
  }
  return Level::Benign;
}

void ReconcilePODetailWindow::describeCharge() {
  if (crv::POD.DetailType == "G/L Account") {
    crv::GLM.clear();
    crv::GLM.Account = crv::POD.Account;
    if (crv::GLMaster.fetch(crv::GLMasterRecord::KeyAccount) == TableStatus::Ok)
      distribution1_ = described("Account", crv::POD.Account.view(), crv::GLM.Description.view());
  } else if (crv::POD.DetailType == "Job") {
    crv::JCH.clear();
    crv::JCH.JobID = crv::POD.JobID;
    const bool job = crv::JCHeader.fetch(crv::JCHeaderRecord::KeyJobID) == TableStatus::Ok;
    crv::JCC.clear();
    crv::JCC.JobID = crv::POD.JobID;
    crv::JCC.CostCode = crv::POD.CostCode;
    if (crv::JCCost.fetch(crv::JCCostRecord::KeyJobCodeType) == TableStatus::Ok) {
      distribution1_ = described("Job", crv::POD.JobID.view(), job ? crv::JCH.JobName.view() : "");
      distribution2_ = described("Cost Code", crv::POD.CostCode.view(), crv::JCC.Description.view());
    }
  } else if (crv::POD.DetailType == "Equipment") {
    crv::EQH.clear();
    crv::EQH.EquipmentID = crv::POD.EquipmentID;
    const bool equipment = crv::EQHeader.fetch(crv::EQHeaderRecord::KeyEquipmentID) == TableStatus::Ok;
    crv::EQD.clear();
    crv::EQD.CostCategory = crv::POD.CostCategory;
    if (crv::EQCode.fetch(crv::EQCodeRecord::KeyCategoryID) == TableStatus::Ok) {
      distribution1_ =
          described("Equipment", crv::POD.EquipmentID.view(), equipment ? crv::EQH.Description.view() : "");
      distribution2_ = described("Cost Category", crv::POD.CostCategory.view(), crv::EQD.Description.view());
    }
  }
}

void ReconcilePODetailWindow::showDistribution() {
  const bool inventory = crv::POD.DetailType == "Inventory";
  const bool charged = crv::POD.DetailType == "G/L Account" || crv::POD.DetailType == "Job" ||
                       crv::POD.DetailType == "Equipment";
  if (charged) describeCharge();
  if (inventory) {
    // INM holds the line's item when it exists.
    if (crv::POD.LocationID.empty()) crv::POD.LocationID = crv::INM.DefaultLocationID;
    if (crv::POD.BinID.empty()) crv::POD.BinID = crv::INM.DefaultBinID;
  }
  window().setFieldHidden("?Distribution1", !charged);
  control("?Distribution2").setHidden(!charged);
  window().setFieldHidden("?POD:LocationID", !inventory);
  window().setFieldHidden("?POD:BinID", !inventory);
  control("?LocationDescription").setHidden(!inventory);
  control("?AreaDescription").setHidden(!inventory);
  if (!inventory) return;
  showLocation();
  showArea();
}

void ReconcilePODetailWindow::showLocation() {
  const bool found = crv::fetchBy(crv::INLoc, crv::INLocRecord::KeyLocationID, crv::INL.LocationID,
                                  crv::POD.LocationID) == TableStatus::Ok;
  locationDescription_ = found ? crv::INL.Description.str() : "";
  window().touch();
}

bool ReconcilePODetailWindow::fetchArea() {
  return crv::fetchBy(crv::INBin, crv::INBinRecord::KeyLocBin, [] {
           crv::INBN.LocationID = crv::POD.LocationID;
           crv::INBN.BinID = crv::POD.BinID;
         }) == TableStatus::Ok;
}

void ReconcilePODetailWindow::showArea() {
  areaDescription_ = fetchArea() ? crv::INBN.Description.str() : "";
  window().touch();
}

int ReconcilePODetailWindow::chooseLocation() {
  if (!receiving()) return crv::RequestCancelled;
  crv::INL.clear();
  crv::INL.LocationID = crv::POD.LocationID;
  crv::GlobalRequest = crv::SelectRecord;
  BrowseINLoc();
  if (crv::GlobalResponse == crv::RequestCompleted) crv::POD.LocationID = crv::INL.LocationID;
  return crv::GlobalResponse;
}

int ReconcilePODetailWindow::chooseArea() {
  if (!receiving()) return crv::RequestCancelled;
  crv::JOBFIELD = crv::POD.LocationID.str();
  crv::INBN.clear();
  crv::INBN.BinID = crv::POD.BinID;
  crv::GlobalRequest = crv::SelectRecord;
  BrowseINBin();
  if (crv::GlobalResponse == crv::RequestCompleted) crv::POD.BinID = crv::INBN.BinID;
  return crv::GlobalResponse;
}

Level ReconcilePODetailWindow::locationAccepted() {
  crv::JOBFIELD = crv::POD.LocationID.str();
  if (acceptingAll()) return Level::Benign;
  if (!crv::POD.LocationID.empty() || control("?POD:LocationID").required()) {
    if (crv::fetchBy(crv::INLoc, crv::INLocRecord::KeyLocationID, crv::INL.LocationID, crv::POD.LocationID) !=
            TableStatus::Ok &&
        chooseLocation() != crv::RequestCompleted)
      return stayOn("?POD:LocationID");
  }
  showLocation();
  return Level::Benign;
}

Level ReconcilePODetailWindow::areaAccepted() {
  crv::JOBFIELD = crv::POD.LocationID.str();
  if (acceptingAll()) return Level::Benign;
  if (!crv::POD.BinID.empty() || control("?POD:BinID").required()) {
    if (!fetchArea() && chooseArea() != crv::RequestCompleted) return stayOn("?POD:BinID");
  }
  showArea();
  return Level::Benign;
}

void ReconcilePODetailWindow::loadSerials() {
  std::vector<ReceivedSerial> rows;
  crv::PrivateTable<crv::PODetSerRecord> stored(crv::PODetSer);
  stored.rec.DetailID = crv::POD.DetailID;
  if (stored.isOpen() && stored.table.setRange(crv::PODetSerRecord::KeyDetailID, 1) == TableStatus::Ok)
    while (stored.table.next() == TableStatus::Ok)
      rows.push_back({stored.rec.RecordID, stored.rec.SerialID, stored.rec.SerialNo.str()});
  serials_.load(std::move(rows));
  refreshSerialRows();
  serialNo_ = "";
  if (crv::POD.SerialID == 0) return;
  crv::INS.clear();
  crv::INS.SerialID = crv::POD.SerialID;
  if (crv::INSerial.fetch(crv::INSerialRecord::KeySerialID) == TableStatus::Ok) serialNo_ = crv::INS.SerialNo;
}

// One unit takes the single serial number, more take the list; what the
// OK checks counts every unit received on the line, on this packing slip
// and earlier ones, and so does this.
void ReconcilePODetailWindow::showSerialControls() {
  const Quantity total = totalReceived();
  control("?SerialGroup").setHidden(!(serialized_ && total > Quantity(1)));
  window().setFieldHidden("?LOC:SerialNo", !(serialized_ && total == Quantity(1)));
}

void ReconcilePODetailWindow::refreshSerialRows() {
  serialRows_.clear();
  for (const ReceivedSerial& row : serials_.rows()) serialRows_.addRow({row.number});
  if (serials_.size() > 0) serialRows_.setCurrent(static_cast<int>(serials_.size()) - 1);
  window().touch();
}

Level ReconcilePODetailWindow::quantityAccepted() {
  if (acceptingAll() || !serialized_) return Level::Benign;
  const Quantity total = totalReceived();
  if (total > Quantity(1)) {
    // The single number, if one was typed, becomes the list's first.
    if (serials_.size() == 0 && !serialNo_.empty()) serials_.add(serialNo_.view(), total);
    crv::POD.SerialID = 0;
    refreshSerialRows();
  } else if (total == Quantity(1)) {
    crv::POD.SerialID = 0;
    if (serials_.size() > 0) serialNo_ = serials_.rows().front().number;
  }
  showSerialControls();
  return Level::Benign;
}

Level ReconcilePODetailWindow::editSerial(bool adding) {
  if (!receiving()) return Level::Benign;
  std::optional<std::size_t> row;
  if (!adding) {
    if (serialRows_.current() < 0) return Level::Benign;
    row = static_cast<std::size_t>(serialRows_.current());
  }
  const int current = serialRows_.current();
  if (!enterSerialNumbers(serials_, totalReceived(), row)) return Level::Benign;
  refreshSerialRows();
  if (row) serialRows_.setCurrent(current);
  return Level::Benign;
}

Level ReconcilePODetailWindow::deleteSerial() {
  if (!receiving() || serialRows_.current() < 0) return Level::Benign;
  const int current = serialRows_.current();
  serials_.remove(static_cast<std::size_t>(current));
  refreshSerialRows();
  if (serials_.size() > 0) serialRows_.setCurrent(std::min(current, static_cast<int>(serials_.size()) - 1));
  return Level::Benign;
}

Level ReconcilePODetailWindow::takeAlertKey(Key key, Control* focus) {
  if (key == Key::Insert) {
    Control& add = control("?AddSerial");
    if (add.isVisible() && add.isEnabled()) post(crv::ui::EventKind::Accepted, &add);
    return Level::Notify;
  }
  return WindowManager::takeAlertKey(key, focus);
}

Level ReconcilePODetailWindow::refuse(const SerialRefusal& refusal, std::string_view focus) {
  crv::ui::frontEnd().beep(crv::ui::Sound::Exclamation);
  crv::message(refusal.text, refusal.title, crv::Icon::Exclamation);
  return focus.empty() ? Level::Notify : stayOn(focus);
}

Level ReconcilePODetailWindow::validate() {
  const Quantity total = totalReceived();
  if (total > crv::POD.QtyOrdered) {
    crv::message("The total reconciled quantity is more than the ordered quantity.", "PO Over Reconciled",
                 crv::Icon::Exclamation);
    return stayOn("?POD:QtyThisPackSlip");
  }
  if (total < Quantity()) {
    crv::message("The total received quantity cannot be less than zero.", "Nothing Received",
                 crv::Icon::Exclamation);
    return stayOn("?POD:QtyThisPackSlip");
  }
  if (!serialized_) return Level::Benign;
  if (total > Quantity(1)) {
    const Quantity count(static_cast<std::int64_t>(serials_.size()));
    if (count > total) return refuse(tooManySerialNumbers(total));
    if (count < total) return refuse(notEnoughSerialNumbers(total));
  } else if (total == Quantity(1) && serialNo_.empty()) {
    return refuse({"No Serial Number", "You must supply a serial number for serialized inventory."},
                  "?LOC:SerialNo");
  }
  return Level::Benign;
}

// The receipt and the line go in one transaction, the line the framework's
// way; when the transaction cannot be committed after the line was
// written, the form stays open as if OK had not been pressed.
Level ReconcilePODetailWindow::write() {
  if (!receiving() || !crv::PODetail.connection()) return WindowManager::write();
  LineReceipt receipt(*crv::PODetail.connection(), crv::POD, crv::POM.VendorID);
  if (serialized_) receipt.setSerialNumbers(serials_.rows(), serialNo_.str());
  Level written = Level::Notify;
  bool lineReported = false;  // the framework tells of a failed write of the line itself
  const OperationOutcome outcome = receipt.record([&](crv::TableSteps& steps) {
    written = WindowManager::write();
    if (written == Level::Benign) return;
    lineReported = true;
    steps.fail(crv::StepFailure::of(crv::PODetail, crv::TableOp::Saving));
  });
  if (outcome.done) {
    serials_.load(receipt.serials());
    return written;
  }
  if (written == Level::Benign) keepOpen();
  if (!lineReported) tellUser(outcome);
  return Level::Notify;
}

}  // namespace

void reconcilePODetail() {
  ReconcilePODetailWindow procedure;
  procedure.run();
}

}  // namespace crvpo

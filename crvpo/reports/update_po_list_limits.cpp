// The form of a listing format.
#include "crvpo/reports/update_po_list_limits.h"

#include "crvpo/entry/job_name_search.h"
#include "crvpo/reports/listing_formats.h"
#include "crvpo/reports/listing_list_values.h"
#include "crvpo/reports/order_pick.h"
#include "host/data/shared_values.h"
#include "host/data/tables/equipment_tables.h"
#include "host/data/tables/job_cost_tables.h"
#include "host/data/tables/payables_tables.h"
#include "host/data/tables/purchasing_tables.h"
#include "host/data/tables/suite_tables.h"
#include "host/framework/services/error_class.h"
#include "host/framework/services/global_request.h"
#include "host/framework/services/message_box.h"
#include "host/framework/table/private_table.h"
#include "host/framework/ui/error_reporter.h"
#include "host/siblings/CRVAP/browse_ap_vendor.h"
#include "host/siblings/CRVEQ/browse_eq_header.h"
#include "host/siblings/CRVJC/browse_jc_code.h"
#include "host/siblings/CRVJC/browse_jc_header.h"
#include "host/siblings/CRVMISC/get_case.h"
#include "host/siblings/CRVMISC/text_case.h"

namespace crvpo {

using crv::POL;
using crv::ui::Binding;
using crv::ui::ButtonRole;
using crv::ui::Control;
using crv::ui::ControlKind;
using crv::ui::Level;

// One of the four selections made by All, Range or List.
struct UpdatePOListLimitsWindow::Selection {
  std::string name;  // "PO": equates "?POGroup", "?POEditList"
  std::string caption;
  std::string option;
  Binding optionBinding;
  std::string from;
  std::string to;
  Binding fromBinding;
  Binding toBinding;
  std::string picture;
  std::string editCaption;
  std::string listName;
};

namespace {

std::vector<std::pair<std::string, crv::Byte*>> selections() {
  return {{"PO", &POL.SelectedPONumbers},
          {"Vendor", &POL.SelectedVendors},
          {"Job", &POL.SelectedJobs},
          {"CostCode", &POL.SelectedCostCodes}};
}

Control& option(crv::ui::Window& w, Control& in, const std::string& equate, const std::string& caption,
                Binding binding, std::initializer_list<std::pair<const char*, std::string>> radios) {
  Control& group = w.add(ControlKind::Option, equate, caption).bind(std::move(binding)).in(in);
  int n = 0;
  for (const auto& [text, value] : radios)
    w.add(ControlKind::Radio, equate + ":" + std::to_string(++n), text).in(group).setRadioValue(value);
  return group;
}

Control& fieldIn(crv::ui::Window& w, Control& in, const std::string& prompt, const std::string& equate,
                 Binding binding, std::string_view picture, std::optional<ButtonRole> button = std::nullopt) {
  Control& entry = w.addField(prompt, equate, std::move(binding), picture).in(in);
  entry.prompt()->in(in);
  if (button) w.addLookup(entry, *button).in(in);
  return entry;
}

std::vector<crv::ui::Choice> userChoices() {
  std::vector<crv::ui::Choice> users;
  crv::PrivateTable<crv::UserFileRecord> file(crv::UserFile);
  if (file.isOpen() && file.table.set(crv::UserFileRecord::KeyUserID) == crv::TableStatus::Ok)
    while (file.table.next() == crv::TableStatus::Ok)
      users.push_back({file.rec.UserID.str(), file.rec.UserID.str()});
  return users;
}

}  // namespace

UpdatePOListLimitsWindow::UpdatePOListLimitsWindow() : WindowManager("UpdatePOListLimits") {
  addTable(crv::POLimits, true);
  build();
}

void UpdatePOListLimitsWindow::build() {
  crv::ui::Window& w = window();
  w.setTitle("Purchase Order Listing Limits");
  w.setIcon("report");
  w.setHelp("html/PO_Purchase_Order_Listing.htm", "listing_limits");
  setTitleFor(crv::ViewRecord, "View Record");

  Control& sheet = w.add(ControlKind::Sheet, "?Pages");
  Control& general = w.add(ControlKind::Tab, "?Pages:General", "&General").in(sheet);
  Control& orders = w.add(ControlKind::Tab, "?Pages:Orders", "&Orders and Vendors").in(sheet);
  Control& jobs = w.add(ControlKind::Tab, "?Pages:Jobs", "&Jobs and Equipment").in(sheet);
  sheet.choose(0);
  buildGeneralPage(general);
  buildOrdersPage(orders);
  buildJobsPage(jobs);

  w.addButton("?LoadDefaults", "Load Defaults");
  w.addButton("?SavePrint", "Save and &Print");
  w.addButton("?OK", "&OK", ButtonRole::Ok).setDefault();
  w.addButton("?Cancel", "&Cancel", ButtonRole::Cancel);
  w.addButton("?Help", "&Help", ButtonRole::Help);
  onAccepted("?LoadDefaults", [this] { loadDefaults(); });
  onAccepted("?SavePrint", [this] { saveAndPrint(); });
  for (const char* equate : {"?POL:SelectedRef", "?POL:SelectedEquipment", "?POL:DateLimitType"})
    onAccepted(equate, [this] { applySelections(); });
}

void UpdatePOListLimitsWindow::buildGeneralPage(Control& page) {
  crv::ui::Window& w = window();
  fieldIn(w, page, "Report Title:", "?POL:ReportTitle", Binding::field(POL, POL.ReportTitle), "@s40")
      .setRequired();
  onAccepted("?POL:ReportTitle", [this] { titleAccepted(); });
  w.addPrompt("?POL:UserID:Prompt", "User:").in(page);
  Control& user = w.addDropList("?POL:UserID", Binding::field(POL, POL.UserID), "").in(page);
  user.setChoices(userChoices()).setPrompt(w.control("?POL:UserID:Prompt"));
  w.addCheck("?POL:Locked", "Lock", Binding::field(POL, POL.Locked)).in(page);
  option(w, page, "?POL:SelectedCat", "Report Format", Binding::field(POL, POL.SelectedCat),
         {{"Detailed", "0"}, {"Omit Line Items", "1"}, {"Summary", "2"}});
  option(w, page, "?POL:Orientation", "Orientation", Binding::field(POL, POL.Orientation),
         {{"Portrait", std::to_string('P')}, {"Landscape", std::to_string('L')}});
  option(w, page, "?POL:Sequence", "Print Sequence", Binding::field(POL, POL.Sequence),
         {{"by PO Number", "P"},
          {"by Reference Number", "R"},
          {"by Job then Vendor", "J"},
          {"by Job then PO Number", "j"}});
  option(w, page, "?POL:SortDetail", "Line Limits", Binding::field(POL, POL.SortDetail),
         {{"Whole POs Only", "W"}, {"Lines Within Limits", "L"}});
  Control& states = w.add(ControlKind::Group, "?ReconciledGroup", "Reconciled Status").in(page);
  w.addCheck("?POL:Unreconciled", "Unreconciled", Binding::field(POL, POL.Unreconciled)).in(states);
  w.addCheck("?POL:PartiallyReconciled", "Partially Reconciled", Binding::field(POL, POL.PartiallyReconciled))
      .in(states);
  w.addCheck("?POL:FullyReconciled", "Fully Reconciled", Binding::field(POL, POL.FullyReconciled)).in(states);
  w.addCheck("?POL:RefFrom", "Include Reconciliation Detail", Binding::field(POL, POL.RefFrom)).in(page);
  w.addCheck("?POL:ColorCoding", "Show Overreconciled as ", Binding::field(POL, POL.ColorCoding)).in(page);
  w.addString("?NegativeOpenAmount", "Negative Open Amount").in(page);
}

void UpdatePOListLimitsWindow::buildOrdersPage(Control& page) {
  crv::ui::Window& w = window();
  addSelection(page,
               {"PO", "Purchase Orders", "?POL:SelectedPONumbers", Binding::field(POL, POL.SelectedPONumbers),
                "?POL:POFrom", "?POL:POTo", Binding::field(POL, POL.POFrom), Binding::field(POL, POL.POTo),
                "@s20", "Edit Puchase Order List", "PONumber"});
  addSelection(page, {"Vendor", "Vendors", "?POL:SelectedVendors", Binding::field(POL, POL.SelectedVendors),
                      "?POL:VendorFrom", "?POL:VendorTo", Binding::field(POL, POL.VendorFrom),
                      Binding::field(POL, POL.VendorTo), "@n_6b", "Edit Vendor List", "VendorID"});
  w.addPrompt("?POL:DateLimitType:Prompt", "Date Limit:").in(page);
  w.addDropList("?POL:DateLimitType", Binding::field(POL, POL.DateLimitType), "")
      .in(page)
      .setPrompt(w.control("?POL:DateLimitType:Prompt"))
      .setChoices({{"No Date Limit", ""},
                   {"Issue Date", "I"},
                   {"Acceptance Date", "A"},
                   {"Expected Delivery Date", "E"},
                   {"Deadline Date", "D"},
                   {"Approval Date", "P"}});
  fieldIn(w, page, "From:", "?POL:DateFrom", Binding::field(POL, POL.DateFrom), "@d1b", ButtonRole::Calendar);
  fieldIn(w, page, "To:", "?POL:DateTo", Binding::field(POL, POL.DateTo), "@d1b", ButtonRole::Calendar);
}

void UpdatePOListLimitsWindow::buildJobsPage(Control& page) {
  crv::ui::Window& w = window();
  option(w, page, "?POL:SelectedRef", "Include", Binding::field(POL, POL.SelectedRef),
         {{"Jobs Only", "1"}, {"Non-Jobs Only", "2"}, {"Both", "3"}});
  addSelection(page, {"Job", "Jobs", "?POL:SelectedJobs", Binding::field(POL, POL.SelectedJobs),
                      "?POL:JobFrom", "?POL:JobTo", Binding::field(POL, POL.JobFrom),
                      Binding::field(POL, POL.JobTo), "@s10", "Edit Job List", "JobID"});
  Control& jobGroup = w.control("?JobGroup");
  w.addCheck("?POL:CatFrom", "Inlcude Inactive Jobs", Binding::field(POL, POL.CatFrom))
      .in(jobGroup)
      .setCheckValues("Y", "");
  w.addCheck("?POL:CatTo", "Include Closed Jobs", Binding::field(POL, POL.CatTo))
      .in(jobGroup)
      .setCheckValues("Y", "");
  for (const char* equate : {"?POL:JobFrom", "?POL:JobTo"})
    onAccepted(equate, [this, equate] { return jobAccepted(equate); });
  addSelection(
      page, {"CostCode", "Cost Codes", "?POL:SelectedCostCodes", Binding::field(POL, POL.SelectedCostCodes),
             "?POL:CostCodeFrom", "?POL:CostCodeTo", Binding::field(POL, POL.CostCodeFrom),
             Binding::field(POL, POL.CostCodeTo), "@s10", "Edit Cost Code List", "CostCode"});
  Control& equipment = w.add(ControlKind::Group, "?EquipmentGroup", "Equipment").in(page);
  w.addCheck("?POL:SelectedEquipment", "Select Equipment", Binding::field(POL, POL.SelectedEquipment))
      .in(equipment);
  fieldIn(w, equipment, "From:", "?POL:EqFrom", Binding::field(POL, POL.EqFrom), "@s10", ButtonRole::Lookup);
  fieldIn(w, equipment, "To:", "?POL:EqTo", Binding::field(POL, POL.EqTo), "@s10", ButtonRole::Lookup);
  for (const char* equate : {"?POL:EqFrom:Lookup", "?POL:EqTo:Lookup"})
    onAccepted(equate, [this, equate] { return lookUp(equate); });
}

void UpdatePOListLimitsWindow::addSelection(Control& page, const Selection& s) {
  crv::ui::Window& w = window();
  Control& group = w.add(ControlKind::Group, "?" + s.name + "Group", s.caption).in(page);
  option(w, group, s.option, "", s.optionBinding, {{"All", "0"}, {"Range", "1"}, {"List", "2"}});
  fieldIn(w, group, "From:", s.from, s.fromBinding, s.picture, ButtonRole::Lookup);
  fieldIn(w, group, "To:", s.to, s.toBinding, s.picture, ButtonRole::Lookup);
  w.addButton("?" + s.name + "EditList", s.editCaption).in(group);
  onAccepted(s.option, [this] { applySelections(); });
  for (const std::string& equate : {s.from, s.to}) {
    const std::string lookup = equate + ":Lookup";
    onAccepted(lookup, [this, lookup] { return lookUp(lookup.c_str()); });
  }
  onAccepted("?" + s.name + "EditList", [this, list = s.listName] { editList(list.c_str()); });
}

void UpdatePOListLimitsWindow::primeFields() {
  primeListingFormat(POL);
  POL.Orientation = 'P';
}

Level UpdatePOListLimitsWindow::opening() {
  if (request() == crv::InsertRecord) {
    window().setTitle("Adding a Purchase Order Listing  (New)");
  } else if (request() == crv::ChangeRecord || request() == crv::DeleteRecord) {
    window().setTitle("Changing a Purchase Order Listing  (" + POL.ReportTitle.str() + ")");
    if (POL.SelectedRef == 0) POL.SelectedRef = 3;
    if (POL.SortDetail.empty()) POL.SortDetail = "W";
  }
  if (crv::GENERIC != 0) control("?Pages:Jobs").hide();
  if (request() == crv::DeleteRecord || request() == crv::ViewRecord) {
    control("?SavePrint").disable();
    control("?LoadDefaults").disable();
  }
  applySelections();
  lockIfOwnedByAnother();
  return Level::Benign;
}

void UpdatePOListLimitsWindow::applySelections() {
  if (POL.SelectedRef == 2) {
    POL.SelectedJobs = 0;
    POL.SelectedCostCodes = 0;
  }
  control("?JobGroup").setDisabled(POL.SelectedRef == 2);
  control("?CostCodeGroup").setDisabled(POL.SelectedRef == 2);
  for (const auto& [name, value] : selections()) {
    const std::string from = name == "PO" ? "?POL:POFrom" : "?POL:" + name + "From";
    const std::string to = name == "PO" ? "?POL:POTo" : "?POL:" + name + "To";
    for (const std::string& equate : {from, to, from + ":Lookup", to + ":Lookup"})
      control(equate).setDisabled(*value != 1);
    control("?" + name + "EditList").setDisabled(*value != 2);
  }
  for (const char* equate : {"?POL:EqFrom", "?POL:EqTo", "?POL:EqFrom:Lookup", "?POL:EqTo:Lookup"})
    control(equate).setDisabled(POL.SelectedEquipment != 1);
  for (const char* equate : {"?POL:DateFrom", "?POL:DateTo", "?POL:DateFrom:Lookup", "?POL:DateTo:Lookup"})
    control(equate).setDisabled(POL.DateLimitType.empty());
  window().touch();
}

void UpdatePOListLimitsWindow::lockIfOwnedByAnother() {
  if (crv::PURCHASELEVEL != 2) {
    control("?POL:Locked").hide();
    return;
  }
  if (POL.UserID.empty()) POL.UserID = crv::UserID.view();
  if (lockingOwner(POL).empty()) return;
  for (const auto& c : window().controls()) {
    if (c->isEntryLike() || (c->kind() == ControlKind::Button && c->role() != ButtonRole::Cancel &&
                             c->role() != ButtonRole::Help))
      c->disable();
  }
}

void UpdatePOListLimitsWindow::titleAccepted() {
  if (acceptingAll()) return;
  const auto textCase = crv::siblings::textCaseFromCode(crv::siblings::getCase("000ReportTitle"));
  if (textCase) POL.ReportTitle = crv::siblings::applyTextCase(POL.ReportTitle.view(), *textCase);
}

Level UpdatePOListLimitsWindow::jobAccepted(const char* equate) {
  if (acceptingAll()) return Level::Benign;
  crv::Text<10>& job = std::string_view(equate) == "?POL:JobFrom" ? POL.JobFrom : POL.JobTo;
  const JobNameMatch match = searchJobByName(job.view());
  resetComponents();
  if (match.outcome == JobNameMatch::Outcome::NotAName) return Level::Benign;
  if (match.outcome == JobNameMatch::Outcome::NotPicked) {
    select(equate);
    return Level::Notify;
  }
  job = match.jobId;
  window().touch();
  return Level::Benign;
}

Level UpdatePOListLimitsWindow::lookUp(const char* lookupEquate) {
  const std::string_view equate(lookupEquate);
  const std::string field(equate.substr(0, equate.size() - std::string_view(":Lookup").size()));
  std::optional<std::string> chosen;
  if (field == "?POL:POFrom" || field == "?POL:POTo") {
    if (const auto picked = browseOrdersToSelect()) chosen = picked->number;
  } else if (field == "?POL:VendorFrom" || field == "?POL:VendorTo") {
    if (chooseFromList(BrowseAPVendor)) chosen = std::to_string(crv::APV.VendorID);
  } else if (field == "?POL:JobFrom" || field == "?POL:JobTo") {
    if (chooseFromList(BrowseJCHeader)) chosen = crv::JCH.JobID.str();
  } else if (field == "?POL:CostCodeFrom" || field == "?POL:CostCodeTo") {
    if (chooseFromList(BrowseJCCode)) chosen = listingCostCode(crv::JCD.CostCode.view());
  } else if (chooseFromList(BrowseEQHeader)) {
    chosen = crv::EQH.EquipmentID.str();
  }
  resetComponents();
  if (chosen) control(field).binding().setPlain(*chosen);
  window().touch();
  select(field);
  return Level::Notify;
}

void UpdatePOListLimitsWindow::editList(const char* listName) {
  crv::siblings::editLimList("POLimits", POL.LimitID, listName, listingListKind(listName));
  resetComponents();
}

void UpdatePOListLimitsWindow::loadDefaults() {
  if (crv::message("Are you sure you want to replace the displayed|limits with default limits?",
                   "Confirm Loading Default Limits", crv::Icon::Question, "&Yes|&No", 2) != 1)
    return;
  const crv::Id id = POL.LimitID;
  const crv::Text<40> title = POL.ReportTitle;
  POL.clear();
  POL.LimitID = id;
  POL.ReportTitle = title;
  primeFields();
  applySelections();
}

Level UpdatePOListLimitsWindow::validate() {
  POL.ModifyDate = crv::Date::today();
  POL.SelectedDates = POL.DateLimitType.empty() ? 0 : 1;
  return Level::Benign;
}

Level UpdatePOListLimitsWindow::write() {
  const bool insert = request() == crv::InsertRecord && !insertedEarly_;
  if (!keepOpenOnWrite_ && (insert || request() != crv::InsertRecord)) return WindowManager::write();
  // Save and Print writes and stays open; a format it added is changed by
  // later writes.
  const crv::TableStatus status = insert ? crv::POLimits.tryInsert() : crv::POLimits.tryUpdate();
  if (status != crv::TableStatus::Ok) {
    crv::ui::errorReporter()->reportTableError(crv::POLimits.lastError(),
                                               insert ? crv::TableOp::Inserting : crv::TableOp::Saving);
    return Level::Notify;
  }
  insertedEarly_ = insertedEarly_ || insert;
  setResponse(crv::RequestCompleted);
  if (!keepOpenOnWrite_) complete(crv::RequestCompleted);
  return Level::Benign;
}

void UpdatePOListLimitsWindow::written() {
  written_ = true;
  if (request() == crv::DeleteRecord) forgetListingFormat(POL.LimitID);
}

void UpdatePOListLimitsWindow::saveAndPrint() {
  written_ = false;
  keepOpenOnWrite_ = true;
  takeCompleted();
  keepOpenOnWrite_ = false;
  if (!written_) return;
  const crv::Id id = POL.LimitID;
  printListingFormat(id);
  POL.clear();
  POL.LimitID = id;
  crv::POLimits.fetch(crv::POLimitsRecord::KeyLimitID);
  resetComponents();
  window().touch();
}

void UpdatePOListLimitsWindow::closing() {
  // An added format given up takes the list values entered for it along:
  // its number is handed out again.
  if (request() == crv::InsertRecord && response() != crv::RequestCompleted) forgetListingFormat(POL.LimitID);
}

void forgetListingFormat(crv::Id limitId) {
  crv::PrivateTable<crv::LimListRecord> values(crv::LimList);
  values.rec.Owner = "POLimits";
  values.rec.LimitID = limitId;
  if (values.isOpen() && values.table.setRange(crv::LimListRecord::KeyLimit, 2) == crv::TableStatus::Ok)
    while (values.table.next() == crv::TableStatus::Ok) values.table.tryRemove();
  crv::PrivateTable<crv::MemLimitRecord> favourites(crv::MemLimit);
  if (favourites.isOpen() && favourites.table.set(crv::MemLimitRecord::KeyMemLimitID) == crv::TableStatus::Ok)
    while (favourites.table.next() == crv::TableStatus::Ok)
      if (favourites.rec.LimitID == limitId && favourites.rec.Owner == "POLimits")
        favourites.table.tryRemove();
}

}  // namespace crvpo

void UpdatePOListLimits() { crvpo::UpdatePOListLimitsWindow().run(); }

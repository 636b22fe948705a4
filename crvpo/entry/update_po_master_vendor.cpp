// The header form's vendor: typed by number or by the start of its name,
// chosen from the name list or the vendor list, or taken from a line's
// priority-vendor list; its phone, fax and terms; its address for the
// "&More Vendor Info" box.
#include <string>

#include "crvpo/entry/entry_state.h"
#include "crvpo/entry/item_repricing.h"
#include "crvpo/entry/update_po_master_window.h"
#include "crvpo/entry/vendor_name_list.h"
#include "crvpo/foundation/vendor_information.h"
#include "host/data/tables/payables_tables.h"
#include "host/framework/services/global_request.h"
#include "host/framework/services/message_box.h"
#include "host/framework/values/picture.h"
#include "host/siblings/CRVAP/browse_ap_vendor.h"

namespace crvpo {

using crv::ui::Level;

bool UpdatePOMasterWindow::fetchVendor(crv::Id vendorId) {
  crv::APV.clear();
  crv::APV.VendorID = vendorId;
  if (vendorId != 0 && crv::APVendor.fetch(crv::APVendorRecord::KeyVendorID) == crv::TableStatus::Ok)
    return true;
  crv::APV.clear();
  return false;
}

void UpdatePOMasterWindow::showVendorNames() {
  std::vector<crv::ui::Choice> choices;
  for (const VendorNameEntry& entry : entryState().VendorNameList)
    choices.push_back({entry.name, std::to_string(entry.vendorId)});
  control("?LocalVendorName").setChoices(std::move(choices));
}

Level UpdatePOMasterWindow::enteredVendorAccepted() {
  if (acceptingAll() || viewOnly()) return Level::Benign;
  return takeEnteredVendor(readEnteredVendor(*crv::APVendor.connection(), enteredVendor_.view()));
}

Level UpdatePOMasterWindow::takeEnteredVendor(const EnteredVendor& entered) {
  crv::POM.VendorID = entered.vendorId;
  if (entered.kind == EnteredVendor::Kind::OneMatch || entered.kind == EnteredVendor::Kind::SeveralMatches) {
    enteredVendor_ = std::to_string(entered.vendorId);
    localVendorName_ = entered.vendorName;
    vendorChoice_ = std::to_string(entered.vendorId);
  }
  if (entered.kind != EnteredVendor::Kind::SeveralMatches) return validateVendor();
  // Several vendors' names start so: the first is shown and the person
  // chooses in the name list.
  fetchVendor(entered.vendorId);
  select("?LocalVendorName");
  return Level::Notify;
}

Level UpdatePOMasterWindow::vendorNameChosen() {
  if (acceptingAll() || viewOnly()) return Level::Benign;
  const crv::Id chosen = static_cast<crv::Id>(std::strtoul(vendorChoice_.c_str(), nullptr, 10));
  crv::POM.VendorID = chosen;
  enteredVendor_ = std::to_string(chosen);
  return validateVendor();
}

Level UpdatePOMasterWindow::vendorLookup() {
  if (viewOnly()) return Level::Benign;
  fetchVendor(crv::POM.VendorID);
  crv::GlobalRequest = crv::SelectRecord;
  BrowseAPVendor();
  resetComponents();
  if (crv::GlobalResponse != crv::RequestCompleted) {
    fetchVendor(crv::POM.VendorID);
    return Level::Benign;
  }
  crv::POM.VendorID = crv::APV.VendorID;
  return validateVendor();
}

// Steps 4 to 7 of vendor entry: the number exists (or is chosen from the
// vendor list), is active or confirmed, and becomes the order's vendor.
// No vendor: the fields are emptied and the person is back on the number.
Level UpdatePOMasterWindow::clearVendor() {
  crv::POM.VendorID = 0;
  enteredVendor_ = "";
  localVendorName_ = "";
  vendorChoice_ = "0";
  crv::APV.clear();
  select("?EnteredVendor");
  return Level::Notify;
}

Level UpdatePOMasterWindow::validateVendor() {
  if (crv::POM.VendorID != 0 && !fetchVendor(crv::POM.VendorID)) {
    crv::GlobalRequest = crv::SelectRecord;
    BrowseAPVendor();
    resetComponents();
    if (crv::GlobalResponse != crv::RequestCompleted) {
      select("?POM:VendorID");
      return Level::Notify;
    }
    crv::POM.VendorID = crv::APV.VendorID;
  }
  if (crv::POM.VendorID == 0) return clearVendor();
  enteredVendor_ = std::to_string(crv::POM.VendorID);
  if (crv::APV.Active == 0 &&
      crv::message("Vendor " +
                       std::string(crv::clip(crv::Picture::parse("@N_5").formatTrimmed(crv::POM.VendorID))) +
                       ", " + crv::APV.VendorName.str() +
                       " has been marked inactive.  Are you sure you wish to select this vendor?",
                   "Inactive Vendor Selected", crv::Icon::Question, "&Yes|&No", 2) != 1) {
    return clearVendor();
  }
  localVendorName_ = crv::APV.VendorName.view();
  rememberVendorName(entryState().VendorNameList, crv::POM.VendorID, crv::APV.VendorName.view());
  showVendorNames();
  vendorChoice_ = std::to_string(crv::POM.VendorID);
  crv::POM.Terms = crv::APV.DueTerms.view();
  if (crv::POM.VendorID != lastVendor_) {
    lastVendor_ = crv::POM.VendorID;
    if (resetItemPricing(entryState().NewVendorDetailID).repriced > 0) linesChanged();
    fetchVendor(crv::POM.VendorID);
  }
  return Level::Benign;
}

// A vendor the person took from a line's priority-vendor list becomes the
// order's vendor.
void UpdatePOMasterWindow::takeNewVendorFromLine() {
  EntryState& state = entryState();
  if (state.NewVendorID == 0) return;
  crv::POM.VendorID = state.NewVendorID;
  state.NewVendorID = 0;
  validateVendor();
}

void UpdatePOMasterWindow::showVendorInformation() {
  crv::message(vendorInformationText(crv::APV), "Additional Subcontractor Info", crv::Icon::None, "&OK");
}

}  // namespace crvpo

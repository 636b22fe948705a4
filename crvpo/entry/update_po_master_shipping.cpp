// The header form's ship-to address, order number, default job and
// purchasing agent.
#include <string>

#include "crvpo/entry/enter_ship_to_address.h"
#include "crvpo/entry/job_name_search.h"
#include "crvpo/entry/ship_to_address.h"
#include "crvpo/entry/update_po_master_window.h"
#include "host/data/shared_values.h"
#include "host/data/tables/job_cost_tables.h"
#include "host/data/tables/payables_tables.h"
#include "host/data/tables/receivables_tables.h"
#include "host/data/tables/suite_tables.h"
#include "host/framework/services/global_request.h"
#include "host/framework/services/message_box.h"
#include "host/framework/table/private_table.h"
#include "host/framework/ui/front_end.h"
#include "host/siblings/CRVAP/browse_ap_vendor_alias.h"
#include "host/siblings/CRVAR/browse_ar_cust.h"
#include "host/siblings/CRVAR/browse_ar_ship_to.h"
#include "host/siblings/CRVJC/browse_jc_header.h"
#include "host/siblings/CRVMISC/update_drop_list.h"

namespace crvpo {

using crv::ui::Level;

namespace {

constexpr std::string_view agentList = "POM Purchasing Agent";

bool fetchJob(std::string_view job) {
  crv::JCH.clear();
  crv::JCH.JobID = job;
  return !crv::clip(job).empty() &&
         crv::JCHeader.fetch(crv::JCHeaderRecord::KeyJobID) == crv::TableStatus::Ok;
}

bool fetchShipToVendor(crv::Id vendor) {
  crv::APVA.clear();
  crv::APVA.VendorID = vendor;
  return crv::APVendorAlias.fetch(crv::APVendorRecord::KeyVendorID) == crv::TableStatus::Ok;
}

bool fetchCustomer(crv::Id customer) {
  crv::ARC.clear();
  crv::ARC.CustomerID = customer;
  return crv::ARCust.fetch(crv::ARCustRecord::KeyCustomerID) == crv::TableStatus::Ok;
}

// Runs a sibling's list to choose a record; true when one was chosen.
bool choose(void (*list)()) {
  crv::GlobalRequest = crv::SelectRecord;
  list();
  return crv::GlobalResponse == crv::RequestCompleted;
}

}  // namespace

// Adds a purchasing agent to the drop-down list unless it is there.
void rememberAgent(std::string_view agent) {
  crv::PrivateTable<crv::DropListRecord> values(crv::DropList);
  values.rec.FieldName = agentList;
  values.rec.FieldValue = agent;
  if (!values.isOpen() || crv::clip(agent).empty() || values.fetch(crv::DropListRecord::KeyFieldValue))
    return;
  values.rec.clear();
  if (values.table.primeAutoInc() != crv::TableStatus::Ok) {
    crv::message(values.table.lastError().describe() + " Autoincrementing DropList");
    return;
  }
  values.rec.FieldName = agentList;
  values.rec.FieldValue = agent;
  values.rec.UserID = crv::UserID.view();
  values.rec.DateAdded = crv::Date::today();
  if (values.table.tryInsert() != crv::TableStatus::Ok) {
    crv::message(values.table.lastError().describe() + " Inserting DropList");
    values.table.cancelAutoInc();
  }
}

void UpdatePOMasterWindow::showShipToFields() {
  const std::string type = crv::POM.ShipToType.str();
  window().setFieldHidden("?POM:ShipToJob", type != shipToJob);
  window().setFieldHidden("?POM:ShipToVendor", type != shipToVendor);
  window().setFieldHidden("?POM:ShipToCustomer", type != shipToCustomer);
  control("?Alternate").setHidden(type != shipToCustomer);
  cityStateZip_ = cityStateZip(crv::POM);
}

Level UpdatePOMasterWindow::shipToTypeChosen() {
  if (acceptingAll() || viewOnly()) return Level::Benign;
  showShipToFields();
  const std::string type = crv::POM.ShipToType.str();
  if (type == shipToCompany) {
    readSettings();
    shipToCompanyAddress(crv::POM, crv::SYS);
    cityStateZip_ = cityStateZip(crv::POM);
  } else if (type == shipToOther) {
    return editShipping();
  }
  return Level::Benign;
}

Level UpdatePOMasterWindow::editShipping() {
  if (viewOnly()) return Level::Benign;
  crv::GlobalRequest = 0;
  enterShipToAddress();
  cityStateZip_ = cityStateZip(crv::POM);
  window().touch();
  return Level::Benign;
}

// Fills the ship-to address from the job, vendor or customer of the
// chosen type; the record is in its buffer.
void UpdatePOMasterWindow::fillShipToFromRecord() {
  const std::string type = crv::POM.ShipToType.str();
  if (type == shipToJob && fetchJob(crv::POM.ShipToJob.view()))
    shipToJobAddress(crv::POM, crv::JCH);
  else if (type == shipToVendor && fetchShipToVendor(crv::POM.ShipToVendor))
    shipToVendorAddress(crv::POM, crv::APVA);
  else if (type == shipToCustomer && fetchCustomer(crv::POM.ShipToCustomer))
    shipToCustomerAddress(crv::POM, crv::ARC);
  cityStateZip_ = cityStateZip(crv::POM);
}

Level UpdatePOMasterWindow::shipToJobAccepted(bool lookedUp) {
  if (acceptingAll() || viewOnly()) return Level::Benign;
  if (lookedUp || (!crv::POM.ShipToJob.empty() && !fetchJob(crv::POM.ShipToJob.view()))) {
    const bool chosen = choose(BrowseJCHeader);
    resetComponents();
    if (!chosen) {
      select("?POM:ShipToJob");
      return Level::Notify;
    }
    crv::POM.ShipToJob = crv::JCH.JobID;
  }
  fillShipToFromRecord();
  return Level::Benign;
}

Level UpdatePOMasterWindow::shipToVendorAccepted(bool lookedUp) {
  if (acceptingAll() || viewOnly()) return Level::Benign;
  if (lookedUp || (crv::POM.ShipToVendor != 0 && !fetchShipToVendor(crv::POM.ShipToVendor))) {
    const bool chosen = choose(BrowseAPVendorAlias);
    resetComponents();
    if (!chosen) {
      select("?POM:ShipToVendor");
      return Level::Notify;
    }
    crv::POM.ShipToVendor = crv::APVA.VendorID;
  }
  fillShipToFromRecord();
  return Level::Benign;
}

Level UpdatePOMasterWindow::shipToCustomerAccepted(bool lookedUp) {
  if (acceptingAll() || viewOnly()) return Level::Benign;
  if (lookedUp || (crv::POM.ShipToCustomer != 0 && !fetchCustomer(crv::POM.ShipToCustomer))) {
    const bool chosen = choose(BrowseARCust);
    resetComponents();
    if (!chosen) {
      select("?POM:ShipToCustomer");
      return Level::Notify;
    }
    crv::POM.ShipToCustomer = crv::ARC.CustomerID;
  }
  fillShipToFromRecord();
  return Level::Benign;
}

Level UpdatePOMasterWindow::alternateShipTo() {
  if (viewOnly()) return Level::Benign;
  if (crv::POM.ShipToCustomer == 0) {
    crv::message("Please select a ship-to customer.", "No Customer Selected", crv::Icon::Information);
    select("?POM:ShipToCustomer");
    return Level::Notify;
  }
  crv::GlobalReportLimit = crv::POM.ShipToCustomer;
  const bool chosen = choose(BrowseARShipTo);
  crv::GlobalReportLimit = 0;
  resetComponents();
  if (chosen) {
    shipToAlternateAddress(crv::POM, crv::ARS);
    cityStateZip_ = cityStateZip(crv::POM);
  }
  return Level::Benign;
}

Level UpdatePOMasterWindow::poNumberAccepted() {
  if (acceptingAll() || viewOnly() || !warnDuplicateNumber_ || crv::POM.PONumber.empty())
    return Level::Benign;
  crv::POM1.clear();
  crv::POM1.PONumber = crv::POM.PONumber;
  bool taken = false;
  if (crv::POMasterAlias.setRange(crv::POMasterRecord::KeyPONumber, 1) == crv::TableStatus::Ok)
    while (!taken && crv::POMasterAlias.next() == crv::TableStatus::Ok)
      taken = crv::POM1.POID != crv::POM.POID;
  if (!taken) return Level::Benign;
  crv::ui::frontEnd().beep(crv::ui::Sound::Default);
  if (crv::message("Purchase Order Number " + crv::POM.PONumber.str() + " has already been entered." +
                       "||Re-enter the Purchase Order number?",
                   "Duplicate PO Number Warning", crv::Icon::Exclamation, "&Yes|&No") == 1) {
    crv::POM.PONumber = "";
    select("?POM:PONumber");
    return Level::Notify;
  }
  return Level::Benign;
}

Level UpdatePOMasterWindow::defaultJobAccepted() {
  if (acceptingAll() || viewOnly()) return Level::Benign;
  if (auto chosen = chooseJobByName(crv::POM.DefaultJob.view())) {
    crv::POM.DefaultJob = *chosen;
    if (chosen->empty()) {
      select("?POM:DefaultJob");
      return Level::Notify;
    }
  }
  if (crv::POM.DefaultJob.empty()) return Level::Benign;
  if (!fetchJob(crv::POM.DefaultJob.view())) {
    const bool chosen = choose(BrowseJCHeader);
    resetComponents();
    if (!chosen) {
      select("?POM:DefaultJob");
      return Level::Notify;
    }
    crv::POM.DefaultJob = crv::JCH.JobID;
  }
  const std::string job = crv::POM.DefaultJob.str();
  if (crv::JCH.Closed == 1) {
    crv::ui::frontEnd().beep(crv::ui::Sound::Exclamation);
    crv::message("Job " + job + " is closed to new transactions, please select a different " + "Job ID.",
                 "Job is Closed", crv::Icon::Exclamation);
    crv::POM.DefaultJob = "";
    select("?POM:DefaultJob");
    return Level::Notify;
  }
  if (crv::JCH.Active == 0) {
    crv::ui::frontEnd().beep(crv::ui::Sound::Question);
    if (crv::message("Job " + job + " has been marked 'Inactive', are you sure you want to " +
                         "assign this invoice to this job",
                     "Assign to Inactive Job?", crv::Icon::Question, "&Yes|&No") != 1) {
      crv::POM.DefaultJob = "";
      select("?POM:DefaultJob");
      return Level::Notify;
    }
  }
  if (!crv::JCH.APTaxRate.isZero()) {
    crv::POM.Taxable = 1;
    crv::POM.TaxRate = crv::JCH.APTaxRate.toDouble();
    return taxRateAccepted();
  }
  return Level::Benign;
}

void UpdatePOMasterWindow::loadAgents() {
  std::vector<crv::ui::Choice> choices;
  crv::PrivateTable<crv::DropListRecord> values(crv::DropList);
  values.rec.FieldName = agentList;
  if (values.isOpen() && values.table.setRange(crv::DropListRecord::KeyFieldValue, 1) == crv::TableStatus::Ok)
    while (values.table.next() == crv::TableStatus::Ok)
      choices.push_back({values.rec.FieldValue.str(), values.rec.FieldValue.str()});
  control("?POM:PreparedBy").setChoices(std::move(choices));
}

Level UpdatePOMasterWindow::agentLookup() {
  if (viewOnly()) return Level::Benign;
  crv::REPORTFILTER = agentList;
  const bool chosen = choose(UpdateDropList);
  resetComponents();
  loadAgents();
  if (chosen) crv::POM.PreparedBy = crv::DPL.FieldValue.view();
  select("?POM:PreparedBy");
  return Level::Benign;
}

}  // namespace crvpo

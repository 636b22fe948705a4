// The line form's distribution: the detail type and what the line is
// charged to (a job and cost code with its change order, an account, a
// piece of equipment and its cost category), with the descriptions shown
// beside them.
#include <algorithm>
#include <cstdlib>

#include "crvpo/entry/cost_code_shorthand.h"
#include "crvpo/entry/job_name_search.h"
#include "crvpo/entry/line_item_checks.h"
#include "crvpo/entry/update_po_detail_p.h"
#include "host/data/tables/equipment_tables.h"
#include "host/data/tables/inventory_tables.h"
#include "host/data/tables/job_cost_tables.h"
#include "host/data/tables/ledger_tables.h"
#include "host/data/tables/payables_tables.h"
#include "host/framework/table/private_table.h"
#include "host/siblings/CRVEQ/browse_eq_cost.h"
#include "host/siblings/CRVEQ/browse_eq_header.h"
#include "host/siblings/CRVGL/browse_gl_master.h"
#include "host/siblings/CRVJC/browse_jc_cost.h"
#include "host/siblings/CRVJC/browse_jc_header.h"
#include "host/siblings/CRVJC/lookup_change_order.h"
#include "host/siblings/CRVMISC/edit_account_num.h"

namespace crvpo::detail_form {

bool UpdatePODetailWindow::fetchJob(std::string_view job) {
  if (crv::clip(job).empty()) return false;
  return crv::fetchBy(crv::JCHeader, crv::JCHeaderRecord::KeyJobID, crv::JCH.JobID, job) == TableStatus::Ok;
}

bool UpdatePODetailWindow::fetchCostLine(std::string_view job, std::string_view code) {
  return crv::fetchBy(crv::JCCost, crv::JCCostRecord::KeyJobCodeType, [&] {
           crv::JCC.JobID = job;
           crv::JCC.CostCode = code;
         }) == TableStatus::Ok;
}

bool UpdatePODetailWindow::fetchAccount() {
  return crv::fetchBy(crv::GLMaster, crv::GLMasterRecord::KeyAccount, crv::GLM.Account, crv::POD.Account) ==
         TableStatus::Ok;
}

int UpdatePODetailWindow::runLookup(Lookup lookup) {
  if (viewOnly()) return crv::RequestCancelled;
  crv::GlobalRequest = crv::SelectRecord;
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
  }
  resetComponents();
  return crv::GlobalResponse;
}

// What an existing line is charged to, described beside its fields; a new
// line shows the fields of its type.
void UpdatePODetailWindow::describeLine(const std::string& lineType) {
  if (request() == crv::InsertRecord) {
    showDistribution(lineType, false);
    if (lineType == typeInventory) {
      fillPurchaseUnits();
      minOrderUnit_ = crv::POD.UnitName.view();
    } else if (lineType == typeEquipment) {
      equipmentAccepted();
    }
    return;
  }
  showDistribution(lineType, changeOrdersOn());
  if (lineType == typeJob) {
    distribution1_ = fetchJob(crv::POD.JobID.view()) ? crv::JCH.JobName.str() : std::string();
    distribution2_ = fetchCostLine(crv::POD.JobID.view(), crv::POD.CostCode.view())
                         ? crv::JCC.Description.str()
                         : std::string();
    if (crv::POD.CODetailID != 0) refreshChangeOrder();
  } else if (lineType == typeAccount) {
    if (fetchAccount()) distribution1_ = crv::GLM.Description.str();
  } else if (lineType == typeEquipment) {
    if (crv::fetchBy(crv::EQHeader, crv::EQHeaderRecord::KeyEquipmentID, crv::EQH.EquipmentID,
                     crv::POD.EquipmentID) == TableStatus::Ok)
      distribution1_ = crv::EQH.Description.str();
    if (crv::fetchBy(crv::EQCode, crv::EQCodeRecord::KeyCategoryID, crv::EQD.CostCategory,
                     crv::POD.CostCategory) == TableStatus::Ok)
      distribution2_ = crv::EQD.Description.str();
  } else if (lineType == typeInventory) {
    fillPurchaseUnits();
    minOrderUnit_ = crv::POD.UnitName.view();
  }
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

Level UpdatePODetailWindow::jobNameSearch() {
  const std::optional<std::string> chosen = chooseJobByName(crv::POD.JobID.view());
  if (!chosen) return Level::Benign;
  crv::POD.JobID = *chosen;
  if (crv::POD.JobID.empty()) return stayOn("?POD:JobID");
  return Level::Benign;
}

Level UpdatePODetailWindow::jobAccepted() {
  if (acceptingAll()) return Level::Benign;
  if (jobNameSearch() == Level::Notify) return Level::Notify;
  if (crv::POD.JobID.empty()) return Level::Benign;
  if (!fetchJob(crv::POD.JobID.view())) {
    if (runLookup(JobLookup) != crv::RequestCompleted) return stayOn("?POD:JobID");
    crv::POD.JobID = crv::JCH.JobID;
  }
  crv::JOBFIELD = crv::POD.JobID.str();
  if (crv::JCH.Closed == 1) {
    tellJobClosed(crv::POD.JobID.view());
    crv::POD.JobID = "";
    distribution1_.clear();
    return stayOn("?POD:JobID");
  }
  if (crv::JCH.Active == 0 && !askAssignInactiveJob(crv::POD.JobID.view())) {
    crv::POD.JobID = "";
    distribution1_.clear();
    return stayOn("?POD:JobID");
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
    if (runLookup(CostCodeLookup) != crv::RequestCompleted) return stayOn("?POD:CostCode");
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
    return stayOn("?POD:CostCode");
  }
  costCodeClosing();
  return Level::Benign;
}

Level UpdatePODetailWindow::costCodeFound() {
  if (crv::JCC.Inactive) {
    tellCostCodeInactive(crv::POD.CostCode.view(), crv::JCC.Description.view());
    crv::POD.CostCode = "";
    return stayOn("?POD:CostCode");
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
  if (!crv::POD.Account.empty() && !fetchAccount()) {
    if (runLookup(AccountLookup) != crv::RequestCompleted) return stayOn("?POD:Account");
    crv::POD.Account = crv::GLM.Account;
  }
  if (crv::POD.DetailType == typeAccount) distribution1_ = fetchAccount() ? crv::GLM.Description.str() : "";
  return Level::Benign;
}

Level UpdatePODetailWindow::equipmentAccepted() {
  if (acceptingAll()) return Level::Benign;
  if (!crv::POD.EquipmentID.empty()) {
    if (crv::fetchBy(crv::EQHeader, crv::EQHeaderRecord::KeyEquipmentID, crv::EQH.EquipmentID,
                     crv::POD.EquipmentID) != TableStatus::Ok) {
      if (runLookup(EquipmentLookup) != crv::RequestCompleted) return stayOn("?POD:EquipmentID");
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
  const TableStatus found = crv::fetchBy(crv::EQCost, crv::EQCostRecord::KeyCostCategory, [] {
    crv::EQC.EquipmentID = crv::POD.EquipmentID;
    crv::EQC.CostCategory = crv::POD.CostCategory;
  });
  if (found != TableStatus::Ok) {
    if (runLookup(CategoryLookup) != crv::RequestCompleted) return stayOn("?POD:CostCategory");
    crv::POD.CostCategory = crv::EQC.CostCategory;
  }
  if (crv::POD.DetailType == typeEquipment &&
      crv::fetchBy(crv::EQCode, crv::EQCodeRecord::KeyCategoryID, crv::EQD.CostCategory,
                   crv::POD.CostCategory) == TableStatus::Ok)
    distribution2_ = crv::EQD.Description.str();
  return Level::Benign;
}

// The change-order detail of the line's job and cost code whose change
// order has the number typed; 0 when there is none.
crv::Id UpdatePODetailWindow::findChangeOrderDetail() {
  crv::PrivateTable<crv::JCCOHRecord> headers(crv::JCCOHTable);
  crv::PrivateTable<crv::JCCODRecord> details(crv::JCCODTable);
  headers.rec.JobID = crv::POD.JobID;
  if (!headers.isOpen() || !details.isOpen() ||
      headers.table.setRange(crv::JCCOHRecord::KeyJobID, 1) != TableStatus::Ok)
    return 0;
  while (headers.table.next() == TableStatus::Ok) {
    if (headers.rec.CONumber != crv::POD.ChangeOrder) continue;
    details.rec.clear();
    details.rec.COID = headers.rec.COID;
    if (details.table.setRange(crv::JCCODRecord::KeyCOID, 1) != TableStatus::Ok) continue;
    while (details.table.next() == TableStatus::Ok)
      if (details.rec.CostCode == crv::POD.CostCode) return details.rec.CODID;
  }
  return 0;
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
  const crv::Id found = findChangeOrderDetail();
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
  if (crv::fetchBy(crv::JCCODTable, crv::JCCODRecord::KeyCODID, crv::JCCOD.CODID, crv::POD.CODetailID) !=
      TableStatus::Ok)
    return;
  if (crv::fetchBy(crv::JCCOHTable, crv::JCCOHRecord::KeyCOID, crv::JCCOH.COID, crv::JCCOD.COID) !=
      TableStatus::Ok)
    return;
  changeOrderDescription_ = crv::JCCOH.Description.str();
  if (crv::POD.ChangeOrder.empty()) crv::POD.ChangeOrder = crv::JCCOH.CONumber;
  if (crv::POD.CostCode != crv::JCCOD.CostCode) {
    crv::POD.CostCode = crv::JCCOD.CostCode;
    if (fetchCostLine(crv::POD.JobID.view(), crv::POD.CostCode.view())) costCodeClosing();
  }
}

}  // namespace crvpo::detail_form

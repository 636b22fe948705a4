// Definitions of the job-cost tables.
#include "host/data/tables/job_cost_tables.h"

#include <algorithm>

namespace crv {

const RecordLayout& JCHeaderRecord::layout() const { return layoutOf<JCHeaderRecord>(); }

void JCHeaderRecord::describe(LayoutBuilder& b) const {
  b CRV_FIELD(JobID) CRV_FIELD(JobName) CRV_FIELD(Active) CRV_FIELD(Closed) CRV_FIELD(CustomerID)
      CRV_FIELD(Address) CRV_FIELD(Address2) CRV_FIELD(City) CRV_FIELD(State) CRV_FIELD(Zip) CRV_FIELD(Phone)
          CRV_FIELD(CustomerContact) CRV_FIELD(ProjectManager) CRV_FIELD(StartDate) CRV_FIELD(CompletionDate)
              CRV_FIELD(ContractAmount) CRV_FIELD(DefaultPONumber) CRV_FIELD(TaxCode) CRV_FIELD(APTaxRate);
}

void JCHeaderRecord::define(TableDef& def) { def.key(KeyJobID).key(KeyJobName).key(KeyCustomerID); }

const TableDef& JCHeaderRecord::table() { return tableDefOf<JCHeaderRecord>("JCHeader", "JCH"); }

const RecordLayout& JCCostRecord::layout() const { return layoutOf<JCCostRecord>(); }

void JCCostRecord::describe(LayoutBuilder& b) const {
  b CRV_FIELD(RecordID) CRV_FIELD(JobID) CRV_FIELD(CostCode) CRV_FIELD(Category) CRV_FIELD(EntryMask)
      CRV_FIELD(Description) CRV_FIELD(Account) CRV_FIELD(OriginalBudget) CRV_FIELD(CurrentBudget)
          CRV_FIELD(CostToDate) CRV_FIELD(Committed) CRV_FIELD(COCommitted) CRV_FIELD(Inactive)
              CRV_FIELD(PreferredVendorID) CRV_FIELD(PODetailID) CRV_FIELD(LastCostDate);
}

void JCCostRecord::define(TableDef& def) { def.key(KeyRecordID).key(KeyEntryMask).key(KeyJobCodeType); }

const TableDef& JCCostRecord::table() { return tableDefOf<JCCostRecord>("JCCost", "JCC"); }

std::string JCCostRecord::recordIdFor(std::string_view job, std::string_view costCode,
                                      std::size_t costCodeLen) {
  auto padded = [](std::string_view text, std::size_t width) {
    std::string part(text.substr(0, std::min(text.size(), width)));
    part.resize(width, ' ');
    return part;
  };
  const std::size_t split = std::min(costCode.size(), std::min<std::size_t>(costCodeLen, 10));
  return padded(job, 10) + padded(costCode.substr(0, split), 10) + padded(costCode.substr(split), 4);
}

const RecordLayout& JCCodeRecord::layout() const { return layoutOf<JCCodeRecord>(); }

void JCCodeRecord::describe(LayoutBuilder& b) const {
  b CRV_FIELD(CostCode) CRV_FIELD(Description) CRV_FIELD(Category) CRV_FIELD(UnitName) CRV_FIELD(Account)
      CRV_FIELD(Inactive);
}

void JCCodeRecord::define(TableDef& def) { def.key(KeyCostCode); }

const TableDef& JCCodeRecord::table() { return tableDefOf<JCCodeRecord>("JCCode", "JCD"); }

const RecordLayout& JCCOHRecord::layout() const { return layoutOf<JCCOHRecord>(); }

void JCCOHRecord::describe(LayoutBuilder& b) const {
  b CRV_FIELD(COID) CRV_FIELD(JobID) CRV_FIELD(CONumber) CRV_FIELD(Description) CRV_FIELD(CODate)
      CRV_FIELD(Status) CRV_FIELD(ApprovedDate) CRV_FIELD(COAmount);
}

void JCCOHRecord::define(TableDef& def) {
  def.autoNumber("COID").key(KeyCOID).key(KeyJobID).dependent(
      {&JCCODRecord::table, &JCCODRecord::KeyCOID, {{"COID", "COID"}}});
}

const TableDef& JCCOHRecord::table() { return tableDefOf<JCCOHRecord>("JCCOH", "JCCOH"); }

const RecordLayout& JCCODRecord::layout() const { return layoutOf<JCCODRecord>(); }

void JCCODRecord::describe(LayoutBuilder& b) const {
  b CRV_FIELD(CODID) CRV_FIELD(COID) CRV_FIELD(JobID) CRV_FIELD(CostCode) CRV_FIELD(Description)
      CRV_FIELD(BudgetChange) CRV_FIELD(Committed) CRV_FIELD(CostToDate);
}

void JCCODRecord::define(TableDef& def) {
  def.autoNumber("CODID").key(KeyCODID).key(KeyCOID).key(KeyJobCostCode);
}

const TableDef& JCCODRecord::table() { return tableDefOf<JCCODRecord>("JCCOD", "JCCOD"); }

const RecordLayout& JCLimitsRecord::layout() const { return layoutOf<JCLimitsRecord>(); }

void JCLimitsRecord::describe(LayoutBuilder& b) const {
  b CRV_FIELD(LimitID) CRV_FIELD(UserID) CRV_FIELD(Report) CRV_FIELD(ReportTitle) CRV_FIELD(ModifyDate)
      CRV_FIELD(Locked) CRV_FIELD(Skip) CRV_FIELD(PrintOrder) CRV_FIELD(JobFrom) CRV_FIELD(JobTo)
          CRV_FIELD(NameFrom) CRV_FIELD(NameTo) CRV_FIELD(TypeB) CRV_FIELD(TypeL) CRV_FIELD(ImportLayout);
}

void JCLimitsRecord::define(TableDef& def) { def.autoNumber("LimitID").key(KeyLimitID).key(KeyReport); }

const TableDef& JCLimitsRecord::table() { return tableDefOf<JCLimitsRecord>("JCLimits", "JCL"); }

JCHeaderRecord JCH;
JCCostRecord JCC;
JCCodeRecord JCD;
JCCOHRecord JCCOH;
JCCODRecord JCCOD;
JCLimitsRecord JCL;

Table JCHeader(JCHeaderRecord::table(), JCH);
Table JCCost(JCCostRecord::table(), JCC);
Table JCCode(JCCodeRecord::table(), JCD);
Table JCCOHTable(JCCOHRecord::table(), JCCOH);
Table JCCODTable(JCCODRecord::table(), JCCOD);
Table JCLimits(JCLimitsRecord::table(), JCL);

namespace {
const TableRegistry::Entry registerJCHeader(JCHeader);
const TableRegistry::Entry registerJCCost(JCCost);
const TableRegistry::Entry registerJCCode(JCCode);
const TableRegistry::Entry registerJCCOHTable(JCCOHTable);
const TableRegistry::Entry registerJCCODTable(JCCODTable);
const TableRegistry::Entry registerJCLimits(JCLimits);
}  // namespace

}  // namespace crv

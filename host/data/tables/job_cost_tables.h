// The job-cost tables: jobs, their budget lines, the cost-code catalogue,
// change orders and saved limit sets.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "host/data/tables/table_registry.h"

namespace crv {

// One row per job.
struct JCHeaderRecord final : Record {
  Text<10> JobID;
  Text<50> JobName;
  Flag Active{};  // 0 = inactive
  Flag Closed{};  // 1 = closed to new transactions
  Id CustomerID{};
  Text<50> Address;
  Text<50> Address2;
  Text<30> City;
  Text<2> State;
  Text<10> Zip;
  Text<20> Phone;
  Text<40> CustomerContact;
  Text<30> ProjectManager;
  Date StartDate;
  Date CompletionDate;
  Amount ContractAmount;
  Text<15> DefaultPONumber;
  Text<10> TaxCode;
  Quantity APTaxRate;  // percent with 4 places, charged on purchases for the job

  static constexpr KeyDef KeyJobID{"KeyJobID", {"JobID"}, true};
  static constexpr KeyDef KeyJobName{"KeyJobName", {"JobName"}, false, false, true};
  static constexpr KeyDef KeyCustomerID{"KeyCustomerID", {"CustomerID", "JobID"}};

  const RecordLayout& layout() const override;
  void describe(LayoutBuilder& b) const;
  static void define(TableDef& def);
  static const TableDef& table();
};

// One budget row per job and cost code. RecordID is the job padded to 10,
// the cost code without its category padded to 10, then the category in 4.
struct JCCostRecord final : Record {
  Text<24> RecordID;
  Text<10> JobID;
  Text<14> CostCode;  // code and category letter, as on an order line
  Text<4> Category;
  Text<14> EntryMask;  // the cost code as typed on a line
  Text<100> Description;
  Text<12> Account;
  Amount OriginalBudget;
  Amount CurrentBudget;
  Amount CostToDate;
  Amount Committed;    // open amount of order lines charged here
  Amount COCommitted;  // the part charged to change orders
  Flag Inactive{};
  Id PreferredVendorID{};
  Id PODetailID{};
  Date LastCostDate;

  // Builds RecordID from a job and a full cost code (code, then category).
  static std::string recordIdFor(std::string_view job, std::string_view costCode, std::size_t costCodeLen);

  static constexpr KeyDef KeyRecordID{"KeyRecordID", {"RecordID"}, true};
  static constexpr KeyDef KeyEntryMask{"KeyEntryMask", {"JobID", "EntryMask"}};
  static constexpr KeyDef KeyJobCodeType{"KeyJobCodeType", {"JobID", "CostCode"}};

  const RecordLayout& layout() const override;
  void describe(LayoutBuilder& b) const;
  static void define(TableDef& def);
  static const TableDef& table();
};

// The catalogue of cost codes a job budget is drawn from.
struct JCCodeRecord final : Record {
  Text<14> CostCode;  // code and category letter
  Text<100> Description;
  Text<4> Category;
  Text<8> UnitName;
  Text<12> Account;
  Flag Inactive{};

  static constexpr KeyDef KeyCostCode{"KeyCostCode", {"CostCode"}, true};

  const RecordLayout& layout() const override;
  void describe(LayoutBuilder& b) const;
  static void define(TableDef& def);
  static const TableDef& table();
};

// One row per change order of a job.
struct JCCOHRecord final : Record {
  Id COID{};
  Text<10> JobID;
  Text<10> CONumber;
  Text<60> Description;
  Date CODate;
  Text<1> Status;  // "P" pending, "A" approved
  Date ApprovedDate;
  Amount COAmount;

  static constexpr KeyDef KeyCOID{"KeyCOID", {"COID"}, true};
  static constexpr KeyDef KeyJobID{"KeyJobID", {"JobID", "CONumber"}};

  const RecordLayout& layout() const override;
  void describe(LayoutBuilder& b) const;
  static void define(TableDef& def);
  static const TableDef& table();
};

// One row per cost code a change order touches.
struct JCCODRecord final : Record {
  Id CODID{};
  Id COID{};
  Text<10> JobID;
  Text<14> CostCode;
  Text<60> Description;
  Amount BudgetChange;
  Amount Committed;  // open amount of order lines charged to this detail
  Amount CostToDate;

  static constexpr KeyDef KeyCODID{"KeyCODID", {"CODID"}, true};
  static constexpr KeyDef KeyCOID{"KeyCOID", {"COID"}};
  static constexpr KeyDef KeyJobCostCode{"KeyJobCostCode", {"JobID", "CostCode"}};

  const RecordLayout& layout() const override;
  void describe(LayoutBuilder& b) const;
  static void define(TableDef& def);
  static const TableDef& table();
};

// Saved limit sets of the suite's reports and processes; purchase-order
// import sources are the rows whose Report is "PO Import".
struct JCLimitsRecord final : Record {
  Id LimitID{};
  Text<10> UserID;
  Text<30> Report;
  Text<40> ReportTitle;
  Date ModifyDate;
  Flag Locked{};
  Flag Skip{};
  Text<1> PrintOrder;
  Text<10> JobFrom;
  Text<10> JobTo;
  Text<200> NameFrom;
  Text<200> NameTo;
  Flag TypeB{};
  Flag TypeL{};
  Text<500> ImportLayout;

  static constexpr KeyDef KeyLimitID{"KeyLimitID", {"LimitID"}, true};
  static constexpr KeyDef KeyReport{"KeyReport", {"Report", "ReportTitle"}};

  const RecordLayout& layout() const override;
  void describe(LayoutBuilder& b) const;
  static void define(TableDef& def);
  static const TableDef& table();
};

extern JCHeaderRecord JCH;
extern JCCostRecord JCC;
extern JCCodeRecord JCD;
extern JCCOHRecord JCCOH;
extern JCCODRecord JCCOD;
extern JCLimitsRecord JCL;

extern Table JCHeader;
extern Table JCCost;
extern Table JCCode;
extern Table JCCOHTable;
extern Table JCCODTable;
extern Table JCLimits;

}  // namespace crv

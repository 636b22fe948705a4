// The suite's table definitions on a real company database: every table
// stores and reads back every kind of field, and the keys the purchasing
// module relies on find and order rows as it expects.
#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <vector>

#include "host/data/company.h"
#include "host/data/tables/equipment_tables.h"
#include "host/data/tables/inventory_tables.h"
#include "host/data/tables/job_cost_tables.h"
#include "host/data/tables/ledger_tables.h"
#include "host/data/tables/payables_tables.h"
#include "host/data/tables/purchasing_tables.h"
#include "host/data/tables/receivables_tables.h"
#include "host/data/tables/suite_tables.h"
#include "host/framework/table/relation_manager.h"
#include "support/temp_folder.h"

namespace crv {
namespace {

class TablesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    company = Company::open(folder.path(), true);
    for (Table* table : TableRegistry::tables()) ASSERT_EQ(table->open(), TableStatus::Ok) << table->name();
  }
  void TearDown() override { company.reset(); }

  test::TempFolder folder;
  std::unique_ptr<Company> company;
};

// A value for a field that differs from field to field and from the blank
// value, and reaches the edges of the field's kind.
void fillDistinct(FieldRef field, std::size_t index) {
  const auto n = static_cast<std::int64_t>(index) + 1;
  switch (field.kind()) {
    case FieldKind::Id:
      field.setInteger(4000000000LL + n);
      break;
    case FieldKind::UShort:
      field.setInteger(65000 + n);
      break;
    case FieldKind::Long:
      field.setInteger(-2000000000LL + n);
      break;
    case FieldKind::Byte:
      field.setInteger(200 + n % 50);
      break;
    case FieldKind::Amount:
      field.setInteger(-123456789012LL - n);
      break;
    case FieldKind::Quantity:
      field.setInteger(987654321098LL + n);
      break;
    case FieldKind::Real:
      field.setReal(1234.5678 + static_cast<double>(n) / 8);
      break;
    case FieldKind::Date:
      field.setInteger(Date::compose(2, 28, 2024).day() + n);
      break;
    case FieldKind::Time:
      field.setInteger(Time::compose(23, 59, 0).raw() + n);
      break;
    case FieldKind::Text: {
      // Fills the whole width, so a column cut short or an overlapping
      // neighbour shows; a leading space must survive too.
      std::string text = (field.def().width > 2 ? " " : "") + field.name() + "#" + std::to_string(n);
      while (text.size() < field.def().width) text += static_cast<char>('a' + text.size() % 26);
      field.setText(text);
      break;
    }
  }
}

TEST_F(TablesTest, EveryTableStoresAndReadsBackEveryField) {
  std::set<const TableDef*> seen;
  for (Table* table : TableRegistry::tables()) {
    if (!seen.insert(&table->def()).second) continue;  // an alias of a table already done
    SCOPED_TRACE(table->name());
    Record& buffer = table->buffer();
    buffer.clear();
    const int autoField = table->def().autoNumberField();
    for (std::size_t i = 0; i < buffer.layout().size(); ++i)
      if (static_cast<int>(i) != autoField) fillDistinct(buffer.field(i), i);
    ASSERT_EQ(table->insert(), TableStatus::Ok) << table->lastError().describe();
    if (autoField >= 0) {
      EXPECT_NE(buffer.field(static_cast<std::size_t>(autoField)).integer(), 0);
    }

    const auto expected = table->def().newRecord();
    expected->copyFrom(buffer);
    buffer.clear();
    ASSERT_EQ(table->reread(), TableStatus::Ok);
    for (std::size_t i = 0; i < buffer.layout().size(); ++i)
      EXPECT_EQ(buffer.field(i).toString(), expected->field(i).toString()) << buffer.layout().at(i).name;

    // The first key finds the row again from its values alone.
    const KeyDef& first = *table->def().keys().front();
    buffer.clear();
    for (std::size_t i = 0; i < first.size(); ++i)
      buffer.field(first.fields[i]).assign(expected->field(first.fields[i]).toString());
    ASSERT_EQ(table->fetch(first), TableStatus::Ok) << first.name;
    EXPECT_EQ(table->records(), 1);
  }
}

TEST_F(TablesTest, NamesPrefixesAndKeysAreUnambiguous) {
  std::map<std::string, int> names;
  std::set<std::string> prefixes;
  for (const TableDef* def : TableRegistry::definitions()) {
    EXPECT_TRUE(prefixes.insert(def->prefix()).second) << "prefix " << def->prefix();
    std::set<std::string> keys;
    for (const KeyDef* key : def->keys())
      EXPECT_TRUE(keys.insert(key->name).second) << def->name() << key->name;
    EXPECT_FALSE(def->keys().empty()) << def->name() << " cannot be read in any order";
  }
  for (Table* table : TableRegistry::tables()) ++names[table->name()];
  EXPECT_EQ(names["APVendor"], 2);  // the table and its alias
  EXPECT_EQ(names["POMaster"], 2);
  for (const char* name :
       {"POPrint",  "PODetSer", "POLimits", "POREC",    "APInv",    "APDetail", "JCHeader", "JCCost",
        "JCCode",   "JCCOH",    "JCCOD",    "JCLimits", "INMaster", "INVendor", "INCnvrt",  "INItem",
        "INPurch",  "INSerial", "INLoc",    "INBin",    "EQHeader", "EQCost",   "EQCode",   "GLMaster",
        "ARCust",   "ARShipTo", "Contact",  "Notes",    "Images",   "DropList", "UserLog",  "LimList",
        "MemLimit", "Systems",  "UserFile", "EmailLog", "Control"})
    EXPECT_EQ(names[name], 1) << name;
}

TEST_F(TablesTest, AliasBuffersAreSeparateViewsOfTheSameRows) {
  EXPECT_NE(&APVA, &APV);
  EXPECT_EQ(&APVendorAlias.buffer(), &APVA);
  EXPECT_EQ(&APVendor.buffer(), &APV);
  EXPECT_EQ(&APVendorAlias.def(), &APVendor.def());

  APV.clear();
  APV.VendorID = 7;
  APV.VendorName = "Order's vendor";
  ASSERT_EQ(APVendor.insert(), TableStatus::Ok);
  APV.VendorID = 8;
  APV.VendorName = "Preferred vendor";
  ASSERT_EQ(APVendor.insert(), TableStatus::Ok);

  APV.VendorID = 7;
  ASSERT_EQ(APVendor.fetch(APVendorRecord::KeyVendorID), TableStatus::Ok);
  APVA.VendorID = 8;
  ASSERT_EQ(APVendorAlias.fetch(APVendorRecord::KeyVendorID), TableStatus::Ok);
  EXPECT_EQ(APV.VendorName, "Order's vendor");
  EXPECT_EQ(APVA.VendorName, "Preferred vendor");
}

TEST(JobCostRecordId, PadsJobAndCodeAndKeepsTheCategory) {
  EXPECT_EQ(JCCostRecord::recordIdFor("2401", "03-300M", 6), "2401      03-300    M   ");
  EXPECT_EQ(JCCostRecord::recordIdFor("LONGJOBID12", "01-100-20L", 8), "LONGJOBID101-100-2  0L  ");
  EXPECT_EQ(JCCostRecord::recordIdFor("7", "", 6), "7" + std::string(23, ' '));
}

TEST_F(TablesTest, JobCostLinesAreFoundByRecordIdOrByJobAndCostCode) {
  auto addLine = [](std::string_view job, std::string_view code) {
    JCC.clear();
    JCC.RecordID = JCCostRecord::recordIdFor(job, code, 6);
    JCC.JobID = job;
    JCC.CostCode = code;
    JCC.EntryMask = code;
    return JCCost.insert();
  };
  ASSERT_EQ(addLine("2401", "03-300M"), TableStatus::Ok);
  ASSERT_EQ(addLine("2401", "03-300L"), TableStatus::Ok);
  ASSERT_EQ(addLine("2402", "03-300M"), TableStatus::Ok);
  EXPECT_EQ(addLine("2401", "03-300M"), TableStatus::DuplicateKey);

  JCC.clear();
  JCC.JobID = "2402";
  JCC.CostCode = "03-300M";
  ASSERT_EQ(JCCost.fetch(JCCostRecord::KeyJobCodeType), TableStatus::Ok);
  EXPECT_EQ(JCC.RecordID, "2402      03-300    M");

  JCC.clear();
  JCC.RecordID = JCCostRecord::recordIdFor("2401", "03-300L", 6);
  ASSERT_EQ(JCCost.fetch(JCCostRecord::KeyRecordID), TableStatus::Ok);
  EXPECT_EQ(JCC.CostCode, "03-300L");

  // A job's lines in cost-code order.
  JCC.clear();
  JCC.JobID = "2401";
  ASSERT_EQ(JCCost.setRange(JCCostRecord::KeyEntryMask, 1), TableStatus::Ok);
  std::vector<std::string> codes;
  while (JCCost.next() == TableStatus::Ok) codes.push_back(JCC.EntryMask.str());
  EXPECT_EQ(codes, (std::vector<std::string>{"03-300L", "03-300M"}));
}

TEST_F(TablesTest, NameKeysIgnoreCaseAndBlankExternalIdsAreLeftOut) {
  for (auto [id, name, external] : {std::tuple{1u, "acme supply", ""}, std::tuple{2u, "Baker Bros", "X-2"},
                                    std::tuple{3u, "ACME Rentals", ""}}) {
    APV.clear();
    APV.VendorID = id;
    APV.VendorName = name;
    APV.ExternalID = external;
    ASSERT_EQ(APVendor.insert(), TableStatus::Ok);
  }
  APV.clear();
  APV.VendorName = "BAKER BROS";
  ASSERT_EQ(APVendor.fetch(APVendorRecord::KeyVendorName), TableStatus::Ok);
  EXPECT_EQ(APV.VendorID, 2u);

  std::vector<Id> byName;
  APVendor.set(APVendorRecord::KeyVendorName);
  while (APVendor.next() == TableStatus::Ok) byName.push_back(APV.VendorID);
  EXPECT_EQ(byName, (std::vector<Id>{3, 1, 2}));

  std::vector<Id> byExternal;
  APVendor.set(APVendorRecord::KeyExternalID);
  while (APVendor.next() == TableStatus::Ok) byExternal.push_back(APV.VendorID);
  EXPECT_EQ(byExternal, (std::vector<Id>{2}));

  APV.clear();
  APV.VendorID = 1;
  APV.VendorName = "duplicate number";
  EXPECT_EQ(APVendor.tryInsert(), TableStatus::DuplicateKey);
}

TEST_F(TablesTest, LimitKeysOrderByReportThenTitleAndListValuesByOwnerLimitAndName) {
  for (auto [report, title] :
       {std::pair{"PO Listing", "Zebra"}, std::pair{"Generate POs", ""}, std::pair{"PO Listing", "Alpha"}}) {
    POL.clear();
    POL.Report = report;
    POL.ReportTitle = title;
    ASSERT_EQ(POLimits.insert(), TableStatus::Ok);
  }
  std::vector<std::string> order;
  POL.clear();
  POLimits.set(POLimitsRecord::KeyReport);
  while (POLimits.next() == TableStatus::Ok) order.push_back(POL.Report.str() + "/" + POL.ReportTitle.str());
  EXPECT_EQ(order, (std::vector<std::string>{"Generate POs/", "PO Listing/Alpha", "PO Listing/Zebra"}));

  POL.clear();
  POL.Report = "PO Listing";
  ASSERT_EQ(POLimits.setRange(POLimitsRecord::KeyReport, 1), TableStatus::Ok);
  ASSERT_EQ(POLimits.next(), TableStatus::Ok);
  EXPECT_EQ(POL.ReportTitle, "Alpha");

  auto addValue = [](Id limit, const char* list, const char* text, Id number) {
    LL.clear();
    LL.Owner = "POLimits";
    LL.LimitID = limit;
    LL.ListName = list;
    LL.TextValue = text;
    LL.NumericValue = number;
    ASSERT_EQ(LimList.insert(), TableStatus::Ok);
  };
  addValue(5, "JobID", "2401", 0);
  addValue(5, "VendorID", "", 110);
  addValue(6, "JobID", "2402", 0);

  LL.clear();
  LL.Owner = "POLimits";
  LL.LimitID = 5;
  LL.ListName = "JobID";
  LL.TextValue = "2402";
  EXPECT_EQ(LimList.fetch(LimListRecord::KeyString), TableStatus::NotFound);  // listed under limit 6 only
  LL.TextValue = "2401";
  EXPECT_EQ(LimList.fetch(LimListRecord::KeyString), TableStatus::Ok);
  LL.ListName = "VendorID";
  LL.TextValue = "";
  LL.NumericValue = 110;
  EXPECT_EQ(LimList.fetch(LimListRecord::KeyNumeric), TableStatus::Ok);
}

TEST_F(TablesTest, ItemVendorsListInPriorityOrderAndOneRecordPerItemAndVendor) {
  for (auto [vendor, priority] : {std::pair{110u, 2}, std::pair{111u, 1}, std::pair{112u, 3}}) {
    INV.clear();
    INV.ItemID = "SCR";
    INV.VendorID = vendor;
    INV.Priority = static_cast<Byte>(priority);
    ASSERT_EQ(INVendor.insert(), TableStatus::Ok);
  }
  INV.clear();
  INV.ItemID = "SCR";
  INV.VendorID = 110;
  EXPECT_EQ(INVendor.tryInsert(), TableStatus::DuplicateKey);

  INV.clear();
  INV.ItemID = "SCR";
  INVendor.setRange(INVendorRecord::KeyItemID, 1);
  std::vector<Id> vendors;
  while (INVendor.next() == TableStatus::Ok) vendors.push_back(INV.VendorID);
  EXPECT_EQ(vendors, (std::vector<Id>{111, 110, 112}));
}

TEST_F(TablesTest, DeletingAChangeOrderTakesItsDetailsAndNoOthers) {
  Id coids[2] = {};
  for (Id& coid : coids) {
    JCCOH.clear();
    JCCOH.JobID = "2401";
    JCCOH.CONumber = &coid == coids ? "001" : "002";
    ASSERT_EQ(JCCOHTable.insert(), TableStatus::Ok);
    coid = JCCOH.COID;
    for (const char* code : {"03-300M", "06-100L"}) {
      JCCOD.clear();
      JCCOD.COID = coid;
      JCCOD.JobID = "2401";
      JCCOD.CostCode = code;
      ASSERT_EQ(JCCODTable.insert(), TableStatus::Ok);
    }
  }
  JCCOH.COID = coids[0];
  ASSERT_EQ(JCCOHTable.fetch(JCCOHRecord::KeyCOID), TableStatus::Ok);
  ASSERT_EQ(RelationManager::removeWithDependents(JCCOHTable), TableStatus::Ok);

  EXPECT_EQ(JCCOHTable.records(), 1);
  EXPECT_EQ(JCCODTable.records(), 2);
  JCCOD.clear();
  JCCOD.JobID = "2401";
  JCCOD.CostCode = "03-300M";
  ASSERT_EQ(JCCODTable.fetch(JCCODRecord::KeyJobCostCode), TableStatus::Ok);
  EXPECT_EQ(JCCOD.COID, coids[1]);
}

TEST_F(TablesTest, NotesOfAnOwnerAreReadByIdentifierThenOwnerType) {
  auto addNote = [](const char* owner, const char* id, int day) {
    NOTE.clear();
    NOTE.Filename = owner;
    NOTE.EntityID = id;
    NOTE.Date = Date::compose(1, day, 2025);
    ASSERT_EQ(Notes.insert(), TableStatus::Ok);
  };
  addNote("POMaster", "12", 9);
  addNote("JCHeader", "12", 1);
  addNote("POMaster", "12", 3);
  addNote("POMaster", "120", 2);

  NOTE.clear();
  NOTE.EntityID = "12";
  NOTE.Filename = "POMaster";
  ASSERT_EQ(Notes.setRange(NotesRecord::KeyEntityID, 2), TableStatus::Ok);
  std::vector<int> days;
  while (Notes.next() == TableStatus::Ok) days.push_back(NOTE.Date.dayOfMonth());
  EXPECT_EQ(days, (std::vector<int>{3, 9}));
}

}  // namespace
}  // namespace crv

// The demo company: it is created once per folder, reopens, holds the facts
// its constants name, and its running totals agree with its orders.
#include "host/app/demo_company.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

#include "host/data/company.h"
#include "host/data/tables/equipment_tables.h"
#include "host/data/tables/inventory_tables.h"
#include "host/data/tables/job_cost_tables.h"
#include "host/data/tables/payables_tables.h"
#include "host/data/tables/purchasing_tables.h"
#include "host/data/tables/receivables_tables.h"
#include "host/data/tables/suite_tables.h"
#include "support/independent_rebuild.h"
#include "support/temp_folder.h"

namespace crv {
namespace {

// Creates the demo company once for the whole suite; each test reopens it.
class DemoCompanyTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    folder = new test::TempFolder;
    createDemoCompany(folder->path());
  }
  static void TearDownTestSuite() {
    delete folder;
    folder = nullptr;
  }
  void SetUp() override {
    ASSERT_EQ(Company::current(), nullptr) << "creating the demo company must close it again";
    company = Company::open(folder->path());
    for (Table* table : TableRegistry::tables()) ASSERT_EQ(table->open(), TableStatus::Ok);
  }
  void TearDown() override { company.reset(); }

  template <class Visit>
  static void forEach(Table& table, const KeyDef& key, Visit visit) {
    table.set(key);
    while (table.next() == TableStatus::Ok) visit();
  }

  static bool findOrder(std::string_view number) {
    POM.clear();
    POM.PONumber = number;
    return POMaster.fetch(POMasterRecord::KeyPONumber) == TableStatus::Ok;
  }

  static test::TempFolder* folder;
  std::unique_ptr<Company> company;
};

test::TempFolder* DemoCompanyTest::folder = nullptr;

TEST_F(DemoCompanyTest, HoldsOneCompanyRowWithPurchasingSettings) {
  EXPECT_EQ(Systems.records(), 1);
  SYS.clear();
  Systems.set(SystemsRecord::KeySystemID);
  ASSERT_EQ(Systems.next(), TableStatus::Ok);
  EXPECT_EQ(SYS.CompanyName, demo::companyName);
  EXPECT_EQ(SYS.AutoPONumber, 1);
  EXPECT_EQ(SYS.NextPONumber, demo::nextPONumber);
  EXPECT_EQ(SYS.PODefaultDetailType, "Job");
  EXPECT_EQ(SYS.POWarnOverBudget, 1);
  EXPECT_EQ(SYS.POShowPriorityVendors, 1);
  EXPECT_EQ(SYS.POChangeOrders, 1);
  EXPECT_EQ(SYS.CostCodeLen, demo::costCodeLen);
  EXPECT_EQ(SYS.JobIDLen, demo::jobIdLen);

  // No existing order already carries the next automatic number.
  EXPECT_FALSE(findOrder(std::to_string(demo::nextPONumber)));
  USR.UserID = demo::purchasingAgent;
  ASSERT_EQ(UserFile.fetch(UserFileRecord::KeyUserID), TableStatus::Ok);
  EXPECT_EQ(USR.EditPONumber, 1);
  USR.UserID = demo::projectManager;
  ASSERT_EQ(UserFile.fetch(UserFileRecord::KeyUserID), TableStatus::Ok);
  EXPECT_EQ(USR.EditPONumber, 0);
}

TEST_F(DemoCompanyTest, JobsCoverEveryStateAndCostLinesEveryCategory) {
  JCH.JobID = demo::closedJob;
  ASSERT_EQ(JCHeader.fetch(JCHeaderRecord::KeyJobID), TableStatus::Ok);
  EXPECT_EQ(JCH.Closed, 1);
  JCH.JobID = demo::inactiveJob;
  ASSERT_EQ(JCHeader.fetch(JCHeaderRecord::KeyJobID), TableStatus::Ok);
  EXPECT_EQ(JCH.Active, 0);
  EXPECT_EQ(JCH.Closed, 0);
  JCH.JobID = demo::taxJob;
  ASSERT_EQ(JCHeader.fetch(JCHeaderRecord::KeyJobID), TableStatus::Ok);
  EXPECT_EQ(JCH.APTaxRate, Quantity::parse(demo::taxJobRate).value());
  EXPECT_EQ(JCHeader.records(), demo::jobCount);
  EXPECT_EQ(JCCode.records(), demo::costCodeCatalogueSize);

  std::set<char> categories;
  forEach(JCCost, JCCostRecord::KeyRecordID, [&] {
    const std::string code = JCC.CostCode.str();
    ASSERT_EQ(code.size(), static_cast<std::size_t>(demo::costCodeLen) + 1) << code;
    categories.insert(code.back());
    EXPECT_EQ(JCC.RecordID, JCCostRecord::recordIdFor(JCC.JobID.view(), code, demo::costCodeLen));
    JCD.CostCode = JCC.CostCode;
    EXPECT_EQ(JCCode.fetch(JCCodeRecord::KeyCostCode), TableStatus::Ok) << code << " is not in the catalogue";
  });
  EXPECT_EQ(categories, (std::set<char>{'L', 'M', 'S', 'E', 'G', 'B'}));

  JCC.JobID = demo::mainJob;
  JCC.CostCode = demo::inactiveCostCode;
  ASSERT_EQ(JCCost.fetch(JCCostRecord::KeyJobCodeType), TableStatus::Ok);
  EXPECT_EQ(JCC.Inactive, 1);
  JCC.CostCode = demo::preferredCostCode;
  ASSERT_EQ(JCCost.fetch(JCCostRecord::KeyJobCodeType), TableStatus::Ok);
  EXPECT_EQ(JCC.PreferredVendorID, demo::preferredVendor);
  APV.VendorID = JCC.PreferredVendorID;
  EXPECT_EQ(APVendor.fetch(APVendorRecord::KeyVendorID), TableStatus::Ok);
}

TEST_F(DemoCompanyTest, OrdersAreInEveryReconciliationStateWithConsistentMoney) {
  EXPECT_EQ(POMaster.records(), demo::orderCount);
  std::map<Flag, int> states;
  forEach(POMaster, POMasterRecord::KeyPOID, [&] {
    SCOPED_TRACE(POM.PONumber.str());
    ++states[POM.Reconciled];
    EXPECT_EQ(POM.RecTF, POM.Reconciled == 2);
    EXPECT_EQ(POM.SortPONumber.empty(), POM.Reconciled == 2);
    EXPECT_EQ(POM.SortVendorID, POM.Reconciled == 2 ? 0 : POM.VendorID);
    Amount preTax;
    Amount invoiced;
    POD.clear();
    POD.POID = POM.POID;
    PODetail.setRange(PODetailRecord::KeyPOID, 1);
    while (PODetail.next() == TableStatus::Ok) {
      EXPECT_EQ(POD.TotalAmount, multiply(POD.QtyOrdered, POD.UnitPrice));
      preTax += POD.TotalAmount;
      invoiced += POD.AmountInvoiced;
    }
    EXPECT_FALSE(preTax.isZero());
    EXPECT_EQ(POM.PreTaxAmount, preTax);
    EXPECT_EQ(POM.POAmount, POM.PreTaxAmount + POM.TaxAmount);
    EXPECT_EQ(POM.AmountReconciled, invoiced);
  });
  EXPECT_EQ(states[0], 4);
  EXPECT_EQ(states[1], 1);
  EXPECT_EQ(states[2], 1);

  ASSERT_TRUE(findOrder(demo::partlyReconciledOrder));
  EXPECT_EQ(POM.Reconciled, 1);
  ASSERT_TRUE(findOrder(demo::fullyReconciledOrder));
  EXPECT_EQ(POM.Reconciled, 2);
  API.POID = POM.POID;
  ASSERT_EQ(APInv.fetch(APInvRecord::KeyPOID), TableStatus::Ok);
  EXPECT_EQ(API.Posted, 1);
  ASSERT_TRUE(findOrder(demo::unprintedOrder));
  EXPECT_EQ(POM.PrintFlag, "0");
}

TEST_F(DemoCompanyTest, FullyReconciledOrderIsListedOnlyByNumber) {
  auto listed = [](const KeyDef& key) {
    std::set<std::string> numbers;
    forEach(POMaster, key, [&] { numbers.insert(POM.PONumber.str()); });
    return numbers;
  };
  const std::string fully(demo::fullyReconciledOrder);
  EXPECT_TRUE(listed(POMasterRecord::KeyPONumber).count(fully));
  EXPECT_FALSE(listed(POMasterRecord::KeySortPONumber).count(fully));
  EXPECT_FALSE(listed(POMasterRecord::KeySortVendorID).count(fully));
  EXPECT_EQ(listed(POMasterRecord::KeySortPONumber).size(), static_cast<std::size_t>(demo::orderCount - 1));
}

// What saving every order would have posted: the open amount of each job
// line of an open order on its cost line and change-order detail, and the
// open stock quantity of each inventory line on its item.
TEST_F(DemoCompanyTest, CommittedCostsAndQuantitiesOnOrderAgreeWithTheOpenOrders) {
  std::map<std::string, Amount> committed;
  std::map<std::string, Amount> coCommitted;
  std::map<Id, Amount> detailCommitted;
  std::map<std::string, Quantity> onOrder;
  int changeOrderLines = 0;
  forEach(POMaster, POMasterRecord::KeyPOID, [&] {
    if (POM.Reconciled == 2) return;
    POD.clear();
    POD.POID = POM.POID;
    PODetail.setRange(PODetailRecord::KeyPOID, 1);
    while (PODetail.next() == TableStatus::Ok) {
      if (POD.DetailType == "Inventory") onOrder[POD.ItemID.str()] += POD.INVQuantity;
      if (!(POD.DetailType == "Job") || POD.Reconciliation == 2) continue;
      const Amount open = POD.TotalAmount - multiply(POD.QtyInvoiced, POD.UnitPrice);
      EXPECT_EQ(POD.CommittedPrice, open);
      const std::string line = POD.JobID.str() + "/" + POD.CostCode.str();
      committed[line] += open;
      if (POD.CODetailID != 0) {
        ++changeOrderLines;
        coCommitted[line] += open;
        detailCommitted[POD.CODetailID] += open;
      }
    }
  });
  EXPECT_EQ(changeOrderLines, 1);

  int linesWithCommitments = 0;
  forEach(JCCost, JCCostRecord::KeyRecordID, [&] {
    const std::string line = JCC.JobID.str() + "/" + JCC.CostCode.str();
    EXPECT_EQ(JCC.Committed, committed[line]) << line;
    EXPECT_EQ(JCC.COCommitted, coCommitted[line]) << line;
    linesWithCommitments += !JCC.Committed.isZero();
  });
  EXPECT_GE(linesWithCommitments, 4);
  forEach(JCCODTable, JCCODRecord::KeyCODID,
          [&] { EXPECT_EQ(JCCOD.Committed, detailCommitted[JCCOD.CODID]); });
  forEach(INMaster, INMasterRecord::KeyItemID,
          [&] { EXPECT_EQ(INM.QtyOnOrder, onOrder[INM.ItemID.str()]) << INM.ItemID.str(); });

  EXPECT_EQ(test::figureDifferences(folder->path()), std::vector<std::string>{});

  // Twenty boxes of fifty screws are a thousand screws on order.
  INM.ItemID = demo::boxedItem;
  ASSERT_EQ(INMaster.fetch(INMasterRecord::KeyItemID), TableStatus::Ok);
  EXPECT_EQ(INM.QtyOnOrder, Quantity(1000));
}

TEST_F(DemoCompanyTest, InventoryVendorsAndCustomersHoldTheNamedCases) {
  INC.ItemID = demo::boxedItem;
  INC.UnitName = demo::boxUnit;
  ASSERT_EQ(INCnvrt.fetch(INCnvrtRecord::KeyItemUnit), TableStatus::Ok);
  EXPECT_EQ(INC.Factor, demo::boxFactor);

  INM.ItemID = demo::serializedItem;
  ASSERT_EQ(INMaster.fetch(INMasterRecord::KeyItemID), TableStatus::Ok);
  EXPECT_EQ(INM.Serialized, 1);
  INS.clear();
  INS.ItemID = demo::serializedItem;
  INSerial.setRange(INSerialRecord::KeyItemSerial, 1);
  Quantity serials;
  while (INSerial.next() == TableStatus::Ok) serials += Quantity(1);
  EXPECT_EQ(serials, INM.QtyOnHand);

  INM.ItemID = demo::qtyExemptItem;
  ASSERT_EQ(INMaster.fetch(INMasterRecord::KeyItemID), TableStatus::Ok);
  EXPECT_EQ(INM.QtyExempt, 1);

  // The boxed item is offered by several vendors, first choice first.
  INV.clear();
  INV.ItemID = demo::boxedItem;
  INVendor.setRange(INVendorRecord::KeyItemID, 1);
  ASSERT_EQ(INVendor.next(), TableStatus::Ok);
  EXPECT_EQ(INV.Priority, 1);
  EXPECT_EQ(INV.VendorID, demo::vendorWithContacts);
  EXPECT_FALSE(INV.MinimumOrder.isZero());
  ASSERT_EQ(INVendor.next(), TableStatus::Ok);
  EXPECT_EQ(INV.Priority, 2);

  auto contactsWithEmail = [](Id vendor) {
    int count = 0;
    CON.clear();
    CON.VendorID = vendor;
    Contact.setRange(ContactRecord::KeyVendorID, 1);
    while (Contact.next() == TableStatus::Ok) count += !CON.Email.empty();
    return count;
  };
  EXPECT_EQ(contactsWithEmail(demo::vendorWithContacts), 2);
  EXPECT_EQ(contactsWithEmail(demo::vendorWithoutEmail), 0);
  APV.VendorID = demo::vendorWithoutEmail;
  ASSERT_EQ(APVendor.fetch(APVendorRecord::KeyVendorID), TableStatus::Ok);
  EXPECT_TRUE(APV.Email.empty());
  APV.VendorID = demo::inactiveVendor;
  ASSERT_EQ(APVendor.fetch(APVendorRecord::KeyVendorID), TableStatus::Ok);
  EXPECT_EQ(APV.Active, 0);
  EXPECT_EQ(APVendor.records(), demo::vendorCount);

  ARS.clear();
  ARS.CustomerID = demo::customerWithShipTos;
  ARShipTo.setRange(ARShipToRecord::KeyCustomerID, 1);
  int shipTos = 0;
  while (ARShipTo.next() == TableStatus::Ok) ++shipTos;
  EXPECT_EQ(shipTos, 2);

  EQC.EquipmentID = demo::excavator;
  EQC.CostCategory = demo::repairCategory;
  EXPECT_EQ(EQCost.fetch(EQCostRecord::KeyCostCategory), TableStatus::Ok);
}

TEST_F(DemoCompanyTest, RefusesAFolderThatAlreadyHoldsData) {
  company.reset();
  try {
    createDemoCompany(folder->path());
    FAIL() << "a second demo company was created over the first";
  } catch (const std::runtime_error& error) {
    EXPECT_NE(std::string(error.what()).find("already holds a company"), std::string::npos) << error.what();
  }
  EXPECT_EQ(Company::current(), nullptr);
  company = Company::open(folder->path());
  APVendor.open();
  EXPECT_EQ(APVendor.records(), demo::vendorCount);
}

TEST(DemoCompanyCreation, FillsAnEmptyCompanyButNotOneInUse) {
  test::TempFolder empty;
  Company::open(empty.path(), true).reset();  // an existing company without rows
  createDemoCompany(empty.path());
  EXPECT_TRUE(Company::exists(empty.path()));

  test::TempFolder other;
  auto open = Company::open(other.path(), true);
  EXPECT_ANY_THROW(createDemoCompany(other.path()));  // only one company is open at a time
}

}  // namespace
}  // namespace crv

// Committed costs and stock on order stay where a rebuild puts them through
// any sequence of saves, line edits and moves, line and order deletions and
// rebuilds: a seeded random walk over the demo company, each step checked
// against the figures worked out again with set-based SQL.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "crvpo/entry/line_deletion_adjustment.h"
#include "crvpo/entry/purchase_order_deletion.h"
#include "crvpo/entry/purchase_order_save.h"
#include "crvpo/reconcile/committed_cost_recalculation.h"
#include "host/app/demo_company.h"
#include "host/data/company.h"
#include "host/data/shared_values.h"
#include "host/data/tables/inventory_tables.h"
#include "host/data/tables/job_cost_tables.h"
#include "host/data/tables/purchasing_tables.h"
#include "host/framework/services/global_request.h"
#include "support/independent_rebuild.h"
#include "support/temp_folder.h"

namespace crvpo {
namespace {

using namespace crv;

struct CostLine {
  std::string job, code;
};
struct Conversion {
  std::string item, unit;
  Id id = 0;
  double factor = 1;
};

class CommitmentSequenceTest : public ::testing::Test {
 protected:
  void SetUp() override {
    createDemoCompany(folder.path());
    company = Company::open(folder.path());
    CostCodeLen = 6;
    GLO.LogUserActivity = 0;
    for (Table* table : tables()) ASSERT_EQ(table->open(), TableStatus::Ok);
    gatherTargets();
  }
  void TearDown() override {
    for (Table* table : tables()) table->close();
    company.reset();
  }
  static std::vector<Table*> tables() {
    return {&POMaster, &PODetail, &JCCost,  &JCCODTable, &INMaster, &INItem,
            &INPurch,  &INCnvrt,  &Systems, &Notes,      &Images,   &UserLog};
  }

  // What lines may be charged to, and a few targets that do not exist.
  void gatherTargets() {
    JCCost.set(JCC.KeyJobCodeType);
    while (JCCost.next() == TableStatus::Ok) costs.push_back({JCC.JobID.str(), JCC.CostCode.str()});
    costs.push_back({"2401", "99-999M"});
    JCCODTable.set(JCCOD.KeyCODID);
    while (JCCODTable.next() == TableStatus::Ok) details.push_back(JCCOD.CODID);
    details.push_back(999999);
    INMaster.set(INM.KeyItemID);
    while (INMaster.next() == TableStatus::Ok) conversions.push_back({INM.ItemID.str(), INM.UnitName.str()});
    INCnvrt.set(INC.KeyConversionID);
    while (INCnvrt.next() == TableStatus::Ok)
      conversions.push_back({INC.ItemID.str(), INC.UnitName.str(), INC.ConversionID, INC.Factor});
    conversions.push_back({"NOT-IN-STOCK", "EA"});
  }

  std::vector<Id> orders() {
    std::vector<Id> found;
    POMaster.set(POM.KeyPOID);
    while (POMaster.next() == TableStatus::Ok) found.push_back(POM.POID);
    return found;
  }
  std::vector<Id> linesOf(Id poid) {
    std::vector<Id> found;
    POD.clear();
    POD.POID = poid;
    PODetail.setRange(POD.KeyPOID, 1);
    while (PODetail.next() == TableStatus::Ok) found.push_back(POD.DetailID);
    return found;
  }

  template <class T>
  const T& any(const std::vector<T>& from) {
    return from[std::uniform_int_distribution<std::size_t>(0, from.size() - 1)(random)];
  }
  int upTo(int most) { return std::uniform_int_distribution<int>(0, most)(random); }
  bool chance(int percent) { return upTo(99) < percent; }
  Quantity someQuantity(int most) {
    return Quantity::fromRaw(static_cast<std::int64_t>(upTo(most)) * (chance(20) ? 2500 : 10000));
  }

  // Fills POD (POID and sequence set) with a random priced line, the way
  // the line form leaves one, and with what receiving and invoicing write.
  void randomLine() {
    const int pick = upTo(9);
    POD.TextFlag = pick == 0 ? 1 : 0;
    POD.DetailType = pick == 0 ? "" : pick <= 4 ? "Job" : pick <= 7 ? "Inventory" : "G/L Account";
    const CostLine& cost = any(costs);
    POD.JobID = cost.job;
    POD.CostCode = cost.code;
    POD.CODetailID = chance(50) ? any(details) : 0;
    const Conversion& unit = any(conversions);
    POD.ItemID = unit.item;
    POD.UnitName = unit.unit;
    POD.ConversionID = unit.id;
    POD.QtyOrdered = someQuantity(20);
    POD.QtyInvoiced = chance(20) ? POD.QtyOrdered : someQuantity(POD.QtyOrdered.raw() / 10000);
    POD.UnitPrice = upTo(40000) / 100.0;
    POD.TotalAmount = multiply(POD.QtyOrdered, POD.UnitPrice);
    POD.AmountInvoiced = multiply(POD.QtyInvoiced, POD.UnitPrice + (chance(30) ? 0.37 : 0));
    POD.Reconciliation = static_cast<Flag>(upTo(2));
    POD.INVQuantity = multiply<4>(POD.QtyOrdered - POD.QtyInvoiced, unit.factor);
    POD.QtyRcvdNotInvoiced = chance(30) ? someQuantity(3) : Quantity();
    POD.QtyThisPackSlip = chance(20) ? someQuantity(2) : Quantity();
  }

  // The header form open on an order: lines edited, moved, added and
  // deleted, then OK (or Cancel, which only deletions survive rightly).
  void editOrder(Id poid, bool save) {
    OpeningCommitments opening = *OpeningCommitments::ofOrder(company->connection(), poid);
    const int edits = 1 + upTo(3);
    for (int i = 0; i < edits; ++i) {
      const std::vector<Id> lines = linesOf(poid);
      const int what = !save ? 2 : lines.empty() ? 0 : upTo(2);
      if (what == 0) {
        POD.clear();
        POD.POID = poid;
        POD.SequenceNo = static_cast<Id>(lines.size() + 100 + upTo(1000));
        randomLine();
        ASSERT_EQ(PODetail.insert(), TableStatus::Ok);
      } else if (what == 1) {
        fetchLine(any(lines));
        randomLine();
        ASSERT_EQ(PODetail.update(), TableStatus::Ok);
      } else if (!lines.empty()) {
        fetchLine(any(lines));
        ASSERT_TRUE(LineDeletionAdjustment(company->connection()).apply(POD, opening).done);
        ASSERT_EQ(PODetail.remove(), TableStatus::Ok);
      }
    }
    if (!save) return;
    POM.POID = poid;
    ASSERT_EQ(POMaster.fetch(POM.KeyPOID), TableStatus::Ok);
    ASSERT_TRUE(PurchaseOrderSave().save(ChangeRecord, opening).done);
  }

  void addOrder() {
    POM.clear();
    ASSERT_EQ(POMaster.primeAutoInc(), TableStatus::Ok);
    POM.PONumber = "R" + std::to_string(POM.POID);
    POM.VendorID = 103;
    POM.POAmount = Amount(100);
    const int lines = upTo(3);
    for (int i = 0; i < lines; ++i) {
      POD.clear();
      POD.POID = POM.POID;
      POD.SequenceNo = static_cast<Id>(i + 1);
      randomLine();
      ASSERT_EQ(PODetail.insert(), TableStatus::Ok);
    }
    OpeningCommitments none;
    ASSERT_TRUE(PurchaseOrderSave().save(InsertRecord, none).done);
  }

  void fetchLine(Id detail) {
    POD.DetailID = detail;
    ASSERT_EQ(PODetail.fetch(POD.KeyDetailID), TableStatus::Ok);
  }

  test::TempFolder folder;
  std::unique_ptr<Company> company;
  std::mt19937 random{20250106};
  std::vector<CostLine> costs;
  std::vector<Id> details;
  std::vector<Conversion> conversions;
};

TEST_F(CommitmentSequenceTest, EveryFigureAgreesWithARebuildAfterEveryStep) {
  ASSERT_EQ(test::figureDifferences(folder.path()), std::vector<std::string>{});
  RecalcObserver quiet;
  for (int step = 0; step < 200; ++step) {
    const int what = upTo(9);
    std::string done;
    if (what <= 4) {
      done = "edit and save";
      editOrder(any(orders()), true);
    } else if (what == 5) {
      done = "delete lines and cancel";
      editOrder(any(orders()), false);
    } else if (what == 6) {
      done = "add an order";
      addOrder();
    } else if (what == 7 && orders().size() > 3) {
      done = "delete an order";
      POM.POID = any(orders());
      ASSERT_EQ(POMaster.fetch(POM.KeyPOID), TableStatus::Ok);
      ASSERT_TRUE(PurchaseOrderDeletion().remove().done);
    } else {
      done = "rebuild";
      const RecalcSummary summary = CommittedCostRecalculation(company->connection()).run(quiet);
      ASSERT_TRUE(summary.completed) << summary.failure;
      EXPECT_EQ(summary.costLinesChanged + summary.coDetailsChanged, 0) << "a rebuild found figures to move";
    }
    ASSERT_FALSE(HasFatalFailure()) << "step " << step << ": " << done;
    ASSERT_EQ(test::figureDifferences(folder.path()), std::vector<std::string>{})
        << "step " << step << ": " << done;
  }
}

}  // namespace
}  // namespace crvpo

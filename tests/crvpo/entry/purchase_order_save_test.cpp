// Saving orders: what moves on job cost lines and stock on order, the
// reconciliation state, and a save that fails at any step leaving every
// figure as it was.
#include "crvpo/entry/purchase_order_save.h"

#include "crvpo/entry/line_deletion_adjustment.h"
#include "host/framework/services/global_request.h"
#include "host/storage/sqlite/sqlite_backend.h"
#include "support/independent_rebuild.h"
#include "tests/crvpo/entry/commitment_fixture.h"

namespace crvpo {
namespace {

using namespace crv;

class PurchaseOrderSaveTest : public test::CommitmentFixture {
 protected:
  // Opens the order as the header form does and saves it after `edit`.
  OperationOutcome change(Id poid, const std::function<void()>& edit) {
    opening = *OpeningCommitments::ofOrder(company->connection(), poid);
    edit();
    fetchOrder(poid);
    return PurchaseOrderSave().save(ChangeRecord, opening);
  }

  OpeningCommitments opening;
};

TEST_F(PurchaseOrderSaveTest, RaisingAQuantityRaisesCommittedByTheDifferenceAndASecondSaveIsNeutral) {
  addCostLine("2401", "06-100M", amt("50.00"));
  const Id order = addOrder("1001");
  jobLine(order, 1, "2401", "06-100M", "10", 5.00);
  const Id line = insertLine();

  ASSERT_TRUE(change(order, [&] {
                fetchLine(line);
                POD.QtyOrdered = qty("12");
                POD.TotalAmount = amt("60.00");
                ASSERT_EQ(PODetail.update(), TableStatus::Ok);
              }).done);
  EXPECT_EQ(committed("2401", "06-100M"), amt("60.00"));

  fetchOrder(order);
  ASSERT_TRUE(PurchaseOrderSave().save(ChangeRecord, opening).done);
  EXPECT_EQ(committed("2401", "06-100M"), amt("60.00")) << "the list holds what the save posted";
}

TEST_F(PurchaseOrderSaveTest, MovingALineToAnotherCostCodeMovesItsOpenAmount) {
  addCostLine("2401", "06-100M", amt("80.00"));
  addCostLine("2401", "09-200M", amt("5.00"));
  const Id order = addOrder("1001");
  jobLine(order, 1, "2401", "06-100M", "10", 8.00);
  POD.QtyInvoiced = qty("2");  // 16.00 invoiced: 64.00 open
  const Id line = insertLine();

  ASSERT_TRUE(change(order, [&] {
                fetchLine(line);
                POD.CostCode = "09-200M";
                ASSERT_EQ(PODetail.update(), TableStatus::Ok);
              }).done);
  EXPECT_EQ(committed("2401", "06-100M"), amt("16.00"));
  EXPECT_EQ(committed("2401", "09-200M"), amt("69.00"));
}

TEST_F(PurchaseOrderSaveTest, OpenAmountIsRoundedOnceToTheCent) {
  addCostLine("2401", "06-100M");
  const Id order = addOrder("1001");
  jobLine(order, 1, "2401", "06-100M", "3", 3.335);
  POD.TotalAmount = amt("10.00");
  POD.QtyInvoiced = qty("1");  // 10.00 - 3.335 = 6.665, rounded once: 6.67
  insertLine();

  OpeningCommitments none;  // as for a new order: only the posting
  fetchOrder(order);
  ASSERT_TRUE(PurchaseOrderSave().save(ChangeRecord, none).done);
  EXPECT_EQ(committed("2401", "06-100M"), amt("6.67"));
}

TEST_F(PurchaseOrderSaveTest, StockOnOrderFollowsItemsAndIgnoresFreeTextItems) {
  addItem("SCR-DECK-3", qty("1000"));
  const Id order = addOrder("1003");
  inventoryLine(order, 1, "SCR-DECK-3", "20", "1000", 12.5);
  const Id boxed = insertLine();
  inventoryLine(order, 2, "NOT-IN-STOCK", "3", "3", 4);
  insertLine();

  ASSERT_TRUE(change(order, [&] {
                fetchLine(boxed);
                POD.INVQuantity = qty("1100.125");  // a fractional stock quantity must not drift
                ASSERT_EQ(PODetail.update(), TableStatus::Ok);
              }).done);
  EXPECT_EQ(item("SCR-DECK-3").QtyOnOrder, qty("1100.125"));
  crv::INM.ItemID = "NOT-IN-STOCK";
  EXPECT_EQ(INMaster.fetch(INM.KeyItemID), TableStatus::NotFound)
      << "nothing was made up for a free-text item";

  fetchOrder(order);
  ASSERT_TRUE(PurchaseOrderSave().save(ChangeRecord, opening).done);
  EXPECT_EQ(item("SCR-DECK-3").QtyOnOrder, qty("1100.125"));
}

TEST_F(PurchaseOrderSaveTest, ReconciliationStateAndSortFields) {
  struct Case {
    const char* total;
    std::vector<Flag> lines;
    Flag state;
  };
  const std::vector<Case> cases = {
      {"0.00", {2, 2}, 0},  // a zero total is unreconciled whatever its lines say
      {"250.00", {}, 2},    // no lines: fully reconciled
      {"250.00", {2, 2}, 2}, {"250.00", {2, 0}, 1}, {"250.00", {0, 1}, 1}, {"250.00", {0, 0}, 0},
  };
  for (const Case& c : cases) {
    const Id order = addOrder("2001", amt(c.total));
    Id sequence = 0;
    for (Flag reconciliation : c.lines) {
      jobLine(order, ++sequence, "9999", "01-100L", "1", 1);
      POD.Reconciliation = reconciliation;
      insertLine();
    }
    OpeningCommitments none;
    fetchOrder(order);
    ASSERT_TRUE(PurchaseOrderSave().save(ChangeRecord, none).done);
    fetchOrder(order);
    SCOPED_TRACE(std::string("total ") + c.total + ", " + std::to_string(c.lines.size()) + " lines");
    EXPECT_EQ(POM.Reconciled, c.state);
    EXPECT_EQ(POM.RecTF, c.state == 2 ? 1 : 0);
    EXPECT_EQ(POM.SortVendorID, c.state == 2 ? 0u : 103u);
    EXPECT_EQ(POM.SortPONumber.str(), c.state == 2 ? "" : "2001");
  }
}

TEST_F(PurchaseOrderSaveTest, AFailureAtAnyStepRollsEveryFigureBackAndKeepsTheOpeningList) {
  addCostLine("2401", "06-100M", amt("50.00"));
  addItem("LUM-2X4-8", qty("40"));
  const Id order = addOrder("1001");
  jobLine(order, 1, "2401", "06-100M", "10", 5.00);
  const Id line = insertLine();
  inventoryLine(order, 2, "LUM-2X4-8", "40", "40", 3);
  insertLine();
  opening = *OpeningCommitments::ofOrder(company->connection(), order);
  fetchLine(line);
  POD.QtyOrdered = qty("30");
  POD.TotalAmount = amt("150.00");
  ASSERT_EQ(PODetail.update(), TableStatus::Ok);
  const auto before = opening.entries();

  // The save takes back the item, then the cost line (last entry first),
  // posts the two lines as they are now and writes the header.
  using crv::test::Fault;
  using crv::test::StorageOp;
  const FaultCase cases[] = {
      {StorageOp::Write, 1, Fault::DiskFull, "Disk Full: database or disk is full (89) Saving INMaster"},
      {StorageOp::Write, 2, Fault::IoError, "disk I/O error (10) Saving JCCost"},
      {StorageOp::Write, 3, Fault::Busy, "File Is Already Locked (32) Saving JCCost"},
      {StorageOp::Write, 4, Fault::DiskFull, " Saving INMaster"},
      {StorageOp::Write, 5, Fault::DiskFull, " Saving POMaster"},
      {StorageOp::Read, 3, Fault::IoError, "disk I/O error (10) Reading PODetail"},
      {StorageOp::Read, 6, Fault::IoError, " Reading INMaster"},
      {StorageOp::Commit, 1, Fault::Busy, "File Is Already Locked (32) Saving POMaster"},
  };
  OperationOutcome failed;
  for (const FaultCase& c : cases) {
    SCOPED_TRACE(c.said);
    fetchOrder(order);
    failed = failedBy(
        c, [&] { return PurchaseOrderSave().save(ChangeRecord, opening); }, "was not saved",
        "Purchase Order Not Saved");
    EXPECT_EQ(committed("2401", "06-100M"), amt("50.00"));
    EXPECT_EQ(item("LUM-2X4-8").QtyOnOrder, qty("40"));
    EXPECT_EQ(opening.entries(), before) << "the next OK must take the same amounts back";
  }

  tellUser(failed);
  ASSERT_EQ(messages.shown().size(), 1u);
  EXPECT_EQ(messages.shown()[0].text, failed.message);
  EXPECT_EQ(messages.shown()[0].title, "Purchase Order Not Saved");
  EXPECT_EQ(messages.shown()[0].icon, Icon::Stop);

  fetchOrder(order);
  ASSERT_TRUE(PurchaseOrderSave().save(ChangeRecord, opening).done);
  EXPECT_EQ(committed("2401", "06-100M"), amt("150.00"));
  EXPECT_EQ(crv::test::figureDifferences(folder.path()), std::vector<std::string>{});
}

TEST_F(PurchaseOrderSaveTest, ASaveThatCannotStartItsTransactionChangesNothing) {
  addCostLine("2401", "06-100M");
  const Id order = addOrder("1001");
  jobLine(order, 1, "2401", "06-100M", "10", 5.00);
  insertLine();
  auto other = SqliteBackend().open(company->databaseFile().string(), Company::schema(), false);
  ASSERT_FALSE(other->begin(std::chrono::milliseconds(0)).failed());

  OpeningCommitments none;
  fetchOrder(order);
  PurchaseOrderSave save;
  save.setWait(std::chrono::milliseconds(50));
  const OperationOutcome outcome = save.save(ChangeRecord, none);
  other->rollback();
  EXPECT_FALSE(outcome.done);
  EXPECT_NE(outcome.message.find("File Is Already Locked (32)"), std::string::npos) << outcome.message;
  EXPECT_EQ(committed("2401", "06-100M"), Amount());
}

TEST_F(PurchaseOrderSaveTest, DeletingAPostedJobLineTakesItsAmountOffOnceWhetherTheFormIsSavedOrCancelled) {
  addCostLine("2401", "06-100M", amt("80.00"));
  const Id order = addOrder("1001");
  jobLine(order, 1, "2401", "06-100M", "10", 5.00);
  const Id kept = insertLine();
  jobLine(order, 2, "2401", "06-100M", "6", 5.00);
  const Id deleted = insertLine();
  opening = *OpeningCommitments::ofOrder(company->connection(), order);

  // A line added in this window was never posted: deleting it moves nothing.
  jobLine(order, 3, "2401", "06-100M", "100", 5.00);
  const Id added = insertLine();
  ASSERT_TRUE(LineDeletionAdjustment(company->connection()).apply(POD, opening).done);
  ASSERT_EQ(PODetail.remove(), TableStatus::Ok);
  EXPECT_EQ(committed("2401", "06-100M"), amt("80.00"));
  (void)added;

  fetchLine(deleted);
  ASSERT_TRUE(LineDeletionAdjustment(company->connection()).apply(POD, opening).done);
  ASSERT_EQ(PODetail.remove(), TableStatus::Ok);
  EXPECT_EQ(committed("2401", "06-100M"), amt("50.00")) << "after the delete, as after a Cancel";

  fetchOrder(order);
  ASSERT_TRUE(PurchaseOrderSave().save(ChangeRecord, opening).done);
  EXPECT_EQ(committed("2401", "06-100M"), amt("50.00")) << "OK does not take the deleted line back again";
  (void)kept;
}

TEST_F(PurchaseOrderSaveTest, ActivityIsLoggedForAddsAndRealChangesOnly) {
  GLO.LogUserActivity = 2;
  UserID = "JMS";
  POM.clear();
  ASSERT_EQ(POMaster.primeAutoInc(), TableStatus::Ok);
  POM.PONumber = "1001";
  POM.VendorID = 103;
  OpeningCommitments none;
  ASSERT_TRUE(PurchaseOrderSave().save(InsertRecord, none).done);

  const POMasterRecord opened = POM;
  ASSERT_TRUE(PurchaseOrderSave().save(ChangeRecord, none, nullptr, &opened).done);
  POM.ShipVia = "Our truck";
  ASSERT_TRUE(PurchaseOrderSave().save(ChangeRecord, none, nullptr, &opened).done);

  std::vector<std::string> activities;
  UserLog.set(USL.KeyLogID);
  while (UserLog.next() == TableStatus::Ok) {
    EXPECT_EQ(USL.Module.str(), "PO Enter Purchase Orders");
    activities.push_back(USL.Activity.str());
  }
  EXPECT_EQ(activities, (std::vector<std::string>{"Added Purchase Order #1001 for Vendor (103)",
                                                  "Changed Purchase Order #1001 for Vendor (103)"}));
}

}  // namespace
}  // namespace crvpo

// Saving orders: what moves on job cost lines and stock on order, the
// reconciliation state, and a save that fails at any step leaving every
// figure as it was.
#include "crvpo/entry/purchase_order_save.h"

#include <optional>

#include "crvpo/entry/line_deletion_adjustment.h"
#include "host/framework/services/global_request.h"
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
  POD.QtyInvoiced = qty("2");
  POD.AmountInvoiced = amt("16.00");  // 64.00 open
  const Id line = insertLine();

  ASSERT_TRUE(change(order, [&] {
                fetchLine(line);
                POD.CostCode = "09-200M";
                ASSERT_EQ(PODetail.update(), TableStatus::Ok);
              }).done);
  EXPECT_EQ(committed("2401", "06-100M"), amt("16.00"));
  EXPECT_EQ(committed("2401", "09-200M"), amt("69.00"));
}

// The one rule every save, deletion and rebuild posts with.
TEST(LineCommitmentTest, WhatALineCommits) {
  auto amt = [](std::string_view text) { return *Amount::parse(text); };
  auto qty = [](std::string_view text) { return *Quantity::parse(text); };
  struct Case {
    const char* what;
    const char* type;
    const char* ordered;
    const char* invoiced;
    const char* total;
    const char* amountInvoiced;
    Flag reconciliation;
    const char* stockUnits;  // INVQuantity
    const char* received;    // QtyRcvdNotInvoiced
    const char* onSlip;      // QtyThisPackSlip
    std::optional<LineKind> kind;
    const char* amount;
    const char* quantity;
  };
  const Case cases[] = {
      {"invoiced at another price", "Job", "10", "2", "1000.00", "210.00", 1, "0", "0", "0", LineKind::Job,
       "790.00", "0"},
      {"all invoiced by quantity", "Job", "10", "10", "1000.00", "990.00", 2, "0", "0", "0", LineKind::Job,
       "0.00", "0"},
      {"fully reconciled", "Job", "10", "8", "1000.00", "800.00", 2, "0", "0", "0", LineKind::Job, "0.00",
       "0"},
      {"nothing invoiced", "Job", "3", "0", "10.01", "0.00", 0, "0", "0", "0", LineKind::Job, "10.01", "0"},
      {"stock still to come less what arrived", "Inventory", "10", "4", "40.00", "16.00", 1, "12", "1.5",
       "0.5", LineKind::Inventory, "0", "8"},
      {"stock fully reconciled", "Inventory", "10", "10", "40.00", "40.00", 2, "0", "0", "0",
       LineKind::Inventory, "0", "0"},
      {"account", "G/L Account", "1", "0", "5.00", "0.00", 0, "0", "0", "0", std::nullopt, "0", "0"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    PODetailRecord line;
    line.DetailID = 9;
    line.DetailType = c.type;
    line.JobID = "2401";
    line.CostCode = "06-100M";
    line.CODetailID = 4;
    line.ItemID = "SCR-DECK-3";
    line.QtyOrdered = qty(c.ordered);
    line.QtyInvoiced = qty(c.invoiced);
    line.TotalAmount = amt(c.total);
    line.AmountInvoiced = amt(c.amountInvoiced);
    line.Reconciliation = c.reconciliation;
    line.INVQuantity = qty(c.stockUnits);
    line.QtyRcvdNotInvoiced = qty(c.received);
    line.QtyThisPackSlip = qty(c.onSlip);
    const std::optional<Commitment> entry = commitmentOf(line, 2.0);  // a BOX of 2
    ASSERT_EQ(entry.has_value(), c.kind.has_value());
    if (!entry) continue;
    EXPECT_EQ(entry->kind, *c.kind);
    EXPECT_EQ(entry->detailId, 9u);
    EXPECT_EQ(entry->amount, amt(c.amount));
    EXPECT_EQ(entry->quantity, qty(c.quantity));
    if (entry->kind == LineKind::Job) {
      EXPECT_EQ(entry->coDetailId, 4u);
    }
  }
  PODetailRecord text;
  text.DetailType = "Job";
  text.TextFlag = 1;
  EXPECT_FALSE(commitmentOf(text, 1.0)) << "a text line commits nothing";
}

TEST_F(PurchaseOrderSaveTest, ChangeOrderFiguresFollowTheLine) {
  addCostLine("2401", "03-300M", amt("600.00"), amt("600.00"));
  addCostLine("2401", "06-100M");
  addChangeOrderDetail(11, "2401", "03-300M", amt("600.00"));
  addChangeOrderDetail(12, "2401", "03-300M");
  const Id order = addOrder("1002");
  jobLine(order, 1, "2401", "03-300M", "6", 100.00);
  POD.CODetailID = 11;
  const Id line = insertLine();

  auto edit = [&](std::string_view costCode, Id coDetail, std::string_view quantity, std::string_view total) {
    return change(order, [&] {
      fetchLine(line);
      POD.CostCode = costCode;
      POD.CODetailID = coDetail;
      POD.QtyOrdered = qty(quantity);
      POD.TotalAmount = amt(total);
      ASSERT_EQ(PODetail.update(), TableStatus::Ok);
    });
  };
  ASSERT_TRUE(edit("03-300M", 12, "7", "700.00").done);  // another change order of the same cost line
  EXPECT_EQ(changeOrderCommitted(11), Amount());
  EXPECT_EQ(changeOrderCommitted(12), amt("700.00"));
  EXPECT_EQ(committed("2401", "03-300M"), amt("700.00"));
  EXPECT_EQ(JCC.COCommitted, amt("700.00"));

  ASSERT_TRUE(edit("06-100M", 0, "7", "700.00").done);  // off the change order, to another cost line
  EXPECT_EQ(changeOrderCommitted(12), Amount());
  EXPECT_EQ(committed("2401", "03-300M"), Amount());
  EXPECT_EQ(JCC.COCommitted, Amount());
  EXPECT_EQ(committed("2401", "06-100M"), amt("700.00"));
  EXPECT_EQ(crv::test::figureDifferences(folder.path()), std::vector<std::string>{});
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

  // The save nets what the order committed when opened against what its
  // lines commit now: only the cost line moves (the item's figure stays),
  // then the header is written.
  using crv::test::Fault;
  using crv::test::StorageOp;
  const FaultCase cases[] = {
      {StorageOp::Write, 1, Fault::DiskFull, "Disk Full: database or disk is full (89) Saving JCCost"},
      {StorageOp::Write, 1, Fault::IoError, "disk I/O error (10) Saving JCCost"},
      {StorageOp::Write, 1, Fault::Busy, "File Is Already Locked (32) Saving JCCost"},
      {StorageOp::Write, 2, Fault::DiskFull, " Saving POMaster"},
      {StorageOp::Read, 1, Fault::IoError, "disk I/O error (10) Reading PODetail"},
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
  auto other = company->connect();
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

// A failed commit rolls the primed row back to its placeholder; the order
// can still be saved, or cancelled without leaving the placeholder behind.
TEST_F(PurchaseOrderSaveTest, ANewOrderWhoseSaveFailedCanBeSavedAgainOrCancelled) {
  for (const bool again : {true, false}) {
    SCOPED_TRACE(again ? "saved again" : "cancelled");
    POM.clear();
    ASSERT_EQ(POMaster.primeAutoInc(), TableStatus::Ok);
    const Id poid = POM.POID;
    POM.PONumber = again ? "3001" : "3002";
    POM.VendorID = 103;
    OpeningCommitments none;
    storage.failNth(crv::test::StorageOp::Commit, 1, crv::test::Fault::Busy);
    EXPECT_FALSE(PurchaseOrderSave().save(InsertRecord, none).done);
    storage.disarm();
    if (again) {
      ASSERT_TRUE(PurchaseOrderSave().save(InsertRecord, none).done);
    } else {
      ASSERT_EQ(POMaster.cancelAutoInc(), TableStatus::Ok);
    }
    POM.clear();
    POM.POID = poid;
    const bool stored = POMaster.fetch(POM.KeyPOID) == TableStatus::Ok;
    EXPECT_EQ(stored, again);
    if (stored) {
      EXPECT_EQ(POM.PONumber.str(), "3001");
    }
  }
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

  // Stored as open, but with a total and no lines it is fully reconciled:
  // the save corrects its state and sort fields, which the person did not
  // change.
  const Id stale = addOrder("1002");
  fetchOrder(stale);
  const POMasterRecord openedStale = POM;
  ASSERT_TRUE(PurchaseOrderSave().save(ChangeRecord, none, nullptr, &openedStale).done);
  EXPECT_EQ(POM.Reconciled, 2);

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

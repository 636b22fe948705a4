// Deleting an order: stock on order and on hand with the stock ratio, the
// default location's stock and the purchase history, committed cost and
// the cost line's last order line, notes, attached files, the activity
// record, and a deletion that fails at any step changing nothing.
#include "crvpo/entry/purchase_order_deletion.h"

#include <fstream>

#include "host/siblings/CRVMISC/image_store.h"
#include "support/independent_rebuild.h"
#include "tests/crvpo/entry/commitment_fixture.h"

namespace crvpo {
namespace {

using namespace crv;

class PurchaseOrderDeletionTest : public test::CommitmentFixture {
 protected:
  void addStock(std::string_view itemId, std::string_view onHand) {
    INI.clear();
    INI.ItemID = itemId;
    INI.LocationID = "MAIN";
    INI.BinID = "A1";
    INI.QtyOnHand = qty(onHand);
    ASSERT_EQ(INItem.insert(), TableStatus::Ok);
  }
  Quantity stockAtDefaultBin(std::string_view itemId) {
    INI.ItemID = itemId;
    INI.LocationID = "MAIN";
    INI.BinID = "A1";
    EXPECT_EQ(INItem.fetch(INI.KeyItemLocBin), TableStatus::Ok);
    return INI.QtyOnHand;
  }
  void addPurchaseHistory(Id detailId) {
    INPU.clear();
    INPU.PODetailID = detailId;
    ASSERT_EQ(INPurch.insert(), TableStatus::Ok);
  }
  bool hasPurchaseHistory(Id detailId) {
    INPU.PODetailID = detailId;
    return INPurch.fetch(INPU.KeyPODetailID) == TableStatus::Ok;
  }
  int linesOf(Id order) {
    POD.POID = order;
    PODetail.setRange(POD.KeyPOID, 1);
    int count = 0;
    while (PODetail.next() == TableStatus::Ok) ++count;
    return count;
  }
  OperationOutcome deleteOrder(Id order) {
    fetchOrder(order);
    return PurchaseOrderDeletion().remove();
  }
};

TEST_F(PurchaseOrderDeletionTest, InventoryLineGivesBackOnOrderAndWhatWasReceivedButNotInvoiced) {
  addItem("SCR-DECK-3", qty("100"), qty("50"));
  addStock("SCR-DECK-3", "30");
  const Id order = addOrder("1003");
  inventoryLine(order, 1, "SCR-DECK-3", "10", "20", 4.0);  // 2 stock units per ordered unit
  POD.QtyRcvdNotInvoiced = qty("4");
  const Id line = insertLine();
  addPurchaseHistory(line);

  ASSERT_TRUE(deleteOrder(order).done);
  const INMasterRecord after = item("SCR-DECK-3");
  EXPECT_EQ(after.QtyOnOrder, qty("88"));  // 20 open less 8 received
  EXPECT_EQ(after.QtyOnHand, qty("42"));
  EXPECT_EQ(stockAtDefaultBin("SCR-DECK-3"), qty("22"));
  EXPECT_FALSE(hasPurchaseHistory(line));
  EXPECT_EQ(linesOf(order), 0);
  POM.POID = order;
  EXPECT_EQ(POMaster.fetch(POM.KeyPOID), TableStatus::NotFound);
}

TEST_F(PurchaseOrderDeletionTest, NothingOrderedUsesTheUnitConversionAsTheRatio) {
  addItem("WIRE-12-2", qty("0"), qty("1000"));
  addStock("WIRE-12-2", "1000");
  INC.clear();
  INC.ItemID = "WIRE-12-2";
  INC.UnitName = "ROLL";
  INC.Factor = 250;
  ASSERT_EQ(INCnvrt.insert(), TableStatus::Ok);
  const Id order = addOrder("1004");
  inventoryLine(order, 1, "WIRE-12-2", "0", "0", 80);
  POD.ConversionID = INC.ConversionID;
  POD.QtyRcvdNotInvoiced = qty("2");  // two rolls arrived on an order for none
  insertLine();

  ASSERT_TRUE(deleteOrder(order).done);
  EXPECT_EQ(item("WIRE-12-2").QtyOnHand, qty("500"));
  EXPECT_EQ(item("WIRE-12-2").QtyOnOrder, qty("500")) << "0 open less 500 received";
  EXPECT_EQ(stockAtDefaultBin("WIRE-12-2"), qty("500"));
}

TEST_F(PurchaseOrderDeletionTest, JobLinesLowerCommittedByTheirOpenAmountAndFreeTheCostLine) {
  addCostLine("2401", "06-100M", amt("70.00"));
  const Id order = addOrder("1001");
  jobLine(order, 1, "2401", "06-100M", "10", 5.00);
  POD.QtyInvoiced = qty("4");  // 30.00 open
  const Id line = insertLine();
  jobLine(order, 2, "2401", "06-100M", "4", 10.00);
  POD.QtyInvoiced = qty("4");  // fully invoiced: nothing open
  insertLine();
  jobLine(order, 3, "2401", "99-999M", "1", 10.00);  // no such cost line: skipped
  insertLine();
  JCC.JobID = "2401";
  JCC.CostCode = "06-100M";
  ASSERT_EQ(JCCost.fetch(JCC.KeyJobCodeType), TableStatus::Ok);
  JCC.PODetailID = line;
  ASSERT_EQ(JCCost.update(), TableStatus::Ok);

  ASSERT_TRUE(deleteOrder(order).done);
  EXPECT_EQ(committed("2401", "06-100M"), amt("40.00"));
  EXPECT_EQ(JCC.PODetailID, 0u);
}

TEST_F(PurchaseOrderDeletionTest, NotesAttachmentsAndTheirStoredFilesGoAndTheDeletionIsLogged) {
  const Id order = addOrder("1002");
  const Id other = addOrder("1003");
  for (Id owner : {order, other}) {
    NOTE.clear();
    NOTE.Filename = "POMaster";
    NOTE.EntityID = std::to_string(owner);
    NOTE.Note = "call before delivery";
    ASSERT_EQ(Notes.insert(), TableStatus::Ok);
  }
  const auto original = folder / "quote.pdf";
  std::ofstream(original) << "%PDF quote";
  const auto stored = siblings::StoreImageFile(original);
  ASSERT_TRUE(stored) << stored.error;
  IMG.clear();
  IMG.Type = "POMaster";
  IMG.NumericID = order;
  IMG.FileName = original.string();
  IMG.StoredName = stored.storedName;
  ASSERT_EQ(Images.insert(), TableStatus::Ok);
  GLO.LogUserActivity = 2;
  UserID = "JMS";

  ASSERT_TRUE(deleteOrder(order).done);
  EXPECT_FALSE(std::filesystem::exists(stored.file));
  EXPECT_TRUE(std::filesystem::exists(original));
  Images.set(IMG.KeyTypeNumericID);
  EXPECT_EQ(Images.next(), TableStatus::EndOfFile);
  Notes.set(NOTE.KeyEntityID);
  ASSERT_EQ(Notes.next(), TableStatus::Ok);
  EXPECT_EQ(NOTE.EntityID.str(), std::to_string(other)) << "another order's note stays";
  EXPECT_EQ(Notes.next(), TableStatus::EndOfFile);
  UserLog.set(USL.KeyLogID);
  ASSERT_EQ(UserLog.next(), TableStatus::Ok);
  EXPECT_EQ(USL.UserID.str(), "JMS");
  EXPECT_EQ(USL.Module.str(), "PO Enter Purchase Orders");
  EXPECT_EQ(USL.Activity.str(), "Deleted Purchase Order #1002 for Vendor (103)");
}

TEST_F(PurchaseOrderDeletionTest, ADeletionThatFailsAtAnyStepChangesNothingAndKeepsTheFiles) {
  addItem("LUM-2X4-8", qty("40"));
  addCostLine("2401", "06-100M", amt("50.00"));
  const Id order = addOrder("1001");
  inventoryLine(order, 1, "LUM-2X4-8", "40", "40", 3);
  insertLine();
  jobLine(order, 2, "2401", "06-100M", "10", 5.00);
  insertLine();
  NOTE.clear();
  NOTE.Filename = "POMaster";
  NOTE.EntityID = std::to_string(order);
  ASSERT_EQ(Notes.insert(), TableStatus::Ok);
  const auto original = folder / "photo.jpg";
  std::ofstream(original) << "jpeg";
  const auto stored = siblings::StoreImageFile(original);
  IMG.clear();
  IMG.Type = "POMaster";
  IMG.NumericID = order;
  IMG.StoredName = stored.storedName;
  ASSERT_EQ(Images.insert(), TableStatus::Ok);

  // Writes in order: the item, the cost line, the note, the attachment,
  // then the order and its lines.
  using crv::test::Fault;
  using crv::test::StorageOp;
  const FaultCase cases[] = {
      {StorageOp::Read, 1, Fault::IoError, "disk I/O error (10) Reading POMaster"},
      {StorageOp::Write, 1, Fault::DiskFull, " Saving INMaster"},
      {StorageOp::Write, 2, Fault::Busy, "File Is Already Locked (32) Saving JCCost"},
      {StorageOp::Write, 3, Fault::IoError, " Deleting Notes"},
      {StorageOp::Write, 4, Fault::IoError, " Deleting Images"},
      {StorageOp::Write, 5, Fault::DiskFull, " Deleting POMaster"},
      {StorageOp::Commit, 1, Fault::Busy, "File Is Already Locked (32) Deleting POMaster"},
  };
  for (const FaultCase& c : cases) {
    SCOPED_TRACE(c.said);
    fetchOrder(order);
    failedBy(
        c, [] { return PurchaseOrderDeletion().remove(); }, "was not deleted", "Purchase Order Not Deleted");
    EXPECT_EQ(item("LUM-2X4-8").QtyOnOrder, qty("40"));
    EXPECT_EQ(committed("2401", "06-100M"), amt("50.00"));
    EXPECT_EQ(linesOf(order), 2);
    Notes.set(NOTE.KeyEntityID);
    EXPECT_EQ(Notes.next(), TableStatus::Ok) << "the note stays";
    EXPECT_TRUE(std::filesystem::exists(stored.file));
  }
  EXPECT_EQ(crv::test::figureDifferences(folder.path()), std::vector<std::string>{});

  ASSERT_TRUE(deleteOrder(order).done);
  EXPECT_FALSE(std::filesystem::exists(stored.file));
  EXPECT_EQ(crv::test::figureDifferences(folder.path()), std::vector<std::string>{});
}

}  // namespace
}  // namespace crvpo

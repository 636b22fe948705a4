// Recording receipts of order lines: stock on hand, on order and purchase
// history after partial receipts against figures worked out by hand, a
// line opened twice on one packing slip, serial numbers coming and going,
// and receipts that fail in any step leaving every table as it was. Stock
// on order is checked against the independent rebuild after every receipt
// and close.
#include "crvpo/reconcile/line_receipt.h"

#include "crvpo/reconcile/pack_slip_close.h"
#include "crvpo/reconcile/receipt_postings.h"
#include "host/storage/sqlite/sqlite_backend.h"
#include "support/independent_rebuild.h"
#include "tests/crvpo/entry/commitment_fixture.h"

namespace crvpo {
namespace {

using namespace crv;

constexpr Id vendor = 110;

class LineReceiptTest : public test::CommitmentFixture {
 protected:
  void SetUp() override {
    CommitmentFixture::SetUp();
    INSerial.open();
    PODetSer.open();
  }
  void TearDown() override {
    PODetSer.close();
    INSerial.close();
    CommitmentFixture::TearDown();
  }

  // An item kept in `unit`, with `onHand` in `location`/`bin` and `onOrder`.
  void stockItem(std::string_view id, std::string_view unit, std::string_view onHand,
                 std::string_view onOrder, std::string_view location, std::string_view bin,
                 bool serialized = false) {
    addItem(id, qty(onOrder), qty(onHand));
    INM.UnitName = unit;
    INM.QtyReceivedToDate = qty(onHand);
    INM.Serialized = serialized;
    ASSERT_EQ(INMaster.update(), TableStatus::Ok);
    INI.clear();
    INI.ItemID = id;
    INI.LocationID = location;
    INI.BinID = bin;
    INI.QtyOnHand = qty(onHand);
    ASSERT_EQ(INItem.insert(), TableStatus::Ok);
  }

  Id conversion(std::string_view id, std::string_view unit, double factor) {
    INC.clear();
    INC.ItemID = id;
    INC.UnitName = unit;
    INC.Factor = factor;
    EXPECT_EQ(INCnvrt.insert(), TableStatus::Ok);
    return INC.ConversionID;
  }

  // An inventory line as a saved order holds it (its stock already on order).
  Id line(Id order, std::string_view id, std::string_view unit, std::string_view ordered,
          std::string_view inStock, double price, Id conversionId, std::string_view location,
          std::string_view bin) {
    inventoryLine(order, 1, id, ordered, inStock, price);
    POD.UnitName = unit;
    POD.ConversionID = conversionId;
    POD.LocationID = location;
    POD.BinID = bin;
    return insertLine();
  }

  // The line form's OK: this packing slip's quantity now, at the line's
  // place, with the serial numbers as the form holds them.
  OperationOutcome receive(Id detail, std::string_view slip, std::vector<std::string> list = {},
                           std::string single = {}, const StockPlace* place = nullptr) {
    fetchLine(detail);
    POD.QtyThisPackSlip = qty(slip);
    if (place) {
      POD.LocationID = place->location;
      POD.BinID = place->bin;
    }
    LineReceipt receipt(company->connection(), POD, vendor);
    if (item(POD.ItemID.view()).Serialized) {
      std::vector<ReceivedSerial> rows;
      for (auto& number : list) rows.push_back({0, 0, number});
      receipt.setSerialNumbers(std::move(rows), std::move(single));
    }
    return receipt.record(writeLine);
  }

  // Reopening a serialized line keeps its stored rows, as the form loads them.
  OperationOutcome receiveAgain(Id detail, std::string_view slip, std::vector<ReceivedSerial> list,
                                std::string single = {}) {
    fetchLine(detail);
    POD.QtyThisPackSlip = qty(slip);
    LineReceipt receipt(company->connection(), POD, vendor);
    receipt.setSerialNumbers(std::move(list), std::move(single));
    return receipt.record(writeLine);
  }

  static void writeLine(TableSteps& steps) { steps.update(PODetail); }

  Quantity binStock(std::string_view id, std::string_view location, std::string_view bin) {
    INI.clear();
    INI.ItemID = id;
    INI.LocationID = location;
    INI.BinID = bin;
    if (INItem.fetch(INItemRecord::KeyItemLocBin) != TableStatus::Ok) return qty("-999");
    return INI.QtyOnHand;
  }

  // The line's purchase history: "quantity/cost@serial" per row.
  std::vector<std::string> history(Id detail) {
    std::vector<std::string> rows;
    INPU.clear();
    INPU.PODetailID = detail;
    INPurch.setRange(INPurchRecord::KeyPODetailID, 1);
    while (INPurch.next() == TableStatus::Ok)
      rows.push_back(INPU.Quantity.toString() + "/" + INPU.Cost.toString() + "@" +
                     serialNumber(INPU.SerialID));
    return rows;
  }

  std::string serialNumber(Id serial) {
    if (serial == 0) return "-";
    INS.clear();
    INS.SerialID = serial;
    return INSerial.fetch(INSerialRecord::KeySerialID) == TableStatus::Ok ? INS.SerialNo.str() : "?";
  }

  std::vector<ReceivedSerial> storedSerials(Id detail) {
    std::vector<ReceivedSerial> rows;
    PODS.clear();
    PODS.DetailID = detail;
    PODetSer.setRange(PODetSerRecord::KeyDetailID, 1);
    while (PODetSer.next() == TableStatus::Ok)
      rows.push_back({PODS.RecordID, PODS.SerialID, PODS.SerialNo.str()});
    return rows;
  }

  Id knownSerial(std::string_view id, std::string_view number) {
    INS.clear();
    INS.ItemID = id;
    INS.SerialNo = number;
    EXPECT_EQ(INSerial.insert(), TableStatus::Ok);
    return INS.SerialID;
  }

  std::string figures(std::string_view id) {
    const INMasterRecord i = item(id);
    return "on hand " + i.QtyOnHand.toString() + ", on order " + i.QtyOnOrder.toString() + ", received " +
           i.QtyReceivedToDate.toString();
  }

  void expectRebuildAgrees() {
    EXPECT_EQ(crv::test::figureDifferences(folder.path()), std::vector<std::string>{});
  }
};

TEST_F(LineReceiptTest, PartialReceiptsInPurchaseUnitsMoveStockAndHistoryOnce) {
  stockItem("SCR-DECK-3", "EA", "200", "1000", "MAIN", "A1");
  const Id box = conversion("SCR-DECK-3", "BOX", 50);
  const Id order = addOrder("1003");
  const Id detail = line(order, "SCR-DECK-3", "BOX", "20", "1000", 8.25, box, "MAIN", "A1");

  struct Step {
    const char* slip;  // this packing slip's quantity as typed; nullptr: the order form closes
    const char* figures;
    const char* bin;
    const char* history;
  };
  const Step steps[] = {
      {"5", "on hand 450.0000, on order 750.0000, received 450.0000", "450.0000", "250.0000/41.2500@-"},
      // Opened again on the same packing slip: 7 in all, not 2.
      {"7", "on hand 550.0000, on order 650.0000, received 550.0000", "550.0000", "350.0000/57.7500@-"},
      {nullptr, "on hand 550.0000, on order 650.0000, received 550.0000", "550.0000", "350.0000/57.7500@-"},
      {"3", "on hand 700.0000, on order 500.0000, received 700.0000", "700.0000", "500.0000/82.5000@-"},
      {nullptr, "on hand 700.0000, on order 500.0000, received 700.0000", "700.0000", "500.0000/82.5000@-"},
  };
  for (const Step& step : steps) {
    SCOPED_TRACE(step.slip ? std::string("slip ") + step.slip : std::string("close"));
    if (step.slip)
      ASSERT_TRUE(receive(detail, step.slip).done);
    else
      ASSERT_EQ(closePackingSlip(company->connection(), order), std::vector<std::string>{});
    EXPECT_EQ(figures("SCR-DECK-3"), step.figures);
    EXPECT_EQ(binStock("SCR-DECK-3", "MAIN", "A1").toString(), step.bin);
    EXPECT_EQ(history(detail), std::vector<std::string>{step.history});
    expectRebuildAgrees();
  }
  fetchLine(detail);
  EXPECT_EQ(POD.QtyRcvdNotInvoiced, qty("10"));
  EXPECT_EQ(POD.QtyThisPackSlip, Quantity());
}

TEST_F(LineReceiptTest, StockGoesWhereTheLineIsAndTakingItBackLeavesOtherReceiptsStock) {
  stockItem("LUM-2X4-8", "EA", "200", "300", "MAIN", "A1");
  const Id order = addOrder("1001");
  const Id detail = line(order, "LUM-2X4-8", "EA", "300", "300", 3.10, 0, "YARD", "PAD");

  ASSERT_TRUE(receive(detail, "120").done);
  EXPECT_EQ(binStock("LUM-2X4-8", "YARD", "PAD"), qty("120")) << "a new bin row for the receipt";
  const StockPlace mainBin{"MAIN", "A1"};
  ASSERT_TRUE(receive(detail, "120", {}, {}, &mainBin).done);
  EXPECT_EQ(binStock("LUM-2X4-8", "YARD", "PAD"), qty("-999")) << "the bin it emptied is gone";
  EXPECT_EQ(binStock("LUM-2X4-8", "MAIN", "A1"), qty("320"));
  EXPECT_EQ(figures("LUM-2X4-8"), "on hand 320.0000, on order 180.0000, received 320.0000");

  ASSERT_TRUE(receive(detail, "0").done);
  EXPECT_EQ(binStock("LUM-2X4-8", "MAIN", "A1"), qty("200")) << "stock of other receipts stays in the bin";
  EXPECT_EQ(figures("LUM-2X4-8"), "on hand 200.0000, on order 300.0000, received 200.0000");
  EXPECT_EQ(history(detail), std::vector<std::string>{});
  expectRebuildAgrees();
}

TEST_F(LineReceiptTest, AUnitWithoutAConversionCountsOneStockUnitEach) {
  stockItem("WIRE-12-2", "FT", "0", "3", "MAIN", "A2");
  const Id detail = line(addOrder("1004"), "WIRE-12-2", "SPOOL", "3", "3", 118.75, 0, "MAIN", "A2");
  ASSERT_TRUE(receive(detail, "2").done);
  EXPECT_EQ(figures("WIRE-12-2"), "on hand 2.0000, on order 1.0000, received 2.0000");
  EXPECT_EQ(history(detail), std::vector<std::string>{"2.0000/237.5000@-"});
  expectRebuildAgrees();
}

TEST_F(LineReceiptTest, SerialNumbersAndTheirHistoryFollowWhatTheLineHasReceived) {
  stockItem("GEN-7500", "EA", "2", "5", "MAIN", "B1", true);
  const Id onHand = knownSerial("GEN-7500", "SPE-311");
  const Id order = addOrder("1003");
  const Id detail = line(order, "GEN-7500", "EA", "5", "5", 4200, 0, "MAIN", "B1");
  const std::int64_t recordsBefore = INSerial.records();

  ASSERT_TRUE(receive(detail, "3", {"GX-1", "SPE-311", "GX-2"}).done);
  const auto rows = storedSerials(detail);
  ASSERT_EQ(rows.size(), 3u);
  EXPECT_EQ(rows[1].serialId, onHand) << "a number known for the item keeps its record";
  EXPECT_EQ(INSerial.records(), recordsBefore + 2);
  EXPECT_EQ(history(detail), (std::vector<std::string>{"1.0000/4200.0000@GX-1", "1.0000/4200.0000@SPE-311",
                                                       "1.0000/4200.0000@GX-2"}));
  EXPECT_EQ(figures("GEN-7500"), "on hand 5.0000, on order 2.0000, received 5.0000");
  expectRebuildAgrees();

  // Down to one unit: one number on the line, and the history of the two
  // taken off goes with them.
  ASSERT_TRUE(receiveAgain(detail, "1", rows, "GX-2").done);
  fetchLine(detail);
  EXPECT_EQ(POD.SerialID, rows[2].serialId);
  EXPECT_TRUE(storedSerials(detail).empty());
  EXPECT_EQ(history(detail), std::vector<std::string>{"1.0000/4200.0000@GX-2"});
  EXPECT_EQ(figures("GEN-7500"), "on hand 3.0000, on order 4.0000, received 3.0000");
  expectRebuildAgrees();

  ASSERT_TRUE(receiveAgain(detail, "0", {}).done);
  fetchLine(detail);
  EXPECT_EQ(POD.SerialID, 0u);
  EXPECT_EQ(history(detail), std::vector<std::string>{});
  EXPECT_EQ(figures("GEN-7500"), "on hand 2.0000, on order 5.0000, received 2.0000");
  EXPECT_EQ(INSerial.records(), recordsBefore + 2) << "serial records stay";
  expectRebuildAgrees();
}

TEST_F(LineReceiptTest, ChangedSerialNumbersRenameTheirRecordUnlessTheNewNumberHasOne) {
  stockItem("GEN-7500", "EA", "0", "2", "MAIN", "B1", true);
  const Id onHand = knownSerial("GEN-7500", "SPE-311");
  const Id detail = line(addOrder("1003"), "GEN-7500", "EA", "2", "2", 4200, 0, "MAIN", "B1");
  ASSERT_TRUE(receive(detail, "2", {"GX-1", "GX-2"}).done);
  auto rows = storedSerials(detail);
  const Id renamed = rows[1].serialId;

  rows[0].number = "SPE-311";
  rows[1].number = "GX-9";
  ASSERT_TRUE(receiveAgain(detail, "2", rows).done);
  rows = storedSerials(detail);
  EXPECT_EQ(rows[0].serialId, onHand);
  EXPECT_EQ(rows[1].serialId, renamed);
  EXPECT_EQ(serialNumber(renamed), "GX-9");
  EXPECT_EQ(history(detail), (std::vector<std::string>{"1.0000/4200.0000@GX-9", "1.0000/4200.0000@SPE-311"}));
}

// Receiving three serialized units into an empty bin, then taking them
// back: a failure of any read, write or the commit leaves every table as
// it was and says which step failed.
TEST_F(LineReceiptTest, AFailureInAnyStepOfAReceiptLeavesEveryTableAsItWas) {
  stockItem("GEN-7500", "EA", "2", "3", "MAIN", "B1", true);
  const Id detail = line(addOrder("1003"), "GEN-7500", "EA", "3", "3", 4200, 0, "YARD", "PAD");
  auto snapshot = [&] {
    return figures("GEN-7500") + "; bins " + std::to_string(INItem.records()) + ", history " +
           std::to_string(INPurch.records()) + ", serials " + std::to_string(INSerial.records()) + ", rows " +
           std::to_string(PODetSer.records());
  };
  using crv::test::Fault;
  using crv::test::StorageOp;
  struct Phase {
    const char* slip;
    std::vector<ReceivedSerial> serials;
    std::vector<FaultCase> cases;
  };
  const Phase phases[] = {
      {"3",
       {{0, 0, "GX-1"}, {0, 0, "GX-2"}, {0, 0, "GX-3"}},
       {{StorageOp::Read, 1, Fault::IoError, "disk I/O error (10) Reading PODetail"},
        {StorageOp::Write, 1, Fault::DiskFull, "Error Incrementing INSerial|Disk Full"},
        {StorageOp::Write, 2, Fault::IoError, "Error Adding INSerial|disk I/O error (10)"},
        {StorageOp::Write, 3, Fault::Busy, "File Is Already Locked (32) Inserting PODetSer"},
        {StorageOp::Write, 10, Fault::DiskFull, " Autoincrementing INItem"},
        {StorageOp::Write, 11, Fault::DiskFull, " Inserting INItem"},
        {StorageOp::Write, 12, Fault::DiskFull, " Saving INMaster"},
        {StorageOp::Write, 13, Fault::DiskFull, " Autoincrementing INPurch"},
        {StorageOp::Write, 14, Fault::DiskFull, " Inserting INPurch"},
        {StorageOp::Write, 19, Fault::DiskFull, " Saving PODetail"},
        {StorageOp::Commit, 1, Fault::Busy, "File Is Already Locked (32) Saving PODetail"}}},
      {"0",
       {},
       {{StorageOp::Write, 1, Fault::DiskFull, " Deleting PODetSer"},
        {StorageOp::Write, 4, Fault::DiskFull, " Deleting INItem"},
        {StorageOp::Write, 5, Fault::DiskFull, " Saving INMaster"},
        {StorageOp::Write, 6, Fault::DiskFull, " Deleting INPurch"},
        {StorageOp::Write, 9, Fault::DiskFull, " Saving PODetail"}}},
  };
  for (const Phase& phase : phases) {
    const std::string before = snapshot();
    fetchLine(detail);
    POD.QtyThisPackSlip = qty(phase.slip);
    LineReceipt receipt(company->connection(), POD, vendor);
    receipt.setSerialNumbers(phase.serials, {});
    for (const FaultCase& c : phase.cases) {
      SCOPED_TRACE(std::string("slip ") + phase.slip + ": " + c.said);
      failedBy(
          c, [&] { return receipt.record(writeLine); }, LineReceipt::notRecordedText, "");
      EXPECT_EQ(snapshot(), before);
      EXPECT_EQ(POD.QtyThisPackSlip, qty(phase.slip)) << "the form keeps what the person typed";
    }
    ASSERT_TRUE(receipt.record(writeLine).done);
    EXPECT_NE(snapshot(), before);
    expectRebuildAgrees();
  }
}

TEST_F(LineReceiptTest, ClosingAPackingSlipReportsALineItCannotWriteAndMovesTheOthers) {
  const Id order = addOrder("1001");
  for (Id sequence : {1u, 2u}) {
    jobLine(order, sequence, "2401", "06-100M", "10", 5.00);
    POD.QtyThisPackSlip = qty(sequence == 1 ? "2" : "3");
    insertLine();
  }
  storage.failNth(crv::test::StorageOp::Write, 1, crv::test::Fault::DiskFull, "PODetail");
  EXPECT_EQ(closePackingSlip(company->connection(), order),
            std::vector<std::string>{"Disk Full: database or disk is full (89) Saving PODetail"});
  std::vector<std::string> lines;
  POD.clear();
  POD.POID = order;
  PODetail.setRange(PODetailRecord::KeyPOID, 1);
  while (PODetail.next() == TableStatus::Ok)
    lines.push_back(POD.QtyRcvdNotInvoiced.toString() + "+" + POD.QtyThisPackSlip.toString());
  EXPECT_EQ(lines, (std::vector<std::string>{"0.0000+2.0000", "3.0000+0.0000"}));
}

TEST_F(LineReceiptTest, AReceiptThatCannotGetItsTransactionChangesNothing) {
  stockItem("LUM-2X4-8", "EA", "0", "10", "MAIN", "A1");
  const Id detail = line(addOrder("1001"), "LUM-2X4-8", "EA", "10", "10", 3.10, 0, "MAIN", "A1");
  auto other = SqliteBackend().open(company->databaseFile().string(), Company::schema(), false);
  ASSERT_FALSE(other->begin(std::chrono::milliseconds(0)).failed());
  fetchLine(detail);
  POD.QtyThisPackSlip = qty("4");
  LineReceipt receipt(company->connection(), POD, vendor);
  receipt.setWait(std::chrono::milliseconds(50));
  const OperationOutcome outcome = receipt.record(writeLine);
  other->rollback();
  EXPECT_FALSE(outcome.done);
  EXPECT_NE(outcome.message.find("File Is Already Locked (32)"), std::string::npos) << outcome.message;
  EXPECT_EQ(figures("LUM-2X4-8"), "on hand 0.0000, on order 10.0000, received 0.0000");
}

}  // namespace
}  // namespace crvpo

// The print batch: what a row carries for one order, the "Generate POs"
// selection with its numbering and range, the sample and blank forms, and
// the shared records the build keeps in order.
#include "crvpo/reports/create_po_print.h"

#include "tests/crvpo/reports/print_fixture.h"

namespace crvpo {
namespace {

using namespace crv;

class POPrintBatchTest : public test::PrintFixture {
 protected:
  void setLimits(Byte selected, std::string_view from, std::string_view to) {
    CreatePOPrint();  // makes the one "Generate POs" record
    POL.clear();
    POL.Report = generatePOsReport;
    ASSERT_EQ(POLimits.setFrom(POL.KeyReport, 1), TableStatus::Ok);
    ASSERT_EQ(POLimits.next(), TableStatus::Ok);
    POL.SelectedPONumbers = selected;
    POL.POFrom = from;
    POL.POTo = to;
    ASSERT_EQ(POLimits.update(), TableStatus::Ok);
  }

  std::int32_t storedRunningNumber() {
    POL.clear();
    POL.Report = generatePOsReport;
    EXPECT_EQ(POLimits.setFrom(POL.KeyReport, 1), TableStatus::Ok);
    EXPECT_EQ(POLimits.next(), TableStatus::Ok);
    return POL.RefFrom;
  }

  std::vector<std::string> numbers() {
    std::vector<std::string> result;
    for (const auto& row : batch()) result.push_back(row.PONumber.str());
    return result;
  }
};

TEST_F(POPrintBatchTest, SingleOrderRowCarriesTheOrderAndComposedBlocks) {
  addSystems();
  addVendor(10, "Stone; Bob", "1 Supply Road", "");
  const Id poid = addOrder("1200");
  addOrder("1201");
  DecimalVariable = Amount(static_cast<std::int64_t>(poid));
  CreatePOPrint();

  const auto rows = batch();
  ASSERT_EQ(rows.size(), 1u);
  const POPrintRecord& row = rows[0];
  EXPECT_EQ(row.POID, poid);
  EXPECT_EQ(row.UserID.str(), "ABC");
  EXPECT_EQ(row.PONumber.str(), "1200");
  EXPECT_EQ(row.ShipVia.str(), "Freight Ca");
  EXPECT_EQ(row.PreparedBy.str(), "Pat Buyer");
  EXPECT_EQ(row.POAmount, Amount::fromRaw(31500));
  // address 1 blank: address 2 moves up and the city line follows it
  EXPECT_EQ(row.ShipToLine1.str(), "200 Elm Street");
  EXPECT_EQ(row.ShipToLine2.str(), "Plano, TX 75023");
  EXPECT_EQ(row.ShipToLine3.str(), "");
  EXPECT_EQ(row.VendorLine1.str(), "1 Supply Road");
  EXPECT_EQ(row.VendorLine2.str(), "Austin, TX 73301");
  EXPECT_EQ(printState().EmailSubject.view(), "Purchase Order from Acme Builders");

  // the row carries the printed flag the form shows; the order is marked
  // only once it was delivered (po_delivery_test)
  EXPECT_EQ(rows[0].PrintFlag.str(), "");
  printState().SetPrintedFlag = 1;
  CreatePOPrint();
  EXPECT_EQ(batch().at(0).PrintFlag.str(), "1");
  EXPECT_EQ(order(poid).PrintFlag.str(), "");
  EXPECT_EQ(batch().size(), 1u) << "a new build replaces the user's rows";
}

TEST_F(POPrintBatchTest, MissingOrderBuildsNothingAndKeepsTheSubject) {
  addSystems();
  printState().EmailSubject = "earlier";
  DecimalVariable = Amount(777);
  CreatePOPrint();
  EXPECT_TRUE(batch().empty());
  EXPECT_EQ(printState().EmailSubject.view(), "earlier");
  EXPECT_TRUE(messages.shown.empty());
}

TEST_F(POPrintBatchTest, CompanyHeadingClosesUpOverBlankAddressLines) {
  addSystems("", "PO Box 7", 1);
  DecimalVariable = Amount(1);
  CreatePOPrint();
  const PrintState& s = printState();
  EXPECT_EQ(s.CompanyName.view(), "Acme Builders");
  EXPECT_EQ(s.CompanyLine1.view(), "PO Box 7");
  EXPECT_EQ(s.CompanyLine2.view(), "Dallas, TX  75201");
  EXPECT_EQ(s.CompanyLine3.view(), "Phone: 214-555-0100");
  EXPECT_EQ(s.CompanyLine4.view(), "");

  SYS.PrintPhoneOnForms = 0;
  SYS.Address2 = "";
  ASSERT_EQ(Systems.update(), TableStatus::Ok);
  CreatePOPrint();
  EXPECT_EQ(s.CompanyLine1.view(), "Dallas, TX  75201");
  EXPECT_EQ(s.CompanyLine2.view(), "");
}

TEST_F(POPrintBatchTest, LimitsFilterByPrintConditionAndKeepOneGenerateRecord) {
  addSystems();
  addVendor(10, "Stone Supply");
  addOrder("1003", "1");
  addOrder("1001", "");
  addOrder("1002", "0");
  for (int i = 0; i < 2; ++i) {
    POL.clear();
    ASSERT_EQ(POLimits.primeAutoInc(), TableStatus::Ok);
    POL.Report = generatePOsReport;
    POL.RefFrom = 40 + i;
    ASSERT_EQ(POLimits.insert(), TableStatus::Ok);
  }

  DecimalVariable = Amount();
  CreatePOPrint();
  EXPECT_EQ(numbers(), (std::vector<std::string>{"1001", "1002", "1003"}));
  EXPECT_EQ(POLimits.records(), 1);
  EXPECT_EQ(storedRunningNumber(), 40) << "the first record's running number goes on";

  printState().PrintCondition = "U";
  CreatePOPrint();
  EXPECT_EQ(numbers(), (std::vector<std::string>{"1001", "1002"}));
  printState().PrintCondition = "P";
  CreatePOPrint();
  EXPECT_EQ(numbers(), (std::vector<std::string>{"1003"}));
}

TEST_F(POPrintBatchTest, NumberingBlankOnlyOrEveryOrderFromTheRunningNumber) {
  addSystems();
  addVendor(10, "Stone Supply");
  const Id blank = addOrder("");
  const Id numbered = addOrder("1001");
  DecimalVariable = Amount();
  printState().AssignPONumber = "B";
  printState().PONumber = 2000;
  CreatePOPrint();
  EXPECT_EQ(numbers(), (std::vector<std::string>{"2000", "1001"}));
  EXPECT_EQ(order(blank).PONumber.str(), "2000");
  EXPECT_EQ(order(numbered).PONumber.str(), "1001");
  EXPECT_EQ(storedRunningNumber(), 2001);

  printState().AssignPONumber = "A";
  printState().PONumber = 3000;
  CreatePOPrint();
  // read in number order at the start: 1001 first, then 2000
  EXPECT_EQ(numbers(), (std::vector<std::string>{"3000", "3001"}));
  EXPECT_EQ(order(numbered).PONumber.str(), "3000");
  EXPECT_EQ(order(blank).PONumber.str(), "3001");
  EXPECT_EQ(storedRunningNumber(), 3002);
  EXPECT_EQ(printState().PONumber, 3002u);
}

// A single order keeps its own number (never "0") or, without one, takes
// the company counter's; only a limits batch moves the running number, and
// a limits batch without a beginning number goes on from the stored one.
TEST_F(POPrintBatchTest, SingleOrdersLeaveTheRunningNumberToLimitsBatches) {
  addSystems();  // counter at 5000
  addVendor(10, "Stone Supply");
  const Id blank = addOrder("");
  const Id lettered = addOrder("JG-1");
  DecimalVariable = Amount();
  printState().AssignPONumber = "B";
  printState().PONumber = 2000;
  CreatePOPrint();
  ASSERT_EQ(storedRunningNumber(), 2001);

  const Id lateBlank = addOrder("");
  for (const char* numbering : {"A", "B"}) {
    SCOPED_TRACE(numbering);
    printState().AssignPONumber = numbering;
    DecimalVariable = Amount(static_cast<std::int64_t>(lettered));
    CreatePOPrint();
    EXPECT_EQ(numbers(), std::vector<std::string>{"JG-1"});
  }
  DecimalVariable = Amount(static_cast<std::int64_t>(lateBlank));
  CreatePOPrint();
  EXPECT_EQ(numbers(), std::vector<std::string>{"5000"});
  EXPECT_EQ(order(lateBlank).PONumber.str(), "5000");
  EXPECT_EQ(storedRunningNumber(), 2001);

  printState().PONumber = 0;  // as a batch from the command line starts
  printState().AssignPONumber = "A";
  DecimalVariable = Amount();
  CreatePOPrint();
  EXPECT_EQ(order(blank).PONumber.str().substr(0, 3), "200");
  EXPECT_EQ(storedRunningNumber(), 2004);
}

TEST_F(POPrintBatchTest, AFailedWriteIsShownAndTheBuildGoesOn) {
  addSystems();
  addVendor(10, "Stone Supply");
  const Id first = addOrder("");
  const Id second = addOrder("");
  DecimalVariable = Amount();
  printState().AssignPONumber = "B";
  printState().PONumber = 500;
  // The first order's number cannot be stored; its row carries the number
  // all the same and the second order is numbered after it.
  storage.failNth(crv::test::StorageOp::Write, 1, crv::test::Fault::DiskFull, "POMaster");
  CreatePOPrint();
  storage.disarm();
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].text, "Disk Full: database or disk is full (89) Saving POMaster");
  EXPECT_EQ(numbers(), (std::vector<std::string>{"500", "501"}));
  EXPECT_EQ(order(first).PONumber.str(), "");
  EXPECT_EQ(order(second).PONumber.str(), "501");
}

// The batch is written in one commit. When that commit fails, nothing of
// the build stays: no order numbered, the running number where it was, and
// the earlier batch gone, so the form that follows cannot print it again.
TEST_F(POPrintBatchTest, AFailedCommitIsShownAndLeavesNothingHalfWritten) {
  addSystems();
  addVendor(10, "Stone Supply");
  const Id first = addOrder("");
  const Id second = addOrder("");
  DecimalVariable = Amount(static_cast<std::int64_t>(first));
  CreatePOPrint();
  ASSERT_EQ(batch().size(), 1u);
  const std::int32_t runningNumber = storedRunningNumber();

  DecimalVariable = Amount();
  printState().AssignPONumber = "B";
  printState().PONumber = 700;
  storage.failNth(crv::test::StorageOp::Commit, 1, crv::test::Fault::DiskFull);
  CreatePOPrint();
  storage.disarm();
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].text, "Disk Full: database or disk is full (89) Saving POPrint");
  EXPECT_TRUE(batch().empty());
  EXPECT_EQ(order(first).PONumber.str(), "");
  EXPECT_EQ(order(second).PONumber.str(), "");
  EXPECT_EQ(storedRunningNumber(), runningNumber);
  EXPECT_EQ(printState().PONumber, 700u);
}

TEST_F(POPrintBatchTest, NumberRangeAndAReversedRange) {
  addSystems();
  addVendor(10, "Stone Supply");
  for (const char* number : {"1001", "1002", "1003", "1004"}) addOrder(number);
  setLimits(1, "1002", "1003");
  DecimalVariable = Amount(-1);
  CreatePOPrint();
  EXPECT_EQ(numbers(), (std::vector<std::string>{"1002", "1003"}));

  setLimits(1, "1004", "1001");
  printState().PONumber = 77;
  printState().AssignPONumber = "A";
  CreatePOPrint();
  EXPECT_TRUE(batch().empty());
  EXPECT_EQ(storedRunningNumber(), 77);
}

TEST_F(POPrintBatchTest, SampleOrderReplacesItsLinesOnEveryPrint) {
  addSystems();
  addVendor(10, "Stone Supply");
  addJob("J100", "Tower Project");
  const Id real = addOrder("1001");
  addLine(real, 1, "REAL", "A real line", Amount(10));

  DecimalVariable = sampleOrderRequest;
  CreatePOPrint();
  CreatePOPrint();

  const auto rows = batch();
  ASSERT_EQ(rows.size(), 1u);
  EXPECT_EQ(rows[0].POID, POPrintRecord::sampleOrderID);
  EXPECT_EQ(rows[0].PONumber.str(), "JG-2991349");
  EXPECT_EQ(rows[0].ShipToName.str(), "Tower Project");
  EXPECT_EQ(rows[0].ShipToLine3.str(), "Plano, TX  75023");
  EXPECT_EQ(rows[0].POAmount, Amount(10535));

  std::vector<std::string> items;
  POD.clear();
  POD.POID = POPrintRecord::sampleOrderID;
  ASSERT_EQ(PODetail.setRange(POD.KeyPOID, 1), TableStatus::Ok);
  std::string text;
  while (PODetail.next() == TableStatus::Ok) {
    items.push_back(POD.ItemID.str());
    if (POD.TextFlag == 1) text = POD.Text.str();
  }
  EXPECT_EQ(items, (std::vector<std::string>{"Item 1", "Item 2", "Item 3", "Item 4", "Item 5", ""}));
  EXPECT_EQ(text.size(), 156u);
  EXPECT_EQ(text.rfind("This is a sample text line.", 0), 0u);
  EXPECT_EQ(PODetail.records(), 7) << "the real line stays, the sample has six";
  EXPECT_EQ(POMaster.records(), 1) << "the sample is never an order";
}

TEST_F(POPrintBatchTest, BlankFormAdvancesTheCounterOnlyForTheNextNumberChoice) {
  addSystems();
  printState().blankFormNumbering = BlankFormNumbering::NextFromCounter;
  printState().AssignedPONumber = "5000";
  DecimalVariable = blankFormRequest;
  CreatePOPrint();
  auto rows = batch();
  ASSERT_EQ(rows.size(), 1u);
  EXPECT_EQ(rows[0].POID, POPrintRecord::blankFormID);
  EXPECT_EQ(rows[0].PONumber.str(), "5000");
  EXPECT_EQ(DecimalVariable, Amount(3333333333LL));
  Systems.set(SYS.KeySystemID);
  ASSERT_EQ(Systems.next(), TableStatus::Ok);
  EXPECT_EQ(SYS.NextPONumber, 5001u);

  printState().blankFormNumbering = BlankFormNumbering::Typed;
  printState().AssignedPONumber = "X-1";
  DecimalVariable = blankFormRequest;
  CreatePOPrint();
  EXPECT_EQ(batch()[0].PONumber.str(), "X-1");
  Systems.set(SYS.KeySystemID);
  ASSERT_EQ(Systems.next(), TableStatus::Ok);
  EXPECT_EQ(SYS.NextPONumber, 5001u);
}

TEST_F(POPrintBatchTest, OtherUsersBatchesAreLeftAlone) {
  addSystems();
  addVendor(10, "Stone Supply");
  const Id poid = addOrder("1001");
  DecimalVariable = Amount(static_cast<std::int64_t>(poid));
  UserID = "ZZZ";
  CreatePOPrint();
  UserID = "ABC";
  CreatePOPrint();
  CreatePOPrint();
  EXPECT_EQ(batch("ZZZ").size(), 1u);
  EXPECT_EQ(batch("ABC").size(), 1u);
}

TEST(OrderNumberValue, ReadsWholeNumbersOnly) {
  EXPECT_EQ(orderNumberValue("1200"), 1200u);
  EXPECT_EQ(orderNumberValue("  42 "), 42u);
  EXPECT_EQ(orderNumberValue("JG-1"), 0u);
  EXPECT_EQ(orderNumberValue(""), 0u);
}

}  // namespace
}  // namespace crvpo

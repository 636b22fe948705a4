// Duplicating an order: the proposal, the counter kept or typed over, a
// copy that is a new unreconciled, unprinted and uninvoiced order whose
// lines commit their whole amounts as a save would, and a copy that fails
// half way writing nothing at all.
#include "crvpo/entry/purchase_order_duplication.h"

#include <gtest/gtest.h>

#include "crvpo/entry/duplicate_po.h"
#include "order_form_fixture.h"

namespace crvpo::test {
namespace {

using crv::ui::HeadlessDriver;

class DuplicationTest : public OrderFormTest {
 protected:
  // Runs the lists' Duplicate action on the order numbered `number` and
  // leaves the person in the dialog.
  void startDuplicate(HeadlessDriver& person, std::string_view number) {
    const crv::Id source = order(number).POID;
    person.start([this, source] { copy_ = duplicatePurchaseOrder(source); }, "Duplicate");
    person.expectWindow("Duplicate Purchase Order");
  }
  crv::Id copy_ = 0;
};

TEST_F(DuplicationTest, TheProposalFollowsTheCounterAndShiftsTheDatesFromToday) {
  crv::POMasterRecord source;
  source.PONumber = "HR-2024-000123";
  source.IssueDate = crv::Date::compose(3, 1, 2025);
  source.DeliveryDate = crv::Date::compose(3, 11, 2025);
  crv::SystemsRecord settings;
  const crv::Date today = crv::Date::compose(6, 15, 2025);

  settings.AutoPONumber = 1;
  settings.NextPONumber = 1042;
  DuplicateProposal proposal = PurchaseOrderDuplication::propose(source, settings, today);
  EXPECT_EQ(proposal.PONumber, "1042");
  EXPECT_EQ(proposal.IssueDate, today);
  EXPECT_EQ(proposal.DeliveryDate, today + 10);
  EXPECT_EQ(proposal.DeliverAfterDate.day(), 0);
  EXPECT_EQ(proposal.DeadlineDate.day(), 0);

  settings.AutoPONumber = 0;
  proposal = PurchaseOrderDuplication::propose(source, settings, today);
  EXPECT_EQ(proposal.PONumber, "Copy of HR-2024");  // cut to 15 characters
}

TEST_F(DuplicationTest, ACopyOfAReconciledOrderIsANewOrderCommittingItsWholeAmount) {
  const crv::POMasterRecord source = order(crv::demo::partlyReconciledOrder);  // 8 of 12 rolls invoiced
  HeadlessDriver person;
  startDuplicate(person, crv::demo::partlyReconciledOrder);
  EXPECT_EQ(person.shown("?POM:PONumber"), crv::demo::partlyReconciledOrder);
  EXPECT_EQ(person.shown("?MOD:PONumber"), "1007");
  EXPECT_EQ(person.shown("?VendorNameNum").rfind("(108) ", 0), 0u);
  person.press("?Proceed");
  person.expectFinished();
  ASSERT_NE(copy_, 0u);

  const crv::POMasterRecord copy = order("1007");
  EXPECT_EQ(copy.POID, copy_);
  EXPECT_EQ(copy.VendorID, source.VendorID);
  EXPECT_EQ(copy.Reconciled, 0);
  EXPECT_EQ(copy.SortPONumber, "1007");
  EXPECT_EQ(copy.PrintFlag, "");
  EXPECT_EQ(copy.InvoiceNumber, "");
  EXPECT_TRUE(copy.AmountReconciled.isZero());
  EXPECT_EQ(counter(), crv::demo::nextPONumber + 1);
  const auto copied = lines(copy.POID);
  const auto original = lines(source.POID);
  ASSERT_EQ(copied.size(), original.size());
  for (std::size_t i = 0; i < copied.size(); ++i) {
    EXPECT_EQ(copied[i].Description, original[i].Description.view());
    EXPECT_EQ(copied[i].QtyOrdered, original[i].QtyOrdered);
    EXPECT_TRUE(copied[i].QtyInvoiced.isZero());
    EXPECT_TRUE(copied[i].QtyRcvdNotInvoiced.isZero());
    EXPECT_TRUE(copied[i].AmountInvoiced.isZero());
    EXPECT_EQ(copied[i].Reconciliation, 0);
  }
  EXPECT_EQ(differences(), std::vector<std::string>{});
}

TEST_F(DuplicationTest, ATypedNumberLeavesTheCounterAndAProposalTakenMeanwhileIsReplaced) {
  {
    HeadlessDriver person;
    startDuplicate(person, crv::demo::openJobOrder);
    person.type("?MOD:PONumber", "R-77");
    person.press("?Proceed");
    person.expectFinished();
  }
  EXPECT_NE(order("R-77").POID, 0u);
  EXPECT_EQ(counter(), crv::demo::nextPONumber);

  HeadlessDriver person;
  startDuplicate(person, crv::demo::openJobOrder);
  EXPECT_EQ(person.shown("?MOD:PONumber"), "1007");
  {
    // Another station takes 1007 while the dialog is open.
    crv::PrivateTable<crv::SystemsRecord> systems(crv::Systems);
    systems.table.set(crv::SystemsRecord::KeySystemID);
    ASSERT_EQ(systems.table.next(), crv::TableStatus::Ok);
    systems.rec.NextPONumber = 1008;
    ASSERT_EQ(systems.table.tryUpdate(), crv::TableStatus::Ok);
  }
  person.press("?Proceed");
  person.expectMessage(
      "Purchase Order Number Change",
      "The automatically assigned Purchase Order Number will be changed |from 1007 to 1008.");
  person.answer(1);
  person.expectFinished();
  EXPECT_NE(order("1008").POID, 0u);
  EXPECT_EQ(counter(), 1009u);
  EXPECT_EQ(differences(), std::vector<std::string>{});
}

TEST_F(DuplicationTest, ACopyWhoseLineCannotBeWrittenWritesNothing) {
  refuseLines("UPDATE", "NEW.Description = 'Plywood 1/2in CDX 4x8'");
  const int ordersBefore = static_cast<int>(crv::demo::orderCount);
  HeadlessDriver person;
  startDuplicate(person, crv::demo::openJobOrder);
  person.press("?Proceed");
  const crv::MessageRequest failure = person.expectMessage(PurchaseOrderDuplication::failureTitle);
  EXPECT_NE(failure.text.find("Inserting PODetail"), std::string::npos) << failure.text;
  person.answer(1);
  person.expectFinished();
  EXPECT_EQ(copy_, 0u);
  EXPECT_EQ(order("1007").POID, 0u);
  EXPECT_EQ(counter(), crv::demo::nextPONumber);
  crv::PrivateTable<crv::POMasterRecord> orders(crv::POMaster);
  EXPECT_EQ(orders.table.records(), ordersBefore);
  EXPECT_EQ(differences(), std::vector<std::string>{});
}

}  // namespace
}  // namespace crvpo::test

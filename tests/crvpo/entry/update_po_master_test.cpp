// The header form driven as a person would on the demo company: an order
// entered from nothing with a line of every kind, line edits saved or
// cancelled (the running figures always equal a rebuild and the header's
// amounts its lines), a line deletion that fails, a cancelled new order leaving nothing behind, a
// printed new order keeping its number, a deletion through the form
// undoing what the order committed, and a recalculation at another station
// while an order is entered.
#include <gtest/gtest.h>

#include <fstream>

#include "crvpo/entry/line_deletion_adjustment.h"
#include "host/siblings/CRVMISC/image_store.h"
#include "order_form_fixture.h"
#include "support/command_run.h"

namespace crvpo::test {
namespace {

using crv::ui::HeadlessDriver;

class UpdatePOMasterTest : public OrderFormTest {
 protected:
  // Adds a line, raises the first line's quantity and deletes the second
  // line of an order the form has open for change.
  void editLines(HeadlessDriver& person) {
    addJobLine(person, "Blocking", "4", "12.50");
    person.highlight("?LineList", 0);
    person.press("?LineChange");
    person.expectWindow("Changing Purchase Order Detail");
    person.type("?POD:QtyOrdered", "700");
    person.press("?OK");
    person.expectWindow("Changing a Purchase Order");
    person.highlight("?LineList", 1);
    person.press("?LineDelete");
    person.expectMessage("Confirm Delete", "Are you sure you want to delete the highlighted record?");
    person.answer("Yes");
  }

  // `crvhost recalc` run at another station.
  void recalculateElsewhere() {
    const auto run = crv::test::runCommand(crv::test::crvhost("recalc " + crv::test::quoted(folder.path())));
    ASSERT_EQ(run.code, 0) << run.output;
  }
};

TEST_F(UpdatePOMasterTest, AnOrderEnteredFromNothingWithEveryKindOfLineCommitsWhatARebuildGives) {
  HeadlessDriver person;
  open(person, crv::InsertRecord);
  person.expectWindow("Adding a Purchase Order");
  EXPECT_EQ(person.shown("?POM:PONumber"), "1007");
  EXPECT_EQ(person.shown("?POM:PreparedBy"), "Janet Sullivan");
  person.type("?EnteredVendor", "110");
  EXPECT_EQ(person.shown("?LocalVendorName"), "Cascade Fastener & Supply");
  EXPECT_FALSE(person.shown("?POM:Terms").empty());
  person.pick("?POM:ShipToType", "Company");
  EXPECT_EQ(person.shown("?POM:ShipToName"), crv::demo::companyName);

  addJobLine(person, "Joist hangers", "10", "5");
  person.expectWindow("Adding a Purchase Order");

  person.press("?LineAdd");
  person.pick("?POD:DetailType", "G/L Account");
  person.type("?POD:Account", crv::demo::suppliesAccount);
  person.type("?POD:Description", "Shop rags");
  person.type("?POD:UnitPrice", "12");
  person.press("?OK");

  person.press("?LineAdd");
  person.pick("?POD:DetailType", "Equipment");
  person.type("?POD:EquipmentID", crv::demo::excavator);
  person.type("?POD:CostCategory", crv::demo::repairCategory);
  person.type("?POD:Description", "Track pins");
  person.type("?POD:UnitPrice", "40");
  person.press("?OK");

  person.press("?LineAdd");
  person.pick("?POD:DetailType", "Inventory");
  person.type("?POD:ItemID", crv::demo::boxedItem);  // 10 BOX of 50 at 8.25
  person.press("?OK");

  person.press("?LineAdd");
  person.tick("?POD:TextFlag", true);
  person.type("?POD:Text", "Deliver to the north gate");
  person.press("?OK");
  person.expectWindow("Adding a Purchase Order");
  ASSERT_EQ(person.rows("?LineList").size(), 5u);
  EXPECT_EQ(person.rows("?LineList")[4], "Text | Deliver to the north gate |  |  | ");
  EXPECT_EQ(person.shown("?POM:PreTaxAmount"), "184.50");

  person.press("?OK");
  person.expectFinished();
  EXPECT_EQ(person.response(), crv::RequestCompleted);

  const crv::POMasterRecord saved = order("1007");
  ASSERT_NE(saved.POID, 0u);
  EXPECT_EQ(saved.VendorID, 110u);
  EXPECT_EQ(saved.DefaultJob, crv::demo::mainJob);  // the only job of its lines
  EXPECT_EQ(lines(saved.POID).size(), 5u);
  expectAmountsMatchLines(saved);
  EXPECT_EQ(saved.POAmount, saved.PreTaxAmount + saved.TaxAmount);
  EXPECT_EQ(counter(), crv::demo::nextPONumber + 1);
  EXPECT_EQ(differences(), std::vector<std::string>{});
}

// The line form writes a line at once and only OK posts it, so a rebuild
// run meanwhile at another station must leave the unsaved order out, or OK
// would post its lines a second time.
TEST_F(UpdatePOMasterTest, ARecalculationAtAnotherStationWhileAnOrderIsEnteredLeavesItToTheSave) {
  HeadlessDriver person;
  open(person, crv::InsertRecord);
  person.type("?EnteredVendor", "103");
  addJobLine(person, "Sill plate", "20", "3");
  recalculateElsewhere();
  EXPECT_EQ(differences(), std::vector<std::string>{});

  person.press("?OK");
  person.expectFinished();
  EXPECT_EQ(lines(order("1007").POID).size(), 1u);
  EXPECT_EQ(differences(), std::vector<std::string>{});
}

// With a recalculation at another station between the edits and OK or
// Cancel too: it counted the edited lines, not what the form takes back.
TEST_F(UpdatePOMasterTest, LineEditsThatAreSavedOrCancelledLeaveTheFiguresOfARebuild) {
  for (const bool recalculated : {false, true})
    for (const bool save : {true, false}) {
      SCOPED_TRACE(std::string(save ? "OK" : "Cancel") + (recalculated ? " after a recalculation" : ""));
      const crv::POMasterRecord before = order(crv::demo::openJobOrder);
      const std::vector<crv::PODetailRecord> linesBefore = lines(before.POID);
      HeadlessDriver person;
      open(person, crv::ChangeRecord, crv::demo::openJobOrder);
      person.expectWindow("Changing a Purchase Order");
      editLines(person);
      EXPECT_EQ(person.rows("?LineList").size(), linesBefore.size());
      if (recalculated) recalculateElsewhere();

      if (save) {
        person.press("?OK");
      } else {
        person.press("?Cancel");
        person.expectMessage("Cancel Changes?");
        person.answer("Yes");
      }
      person.expectFinished();
      EXPECT_EQ(differences(), std::vector<std::string>{});
      const crv::POMasterRecord after = order(crv::demo::openJobOrder);
      expectAmountsMatchLines(after);
      if (!save) {
        EXPECT_TRUE(after.sameValues(before));
        const auto restored = lines(before.POID);
        ASSERT_EQ(restored.size(), linesBefore.size());
        for (std::size_t i = 0; i < restored.size(); ++i) EXPECT_TRUE(restored[i].sameValues(linesBefore[i]));
      }
    }
}

TEST_F(UpdatePOMasterTest, ALineThatCannotBeDeletedKeepsItsCommitmentAndIsTakenBackOnOk) {
  refuseLines("DELETE", "1");
  const std::size_t lineCount = lines(order(crv::demo::openJobOrder).POID).size();
  HeadlessDriver person;
  open(person, crv::ChangeRecord, crv::demo::openJobOrder);
  person.highlight("?LineList", 0);
  person.press("?LineDelete");
  person.expectMessage("Confirm Delete");
  person.answer("Yes");
  // Told after the rollback: the committed cost taken off with the line is back.
  const crv::MessageRequest failure = person.expectMessage("");
  EXPECT_NE(failure.text.find("Deleting PODetail"), std::string::npos) << failure.text;
  EXPECT_NE(failure.text.find(LineDeletionAdjustment::notDeletedText), std::string::npos);
  person.answer(1);
  EXPECT_EQ(person.rows("?LineList").size(), lineCount);
  EXPECT_EQ(differences(), std::vector<std::string>{});
  // OK takes the line's commitment back once and posts it again.
  person.press("?OK");
  person.expectFinished();
  EXPECT_EQ(differences(), std::vector<std::string>{});
}

TEST_F(UpdatePOMasterTest, ACancelledNewOrderLeavesNothingBehind) {
  const std::filesystem::path quote = folder.path() / "Quote, rev 2.pdf";
  std::ofstream(quote) << "%PDF-1.4 quote";
  HeadlessDriver person;
  open(person, crv::InsertRecord);
  const crv::Id primed = crv::POM.POID;
  person.type("?EnteredVendor", "103");
  addJobLine(person, "Sill plate", "20", "3");
  person.pick("?Tabs", "Notes");
  person.press("?NoteAdd");
  person.expectWindow("Adding a Note");
  person.type("?NOTE:Heading", "Call first");
  person.press("?OK");
  person.pick("?Tabs", "Attachments");
  person.drop({quote.string()});
  person.expectMessage("Attach?", "Would you like to attach this file|to this Purchase Order?");
  person.answer("Yes");
  EXPECT_EQ(person.rows("?AttachmentList").size(), 1u);  // the comma does not split the file
  ASSERT_EQ(rowsOf(primed), 3);

  person.press("?Cancel");
  person.expectMessage("Cancel Changes?");
  person.answer("Yes");
  person.expectFinished();
  EXPECT_EQ(person.response(), crv::RequestCancelled);
  EXPECT_EQ(rowsOf(primed), 0);
  EXPECT_TRUE(std::filesystem::is_empty(crv::siblings::imageStoreFolder()));
  EXPECT_EQ(counter(), crv::demo::nextPONumber);
  EXPECT_EQ(differences(), std::vector<std::string>{});
}

TEST_F(UpdatePOMasterTest, PrintingANewOrderSavesItSoItsNumberIsTakenForGood) {
  crv::GLO.PrintPreview = 1;
  HeadlessDriver person;
  open(person, crv::InsertRecord);
  person.type("?EnteredVendor", "103");
  addJobLine(person, "Sill plate", "20", "3");
  person.press("?Print");
  person.expectWindow("Print Preview");
  person.closeWindow();
  person.expectWindow("Changing a Purchase Order");
  addJobLine(person, "Anchor bolts", "8", "2");
  person.press("?Cancel");
  person.expectMessage("Cancel Changes?");
  person.answer("Yes");
  person.expectFinished();
  EXPECT_EQ(person.response(), crv::RequestCompleted);

  const crv::POMasterRecord printed = order("1007");
  ASSERT_NE(printed.POID, 0u);
  EXPECT_EQ(lines(printed.POID).size(), 1u);  // the line added after printing is undone
  EXPECT_EQ(counter(), crv::demo::nextPONumber + 1);
  expectAmountsMatchLines(printed);
  EXPECT_EQ(differences(), std::vector<std::string>{});
}

TEST_F(UpdatePOMasterTest, DeletingThroughTheFormUndoesWhatTheOrderCommitted) {
  const crv::Id poid = order(crv::demo::inventoryOrder).POID;
  HeadlessDriver person;
  open(person, crv::DeleteRecord, crv::demo::inventoryOrder);
  person.expectWindow("Update the POMaster File");
  person.press("?OK");
  person.expectMessage("Confirm Delete");
  person.answer("Yes");
  person.expectFinished();
  EXPECT_EQ(person.response(), crv::RequestCompleted);
  EXPECT_EQ(order(crv::demo::inventoryOrder).POID, 0u);
  EXPECT_EQ(rowsOf(poid), 0);
  EXPECT_EQ(differences(), std::vector<std::string>{});
}

}  // namespace
}  // namespace crvpo::test

// The purchase-order lists, the search and the pick list, played through
// the headless driver on the demo company: deleting from each list leaves
// nothing of the order behind and the figures equal a rebuild; marking an
// order fully reconciled and back does too, with stock received and not
// invoiced; the refusals; tags through a re-sort; the search's case; and,
// through the script runner, printing, exporting and importing from the list.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

#include "crvpo/entry/browse_po_master.h"
#include "crvpo/entry/browse_po_master_new.h"
#include "crvpo/entry/entry_state.h"
#include "crvpo/entry/pick_po_master.h"
#include "crvpo/entry/search_po_master.h"
#include "host/data/tables/inventory_tables.h"
#include "host/data/tables/payables_tables.h"
#include "host/framework/ui/headless/script_runner.h"
#include "host/framework/ui/list_model.h"
#include "host/siblings/CRVMISC/image_store.h"
#include "order_form_fixture.h"

namespace crvpo::test {
namespace {

using crv::ui::HeadlessDriver;

class OrderListsTest : public OrderFormTest {
 protected:
  // The loaded row of the list that shows the order numbered `number`.
  static int rowOf(HeadlessDriver& person, std::string_view number, std::string_view list = "?Browse") {
    const auto rows = person.rows(list);
    for (std::size_t i = 0; i < rows.size(); ++i)
      if (("| " + rows[i]).find("| " + std::string(number) + " |") != std::string::npos)
        return static_cast<int>(i);
    ADD_FAILURE() << "no row for order " << number;
    return 0;
  }

  // A note and a stored attachment on the order; the stored copy's path.
  std::filesystem::path attachTo(crv::Id poid) {
    crv::PrivateTable<crv::NotesRecord> notes(crv::POMaster);
    notes.rec.Filename = "POMaster";
    notes.rec.EntityID = std::to_string(poid);
    notes.rec.Note = "call before delivery";
    EXPECT_EQ(notes.table.insert(), crv::TableStatus::Ok);
    const auto original = folder.path() / ("quote-" + std::to_string(poid) + ".pdf");
    std::ofstream(original) << "%PDF quote";
    const auto stored = crv::siblings::StoreImageFile(original);
    EXPECT_TRUE(stored) << stored.error;
    crv::PrivateTable<crv::ImagesRecord> images(crv::POMaster);
    images.rec.Type = "POMaster";
    images.rec.NumericID = poid;
    images.rec.FileName = original.string();
    images.rec.StoredName = stored.storedName;
    EXPECT_EQ(images.table.insert(), crv::TableStatus::Ok);
    return stored.file;
  }

  // An unposted payables invoice against the order.
  void reconcilingInvoice(crv::Id poid) {
    crv::PrivateTable<crv::APInvRecord> invoices(crv::POMaster);
    invoices.rec.POID = poid;
    invoices.rec.Posted = 0;
    ASSERT_EQ(invoices.table.insert(), crv::TableStatus::Ok);
  }

  int purchaseHistoryOf(const std::vector<crv::PODetailRecord>& lines) {
    crv::PrivateTable<crv::INPurchRecord> history(crv::POMaster);
    int count = 0;
    for (const auto& line : lines) {
      history.rec.PODetailID = line.DetailID;
      if (history.fetch(crv::INPurchRecord::KeyPODetailID)) ++count;
    }
    return count;
  }

  void expectGone(const crv::POMasterRecord& before, const std::vector<crv::PODetailRecord>& lines,
                  const std::filesystem::path& storedFile) {
    EXPECT_EQ(order(before.PONumber.view()).POID, 0u) << before.PONumber.str();
    EXPECT_EQ(rowsOf(before.POID), 0) << "lines, notes or attachments left";
    EXPECT_EQ(purchaseHistoryOf(lines), 0);
    EXPECT_FALSE(std::filesystem::exists(storedFile));
    EXPECT_EQ(differences(), std::vector<std::string>{});
  }
};

TEST_F(OrderListsTest, DeletingFromEachListRemovesEverythingOfTheOrderAndKeepsTheFiguresRebuilt) {
  ASSERT_EQ(differences(), std::vector<std::string>{});
  struct Case {
    const char* list;
    std::string_view number;
    std::function<void()> procedure;
    std::function<void(HeadlessDriver&, int)> choose;
  };
  const Case cases[] = {
      {"BrowsePOMaster", crv::demo::partlyReconciledOrder, [] { browsePOMaster(); },
       [](HeadlessDriver& person, int row) { person.highlight("?Browse", row); }},
      {"BrowsePOMasterNew", crv::demo::inventoryOrder, [] { browsePOMasterNew(); },
       [](HeadlessDriver& person, int row) { person.clickCell("?Browse", row, 0); }},
      {"PickPOMaster", crv::demo::unprintedOrder, [] { pickPOMaster(); },
       [](HeadlessDriver& person, int row) { person.highlight("?Browse", row); }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.list);
    const crv::POMasterRecord before = order(c.number);
    const auto lines = this->lines(before.POID);
    const auto stored = attachTo(before.POID);
    HeadlessDriver person;
    person.request(0);
    person.start(c.procedure, c.list);
    person.expectWindow("Purchase Orders");
    const std::size_t shown = person.rows("?Browse").size();
    c.choose(person, rowOf(person, c.number));
    person.press("?Delete");
    person.expectMessage("Confirm Delete");
    person.answer("&Yes");
    EXPECT_EQ(person.rows("?Browse").size(), shown - 1);
    person.press("?Close");
    person.expectFinished();
    expectGone(before, lines, stored);
  }
}

TEST_F(OrderListsTest, ReconcilingAndUnreconcilingLeaveTheFiguresARebuildGives) {
  // Four boxes of screws arrived on order 1003 and are not invoiced yet:
  // receiving took their 200 units off order.
  const crv::Id screws = order(crv::demo::inventoryOrder).POID;
  crv::PrivateTable<crv::PODetailRecord> detail(crv::POMaster);
  detail.rec.POID = screws;
  ASSERT_EQ(detail.table.setRange(crv::PODetailRecord::KeyPOID, 1), crv::TableStatus::Ok);
  while (detail.table.next() == crv::TableStatus::Ok && detail.rec.ItemID != crv::demo::boxedItem) {
  }
  ASSERT_EQ(detail.rec.ItemID.str(), crv::demo::boxedItem);
  detail.rec.QtyRcvdNotInvoiced = crv::Quantity::fromRaw(40000);
  ASSERT_EQ(detail.table.update(), crv::TableStatus::Ok);
  crv::PrivateTable<crv::INMasterRecord> item(crv::POMaster);
  item.rec.ItemID = crv::demo::boxedItem;
  ASSERT_TRUE(item.fetch(crv::INMasterRecord::KeyItemID));
  item.rec.QtyOnOrder -= crv::Quantity::fromRaw(2000000);
  ASSERT_EQ(item.table.update(), crv::TableStatus::Ok);
  ASSERT_EQ(differences(), std::vector<std::string>{});

  HeadlessDriver person;
  person.start([] { browsePOMaster(); }, "BrowsePOMaster");
  for (std::string_view number : {crv::demo::inventoryOrder, crv::demo::partlyReconciledOrder}) {
    person.highlight("?Browse", rowOf(person, number));
    person.press("?Tag");
  }
  person.press("?Reconcile");
  person.expectMessage("Highlighted or Tagged");
  person.answer("&Tagged");
  person.expectMessage("Reconcile Tagged Purchase Orders?");
  person.answer("&Yes");
  EXPECT_EQ(differences(), std::vector<std::string>{}) << "stock received but not invoiced stays off order";
  EXPECT_EQ(order(crv::demo::inventoryOrder).Reconciled, 2);
  EXPECT_EQ(order(crv::demo::partlyReconciledOrder).RecTF, 1);
  EXPECT_EQ(person.rows("?Browse").size(), 3u) << "fully reconciled orders leave the list";

  person.tick("?ShowReconciled", true);
  person.press("?Reconcile");
  person.expectMessage("Highlighted or Tagged");
  person.answer("&Tagged");
  person.expectMessage("Un-Reconcile Purchase Order(s)?");
  person.answer("&Yes");
  EXPECT_EQ(differences(), std::vector<std::string>{});
  const crv::POMasterRecord back = order(crv::demo::partlyReconciledOrder);
  EXPECT_EQ(back.Reconciled, 1);
  EXPECT_EQ(back.SortPONumber.str(), crv::demo::partlyReconciledOrder);
  EXPECT_EQ(order(crv::demo::inventoryOrder).Reconciled, 0);

  person.press("?UntagAll");
  person.highlight("?Browse", rowOf(person, crv::demo::fullyReconciledOrder));
  person.press("?Reconcile");
  person.expectMessage("Unable to Un-Reconcile Highlighted Purchase Order?",
                       "All the line item quantities on this Purchase Order|have already been invoiced.  The "
                       "Purchase Order cannot |be unreconciled.");
  person.answer(1);
  person.press("?Close");
  person.expectFinished();
}

TEST_F(OrderListsTest, OrdersAnInvoiceIsReconcilingOrThatAreClosedAreRefusedAsEachListSays) {
  const crv::Id busy = order(crv::demo::openJobOrder).POID;
  reconcilingInvoice(busy);

  // The order list opens it for viewing only; the pick list refuses.
  HeadlessDriver person;
  person.start([] { browsePOMaster(); }, "BrowsePOMaster");
  person.highlight("?Browse", rowOf(person, crv::demo::openJobOrder));
  person.press("?Change");
  person.expectMessage("Purchase Order Being Reconciled");
  person.answer(1);
  EXPECT_TRUE(entryState().POViewOnly);
  person.press("?Cancel");

  // A tagged delete skips it with its message and deletes the rest.
  person.highlight("?Browse", rowOf(person, crv::demo::openJobOrder));
  person.press("?Tag");
  person.highlight("?Browse", rowOf(person, crv::demo::unprintedOrder));
  person.key("Space");
  person.press("?Delete");
  person.expectMessage("Delete Which Purchase Orders?");
  person.answer("&Tagged");
  person.expectMessage("Confirm Delete", "Are you sure you want to delete the tagged Purchase Order(s)?");
  person.answer("&Yes");
  person.expectMessage("Purchase Order Cannot Be Deleted",
                       "Purchase Order #1001 is currently being reconciled by an unposted A/P Invoice.  The "
                       "Purchase Order cannot be deleted until the A/P Invoice is either posted or deleted.");
  person.answer(1);
  person.press("?Close");
  person.expectFinished();
  EXPECT_NE(order(crv::demo::openJobOrder).POID, 0u);
  EXPECT_EQ(order(crv::demo::unprintedOrder).POID, 0u);
  EXPECT_EQ(differences(), std::vector<std::string>{});

  HeadlessDriver picker;
  picker.request(0);
  picker.start([] { pickPOMaster(); }, "PickPOMaster");
  picker.highlight("?Browse", rowOf(picker, crv::demo::openJobOrder));
  picker.press("?Change");
  picker.expectMessage("Purchase Order Being Reconciled",
                       "This Purchase Order is currently being reconciled by an unposted A/P Invoice.  The "
                       "Purchase Order cannot be edited until the A/P Invoice is either posted or deleted.");
  picker.answer(1);
  picker.tick("?ShowFullyReconciled", true);
  picker.highlight("?Browse", rowOf(picker, crv::demo::fullyReconciledOrder));
  picker.press("?Change");
  picker.expectMessage("Cannot Edit Reconciled Purchase Order");
  picker.answer(1);
  picker.expectWindow("Purchase Orders");
  picker.press("?Close");
}

TEST_F(OrderListsTest, TagsAndTotalsSurviveAReSortThatTheHeaderShows) {
  const crv::POMasterRecord first = order(crv::demo::openJobOrder);
  const crv::POMasterRecord third = order(crv::demo::inventoryOrder);
  HeadlessDriver person;
  person.start([] { browsePOMasterNew(); }, "BrowsePOMasterNew");
  person.clickCell("?Browse", rowOf(person, crv::demo::openJobOrder), 0);
  person.highlight("?Browse", rowOf(person, crv::demo::inventoryOrder));
  person.key("Space");
  const std::string total = person.shown("?TOTALAMOUNT");
  EXPECT_EQ(crv::trim(total),
            crv::trim(crv::Picture::parse("@n-15.2").format(first.POAmount + third.POAmount)));
  person.sortBy("?Browse", "ID");
  person.sortBy("?Browse", "ID[+]");
  EXPECT_EQ(person.control("?Browse").model()->header(2), "ID[-]");
  int tagged = 0;
  for (const auto& row : person.rows("?Browse")) tagged += row.rfind("*", 0) == 0;
  EXPECT_EQ(tagged, 2);
  EXPECT_EQ(person.shown("?TOTALAMOUNT"), total);
  person.press("?Close");
}

TEST_F(OrderListsTest, SearchFindsTextAnywhereWithoutRegardToCase) {
  const crv::POMasterRecord sought = order(crv::demo::changeOrderOrder);
  crv::PrivateTable<crv::APVendorRecord> vendors(crv::POMaster);
  vendors.rec.VendorID = sought.VendorID;
  ASSERT_TRUE(vendors.fetch(crv::APVendorRecord::KeyVendorID));
  const std::string name = vendors.rec.VendorName.str();
  const std::string middle = crv::toLowerAscii(name.substr(2, 5));

  entryState().SearchIncludeReconciled = false;
  HeadlessDriver person;
  person.start([] { searchPOMaster(); }, "SearchPOMaster");
  person.expectWindow("Search the Purchase Order File");
  EXPECT_EQ(person.rows("?List").size(), 5u) << "blank text: every order not fully reconciled";
  person.type("?SearchText", middle);
  const auto rows = person.rows("?List");
  ASSERT_FALSE(rows.empty());
  for (const auto& row : rows) EXPECT_NE(crv::toLowerAscii(row).find(middle), std::string::npos) << row;
  person.highlight("?List", rowOf(person, crv::demo::changeOrderOrder, "?List"));
  person.press("?OK");
  person.expectFinished();
  EXPECT_EQ(entryState().SearchPOID, sought.POID);
}

std::string fileText(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

// Set CRV_UPDATE_SCRIPTS=1 to write the transcript instead of comparing it.
TEST_F(OrderListsTest, PrintingExportingAndImportingFromTheListThroughTheScriptRunner) {
  const auto script = std::filesystem::path(CRV_SOURCE_DIR) / "tests" / "scripts" / "crvpo" / "lists" /
                      "order_list_actions.script";
  const std::size_t firstLines = lines(order(crv::demo::openJobOrder).POID).size();
  const std::size_t lastLines = lines(order(crv::demo::unprintedOrder).POID).size();
  crv::GLO.PrintPreview = 1;
  std::istringstream in(fileText(script));
  crv::ui::ScriptOptions options;
  options.folder = folder.path();
  const crv::ui::ScriptResult result =
      crv::ui::runScript(in, {{"BrowsePOMaster", [] { browsePOMaster(); }}}, options);
  // The company's folder differs from run to run.
  std::string transcript = result.transcript;
  const std::string companyFolder = folder.path().string();
  for (auto at = transcript.find(companyFolder); at != std::string::npos; at = transcript.find(companyFolder))
    transcript.replace(at, companyFolder.size(), "<company>");
  auto expected = script;
  expected.replace_extension(".expected");
  if (std::getenv("CRV_UPDATE_SCRIPTS")) std::ofstream(expected, std::ios::binary) << transcript;
  EXPECT_EQ(transcript, fileText(expected));
  ASSERT_TRUE(result.ok) << result.reason;

  EXPECT_EQ(fileText(folder.path() / "tagged-first.pdf").substr(0, 5), "%PDF-");
  std::istringstream exported(fileText(folder.path() / "tagged.txt"));
  int headers = 0;
  for (std::string line; std::getline(exported, line);) headers += line.rfind("H,", 0) == 0;
  EXPECT_EQ(headers, 2) << "each tagged order exported once";
  EXPECT_EQ(lines(order(crv::demo::openJobOrder).POID).size(), firstLines);
  EXPECT_EQ(lines(order(crv::demo::unprintedOrder).POID).size(), lastLines);
  EXPECT_TRUE(crv::TAGQUE.empty());
  EXPECT_EQ(crv::GLO.PrintPreview, 1);
  EXPECT_EQ(differences(), std::vector<std::string>{});
}

}  // namespace
}  // namespace crvpo::test

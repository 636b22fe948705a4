// The import and export windows played through the headless driver, as a
// person works them: the built-in source created on opening and spared by
// Delete, a missing file replaced through "Select New Filename", the error
// review cancelled and then proceeded, the import; a fixed-position source
// and a tab-delimited source of two files defined in the source form and
// imported; the export of tagged orders with its notices and the file shown
// in the editor or, without one, in a viewer.
#include "crvpo/importexport/export_po.h"
#include "crvpo/importexport/import_po_master.h"
#include "host/framework/services/global_request.h"
#include "host/framework/ui/headless/headless_driver.h"
#include "tests/crvpo/importexport/import_fixture.h"

namespace crvpo::test {
namespace {

using crv::ui::HeadlessDriver;
using Rows = std::vector<std::string>;

class ImportWindowsTest : public ImportFixture {
 protected:
  void open(HeadlessDriver& ui) {
    ui.start(ImportPOMaster, "ImportPOMaster");
    ui.expectWindow("Import Purchase Orders");
  }
  // Adds a field in the item dialog of a field list.
  static void addField(HeadlessDriver& ui, const std::string& list, std::string_view contents,
                       std::string_view length = {}) {
    ui.press(list + "Add");
    ui.expectWindow("Changing an Import Item");
    ui.pick("?Contents", contents);
    if (!length.empty()) ui.type("?Length", length);
    ui.press("?OK");
  }
  std::string storedLayout(std::string_view title) {
    const auto source = findSource(company->connection(), title);
    return source ? source->layout.toString() : "none";
  }
};

TEST_F(ImportWindowsTest, PreviewReviewAndImportWithTheBuiltInSource) {
  const auto file = write("orders.csv",
                          "H,103,\"Pat\", 7/ 4/2024,\"W-1\", 7/ 4/2024,,,,20,8.5,1.7,21.7\n"
                          "D,0,\"\",\"\",\"Bolts\",10,2,\"EA\",20,\"G/L Account\",\"6100-00\"\n"
                          "D,0,\"\",\"\",\"Nuts\",1,1,\"EA\",1,\"G/L Account\",\"0000-99\"\n");
  HeadlessDriver ui;
  open(ui);
  EXPECT_EQ(ui.rows("?Sources"), Rows{"*Purchase Orders Exported from Corvana"});
  EXPECT_TRUE(ui.isDisabled("?Import"));

  ui.press("?Delete");
  ui.expectMessage("Cannot Delete", "This Import Type cannot be deleted");
  ui.answer("&OK");

  ui.press("?PreviewButton");
  ui.expectMessage("Select New Filename",
                   "The selected import file,  does not exist.  Do you wish to select a different file?");
  ui.answer("&Yes");
  EXPECT_EQ(ui.dialog().file.title, "Select An Import File");
  ui.answerFiles({file});
  ui.expectWindow("Errors Were Encountered");
  EXPECT_EQ(ui.rows("?Errors"), Rows{"3 | Bad Account#: 0000-99"});
  ui.press("?Cancel");
  ui.expectWindow("Import Purchase Orders");
  EXPECT_TRUE(ui.isDisabled("?Import")) << "Cancel leaves nothing to import";
  EXPECT_TRUE(ui.rows("?Preview").empty());

  ui.press("?PreviewButton");
  ui.expectWindow("Errors Were Encountered");
  ui.press("?Proceed");
  EXPECT_EQ(ui.rows("?Preview"),
            Rows{"H | 103 | Pat | 07/04/24 | W-1 | 07/04/24 |  |  |  | 20.00 | 8.5000 | 1.70 | "
                 "21.70 |  |  |  |  |  |  |  |  |  |  | "})
      << "one column per field of the layout";
  EXPECT_FALSE(ui.isDisabled("?Import"));
  EXPECT_TRUE(ui.isDisabled("?PreviewButton"));
  ui.press("?Import");
  ui.expectFinished();
  EXPECT_EQ(ui.response(), crv::RequestCompleted);
  EXPECT_EQ(lines(order("W-1").POID).size(), 1u);
  EXPECT_EQ(findSource(company->connection(), corvanaSourceTitle)->headerFile, file)
      << "the source keeps the file chosen";
}

TEST_F(ImportWindowsTest, AFixedPositionSourceDefinedInTheSourceForm) {
  // Record type 1, PO number 10, vendor 5; record type 1, description 20,
  // quantity 6, price 8, detail type 1, account 7.
  const auto file =
      write("fixed.txt", std::string("HF-00000001  103\n") + "DSheathing 7/16 OSB      12    0.10G6100-00\n");
  HeadlessDriver ui;
  open(ui);
  ui.press("?Add");
  ui.expectWindow("Adding a Purchase Order Import Source  (New)");
  ui.type("?JCL:ReportTitle", "Import from Corvana");
  ui.pick("?JCL:Skip", "One File");
  EXPECT_TRUE(ui.isHidden("?JCL:NameTo")) << "one file has no detail file";
  ui.pick("?JCL:PrintOrder", "Fixed Position");
  ui.pick("?JCL:JobTo", "MMDDYYYY");
  addField(ui, "?Header", "PO Number", "10");
  addField(ui, "?Header", "Vendor ID", "5");
  addField(ui, "?Header", "Record Type (H)", "1");
  ui.pick("?Files", "Purchase Order Detail File");
  for (auto [contents, length] : {std::pair{"Record Type (D)", "1"},
                                  {"Description", "20"},
                                  {"Quantity Ordered", "6"},
                                  {"Unit Price", "8"},
                                  {"Detail Type", "1"},
                                  {"Account", "7"}})
    addField(ui, "?Detail", contents, length);
  ui.press("?OK");
  ui.expectMessage("Duplicate Name", "Please select another name");
  ui.answer("&OK");
  ui.type("?JCL:ReportTitle", "Fixed orders");
  ui.press("?OK");
  ui.expectMessage("Invalid Field Contents", "The first Header File record must be \"Record Type\".");
  ui.answer("&OK");
  ui.pick("?Files", "Purchase Order Header File");
  ui.highlight("?HeaderFields", 2);
  ui.press("?HeaderTop");
  EXPECT_EQ(ui.rows("?HeaderFields"), (Rows{"1 | A | Record Type (H) | 1 | 1", "2 | B | PO Number | 10 | 2",
                                            "3 | C | Vendor ID | 5 | 12"}));
  ui.press("?OK");
  ui.expectWindow("Import Purchase Orders");
  EXPECT_EQ(storedLayout("Fixed orders"), "R101PN10VI05####R201DE20QO06UP08DT01AC07");

  ui.pick("?Sources", "Fixed orders");
  ui.press("?PreviewButton");
  ui.expectMessage("Select New Filename");
  ui.answer("&Yes");
  ui.answerFiles({file});
  ui.expectWindow("Errors Were Encountered");
  EXPECT_EQ(ui.rows("?Errors"), Rows{"0 | Totals don't match on POID: 1"}) << "no pre-tax amount in the file";
  ui.press("?Proceed");
  EXPECT_EQ(ui.rows("?Preview"), Rows{"H | 103 | F-00000001 | 1.20"});
  ui.press("?Import");
  ui.expectFinished();
  const auto line = lines(order("F-00000001").POID);
  ASSERT_EQ(line.size(), 1u);
  EXPECT_EQ(line[0].Description, "Sheathing 7/16 OSB");
  EXPECT_EQ(line[0].TotalAmount, *crv::Amount::parse("1.20"));
}

TEST_F(ImportWindowsTest, ATabDelimitedSourceOfTwoFiles) {
  const auto headers = write("headers.txt", "PO Number\tVendor\nT-1\t103\nT-2\t104\n");
  const auto details = write("details.txt", "T-2\tBolts\t10\t1.5\t6100-00\nT-1\tNuts\t4\t2\t6100-00\n");
  HeadlessDriver ui;
  open(ui);
  ui.press("?Add");
  ui.type("?JCL:ReportTitle", "Spreadsheet");
  ui.pick("?JCL:Skip", "Two Separate Files");
  ui.pick("?JCL:PrintOrder", "Tab Delimited");
  ui.pick("?JCL:JobTo", "MM/DD/YYYY");
  ui.press("?JCL:NameFrom:Lookup");
  EXPECT_EQ(ui.dialog().file.title, "Select a Filename");
  ui.answerFiles({headers});
  ui.tick("?JCL:TypeB", true);
  addField(ui, "?Header", "PO Number");
  addField(ui, "?Header", "Vendor ID");
  ui.pick("?Files", "Purchase Order Detail File");
  ui.press("?JCL:NameTo:Lookup");
  ui.answerFiles({details});
  for (const char* contents : {"PO Number", "Description", "Quantity Ordered", "Unit Price", "Account"})
    addField(ui, "?Detail", contents);
  EXPECT_EQ(ui.rows("?DetailFields").front(), "1 | A | PO Number") << "three columns when not fixed";
  ui.press("?OK");
  ui.pick("?Sources", "Spreadsheet");
  ui.press("?PreviewButton");
  EXPECT_EQ(ui.rows("?Preview"), (Rows{"103 | T-1 | 8.00", "104 | T-2 | 15.00"}));
  ui.press("?Import");
  ui.expectFinished();
  EXPECT_EQ(lines(order("T-2").POID).size(), 1u);
  EXPECT_EQ(order("T-2").POAmount, *crv::Amount::parse("15.00"));
  EXPECT_EQ(figureDifferences(), std::vector<std::string>{});
}

class ExportWindowTest : public ImportFixture {};

TEST_F(ExportWindowTest, ExportsTheTaggedOrdersAndShowsTheFile) {
  crv::TAGQUE = {order("1004").POID, order("1001").POID};
  const auto file = folder.path() / "tagged.txt";
  HeadlessDriver ui;
  ui.start(ExportPO, "ExportPO");
  ui.expectWindow("Purchase Order Export");
  EXPECT_EQ(ui.shown("?Which"), "Tagged purchase orders (2)");
  EXPECT_EQ(ui.shown("?Preview"), "on");
  ui.press("?Proceed");
  EXPECT_EQ(ui.focus(), "?FileName") << "a blank name goes back to the name";
  ui.press("?FileName:Lookup");
  EXPECT_EQ(ui.dialog().file.title, "Indicate an Export Filename");
  ui.answerFiles({file});
  ui.press("?Proceed");
  ui.expectMessage(
      "Reconciled PO Exported As Open",
      "The export program found 1 purchase order that has been at least partially reconciled.  This "
      "purchase order was exported as fully open.");
  ui.answer("&OK");
  ui.expectFinished();
  EXPECT_NE(ui.transcriptText().find("edit document \"" + file.string() + "\""), std::string::npos);
  EXPECT_TRUE(crv::TAGQUE.empty());
  std::ifstream in(file);
  std::string first;
  std::getline(in, first);
  EXPECT_EQ(first.substr(0, 6), "H,108,") << "in tagging order: 1004 first";
}

TEST_F(ExportWindowTest, WithNothingTaggedAllOrdersGoOutAndAViewerStandsInForTheEditor) {
  const auto file = folder.path() / "all.txt";
  HeadlessDriver ui;
  ui.setTextEditor(false);
  ui.start(ExportPO, "ExportPO");
  EXPECT_EQ(ui.shown("?Which"), "All purchase orders");
  EXPECT_TRUE(ui.isDisabled("?Which:Tagged"));
  ui.type("?FileName", file.string());
  ui.press("?Proceed");
  ui.expectMessage("Reconciled POs Exported As Open");
  ui.answer("&OK");
  ui.expectMessage("Purchase Order Export");
  ui.answer("&OK");
  ui.expectWindow("all.txt");
  EXPECT_EQ(ui.shown("?Text").substr(0, 6), "H,103,");
  ui.press("?Close");
  ui.expectFinished();

  HeadlessDriver again;
  crv::TAGQUE = {order("1001").POID};
  again.start(ExportPO, "ExportPO");
  again.type("?FileName", file.string());
  again.tick("?Preview", false);
  again.press("?Proceed");
  again.expectMessage("", "Export Process Complete");
  again.answer("&OK");
  again.expectFinished();
}

}  // namespace
}  // namespace crvpo::test

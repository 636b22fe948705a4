// Reading, checking and writing imported orders against the demo company:
// every check of a line with its message, the amounts a line completes,
// the accounts it takes, ties by PO number when a two-file source has no
// POID, the counter for blank numbers, the sort fields, committed costs
// equal to a rebuild, and an import that fails halfway leaving nothing.
#include "crvpo/importexport/purchase_order_import.h"

#include "host/data/tables/job_cost_tables.h"
#include "host/data/tables/suite_tables.h"
#include "host/storage/sqlite/sqlite_backend.h"
#include "support/fault_injecting_backend.h"
#include "tests/crvpo/importexport/import_fixture.h"

namespace crvpo::test {
namespace {

using crv::Amount;

constexpr std::string_view checkedLayout =
    "R100PN00VI00EV00PT00TA00PA00D100####R200DE00QO00UP00AM00DT00AC00JB00CC00EQ00CT00II00";

Amount amt(std::string_view text) { return *Amount::parse(text); }

class ImportTest : public ImportFixture {};

TEST_F(ImportTest, EachLineIsAcceptedWarnedOrRejectedWithItsMessage) {
  const auto file = write("checks.csv",
                          "D,Orphan,1,1,1,G,6100-00\n"
                          "H,A-1,103,,0,0,500,7/4/2024\n"
                          "H,A-2,999,,10,0,10,13/45/2024\n"
                          "D,Thing,2,5,,G,9999-99\n"
                          "D,Hose,2,184.3,,,,,,EX-200,REPAIR\n"
                          "H,A-3,0,V-735,604,0,604\n"
                          "D,Stud,0,0,100,,,2401,06-100M\n"
                          "D,,2,,,I,1300-00,,,,,CONC-MIX-80\n"
                          "\n"
                          "H,A-4,0,\n"
                          "H,1001,0,NOPE\n"
                          "X,a line of no record type is skipped\n"
                          "D,Bad quantity,1O,1,,G,6100-00\n");
  ImportPreview preview;
  ASSERT_TRUE(read(commaSource(checkedLayout, file), preview).read);
  EXPECT_EQ(errors(preview),
            (std::vector<std::string>{
                "1: Detail with no Purchase Order Header: 0", "3: Not a date in Issue Date: 13/45/2024",
                "3: Vendor ID: 999", "4: Bad Account#: 9999-99", "10: Missing Vendor ID",
                "11: Vendor ID: NOPE", "13: Not a number in Quantity Ordered: 1O",
                "0: Totals don't match on POID: 2", "0: Purchase Order Alredy Exists: 1001"}));
  EXPECT_EQ(preview.rejected(), 3u);
  ASSERT_EQ(preview.headers.size(), 5u);
  EXPECT_EQ(preview.headers[0].preTaxAmount, amt("500")) << "a pre-tax amount of 0 takes the PO amount";
  EXPECT_EQ(preview.headers[1].poAmount, amt("368.60")) << "totals that do not match take the lines' sum";
  EXPECT_EQ(preview.headers[2].vendorId, 105u) << "found by its external identifier";

  const auto imported = import(commaSource(checkedLayout, file), preview);
  ASSERT_TRUE(imported.done) << imported.message;
  EXPECT_EQ(imported.orders, 5u);
  EXPECT_EQ(imported.lines, 3u);

  const auto hose = lines(order("A-2").POID);
  ASSERT_EQ(hose.size(), 1u);
  EXPECT_EQ(hose[0].DetailType, "Equipment") << "equipment given, no job";
  EXPECT_EQ(hose[0].Account, "6300-00") << "the equipment category's account";
  const crv::POMasterRecord a3 = order("A-3");
  EXPECT_EQ(a3.DefaultJob, "2401");
  const auto a3Lines = lines(a3.POID);
  ASSERT_EQ(a3Lines.size(), 2u);
  EXPECT_EQ(a3Lines[0].QtyOrdered, crv::Quantity(1)) << "amount 100 alone: quantity 1 at 100";
  EXPECT_EQ(a3Lines[0].UnitPrice, 100.0);
  EXPECT_EQ(a3Lines[0].Account, "5100-00") << "the job's cost line's account";
  EXPECT_EQ(a3Lines[0].SequenceNo, 1u);
  EXPECT_EQ(a3Lines[1].Description, "Concrete mix, 80 lb bag") << "the item's description";
  EXPECT_EQ(a3Lines[1].UnitPrice, 252.0) << "the vendor's price of the item";
  EXPECT_EQ(a3Lines[1].TotalAmount, amt("504"));
  EXPECT_EQ(a3Lines[1].INVQuantity, crv::Quantity(2)) << "ordered in the stock unit";
  EXPECT_EQ(order("1001").VendorID, 0u) << "an existing number is imported after Proceed";
  EXPECT_EQ(figureDifferences(), std::vector<std::string>{});
}

TEST_F(ImportTest, BlankNumbersComeFromTheCounterAndSortLikeASavedOrder) {
  const auto file = write("blank.csv",
                          "H,,103,,50,4.25,54.25\n"
                          "D,Studs,10,5,,,,2401,06-100M\n"
                          "H,,103,,0,0,0\n");
  ImportPreview preview;
  ASSERT_TRUE(read(commaSource(checkedLayout, file), preview).read);
  const auto imported = import(commaSource(checkedLayout, file), preview);
  ASSERT_TRUE(imported.done) << imported.message;
  const crv::POMasterRecord first = order("1007");
  const crv::POMasterRecord second = order("1008");
  EXPECT_EQ(first.SortPONumber, "1007") << "listed among the open orders";
  EXPECT_EQ(first.SortVendorID, 103u);
  EXPECT_DOUBLE_EQ(first.TaxRate, 8.5) << "worked out from the amounts";
  EXPECT_EQ(first.Taxable, 1);
  EXPECT_EQ(second.Reconciled, 0);
  crv::PrivateTable<crv::SystemsRecord> systems(company->connection());
  systems.table.set(crv::SystemsRecord::KeySystemID);
  ASSERT_EQ(systems.table.next(), crv::TableStatus::Ok);
  EXPECT_EQ(systems.rec.NextPONumber, 1009u);
  EXPECT_EQ(figureDifferences(), std::vector<std::string>{});
}

TEST_F(ImportTest, TwoFilesWithoutAPOIDAreTiedByPONumber) {
  ImportSource source =
      commaSource("PN00VI00PT00PA00####DN00DE00QO00UP00DT00AC00", write("h.txt",
                                                                        "T-1\t103\t0\t0\n"
                                                                        "T-2\t104\t0\t0\n"));
  source.oneFile = false;
  source.format = FileFormat::Tab;
  source.detailFile = write("d.txt",
                            "T-2\tBolts\t10\t1.5\tG\t6100-00\n"
                            "T-1\tNuts\t4\t2\tG\t6100-00\n"
                            "T-2\tWashers\t100\t0.05\tG\t6100-00\n"
                            "T-9\tLost\t1\t1\tG\t6100-00\n");
  ImportPreview preview;
  ASSERT_TRUE(read(source, preview).read);
  EXPECT_EQ(errors(preview), std::vector<std::string>{"4: Detail with no Purchase Order Header: T-9"})
      << "no Duplicate POID for headers without one; a line of no known order stays out";
  ASSERT_TRUE(import(source, preview).done);
  EXPECT_EQ(lines(order("T-1").POID).size(), 1u);
  EXPECT_EQ(lines(order("T-2").POID).size(), 2u);
  EXPECT_EQ(order("T-2").POAmount, amt("20.00")) << "the sum of its lines";
}

TEST_F(ImportTest, TwoFilesWithPOIDsRejectADuplicate) {
  ImportSource source = commaSource("PO00PN00VI00####PO00DE00QO00UP00DT00AC00",
                                    write("h.csv", "7,D-1,103\n7,D-2,103\n8,D-3,103\n"));
  source.oneFile = false;
  source.detailFile = write("d.csv", "8,Bolts,1,1,G,6100-00\n9,Nuts,1,1,G,6100-00\n");
  ImportPreview preview;
  ASSERT_TRUE(read(source, preview).read);
  for (auto& e : preview.errors) e.text += e.inDetailFile ? " (details)" : "";
  EXPECT_EQ(errors(preview), (std::vector<std::string>{"2: Duplicate POID: 7",
                                                       "2: Detail with no Purchase Order Header: 9 (details)",
                                                       "0: Totals don't match on POID: 8"}));
}

// The company on a storage that fails when told to.
class ImportFaultTest : public ImportTest {
 protected:
  void SetUp() override {
    ImportTest::SetUp();
    company.reset();
    company = crv::Company::open(companyFolder(), false, storage);
  }
  crv::test::FaultInjectingBackend storage;
};

// A write refused by the storage halfway through the lines (the disk is
// full): nothing of the import stays, and the message says which step
// failed.
TEST_F(ImportFaultTest, AFailedWriteLeavesNothingImported) {
  const auto file = write("half.csv",
                          "H,,103,,0,0,0\n"
                          "D,Studs,10,5,,,,2401,06-100M\n"
                          "H,H-2,103,,0,0,0\n"
                          "D,Refused,1,1,,G,6100-00\n");
  ImportPreview preview;
  ASSERT_TRUE(read(commaSource(checkedLayout, file), preview).read);
  const std::int64_t before = orderCount();
  storage.failNth(crv::test::StorageOp::Write, 2, crv::test::Fault::DiskFull, "PODetail");
  const auto imported = import(commaSource(checkedLayout, file), preview);
  EXPECT_TRUE(storage.fired());
  EXPECT_FALSE(imported.done);
  EXPECT_NE(imported.message.find("Unable to Insert PODetail."), std::string::npos) << imported.message;
  EXPECT_NE(imported.message.find("No purchase orders were imported."), std::string::npos);
  EXPECT_EQ(orderCount(), before);
  crv::PrivateTable<crv::SystemsRecord> systems(company->connection());
  systems.table.set(crv::SystemsRecord::KeySystemID);
  ASSERT_EQ(systems.table.next(), crv::TableStatus::Ok);
  EXPECT_EQ(systems.rec.NextPONumber, 1007u) << "the counter too is as it was";
  EXPECT_EQ(preview.headers.size(), 2u) << "the preview is kept for another try";
  EXPECT_EQ(figureDifferences(), std::vector<std::string>{});
}

TEST_F(ImportTest, AnImportThatCannotHaveItsTransactionIsNotRun) {
  const auto file = write("wait.csv", "H,W-1,103,,0,0,0\n");
  ImportPreview preview;
  ASSERT_TRUE(read(commaSource(checkedLayout, file), preview).read);
  auto other = crv::SqliteBackend().open(company->databaseFile().string(), crv::Company::schema(), false);
  ASSERT_FALSE(other->begin(std::chrono::milliseconds(0)).failed());
  PurchaseOrderImport importer(company->connection(), commaSource(checkedLayout, file));
  importer.setWait(std::chrono::milliseconds(10));
  const ImportOutcome imported = importer.run(preview);
  other->rollback();
  EXPECT_FALSE(imported.done);
  EXPECT_EQ(imported.message.rfind("The import could not be written: File Is Already Locked (32)", 0), 0u)
      << imported.message;
  EXPECT_EQ(preview.headers.size(), 1u);
}

}  // namespace
}  // namespace crvpo::test

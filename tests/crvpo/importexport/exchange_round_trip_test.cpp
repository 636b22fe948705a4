// The exchange file: every order of the demo company, and one whose texts
// hold quotes, commas and a thousand characters, exported, imported into a
// company without orders and exported again: the two files are the same
// byte for byte, every field the file carries is the same, and the
// imported orders commit what a rebuild gives. Also the file's form:
// numbers, dates, quotes, lines longer than 256 characters, and the notice
// about reconciled orders.
#include "crvpo/entry/purchase_order_deletion.h"
#include "crvpo/importexport/purchase_order_export.h"
#include "crvpo/reconcile/committed_cost_recalculation.h"
#include "host/data/tables/table_registry.h"
#include "tests/crvpo/importexport/import_fixture.h"

namespace crvpo::test {
namespace {

using crv::Amount;

std::string readAll(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

// The fields of a record the exchange file carries, as text.
template <class R>
std::vector<std::string> carried(R record, std::initializer_list<const char*> names) {
  std::vector<std::string> out;
  for (const char* name : names) out.push_back(std::string(name) + "=" + record.field(name).toString());
  return out;
}

const std::initializer_list<const char*> headerFields = {
    "VendorID",      "PreparedBy",     "PreparedDate",       "PONumber",   "IssueDate",   "DeliverAfterDate",
    "DeliveryDate",  "DeadlineDate",   "PreTaxAmount",       "TaxRate",    "TaxAmount",   "POAmount",
    "ShipToName",    "ShipToAddress1", "ShipToAddress2",     "ShipToCity", "ShipToState", "ShipToZip",
    "ShipToContact", "ShipVia",        "ShipToInstructions", "FOB"};
const std::initializer_list<const char*> lineFields = {
    "TextFlag",    "Text",         "ItemID",           "Description",  "QtyOrdered",  "UnitPrice",
    "UnitName",    "TotalAmount",  "DetailType",       "Account",      "JobID",       "CostCode",
    "EquipmentID", "CostCategory", "DeliverAfterDate", "DeliveryDate", "DeadlineDate"};

class ExchangeTest : public ImportFixture {
 protected:
  // An order whose texts are as awkward as the tables allow.
  void addAwkwardOrder() {
    crv::PrivateTable<crv::POMasterRecord> orders(company->connection());
    crv::POMasterRecord& po = orders.rec;
    po.VendorID = 110;
    po.PONumber = "Q-\"7\", 8";
    po.PreparedBy = "O'Neil, \"Pat\"";
    po.IssueDate = crv::Date::compose(7, 4, 2024);
    po.ShipToName = std::string(40, 'N') + "\"quoted\"";
    po.ShipToAddress1 = "Unit 4, \"Rear\" dock, 1234 Long Industrial Parkway";
    po.ShipToCity = "St. Helens, Ore";
    po.ShipToContact = "Dana \"Dee\" Ruiz, site lead (evenings)";
    po.ShipVia = "Truck, \"liftgate\" only";
    po.ShipToInstructions = std::string(48, 'I') + ",\"";
    po.FOB = "Origin, \"prepaid\"";
    po.TaxRate = 8.5;
    po.PreTaxAmount = *Amount::parse("1234.57");
    po.TaxAmount = *Amount::parse("104.94");
    po.POAmount = *Amount::parse("1339.51");
    ASSERT_EQ(orders.table.tryInsert(), crv::TableStatus::Ok);
    crv::PrivateTable<crv::PODetailRecord> lines(company->connection());
    crv::PODetailRecord& text = lines.rec;
    text.POID = po.POID;
    text.SequenceNo = 1;
    text.TextFlag = 1;
    std::string thousand;
    while (thousand.size() < 1000) thousand += "Say \"when\", then stop; ";
    text.Text = thousand.substr(0, 1000);
    ASSERT_EQ(lines.table.tryInsert(), crv::TableStatus::Ok);
    crv::PODetailRecord& priced = lines.rec;
    priced.clear();
    priced.POID = po.POID;
    priced.SequenceNo = 2;
    std::string description;
    while (description.size() < 200) description += "3/4\" plywood, \"AC\" grade; ";
    priced.Description = description.substr(0, 200);
    priced.QtyOrdered = *crv::Quantity::parse("12.3456");
    priced.UnitPrice = 100.00007;
    priced.TotalAmount = *Amount::parse("1234.57");
    priced.UnitName = "SHEET";
    priced.DetailType = "G/L Account";
    priced.Account = "6100-00";
    ASSERT_EQ(lines.table.tryInsert(), crv::TableStatus::Ok);
  }

  struct Order {
    std::vector<std::string> header;
    std::vector<std::vector<std::string>> lines;
    bool operator==(const Order&) const = default;
  };
  std::vector<Order> ordersAsCarried() {
    std::vector<Order> out;
    crv::PrivateTable<crv::POMasterRecord> orders(company->connection());
    orders.table.set(crv::POMasterRecord::KeyPOID);
    while (orders.table.next() == crv::TableStatus::Ok) {
      Order order{carried(orders.rec, headerFields), {}};
      for (const auto& line : lines(orders.rec.POID)) order.lines.push_back(carried(line, lineFields));
      out.push_back(order);
    }
    return out;
  }
  // The demo company's settings and lists without its orders, its running
  // figures rebuilt (a deletion leaves the change-order share of a line in
  // place; see docs/COMMITMENTS.md).
  void deleteAllOrders() {
    for (crv::Table* table : crv::TableRegistry::tables()) table->open();
    std::vector<crv::Id> poids;
    crv::POMaster.set(crv::POMasterRecord::KeyPOID);
    while (crv::POMaster.next() == crv::TableStatus::Ok) poids.push_back(crv::POM.POID);
    for (crv::Id poid : poids) {
      crv::POM.POID = poid;
      ASSERT_EQ(crv::POMaster.fetch(crv::POMasterRecord::KeyPOID), crv::TableStatus::Ok);
      ASSERT_TRUE(PurchaseOrderDeletion().remove().done);
    }
    for (crv::Table* table : crv::TableRegistry::tables()) table->close();
    RecalcObserver quiet;
    CommittedCostRecalculation(company->connection()).run(quiet);
  }
};

TEST_F(ExchangeTest, EveryOrderComesBackAsItWentOut) {
  addAwkwardOrder();
  const auto first = folder.path() / "first.txt";
  const ExportSummary exported = PurchaseOrderExport(company->connection()).runAll(first);
  ASSERT_TRUE(exported.written) << exported.message;
  EXPECT_EQ(exported.orders, 7u);
  EXPECT_EQ(exported.reconciled, 2u) << "1004 partly and 1005 fully reconciled";
  const std::vector<Order> before = ordersAsCarried();

  deleteAllOrders();
  ASSERT_EQ(orderCount(), 0);
  ImportPreview preview;
  ASSERT_TRUE(read(exchangeSource(first), preview).read);
  EXPECT_EQ(errors(preview), std::vector<std::string>{});
  const ImportOutcome imported = import(exchangeSource(first), preview);
  ASSERT_TRUE(imported.done) << imported.message;
  EXPECT_EQ(imported.lines, exported.lines);

  const auto second = folder.path() / "second.txt";
  ASSERT_TRUE(PurchaseOrderExport(company->connection()).runAll(second).written);
  EXPECT_EQ(readAll(second), readAll(first));
  EXPECT_EQ(ordersAsCarried(), before);
  EXPECT_EQ(figureDifferences(), std::vector<std::string>{});
}

TEST_F(ExchangeTest, TheFileIsWrittenInTheExchangeForm) {
  EXPECT_EQ(
      PurchaseOrderExport::headerLine(order("1006")),
      "H,113,\"Janet Sullivan\", 1/ 4/2025,\"1006\", 1/ 4/2025, 1/ 6/2025, 1/11/2025, 1/18/2025,803.6,8.5,"
      "68.31,871.91,\"Harbor Ridge Builders, Inc.\",\"1800 SE Columbia Way\",\"Receiving - Main "
      "Warehouse\",\"Vancouver\",\"WA\",\"98661\",\"Warehouse\",\"Vendor truck\",\"\",\"Destination\"\n");
  crv::PODetailRecord line;
  line.TextFlag = 1;
  line.Text = "Two lines:\r\n\"here\"";
  EXPECT_EQ(PurchaseOrderExport::detailLine(line),
            "D,1,\"Two lines: \"\"here\"\"\",\"\",\"\",0,0,\"\",0,\"\",\"\",\"\",\"\",\"\",\"\", 0/ 0/0000, "
            "0/ 0/0000,"
            " 0/ 0/0000\n");
  line.Text = std::string(1000, 'x');
  EXPECT_GT(PurchaseOrderExport::detailLine(line).size(), 1000u) << "never cut at 256 characters";

  EXPECT_EQ(reconciledNotice(1)->title, "Reconciled PO Exported As Open");
  EXPECT_EQ(reconciledNotice(3)->text,
            "The export program found 3 purchase orders that have been at least partially reconciled.  These "
            "purchase orders were exported as fully open.");
  EXPECT_FALSE(reconciledNotice(0));
}

TEST_F(ExchangeTest, AFileThatCannotBeWrittenIsNotWrittenAtAll) {
  const auto target = folder.path() / "no such folder" / "orders.txt";
  const ExportSummary summary = PurchaseOrderExport(company->connection()).run({order("1001").POID}, target);
  EXPECT_FALSE(summary.written);
  EXPECT_NE(summary.message.find("Creating File"), std::string::npos) << summary.message;
  EXPECT_FALSE(std::filesystem::exists(target));

  const auto file = folder.path() / "gone.txt";
  const ExportSummary some =
      PurchaseOrderExport(company->connection()).run({order("1001").POID, 999999}, file);
  EXPECT_TRUE(some.written);
  EXPECT_EQ(some.missing, std::vector<crv::Id>{999999});
  EXPECT_EQ(some.orders, 1u);
}

}  // namespace
}  // namespace crvpo::test

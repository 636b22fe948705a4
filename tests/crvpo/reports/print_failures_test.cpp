// Printing that cannot be done whole says so and sends nothing on: a PDF
// on a full disk is neither left behind nor e-mailed, a read that fails
// while the batch is built or an order is laid out fails the print, and an
// order whose amounts are out of range is left out with its number and line
// named while the others print. Order numbers holding a "/" print under a
// name inside the data folder.
#include <filesystem>
#include <fstream>
#include <limits>
#include <sstream>

#include "crvpo/reports/po_delivery.h"
#include "crvpo/reports/purchase_order_print.h"
#include "support/small_disk.h"
#include "tests/crvpo/reports/print_fixture.h"

namespace crvpo {
namespace {

using namespace crv;

class PrintFailuresTest : public test::PrintFixture {
 protected:
  void SetUp() override {
    test::PrintFixture::SetUp();
    deliveryState() = DeliveryState{};
    addSystems();
    addVendor(10, "Stone Supply", "1 Road", "", "orders@stone.example");
    addJob("J100", "Tower");
  }
  void TearDown() override {
    deliveryState() = DeliveryState{};
    test::PrintFixture::TearDown();
  }

  Id orderWithLine(std::string_view number) {
    const Id poid = addOrder(number);
    addLine(poid, 1, "LUM-2x4", "Studs", Amount(300));
    return poid;
  }

  // The command line's print: answers the exit code, what it said in `said`.
  int print(const std::string& number, const std::filesystem::path& pdf, bool email) {
    std::ostringstream out;
    const int code = PrintPurchaseOrderConsole(number.c_str(), pdf.c_str(), email ? 1 : 0, &out);
    said = out.str();
    return code;
  }

  std::int64_t emailed() { return EmailLog.records(); }

  std::string said;
};

TEST_F(PrintFailuresTest, APdfOnAFullDiskIsNeitherLeftBehindNorSent) {
  crv::test::SmallDisk disk(folder / "disk", "1m");
  if (!disk.mounted()) GTEST_SKIP() << crv::test::SmallDisk::notMounted;
  orderWithLine("1001");
  disk.fill();
  const auto pdf = disk / "out.pdf";
  EXPECT_EQ(print("1001", pdf, true), 2) << said;
  EXPECT_NE(said.find(pdf.string()), std::string::npos) << said;
  EXPECT_EQ(said.find("Printed"), std::string::npos) << said;
  disk.release();
  EXPECT_TRUE(std::filesystem::is_empty(disk.path())) << "no file and no part of one";
  EXPECT_FALSE(std::filesystem::exists(folder / "Outbox"));
  EXPECT_EQ(emailed(), 0);
}

TEST_F(PrintFailuresTest, AFailedReadFailsThePrintAndNothingIsSent) {
  struct Case {
    const char* number;  // blank: the orders under the limits
    bool email;
    const char* table;
    int nth;
  };
  const Case cases[] = {{"", false, "POMaster", 2}, {"1001", true, "PODetail", 1}};
  orderWithLine("1001");
  orderWithLine("1002");
  orderWithLine("1003");
  for (const Case& c : cases) {
    messages.shown.clear();
    storage.failNth(crv::test::StorageOp::Read, c.nth, crv::test::Fault::IoError, c.table);
    EXPECT_EQ(print(c.number, folder / "out.pdf", c.email), 2) << c.table << ": " << said;
    EXPECT_TRUE(storage.fired()) << c.table;
    storage.disarm();
    EXPECT_NE(said.find("the print is not complete"), std::string::npos) << said;
    bool told = false;
    for (const MessageRequest& m : messages.shown)
      told = told || m.text == std::string("disk I/O error (10) Reading ") + c.table;
    EXPECT_TRUE(told) << c.table;
    EXPECT_EQ(emailed(), 0) << c.table;
  }
}

TEST_F(PrintFailuresTest, AnOrderWithAnAmountOutOfRangeIsLeftOutAndNamed) {
  orderWithLine("1001");
  const Id broken = orderWithLine("1002");
  addLine(broken, 2, "LUM-2x6", "Joists", Amount::fromRaw(std::numeric_limits<std::int64_t>::max()));
  EXPECT_EQ(print("", folder / "out.pdf", false), 2) << said;
  EXPECT_NE(said.find("Printed 1 order(s)"), std::string::npos) << said;
  ASSERT_FALSE(messages.shown.empty());
  EXPECT_EQ(messages.shown.back().text,
            "Order 1002, line 2: an amount is out of range (Decimal: addition overflow). The order is not "
            "printed.");
}

TEST_F(PrintFailuresTest, AnOrderNumberWithASlashPrintsAndIsMailedInsideTheDataFolder) {
  orderWithLine("24/117");
  EXPECT_EQ(print("24/117", "", true), 0) << said;
  const auto pdf = folder / "Purchase Order 24_117 from Acme Builders.pdf";
  EXPECT_TRUE(std::filesystem::exists(pdf)) << said;
  ASSERT_EQ(emailed(), 1);
  EmailLog.set(EML.KeyEmailID);
  ASSERT_EQ(EmailLog.next(), TableStatus::Ok);
  EXPECT_EQ(EML.FileName.str(), pdf.string());
}

}  // namespace
}  // namespace crvpo

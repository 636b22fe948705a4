// A server company when the server lets it down: not running, a wrong
// password, a missing database, and the connection dropped by the server in
// the middle of a save. Each gets a message that says what is wrong; the
// save is rolled back whole, and the program carries on once the server
// answers again. Runs in the server run only.
#include <libpq-fe.h>
#include <stdlib.h>

#include <fstream>
#include <functional>

#include "crvpo/entry/purchase_order_save.h"
#include "host/framework/services/global_request.h"
#include "support/independent_rebuild.h"
#include "tests/crvpo/entry/commitment_fixture.h"

namespace crvpo {
namespace {

using namespace crv;

class ServerFaultTest : public test::CommitmentFixture {
 protected:
  void SetUp() override {
    if (!crv::test::onServer()) GTEST_SKIP() << "server faults are tested in the server run";
    CommitmentFixture::SetUp();
  }

  // Runs SQL in the company's schema on a connection of the test's own.
  void onServer(const std::string& sql) {
    const ServerCompany& server = company->storage().server();
    const std::string options = "-c search_path=" + server.schema;
    const char* keywords[] = {"host", "port", "dbname", "user", "options", nullptr};
    const char* values[] = {server.host.c_str(), server.port.c_str(), server.database.c_str(),
                            server.user.c_str(), options.c_str(),     nullptr};
    PGconn* conn = PQconnectdbParams(keywords, values, 0);
    PGresult* result = PQexec(conn, sql.c_str());
    EXPECT_EQ(PQresultStatus(result), PGRES_COMMAND_OK) << PQerrorMessage(conn);
    PQclear(result);
    PQfinish(conn);
  }

  std::string openingFails(const std::function<void(ServerCompany&)>& spoil) {
    crv::test::TempFolder other;
    ServerCompany server = crv::test::testServer();
    spoil(server);
    CompanyStorage::writeServerSettings(other.path(), server);
    try {
      CompanyStorage(other.path()).open(Company::schema(), true);
    } catch (const StorageOpenError& error) {
      return error.what();
    }
    return "opened";
  }
};

TEST_F(ServerFaultTest, AServerThatIsDownAWrongPasswordAndAMissingDatabaseEachSayWhatIsWrong) {
  EXPECT_NE(openingFails([](ServerCompany& s) { s.port = "1"; }).find("does not answer at 127.0.0.1 port 1"),
            std::string::npos);
  EXPECT_NE(openingFails([](ServerCompany& s) {
              s.database = "nosuch";
            }).find("the database \"nosuch\" does not exist on the server"),
            std::string::npos);

  const std::string kept = std::getenv("PGPASSFILE");
  const auto wrong = folder / "wrong.pgpass";
  std::ofstream(wrong) << "*:*:*:*:not-the-password\n";
  std::filesystem::permissions(wrong,
                               std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
  setenv("PGPASSFILE", wrong.c_str(), 1);
  const std::string refused = openingFails([](ServerCompany&) {});
  setenv("PGPASSFILE", kept.c_str(), 1);
  EXPECT_NE(refused.find("the password in ~/.pgpass (or in the file PGPASSFILE names) is missing or wrong"),
            std::string::npos)
      << refused;
}

TEST_F(ServerFaultTest, AConnectionDroppedInTheMiddleOfASaveRollsItBackAndTheNextSaveWorks) {
  addCostLine("2401", "06-100M", amt("50.00"));
  const Id order = addOrder("1001");
  jobLine(order, 1, "2401", "06-100M", "10", 5.00);
  insertLine();
  // The header is written last: the server drops the connection there, after
  // the save has posted the line to its cost line.
  onServer(
      "CREATE FUNCTION drop_station() RETURNS trigger LANGUAGE plpgsql AS $$ BEGIN "
      "PERFORM pg_terminate_backend(pg_backend_pid()); RETURN NEW; END $$; "
      "CREATE TRIGGER drop_station BEFORE UPDATE ON pomaster FOR EACH ROW EXECUTE FUNCTION drop_station()");

  OpeningCommitments none;
  fetchOrder(order);
  const OperationOutcome outcome = PurchaseOrderSave().save(ChangeRecord, none);
  EXPECT_FALSE(outcome.done);
  EXPECT_NE(outcome.message.find("Connection To The Database Lost"), std::string::npos) << outcome.message;
  EXPECT_NE(outcome.message.find("was not saved"), std::string::npos) << outcome.message;
  EXPECT_EQ(committed("2401", "06-100M"), amt("50.00")) << "the posting went with the connection";

  onServer("DROP TRIGGER drop_station ON pomaster");
  fetchOrder(order);
  ASSERT_TRUE(PurchaseOrderSave().save(ChangeRecord, none).done);
  EXPECT_EQ(committed("2401", "06-100M"), amt("100.00"));
}

}  // namespace
}  // namespace crvpo

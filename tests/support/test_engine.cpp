// Test companies on the engine under test.
#include "support/test_engine.h"

#include <unistd.h>

#include <atomic>
#include <cstdlib>
#include <ctime>
#include <stdexcept>

namespace crv::test {
namespace {

std::string variable(const char* name) {
  const char* value = std::getenv(name);
  return value ? value : "";
}

}  // namespace

bool onServer() { return variable("CRV_TEST_ENGINE") == "postgresql"; }

ServerCompany testServer() {
  if (variable("CRV_TEST_PG_PORT").empty()) {
    const std::string why = variable("CRV_TEST_PG_ERROR");
    throw std::runtime_error(
        "no PostgreSQL test server: " +
        (why.empty() ? std::string("run the tests through scripts/test.sh, which starts one") : why));
  }
  static std::atomic<int> made{0};
  ServerCompany server;
  server.host = variable("CRV_TEST_PG_HOST");
  server.port = variable("CRV_TEST_PG_PORT");
  server.database = variable("CRV_TEST_PG_DATABASE");
  server.user = variable("CRV_TEST_PG_USER");
  server.schema = "t" + std::to_string(::getpid()) + "_" + std::to_string(std::time(nullptr) % 100000) + "_" +
                  std::to_string(++made);
  return server;
}

void prepareCompanyFolder(const std::filesystem::path& folder) {
  if (onServer()) CompanyStorage::writeServerSettings(folder, testServer());
}

std::unique_ptr<Company> openTestCompany(const std::filesystem::path& folder) {
  prepareCompanyFolder(folder);
  return Company::open(folder, true);
}

}  // namespace crv::test

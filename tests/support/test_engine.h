// The storage engine a test run uses, and companies made on it.
//
// The same test code runs on both engines: a suite listed in
// CRV_BOTH_ENGINES_SUITES (tests/CMakeLists.txt) runs a second time with
// CRV_TEST_ENGINE=postgresql, against the private server scripts/test.sh
// starts. Such a suite opens its company with openTestCompany() (or makes its
// folder with prepareCompanyFolder()) and reaches other stations through
// Company::connect(); nothing else in it names an engine.
#pragma once

#include <filesystem>
#include <memory>
#include <string>

#include "host/data/company.h"

namespace crv::test {

bool onServer();

// The test server with a fresh schema of its own. Throws std::runtime_error
// saying why when the run has no server.
ServerCompany testServer();

// Makes `folder` a company folder on the engine under test: nothing for
// SQLite, a company.ini naming a fresh schema on the test server otherwise.
void prepareCompanyFolder(const std::filesystem::path& folder);

// prepareCompanyFolder() and Company::open(folder, true).
std::unique_ptr<Company> openTestCompany(const std::filesystem::path& folder);

}  // namespace crv::test

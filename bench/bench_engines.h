// The engines a benchmark compares: SQLite always, and PostgreSQL when a
// server is given through the same settings the tests use (CRV_TEST_PG_*,
// PGPASSFILE); scripts/bench.sh starts a private server and runs every
// benchmark with it.
#pragma once

#include <cstdlib>
#include <filesystem>

#include "host/data/company_storage.h"
#include "support/test_engine.h"

namespace bench {

inline bool haveServer() { return std::getenv("CRV_TEST_PG_PORT") != nullptr; }

// Makes `folder` a company folder on a fresh schema of the server.
inline void prepareServerFolder(const std::filesystem::path& folder) {
  crv::CompanyStorage::writeServerSettings(folder, crv::test::testServer());
}

}  // namespace bench

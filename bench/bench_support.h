// What the benchmarks share: the process's CPU time and memory figures, and inserting
// a record's fields with a raw SQLite prepared statement, the yardstick the
// table layer is measured against.
#pragma once

#include <sqlite3.h>
#include <sys/resource.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

#include "host/data/tables/purchasing_tables.h"
#include "host/framework/record/record.h"

namespace bench {

// CPU seconds (user and system) this process has used so far.
inline double cpuSeconds() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
         static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

// A figure of /proc/self/status in KiB ("VmHWM:", "VmRSS:"); 0 where /proc
// is not there.
inline long statusKiB(const char* key) {
  std::ifstream status("/proc/self/status");
  std::string line;
  while (std::getline(status, line))
    if (line.rfind(key, 0) == 0) return std::atol(line.c_str() + std::string(key).size());
  return 0;
}

// VmRSS of this process in KiB (0 where /proc is not there).
inline long residentKiB() {
  std::ifstream status("/proc/self/status");
  std::string line;
  while (std::getline(status, line))
    if (line.rfind("VmRSS:", 0) == 0) return std::atol(line.c_str() + 6);
  return 0;
}

// The order number of the benchmarks' `i`th order header: "P0000001".
inline std::string orderNumber(long i) {
  char text[32];
  std::snprintf(text, sizeof text, "P%07ld", i);
  return text;
}

// The benchmarks' `i`th order header: numbered in order, 500 vendors and
// 3,000 issue dates taken in turn.
inline void fillOrder(crv::POMasterRecord& order, long i) {
  order.clear();
  order.PONumber = orderNumber(i);
  order.SortPONumber = order.PONumber.view();
  order.VendorID = static_cast<crv::Id>(i % 500 + 1);
  order.SortVendorID = order.VendorID;
  order.IssueDate = crv::Date::fromDay(80000 + static_cast<std::int32_t>(i % 3000));
  order.DefaultJob = "2024-001";
  order.POAmount = crv::Amount::fromRaw(12345 + i % 100000);
  order.PreparedBy = "Bench";
  order.ShipToName = "Main yard";
}

// "INSERT INTO table (every field but autoField) VALUES (?, ...)".
inline sqlite3_stmt* prepareRawInsert(sqlite3* db, const crv::Record& record, const char* table,
                                      const char* autoField) {
  std::string columns;
  std::string values;
  for (const auto& field : record.layout().fields()) {
    if (field.name == autoField) continue;
    columns += (columns.empty() ? "\"" : ", \"") + field.name + "\"";
    values += values.empty() ? "?" : ", ?";
  }
  sqlite3_stmt* insert = nullptr;
  sqlite3_prepare_v2(
      db, ("INSERT INTO " + std::string(table) + " (" + columns + ") VALUES (" + values + ")").c_str(), -1,
      &insert, nullptr);
  return insert;
}

// Binds every field of `record` but the one at `skip` (its auto-number) in
// layout order and steps the insert; a failure ends the benchmark.
inline void insertRaw(sqlite3* db, sqlite3_stmt* insert, crv::Record& record, std::size_t skip) {
  int index = 1;
  const auto& fields = record.layout().fields();
  for (std::size_t f = 0; f < fields.size(); ++f) {
    if (f == skip) continue;
    crv::FieldRef ref(record, fields[f]);
    switch (ref.kind()) {
      case crv::FieldKind::Text: {
        auto text = ref.text();
        sqlite3_bind_text(insert, index++, text.data(), static_cast<int>(text.size()), SQLITE_STATIC);
        break;
      }
      case crv::FieldKind::Real:
        sqlite3_bind_double(insert, index++, ref.real());
        break;
      default:
        sqlite3_bind_int64(insert, index++, ref.integer());
        break;
    }
  }
  if (sqlite3_step(insert) != SQLITE_DONE) {
    std::fprintf(stderr, "raw insert failed: %s\n", sqlite3_errmsg(db));
    std::exit(1);
  }
  sqlite3_reset(insert);
}

}  // namespace bench

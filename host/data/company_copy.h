// Moving a company from one engine to the other: every table copied with a
// bulk insert, all in one transaction on the target, while a transaction on the source
// keeps other stations' writes out, then both sides read again and
// compared table by table, by row count and by a checksum over every field
// of every row in row order.
#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace crv {

struct TableCopyCheck {
  std::string table;
  std::int64_t sourceRows = 0;
  std::int64_t targetRows = 0;
  std::uint64_t sourceChecksum = 0;
  std::uint64_t targetChecksum = 0;
  bool matches() const { return sourceRows == targetRows && sourceChecksum == targetChecksum; }
};

struct CompanyCopyResult {
  bool copied = false;  // the transaction on the target was committed
  std::string error;    // why not, when it was not
  std::vector<TableCopyCheck> tables;
  bool verified() const;
};

// Copies the company in `from` into the company folder `to` (SQLite when the
// folder has no company.ini, otherwise the server it names), which must hold
// no data yet. `progress` hears of each table as it is copied. Throws
// StorageOpenError when either company cannot be opened.
CompanyCopyResult copyCompany(const std::filesystem::path& from, const std::filesystem::path& to,
                              const std::function<void(const std::string&)>& progress = {});

}  // namespace crv

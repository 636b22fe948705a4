// One libpq connection to the database server and the exchange of
// statements with it: results as owned objects, statements prepared once per
// connection, writes guarded by a savepoint inside a transaction, and the
// server's errors turned into the runtime's error codes.
#pragma once

#include <libpq-fe.h>

#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

#include "host/framework/table/table_error.h"

namespace crv::postgresql {

class Result {
 public:
  Result() = default;
  explicit Result(PGresult* result) : result_(result) {}
  ~Result() { PQclear(result_); }
  Result(Result&& other) noexcept : result_(std::exchange(other.result_, nullptr)) {}
  Result& operator=(Result&& other) noexcept {
    if (this != &other) {
      PQclear(result_);
      result_ = std::exchange(other.result_, nullptr);
    }
    return *this;
  }
  Result(const Result&) = delete;
  Result& operator=(const Result&) = delete;

  PGresult* get() const { return result_; }
  bool ok() const;
  int rows() const { return result_ ? PQntuples(result_) : 0; }
  std::string_view text(int row, int column) const {
    return {PQgetvalue(result_, row, column), static_cast<std::size_t>(PQgetlength(result_, row, column))};
  }
  std::int64_t integer(int row, int column) const;
  std::string commandStatus() const { return result_ ? PQcmdStatus(result_) : ""; }
  double real(int row, int column) const;
  // The server's SQLSTATE and message of a failed statement.
  std::string sqlState() const;
  std::string message() const;

 private:
  PGresult* result_ = nullptr;
};

using Params = std::vector<std::string>;

// Connection settings as libpq keywords and values.
using Settings = std::vector<std::pair<std::string, std::string>>;

class Session {
 public:
  explicit Session(Settings settings) : settings_(std::move(settings)) {}
  ~Session();
  Session(const Session&) = delete;
  Session& operator=(const Session&) = delete;

  // Connects, or connects again after the connection was lost; false with
  // libpq's reason in `why`. Prepared statements are prepared afresh.
  bool connect(std::string& why);
  bool connected() const { return conn_ && PQstatus(conn_) == CONNECTION_OK; }
  // Several statements without parameters in one round trip.
  Result exec(const std::string& sql);
  // One statement with text parameters, prepared on first use.
  Result run(const std::string& sql, const Params& params);
  // Inside a transaction: the statement between a savepoint and its release
  // in one round trip. A failed statement is rolled back to the savepoint, so
  // the transaction goes on as it does on the embedded engine.
  Result runGuarded(const std::string& sql, const Params& params);
  // A COPY ... FROM STDIN statement and the rows it reads, in COPY's text
  // form; answers the statement's result.
  Result copyIn(const std::string& sql, std::string_view rows);

 private:
  bool prepare(const std::string& sql, std::string& name, Result& failure);
  Result collectPipeline(int statements);

  Settings settings_;
  PGconn* conn_ = nullptr;
  std::unordered_map<std::string, std::string> prepared_;  // statement text -> name
};

// The runtime's error for a failed statement: busy, duplicate key, disk full
// and a lost connection have codes of their own; everything else is an engine
// failure with the server's SQLSTATE and message.
TableError errorFor(const Result& result, bool connectionLost);
TableError connectionLost(const std::string& why);

// Identifiers are folded to lower case, so that SQL written by hand names
// tables and fields as on the embedded engine (case does not matter there).
std::string quote(std::string_view identifier);
std::string lowerAscii(std::string_view text);

}  // namespace crv::postgresql

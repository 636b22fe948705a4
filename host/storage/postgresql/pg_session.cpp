// The libpq session.
#include "host/storage/postgresql/pg_session.h"

#include <charconv>
#include <cstdlib>

namespace crv::postgresql {

bool Result::ok() const {
  if (!result_) return false;
  const ExecStatusType status = PQresultStatus(result_);
  return status == PGRES_COMMAND_OK || status == PGRES_TUPLES_OK;
}

std::int64_t Result::integer(int row, int column) const {
  const std::string_view value = text(row, column);
  std::int64_t number = 0;
  std::from_chars(value.data(), value.data() + value.size(), number);
  return number;
}

double Result::real(int row, int column) const {
  return std::strtod(PQgetvalue(result_, row, column), nullptr);
}

std::string Result::sqlState() const {
  const char* state = result_ ? PQresultErrorField(result_, PG_DIAG_SQLSTATE) : nullptr;
  return state ? state : "";
}

std::string Result::message() const {
  const char* primary = result_ ? PQresultErrorField(result_, PG_DIAG_MESSAGE_PRIMARY) : nullptr;
  if (primary) return primary;
  const char* whole = result_ ? PQresultErrorMessage(result_) : nullptr;
  return whole && *whole ? whole : "no answer from the database server";
}

Session::~Session() { PQfinish(conn_); }

bool Session::connect(std::string& why) {
  PQfinish(conn_);
  prepared_.clear();
  std::vector<const char*> keywords;
  std::vector<const char*> values;
  for (const auto& [keyword, value] : settings_) {
    keywords.push_back(keyword.c_str());
    values.push_back(value.c_str());
  }
  keywords.push_back(nullptr);
  values.push_back(nullptr);
  conn_ = PQconnectdbParams(keywords.data(), values.data(), 0);
  if (connected()) return true;
  why = conn_ ? PQerrorMessage(conn_) : "out of memory";
  while (!why.empty() && (why.back() == '\n' || why.back() == ' ')) why.pop_back();
  return false;
}

Result Session::exec(const std::string& sql) { return Result(PQexec(conn_, sql.c_str())); }

bool Session::prepare(const std::string& sql, std::string& name, Result& failure) {
  auto found = prepared_.find(sql);
  if (found != prepared_.end()) {
    name = found->second;
    return true;
  }
  name = "s" + std::to_string(prepared_.size() + 1);
  Result made(PQprepare(conn_, name.c_str(), sql.c_str(), 0, nullptr));
  if (!made.ok()) {
    failure = std::move(made);
    return false;
  }
  prepared_.emplace(sql, name);
  return true;
}

namespace {

std::vector<const char*> pointers(const Params& params) {
  std::vector<const char*> values;
  values.reserve(params.size());
  for (const std::string& param : params) values.push_back(param.c_str());
  return values;
}

}  // namespace

Result Session::run(const std::string& sql, const Params& params) {
  std::string name;
  Result failure;
  if (!prepare(sql, name, failure)) return failure;
  const auto values = pointers(params);
  return Result(PQexecPrepared(conn_, name.c_str(), static_cast<int>(values.size()), values.data(), nullptr,
                               nullptr, 0));
}

Result Session::runGuarded(const std::string& sql, const Params& params) {
  std::string name;
  Result failure;
  if (!prepare(sql, name, failure)) return failure;
  const auto values = pointers(params);
  if (!PQenterPipelineMode(conn_)) return run(sql, params);
  PQsendQueryParams(conn_, "SAVEPOINT crv_write", 0, nullptr, nullptr, nullptr, nullptr, 0);
  PQsendQueryPrepared(conn_, name.c_str(), static_cast<int>(values.size()), values.data(), nullptr, nullptr,
                      0);
  PQsendQueryParams(conn_, "RELEASE SAVEPOINT crv_write", 0, nullptr, nullptr, nullptr, nullptr, 0);
  PQpipelineSync(conn_);
  Result result = collectPipeline(3);
  PQexitPipelineMode(conn_);
  if (!result.ok() && connected()) exec("ROLLBACK TO SAVEPOINT crv_write; RELEASE SAVEPOINT crv_write");
  return result;
}

Result Session::copyIn(const std::string& sql, std::string_view rows) {
  Result started(PQexec(conn_, sql.c_str()));
  if (PQresultStatus(started.get()) != PGRES_COPY_IN) return started;
  const bool sent = PQputCopyData(conn_, rows.data(), static_cast<int>(rows.size())) == 1;
  // Ending with a message makes the server abandon the statement.
  PQputCopyEnd(conn_, sent ? nullptr : "the rows could not be sent");
  Result finished(PQgetResult(conn_));
  while (PGresult* rest = PQgetResult(conn_)) PQclear(rest);
  return finished;
}

// Reads the results of a pipeline up to its sync point and answers the
// statement's own (the second) result, or the first failure.
Result Session::collectPipeline(int statements) {
  Result answer;
  Result firstFailure;
  for (int i = 0; i < statements; ++i) {
    Result result(PQgetResult(conn_));
    while (PGresult* extra = PQgetResult(conn_)) PQclear(extra);
    const bool failed = !result.ok() && PQresultStatus(result.get()) != PGRES_PIPELINE_ABORTED;
    if (failed && !firstFailure.get()) firstFailure = std::move(result);
    if (i == 1) answer = std::move(result);
    if (!connected()) break;
  }
  while (PGresult* rest = PQgetResult(conn_)) {
    const bool sync = PQresultStatus(rest) == PGRES_PIPELINE_SYNC;
    PQclear(rest);
    if (sync) break;
  }
  if (firstFailure.get()) return firstFailure;
  return answer;
}

TableError connectionLost(const std::string& why) {
  TableError error = makeError(ErrorCode::ConnectionLost);
  error.fileMessage = why;
  return error;
}

TableError errorFor(const Result& result, bool lost) {
  const std::string state = result.sqlState();
  if (lost || state.rfind("08", 0) == 0 || state == "57P01" || state == "57P02" || state == "57P03")
    return connectionLost("the connection to the database server was lost (" + result.message() + ")");
  if (state == "23505") return makeError(ErrorCode::DuplicateKey);
  if (state == "55P03" || state == "40P01" || state == "40001") return makeError(ErrorCode::FileLocked);
  TableError error = makeError(state == "53100" ? ErrorCode::DiskFull : ErrorCode::FileSystem);
  error.fileCode = state.empty() ? "libpq" : state;
  error.fileMessage = result.message();
  return error;
}

std::string lowerAscii(std::string_view text) {
  std::string lower(text);
  for (char& c : lower)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return lower;
}

std::string quote(std::string_view identifier) {
  std::string quoted = "\"";
  for (char c : lowerAscii(identifier)) {
    if (c == '"') quoted += '"';
    quoted += c;
  }
  return quoted + "\"";
}

}  // namespace crv::postgresql

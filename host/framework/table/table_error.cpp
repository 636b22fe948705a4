// Error codes, messages and the per-thread error state.
#include "host/framework/table/table_error.h"

namespace crv {
namespace {
thread_local TableError currentError;
thread_local TableError savedError;
}  // namespace

std::string_view errorMessage(int code) {
  switch (code) {
    case ErrorCode::None:
      return "No Error";
    case ErrorCode::FileNotFound:
      return "File Not Found";
    case ErrorCode::AccessDenied:
      return "Access Denied";
    case ErrorCode::FileLocked:
      return "File Is Already Locked";
    case ErrorCode::RecordNotAvailable:
      return "Record Not Available";
    case ErrorCode::RecordNotFound:
      return "Record Not Found";
    case ErrorCode::FileNotOpen:
      return "File Not Open";
    case ErrorCode::DuplicateKey:
      return "Creates Duplicate Key";
    case ErrorCode::RecordChanged:
      return "Record Changed By Another Station";
    case ErrorCode::InvalidDeclaration:
      return "Invalid Record Declaration";
    case ErrorCode::DiskFull:
      return "Disk Full";
    case ErrorCode::FileSystem:
      return "File System Error";
    case ErrorCode::ConnectionLost:
      return "Connection To The Database Lost";
    default:
      return "Unknown Error";
  }
}

TableError makeError(int code, std::string_view table) {
  TableError error;
  error.code = code;
  error.message = std::string(errorMessage(code));
  error.table = std::string(table);
  return error;
}

std::string TableError::describe() const {
  if (code == ErrorCode::FileSystem && !fileMessage.empty()) return fileMessage + " (" + fileCode + ")";
  if ((code == ErrorCode::DiskFull || code == ErrorCode::ConnectionLost) && !fileMessage.empty())
    return message + ": " + fileMessage + " (" + std::to_string(code) + ")";
  if (code == ErrorCode::RecordChanged && !changedBy.empty())
    return message + ": " + changedBy + " (" + std::to_string(code) + ")";
  return message + " (" + std::to_string(code) + ")";
}

const TableError& RuntimeErrors::current() { return currentError; }
void RuntimeErrors::set(const TableError& error) { currentError = error; }
// Nearly every table operation clears the state, and nearly always it is
// clear already: rebuilding its strings then would cost every row read.
void RuntimeErrors::clear() {
  const TableError& e = currentError;
  if (e.failed() || !e.message.empty() || !e.fileCode.empty() || !e.fileMessage.empty() || !e.table.empty() ||
      !e.changedBy.empty())
    currentError = TableError{};
}
const TableError& RuntimeErrors::saved() { return savedError; }
void RuntimeErrors::save(const TableError& error) { savedError = error; }
void RuntimeErrors::clearSaved() { savedError = TableError{}; }

std::string errorContext(TableOp op, std::string_view table) {
  const char* verb = "";
  switch (op) {
    case TableOp::Autoincrementing:
      verb = " Autoincrementing ";
      break;
    case TableOp::Inserting:
      verb = " Inserting ";
      break;
    case TableOp::Saving:
      verb = " Saving ";
      break;
    case TableOp::Deleting:
      verb = " Deleting ";
      break;
    case TableOp::Reading:
      verb = " Reading ";
      break;
    case TableOp::Opening:
      verb = " Opening ";
      break;
    case TableOp::Adding:
      verb = " Adding ";
      break;
  }
  return verb + std::string(table);
}

}  // namespace crv

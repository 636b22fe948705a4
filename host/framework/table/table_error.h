// The runtime's error state for table operations.
//
// Every table operation leaves its outcome in a per-thread error state, the
// way the host's runtime reports errors: a code, its message, and for
// failures of the storage engine itself (code 90) the engine's own code and
// message. Batch runs show the message followed by a context such as
// " Saving JCCost"; forms hand the error to the error reporter.
#pragma once

#include <string>
#include <string_view>

namespace crv {

namespace ErrorCode {
inline constexpr int None = 0;
inline constexpr int FileNotFound = 2;
inline constexpr int AccessDenied = 5;
inline constexpr int FileLocked = 32;          // another station holds the write lock
inline constexpr int RecordNotAvailable = 33;  // no more records in this direction
inline constexpr int RecordNotFound = 35;
inline constexpr int FileNotOpen = 37;
inline constexpr int DuplicateKey = 40;
inline constexpr int RecordChanged = 43;       // another station wrote the row after it was read
inline constexpr int InvalidDeclaration = 47;  // stored table does not match its definition
inline constexpr int DiskFull = 89;
inline constexpr int FileSystem = 90;      // storage engine failure; see fileCode/fileMessage
inline constexpr int ConnectionLost = 91;  // the database server went away; see fileMessage
}  // namespace ErrorCode

struct TableError {
  int code = ErrorCode::None;
  std::string message;      // the runtime's message for the code
  std::string fileCode;     // the storage engine's own code, for FileSystem errors
  std::string fileMessage;  // the storage engine's own message
  std::string table;        // table the operation ran on
  std::string changedBy;    // RecordChanged: the station that wrote the row last, when known

  bool failed() const { return code != ErrorCode::None; }
  // "Creates Duplicate Key (40)" or, for engine errors, the engine's message.
  std::string describe() const;
};

// The standard message of an error code.
std::string_view errorMessage(int code);
TableError makeError(int code, std::string_view table = {});

// The per-thread error state, as the host's runtime keeps it.
class RuntimeErrors {
 public:
  static const TableError& current();
  static void set(const TableError& error);
  static void clear();

  // A file error saved by the host for a later warning; cleared once shown.
  static const TableError& saved();
  static void save(const TableError& error);
  static void clearSaved();
};

// Context texts appended to an error message in batch runs.
enum class TableOp { Autoincrementing, Inserting, Saving, Deleting, Reading, Opening, Adding };
std::string errorContext(TableOp op, std::string_view table);

}  // namespace crv

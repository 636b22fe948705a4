// The warning the reports show when reading a table or opening a view fails.
#include "crvpo/foundation/show_file_warning.h"

#include "host/framework/services/message_box.h"
#include "host/framework/table/table_error.h"
#include "host/framework/values/text.h"

namespace crvpo {

std::string takeFileWarningErrorText() {
  std::string text;
  const crv::TableError& saved = crv::RuntimeErrors::saved();
  const crv::TableError& current = crv::RuntimeErrors::current();
  if (saved.code != crv::ErrorCode::None) {
    text = (saved.code == crv::ErrorCode::FileSystem ? saved.fileMessage : saved.message) + " (" +
           std::to_string(saved.code) + ")";
  } else if (current.code == crv::ErrorCode::FileSystem) {
    text = current.fileMessage + " (" + std::string(crv::clip(current.fileCode)) + ")";
  } else {
    text = current.message + " (" + std::to_string(current.code) + ")";
  }
  crv::RuntimeErrors::clearSaved();
  text.resize(crv::utf8CutLength(text, fileWarningTextLimit));
  return text;
}

int ShowFileWarning(int code, std::string_view tableName) {
  if (code != FileWarning::RecordRetrieval && code != FileWarning::ViewOpen) return 0;
  const std::string error = takeFileWarningErrorText();
  if (code == FileWarning::RecordRetrieval) {
    return crv::message("Error: (" + error + ") attempting to access a record from the " +
                            std::string(crv::clip(tableName)) + " file.  Returning to previous window.",
                        "Record Retrieval Error", crv::Icon::Exclamation, "&OK", 1);
  }
  return crv::message(
      "Error: (" + error + ") attempting to open the current VIEW. Filter and Range Limits ignored.",
      "View Open Error", crv::Icon::Exclamation, "&OK", 1);
}

}  // namespace crvpo

// The error reporter.
#include "host/framework/services/error_class.h"

#include "host/framework/services/message_box.h"

namespace crv {

void ErrorClass::reportTableError(const TableError& error, TableOp op) {
  RuntimeErrors::save(error);
  const std::string text =
      "Error: " + error.describe() + " attempting the operation:" + errorContext(op, error.table) + ".";
  reportError(error.table.empty() ? std::string("Table Error") : error.table + " Error", text);
}

void ErrorClass::reportError(const std::string& title, const std::string& text) {
  std::string shown = text;
  if (!procedure_.empty()) shown += "||Procedure: " + procedure_;
  history_.push_back(Report{procedure_, title, text});
  message(shown, title, Icon::Stop);
}

}  // namespace crv

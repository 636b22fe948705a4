// The error reporter: shows table errors to the user under the name of the
// procedure that is running.
//
// Every procedure sets its name on the reporter in force when it starts.
// Tables report failed writes through their reporter; the reporter keeps a
// history of what it reported so that the host can show it again and tests
// can check it.
#pragma once

#include <string>
#include <vector>

#include "host/framework/table/table_error.h"

namespace crv {

class ErrorClass {
 public:
  struct Report {
    std::string procedure;
    std::string title;
    std::string text;
  };

  ErrorClass() = default;
  virtual ~ErrorClass() = default;
  ErrorClass(const ErrorClass&) = delete;
  ErrorClass& operator=(const ErrorClass&) = delete;

  void setProcedureName(std::string name) { procedure_ = std::move(name); }
  const std::string& procedureName() const { return procedure_; }

  // Shows a failed table operation (for example " Saving JCCost") and keeps
  // it in the history. The error is also saved for a later file warning.
  virtual void reportTableError(const TableError& error, TableOp op);
  // Shows any other error of the current procedure.
  virtual void reportError(const std::string& title, const std::string& text);

  const std::vector<Report>& history() const { return history_; }
  void clearHistory() { history_.clear(); }

 private:
  std::string procedure_;
  std::vector<Report> history_;
};

}  // namespace crv

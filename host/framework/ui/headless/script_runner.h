// The script runner: plays a person from a text file against a company's
// data with the headless driver and answers the transcript.
//
// A script is a list of actions, one per line; the format is described
// with examples in docs/SCRIPTS.md. The host registers the procedures a
// script may call by name and opens the company before running it. A
// failing check, an unexpected window or message box, or a procedure that
// ends with an exception stops the script; the transcript then says
// "FAILED at line N: reason" at that point and goes on with what stopping
// the procedure did (windows closing).
#pragma once

#include <chrono>
#include <filesystem>
#include <functional>
#include <istream>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

namespace crv::ui {

struct NoCaseLess {
  using is_transparent = void;
  bool operator()(std::string_view a, std::string_view b) const;
};

using ProcedureMap = std::map<std::string, std::function<void()>, NoCaseLess>;

struct ScriptCommand {
  int line = 0;
  std::string verb;               // lower case: "type", "expect", ...
  std::vector<std::string> args;  // quotes removed
  std::vector<bool> quoted;       // per argument: it was written in quotes
};

class ScriptSyntaxError : public std::runtime_error {
 public:
  ScriptSyntaxError(int line, const std::string& reason)
      : std::runtime_error("line " + std::to_string(line) + ": " + reason), line_(line) {}
  int line() const { return line_; }

 private:
  int line_;
};

// Reads a script; throws ScriptSyntaxError for a line that is not an action.
std::vector<ScriptCommand> parseScript(std::istream& script);

struct ScriptOptions {
  // Relative file names in answers are taken from here (the data folder).
  std::filesystem::path folder;
  std::chrono::milliseconds deadlockGuard{60000};
};

struct ScriptResult {
  bool ok = true;
  int failedLine = 0;  // 0 when the script ran through
  std::string reason;
  std::string transcript;  // with the failure line when not ok
};

ScriptResult runScript(std::istream& script, const ProcedureMap& procedures,
                       const ScriptOptions& options = {});

}  // namespace crv::ui

// Reading and running scripts.
#include "host/framework/ui/headless/script_runner.h"

#include <charconv>
#include <sstream>

#include "host/framework/services/global_request.h"
#include "host/framework/ui/headless/headless_driver.h"
#include "host/framework/values/picture.h"
#include "host/framework/values/text.h"

namespace crv::ui {
namespace {

std::string quote(std::string_view text) {
  std::string out = "\"";
  for (char c : text) {
    if (c == '"' || c == '\\') out += '\\';
    out += c;
  }
  return out + "\"";
}

void tokenize(const std::string& text, int line, ScriptCommand& command) {
  std::size_t at = 0;
  bool first = true;
  while (at < text.size()) {
    if (text[at] == ' ' || text[at] == '\t' || text[at] == '\r') {
      ++at;
      continue;
    }
    std::string token;
    bool quoted = false;
    if (text[at] == '"') {
      quoted = true;
      ++at;
      bool closed = false;
      while (at < text.size()) {
        const char c = text[at++];
        if (c == '\\' && at < text.size()) {
          const char next = text[at++];
          token += next == 'n' ? '\n' : next;
        } else if (c == '"') {
          closed = true;
          break;
        } else {
          token += c;
        }
      }
      if (!closed) throw ScriptSyntaxError(line, "a quoted text is not closed");
    } else {
      while (at < text.size() && text[at] != ' ' && text[at] != '\t' && text[at] != '\r') token += text[at++];
    }
    if (first) {
      command.verb = toLowerAscii(token);
      first = false;
    } else {
      command.args.push_back(std::move(token));
      command.quoted.push_back(quoted);
    }
  }
}

std::optional<int> number(std::string_view text) {
  int value = 0;
  auto result = std::from_chars(text.data(), text.data() + text.size(), value);
  if (result.ec != std::errc() || result.ptr != text.data() + text.size()) return std::nullopt;
  return value;
}

bool bare(const ScriptCommand& c, std::size_t i, std::string_view word) {
  return i < c.args.size() && !c.quoted[i] && equalsIgnoreCase(c.args[i], word);
}

// The arguments from `from` on as one text (an unquoted text may hold
// single spaces).
std::string rest(const ScriptCommand& c, std::size_t from) {
  std::string text;
  for (std::size_t i = from; i < c.args.size(); ++i) text += (i > from ? " " : "") + c.args[i];
  return text;
}

void check(const ScriptCommand& c, bool ok, const char* usage) {
  if (!ok) throw ScriptSyntaxError(c.line, std::string("usage: ") + usage);
}

void validate(const ScriptCommand& c) {
  const std::size_t n = c.args.size();
  const std::string& v = c.verb;
  if (v == "call") return check(c, n == 1, "call <procedure>");
  if (v == "request") {
    static const char* requests[] = {"none", "insert", "change", "delete", "select", "view"};
    bool known = false;
    for (const char* r : requests) known = known || bare(c, 0, r);
    return check(c, n == 1 && known, "request insert|change|delete|select|view|none");
  }
  if (v == "expect") {
    if (bare(c, 0, "window")) return check(c, n == 2, "expect window \"<title>\"");
    if (bare(c, 0, "message")) return check(c, n == 2 || n == 3, "expect message \"<title>\" [\"<text>\"]");
    if (bare(c, 0, "finished")) return check(c, n == 1, "expect finished");
    if (bare(c, 0, "response"))
      return check(c, n == 2 && (bare(c, 1, "completed") || bare(c, 1, "cancelled")),
                   "expect response completed|cancelled");
    for (const char* state : {"hidden", "visible", "enabled", "disabled", "focus"})
      if (bare(c, 0, state))
        return check(c, n == 2, "expect hidden|visible|enabled|disabled|focus <control>");
    throw ScriptSyntaxError(c.line,
                            "expect what? window, message, finished, response, hidden, visible, enabled, "
                            "disabled or focus");
  }
  if (v == "type" || v == "pick" || v == "check") return check(c, n >= 2, "type|pick|check <control> <text>");
  if (v == "tick")
    return check(c, n == 2 && (bare(c, 1, "on") || bare(c, 1, "off")), "tick <control> on|off");
  if (v == "press" || v == "read" || v == "rows" || v == "popup")
    return check(c, n == 1, "press|read|rows|popup <control>");
  if (v == "key")
    return check(c, n == 1 && keyFromName(c.args[0]).has_value(),
                 "key <F1..F12|Insert|Delete|Escape|Enter|...>");
  if (v == "sort") return check(c, n >= 2, "sort <list> <column header>");
  if (v == "highlight" || v == "scroll")
    return check(c, n == 2 && number(c.args[1]).has_value(), "highlight|scroll <list> <rows>");
  if (v == "close") return check(c, n == 0, "close");
  if (v == "drop") return check(c, n >= 1, "drop \"<file>\" ...");
  if (v == "answer") {
    if (bare(c, 0, "date"))
      return check(c, n == 2 && Picture::parse("@d2").parseDate(c.args[1]).value_or(Date()).isValid(),
                   "answer date MM/DD/YYYY");
    if (bare(c, 0, "file") || bare(c, 0, "files")) return check(c, n >= 2, "answer files \"<path>\" ...");
    return check(c, n == 1, "answer \"<button>\"|<number>|cancel|print|date <date>|files <paths>");
  }
  throw ScriptSyntaxError(c.line, "unknown action \"" + v + "\"");
}

class Run {
 public:
  Run(const ProcedureMap& procedures, const ScriptOptions& options)
      : procedures_(procedures), options_(options) {
    driver_.setDeadlockGuard(options.deadlockGuard);
  }

  void execute(const ScriptCommand& c) {
    const std::string& v = c.verb;
    if (v == "call") return call(c.args[0]);
    if (v == "request") return driver_.request(requestCode(c.args[0]));
    if (v == "expect") return expect(c);
    if (v == "type") return driver_.type(c.args[0], rest(c, 1));
    if (v == "pick") return driver_.pick(c.args[0], rest(c, 1));
    if (v == "tick") return driver_.tick(c.args[0], bare(c, 1, "on"));
    if (v == "press") return driver_.press(c.args[0]);
    if (v == "key") return driver_.key(c.args[0]);
    if (v == "highlight") return driver_.highlight(c.args[0], *number(c.args[1]));
    if (v == "scroll") return driver_.scroll(c.args[0], *number(c.args[1]));
    if (v == "sort") return driver_.sortBy(c.args[0], rest(c, 1));
    if (v == "close") return driver_.closeWindow();
    if (v == "popup") return driver_.popup(c.args[0]);
    if (v == "drop") return driver_.drop(c.args);
    if (v == "read") return driver_.note("read " + c.args[0] + " = " + quote(driver_.shown(c.args[0])));
    if (v == "rows") {
      const auto rows = driver_.rows(c.args[0]);
      driver_.note("rows " + c.args[0] + ": " + std::to_string(rows.size()));
      for (std::size_t i = 0; i < rows.size(); ++i)
        driver_.note("  " + std::to_string(i) + ": " + quote(rows[i]));
      return;
    }
    if (v == "check") {
      const std::string wanted = rest(c, 1);
      const std::string shown = driver_.shown(c.args[0]);
      if (shown != wanted)
        driver_.fail("check " + c.args[0] + ": expected " + quote(wanted) + ", shown " + quote(shown));
      return;
    }
    if (v == "answer") return answer(c);
  }

  HeadlessDriver& driver() { return driver_; }

 private:
  static int requestCode(std::string_view name) {
    if (equalsIgnoreCase(name, "insert")) return InsertRecord;
    if (equalsIgnoreCase(name, "change")) return ChangeRecord;
    if (equalsIgnoreCase(name, "delete")) return DeleteRecord;
    if (equalsIgnoreCase(name, "select")) return SelectRecord;
    if (equalsIgnoreCase(name, "view")) return ViewRecord;
    return 0;
  }

  void call(const std::string& name) {
    auto it = procedures_.find(name);
    if (it == procedures_.end()) driver_.fail("there is no procedure " + name);
    driver_.call(it->first, it->second);
  }

  void expect(const ScriptCommand& c) {
    const std::string& what = c.args[0];
    if (equalsIgnoreCase(what, "window")) return driver_.expectWindow(c.args[1]);
    if (equalsIgnoreCase(what, "message")) {
      if (c.args.size() == 3)
        driver_.expectMessage(c.args[1], std::string_view(c.args[2]));
      else
        driver_.expectMessage(c.args[1]);
      return;
    }
    if (equalsIgnoreCase(what, "finished")) return driver_.expectFinished();
    if (equalsIgnoreCase(what, "response")) {
      const int wanted = bare(c, 1, "completed") ? RequestCompleted : RequestCancelled;
      const int got = driver_.response();
      if (got != wanted)
        driver_.fail("expected the response " + c.args[1] + ", got " +
                     (got == RequestCompleted   ? std::string("completed")
                      : got == RequestCancelled ? std::string("cancelled")
                                                : std::to_string(got)));
      return;
    }
    const Control& control = driver_.control(c.args[1]);
    if (equalsIgnoreCase(what, "focus")) {
      if (driver_.focus() != control.equate())
        driver_.fail("expected the focus on " + control.equate() + ", it is on " +
                     (driver_.focus().empty() ? std::string("nothing") : driver_.focus()));
      return;
    }
    bool holds = false;
    if (equalsIgnoreCase(what, "hidden")) holds = !control.isVisible();
    if (equalsIgnoreCase(what, "visible")) holds = control.isVisible();
    if (equalsIgnoreCase(what, "enabled")) holds = control.isEnabled();
    if (equalsIgnoreCase(what, "disabled")) holds = !control.isEnabled();
    if (!holds) driver_.fail("expected " + control.equate() + " to be " + toLowerAscii(what));
  }

  void answer(const ScriptCommand& c) {
    if (bare(c, 0, "cancel")) return driver_.cancelDialog();
    if (bare(c, 0, "print")) return driver_.answerPrint();
    if (bare(c, 0, "date")) return driver_.answerDate(*Picture::parse("@d2").parseDate(c.args[1]));
    if (bare(c, 0, "file") || bare(c, 0, "files")) {
      std::vector<std::filesystem::path> files;
      for (std::size_t i = 1; i < c.args.size(); ++i) {
        std::filesystem::path path(c.args[i]);
        files.push_back(path.is_relative() && !options_.folder.empty() ? options_.folder / path : path);
      }
      return driver_.answerFiles(std::move(files));
    }
    if (!c.quoted[0]) {
      if (auto index = number(c.args[0])) return driver_.answer(*index);
    }
    driver_.answer(c.args[0]);
  }

  const ProcedureMap& procedures_;
  const ScriptOptions& options_;
  HeadlessDriver driver_;
};

}  // namespace

bool NoCaseLess::operator()(std::string_view a, std::string_view b) const {
  return toUpperAscii(a) < toUpperAscii(b);
}

std::vector<ScriptCommand> parseScript(std::istream& script) {
  std::vector<ScriptCommand> commands;
  std::string text;
  int line = 0;
  while (std::getline(script, text)) {
    ++line;
    const std::string_view content = trim(text);
    if (content.empty() || content.front() == '#' || content == "\r") continue;
    ScriptCommand command;
    command.line = line;
    tokenize(text, line, command);
    if (command.verb.empty()) continue;
    validate(command);
    commands.push_back(std::move(command));
  }
  return commands;
}

ScriptResult runScript(std::istream& script, const ProcedureMap& procedures, const ScriptOptions& options) {
  ScriptResult result;
  std::vector<ScriptCommand> commands;
  try {
    commands = parseScript(script);
  } catch (const ScriptSyntaxError& e) {
    result.ok = false;
    result.failedLine = e.line();
    result.reason = e.what();
    result.transcript = "FAILED at " + std::string(e.what()) + "\n";
    return result;
  }
  Run run(procedures, options);
  for (const ScriptCommand& command : commands) {
    try {
      run.execute(command);
    } catch (const DriverError& e) {
      result.ok = false;
      result.reason = e.reason();
    } catch (const std::exception& e) {
      result.ok = false;
      result.reason = e.what();
    }
    if (!result.ok) {
      result.failedLine = command.line;
      run.driver().note("FAILED at line " + std::to_string(result.failedLine) + ": " + result.reason);
      break;
    }
  }
  if (result.ok && run.driver().running()) run.driver().note("end of script: the procedure is stopped");
  run.driver().stop();
  result.transcript = run.driver().transcriptText();
  return result;
}

}  // namespace crv::ui

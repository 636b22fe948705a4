// Expressions in designer reports: filters ("POP:POAmount > 1000"), band
// conditions and computed fields. The language is JavaScript, evaluated by
// an engine that lives in a plugin (Qt's QJSEngine), with the report
// writer's habits added: published names as they are written
// ("POP:PONumber", "CompanyName"), "=" and "<>" as comparisons, AND, OR and
// NOT as words. docs/REPORT-FILES.md describes it for report authors.
//
// The plugin is loaded the first time an expression is compiled, so a run
// that evaluates nothing never loads it. Engines are per thread: a compiled
// expression is used on the thread that compiled it.
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "host/framework/report/report_bindings.h"

namespace crv {

// A value handed to a script: numbers (amounts, quantities, identifiers,
// dates as day numbers) as floating point, text without trailing spaces.
using ScriptValue = std::variant<double, std::string>;

// A script function compiled by the engine.
class CompiledScript {
 public:
  virtual ~CompiledScript() = default;
  // Calls the function with its arguments; nullopt with `error` set when it
  // throws.
  virtual std::optional<std::string> text(const std::vector<ScriptValue>& arguments, std::string& error) = 0;
  virtual std::optional<bool> truth(const std::vector<ScriptValue>& arguments, std::string& error) = 0;
};

class ScriptEngine {
 public:
  virtual ~ScriptEngine() = default;
  // Compiles `function (parameters...) { return (body); }`; nullptr with
  // `error` set for a syntax error.
  virtual std::unique_ptr<CompiledScript> compile(const std::string& body,
                                                  const std::vector<std::string>& parameters,
                                                  std::string& error) = 0;
};

// The calling thread's engine, loading the plugin when needed; nullptr with
// `error` set when the plugin cannot be loaded.
ScriptEngine* scriptEngine(std::string& error);
// The plugin's name ("lib<name>.so").
inline constexpr const char* scriptPluginName = "crvexpression";

// A report expression rewritten as a script body: every published name
// becomes a parameter (in order of first use), "=" becomes "==", "<>"
// becomes "!=", AND, OR and NOT become &&, || and !. Quoted texts are kept.
struct TranslatedExpression {
  std::string body;
  std::vector<std::string> names;  // parameter i is names[i]
};
TranslatedExpression translateExpression(std::string_view expression,
                                         const std::function<bool(std::string_view)>& isName);

// An expression compiled against the published names; each evaluation
// reads the names' current values.
class BoundExpression {
 public:
  // Nullptr with `error` set when the expression does not compile (or the
  // engine cannot be had).
  static std::unique_ptr<BoundExpression> compile(std::string_view expression, const ReportBindings& bindings,
                                                  std::string& error);

  std::optional<std::string> text(std::string& error) const;
  std::optional<bool> truth(std::string& error) const;

 private:
  BoundExpression(std::unique_ptr<CompiledScript> script, std::vector<const FieldRef*> values)
      : script_(std::move(script)), values_(std::move(values)) {}
  std::vector<ScriptValue> arguments() const;

  std::unique_ptr<CompiledScript> script_;
  std::vector<const FieldRef*> values_;
};

}  // namespace crv

// Report expressions evaluated by QJSEngine.
#include "host/expression/js_script_engine.h"

#include <QCoreApplication>
#include <QJSValue>
#include <QStringList>
#include <mutex>

namespace crv::expression {
namespace {

QJSValue argument(const ScriptValue& value) {
  if (const double* number = std::get_if<double>(&value)) return QJSValue(*number);
  return QJSValue(QString::fromStdString(std::get<std::string>(value)));
}

class JsCompiledScript final : public CompiledScript {
 public:
  explicit JsCompiledScript(QJSValue function) : function_(std::move(function)) {}

  std::optional<std::string> text(const std::vector<ScriptValue>& arguments, std::string& error) override {
    const QJSValue result = call(arguments, error);
    if (!error.empty()) return std::nullopt;
    if (result.isUndefined() || result.isNull()) return std::string();
    return result.toString().toStdString();
  }

  std::optional<bool> truth(const std::vector<ScriptValue>& arguments, std::string& error) override {
    const QJSValue result = call(arguments, error);
    if (!error.empty()) return std::nullopt;
    return result.toBool();
  }

 private:
  QJSValue call(const std::vector<ScriptValue>& arguments, std::string& error) {
    error.clear();
    QJSValueList list;
    list.reserve(static_cast<qsizetype>(arguments.size()));
    for (const ScriptValue& value : arguments) list.append(argument(value));
    QJSValue result = function_.call(list);
    if (result.isError()) error = result.toString().toStdString();
    return result;
  }

  QJSValue function_;
};

}  // namespace

std::unique_ptr<CompiledScript> JsScriptEngine::compile(const std::string& body,
                                                        const std::vector<std::string>& parameters,
                                                        std::string& error) {
  QStringList names;
  for (const std::string& parameter : parameters) names << QString::fromStdString(parameter);
  // The line break lets a body end in a // comment.
  const QString source =
      "(function(" + names.join(",") + ") { return (" + QString::fromStdString(body) + "\n); })";
  QJSValue function = engine_.evaluate(source);
  if (function.isError()) {
    error = function.toString().toStdString();
    return nullptr;
  }
  if (!function.isCallable()) {
    error = "The expression is not one expression.";
    return nullptr;
  }
  return std::make_unique<JsCompiledScript>(std::move(function));
}

}  // namespace crv::expression

crv::ScriptEngine* crvScriptEngineForThisThread() {
  // QJSEngine needs an application object; a run without the desktop (the
  // command line, a script) has none, so the first engine makes one that
  // lives as long as the program.
  static std::once_flag application;
  std::call_once(application, [] {
    if (QCoreApplication::instance()) return;
    static int argc = 1;
    static char name[] = "crvhost";
    static char* argv[] = {name, nullptr};
    new QCoreApplication(argc, argv);
  });
  thread_local std::unique_ptr<crv::expression::JsScriptEngine> engine;
  if (!engine) engine = std::make_unique<crv::expression::JsScriptEngine>();
  return engine.get();
}

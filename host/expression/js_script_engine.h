// The script engine of report expressions: Qt's QJSEngine (JavaScript),
// one engine per thread. The plugin library holding it is the only part of
// the host that links Qt's QML module, and it is loaded only when an
// expression is first compiled.
#pragma once

#include <QJSEngine>

#include "host/framework/report/report_expression.h"
#include "host/framework/services/module_export.h"

namespace crv::expression {

class JsScriptEngine final : public ScriptEngine {
 public:
  std::unique_ptr<CompiledScript> compile(const std::string& body, const std::vector<std::string>& parameters,
                                          std::string& error) override;

 private:
  QJSEngine engine_;
};

}  // namespace crv::expression

// The calling thread's engine, made on first use and destroyed with the
// thread.
extern "C" CRV_EXPORT crv::ScriptEngine* crvScriptEngineForThisThread();

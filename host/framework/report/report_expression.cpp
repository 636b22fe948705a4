// Translating report expressions and evaluating them through the plugin.
#include "host/framework/report/report_expression.h"

#include <cctype>

#include "host/framework/services/plugin_library.h"
#include "host/framework/values/text.h"

namespace crv {
namespace {

bool identifierStart(char c) { return std::isalpha(static_cast<unsigned char>(c)) || c == '_' || c == '$'; }
bool identifierPart(char c) { return identifierStart(c) || std::isdigit(static_cast<unsigned char>(c)); }

std::size_t identifierEnd(std::string_view text, std::size_t at) {
  while (at < text.size() && identifierPart(text[at])) ++at;
  return at;
}

std::size_t quotedEnd(std::string_view text, std::size_t at) {
  const char quote = text[at];
  for (++at; at < text.size(); ++at) {
    if (text[at] == '\\') {
      ++at;
    } else if (text[at] == quote) {
      return at + 1;
    }
  }
  return text.size();
}

class Translator {
 public:
  Translator(std::string_view text, const std::function<bool(std::string_view)>& isName)
      : text_(text), isName_(isName) {}

  TranslatedExpression run() {
    for (std::size_t at = 0; at < text_.size();) at = step(at);
    return std::move(out_);
  }

 private:
  std::size_t step(std::size_t at) {
    const char c = text_[at];
    if (c == '\'' || c == '"') {
      const std::size_t end = quotedEnd(text_, at);
      out_.body += text_.substr(at, end - at);
      return end;
    }
    if (identifierStart(c) && (at == 0 || text_[at - 1] != '.')) return word(at);
    if (identifierPart(c)) {
      const std::size_t end = identifierEnd(text_, at);
      out_.body += text_.substr(at, end - at);
      return end;
    }
    if (c == '<' && at + 1 < text_.size() && text_[at + 1] == '>') {
      out_.body += "!=";
      return at + 2;
    }
    if (c == '=' && lonelyEquals(at)) {
      out_.body += "==";
      return at + 1;
    }
    out_.body += c;
    return at + 1;
  }

  // A name ("POP:PONumber" or "CompanyName"), a word operator, or any other
  // identifier of the script.
  std::size_t word(std::size_t at) {
    std::size_t end = identifierEnd(text_, at);
    if (end + 1 < text_.size() && text_[end] == ':' && identifierStart(text_[end + 1])) {
      const std::size_t prefixed = identifierEnd(text_, end + 1);
      if (isName_(text_.substr(at, prefixed - at))) return parameter(at, prefixed);
    }
    const std::string_view identifier = text_.substr(at, end - at);
    if (isName_(identifier)) return parameter(at, end);
    const std::string keyword = toUpperAscii(identifier);
    if (keyword == "AND") {
      out_.body += "&&";
    } else if (keyword == "OR") {
      out_.body += "||";
    } else if (keyword == "NOT") {
      out_.body += "!";
    } else {
      out_.body += identifier;
    }
    return end;
  }

  std::size_t parameter(std::size_t at, std::size_t end) {
    const std::string_view name = text_.substr(at, end - at);
    std::size_t index = 0;
    while (index < out_.names.size() && !equalsIgnoreCase(out_.names[index], name)) ++index;
    if (index == out_.names.size()) out_.names.emplace_back(name);
    out_.body += "a" + std::to_string(index);
    return end;
  }

  bool lonelyEquals(std::size_t at) const {
    const char before = at > 0 ? text_[at - 1] : ' ';
    const char after = at + 1 < text_.size() ? text_[at + 1] : ' ';
    return before != '=' && before != '!' && before != '<' && before != '>' && after != '=' && after != '>';
  }

  std::string_view text_;
  const std::function<bool(std::string_view)>& isName_;
  TranslatedExpression out_;
};

ScriptValue scriptValue(const FieldRef& value) {
  if (value.kind() == FieldKind::Text) return std::string(value.text());
  return numberOf(value);
}

}  // namespace

ScriptEngine* scriptEngine(std::string& error) {
  using Factory = ScriptEngine*();
  const PluginEntry entry = pluginEntry(scriptPluginName, "crvScriptEngineForThisThread");
  if (!entry.address) {
    error = entry.error;
    return nullptr;
  }
  return reinterpret_cast<Factory*>(entry.address)();
}

TranslatedExpression translateExpression(std::string_view expression,
                                         const std::function<bool(std::string_view)>& isName) {
  return Translator(expression, isName).run();
}

std::unique_ptr<BoundExpression> BoundExpression::compile(std::string_view expression,
                                                          const ReportBindings& bindings,
                                                          std::string& error) {
  TranslatedExpression translated = translateExpression(
      expression, [&bindings](std::string_view name) { return bindings.find(name) != nullptr; });
  ScriptEngine* engine = scriptEngine(error);
  if (!engine) return nullptr;
  std::vector<std::string> parameters;
  std::vector<const FieldRef*> values;
  for (std::size_t i = 0; i < translated.names.size(); ++i) {
    parameters.push_back("a" + std::to_string(i));
    values.push_back(bindings.find(translated.names[i]));
  }
  auto script = engine->compile(translated.body, parameters, error);
  if (!script) return nullptr;
  return std::unique_ptr<BoundExpression>(new BoundExpression(std::move(script), std::move(values)));
}

std::vector<ScriptValue> BoundExpression::arguments() const {
  std::vector<ScriptValue> out;
  out.reserve(values_.size());
  for (const FieldRef* value : values_) out.push_back(scriptValue(*value));
  return out;
}

std::optional<std::string> BoundExpression::text(std::string& error) const {
  return script_->text(arguments(), error);
}

std::optional<bool> BoundExpression::truth(std::string& error) const {
  return script_->truth(arguments(), error);
}

}  // namespace crv

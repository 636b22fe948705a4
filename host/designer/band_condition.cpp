// Band conditions.
#include "host/designer/band_condition.h"

#include <charconv>

#include "host/framework/values/text.h"

namespace crv::designer {
namespace {

std::string unquoted(std::string_view text) {
  text = trim(text);
  if (text.size() >= 2 && (text.front() == '"' || text.front() == '\'') && text.back() == text.front())
    text = text.substr(1, text.size() - 2);
  return std::string(text);
}

std::optional<double> number(std::string_view text) {
  double value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

}  // namespace

std::optional<BandCondition> BandCondition::compile(const std::string& when, const ReportBindings& bindings,
                                                    std::string& error) {
  BandCondition condition;
  const std::string_view text = trim(when);
  if (text.empty()) return condition;
  if (text.front() == '=') {
    auto compiled = BoundExpression::compile(text.substr(1), bindings, error);
    if (!compiled) {
      error += ":|" + std::string(text.substr(1));
      return std::nullopt;
    }
    condition.expression_ = std::move(compiled);
    return condition;
  }
  const auto differs = text.find("<>");
  const auto equals = text.find('=');
  const auto at = differs != std::string_view::npos ? differs : equals;
  if (at == std::string_view::npos) {
    error = "The band condition \"" + std::string(text) +
            "\" is neither NAME=VALUE, NAME<>VALUE nor =expression.";
    return std::nullopt;
  }
  const std::string name(trim(text.substr(0, at)));
  condition.value_ = bindings.find(name);
  if (!condition.value_) {
    error = "The band condition names \"" + name + "\", which this report does not publish.";
    return std::nullopt;
  }
  condition.equal_ = differs == std::string_view::npos;
  condition.expected_ = unquoted(text.substr(at + (condition.equal_ ? 1 : 2)));
  return condition;
}

bool BandCondition::holds() const {
  if (expression_) {
    std::string ignored;
    return expression_->truth(ignored).value_or(false);
  }
  if (!value_) return true;
  bool same = false;
  if (value_->kind() == FieldKind::Text) {
    same = value_->text() == clip(expected_);
  } else if (const auto expected = number(expected_)) {
    same = numberOf(*value_) == *expected;
  }
  return same == equal_;
}

}  // namespace crv::designer

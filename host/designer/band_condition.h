// When a band of a designer report prints: always, when a published value
// equals (or differs from) a given value ("POD:TextFlag=1",
// "POD:TextFlag<>1"), or when an expression holds ("=POD:Taxable = 1 AND
// POD:TotalAmount > 0"). The comparison form needs no expression engine,
// so reports that use only it never load one.
#pragma once

#include <memory>
#include <optional>
#include <string>

#include "host/framework/report/report_bindings.h"
#include "host/framework/report/report_expression.h"

namespace crv::designer {

class BandCondition {
 public:
  // Nullopt with `error` set when the condition names an unknown value or
  // its expression does not compile.
  static std::optional<BandCondition> compile(const std::string& when, const ReportBindings& bindings,
                                              std::string& error);

  // True when the band is to print; an expression that fails at run time
  // counts as false.
  bool holds() const;

 private:
  const FieldRef* value_ = nullptr;
  std::string expected_;
  bool equal_ = true;
  std::shared_ptr<BoundExpression> expression_;
};

}  // namespace crv::designer

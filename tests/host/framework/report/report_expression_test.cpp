// Report expressions: the report writer's habits rewritten as script (names
// as parameters, "=" and "<>", AND, OR, NOT, quoted texts untouched), and
// evaluation through the engine plugin over bound values.
#include "host/framework/report/report_expression.h"

#include <gtest/gtest.h>

namespace crv {
namespace {

bool published(std::string_view name) {
  return equalsIgnoreCase(name, "POP:POAmount") || equalsIgnoreCase(name, "POP:PONumber") ||
         equalsIgnoreCase(name, "CompanyName");
}

TEST(ReportExpression, TranslatesTheReportWritersHabits) {
  const struct {
    const char* expression;
    const char* body;
    std::vector<std::string> names;
  } cases[] = {
      {"POP:POAmount > 1000", "a0 > 1000", {"POP:POAmount"}},
      {"pop:poamount = 5 AND POP:PONumber <> '1001'",
       "a0 == 5 && a1 != '1001'",
       {"pop:poamount", "POP:PONumber"}},
      {"NOT (POP:POAmount >= 1 or POP:POAmount <= 0)", "! (a0 >= 1 || a0 <= 0)", {"POP:POAmount"}},
      {"'POP:POAmount = ' + \"AND\"", "'POP:POAmount = ' + \"AND\"", {}},
      {"POP:POAmount == 1 ? CompanyName : 'x'", "a0 == 1 ? a1 : 'x'", {"POP:POAmount", "CompanyName"}},
      {"a ? b:c", "a ? b:c", {}},
      {"CompanyName.length", "a0.length", {"CompanyName"}},
      {"x.CompanyName", "x.CompanyName", {}},
  };
  for (const auto& c : cases) {
    const TranslatedExpression translated = translateExpression(c.expression, published);
    EXPECT_EQ(translated.body, c.body) << c.expression;
    EXPECT_EQ(translated.names, c.names) << c.expression;
  }
}

TEST(ReportExpression, EvaluatesOverTheBoundValuesOrSaysWhyNot) {
  Amount amount(1500);
  Text<15> number("1001");
  const FieldDef amountDef{"POAmount", FieldKind::Amount, 0, 0};
  const FieldDef numberDef{"PONumber", FieldKind::Text, 15, 0};
  ReportBindings bindings;
  bindings.bind("POP:POAmount", FieldRef(&amount, amountDef));
  bindings.bind("POP:PONumber", FieldRef(&number, numberDef));

  std::string error;
  auto filter = BoundExpression::compile("POP:POAmount > 1000 AND POP:PONumber = '1001'", bindings, error);
  ASSERT_NE(filter, nullptr) << error;
  EXPECT_EQ(filter->truth(error), true);
  amount = Amount(999);  // read again at every evaluation
  EXPECT_EQ(filter->truth(error), false);

  auto text = BoundExpression::compile("'NUMBER: ' + POP:PONumber + ' ' + POP:POAmount * 2", bindings, error);
  ASSERT_NE(text, nullptr) << error;
  EXPECT_EQ(text->text(error), "NUMBER: 1001 1998");

  EXPECT_EQ(BoundExpression::compile("POP:POAmount >", bindings, error), nullptr);
  EXPECT_NE(error.find("SyntaxError"), std::string::npos) << error;
  auto failing = BoundExpression::compile("unknownName + 1", bindings, error);
  ASSERT_NE(failing, nullptr);
  EXPECT_EQ(failing->text(error), std::nullopt);
  EXPECT_NE(error.find("ReferenceError"), std::string::npos) << error;
}

}  // namespace
}  // namespace crv

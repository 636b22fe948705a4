// The line checks: the order of the OK refusals and where they leave the
// focus, the messages of the edit-time checks with their answers, and the
// arithmetic the form relies on (amount rule, reverse computation, cost
// code shorthand, reconciliation state, Canadian tax code, stock units,
// text lines).
#include "crvpo/entry/line_item_checks.h"

#include <gtest/gtest.h>

#include "crvpo/entry/cost_code_shorthand.h"
#include "crvpo/entry/line_amounts.h"
#include "crvpo/entry/text_line.h"
#include "host/data/tables/ledger_tables.h"
#include "host/framework/ui/headless/headless_driver.h"
#include "line_form_fixture.h"

namespace crvpo::test {
namespace {

using crv::ui::HeadlessDriver;

class PricedLineChecksTest : public LineFormTest {
 protected:
  void SetUp() override {
    LineFormTest::SetUp();
    for (crv::Table* t : tables()) t->open();
    crv::POD.clear();
    crv::POD.Description = "Anything";
    crv::POD.UnitPrice = 2.5;
  }
  void TearDown() override {
    for (crv::Table* t : tables()) t->close();
    LineFormTest::TearDown();
  }
  static std::vector<crv::Table*> tables() {
    return {&crv::GLMaster, &crv::JCHeader, &crv::JCCost, &crv::INMaster};
  }

  // Runs the checks as OK does, with a person to answer what they show.
  void run(HeadlessDriver& person) {
    person.start([this] { outcome = checkPricedLine(); }, "OK");
  }
  CheckOutcome quietly() {
    HeadlessDriver person;
    run(person);
    person.expectFinished();
    return outcome;
  }

  CheckOutcome outcome;
};

TEST_F(PricedLineChecksTest, DescriptionThenPriceThenTheDistributionOfTheType) {
  crv::POD.Description = "";
  crv::POD.UnitPrice = 0;
  EXPECT_EQ(quietly().focus, "?POD:Description");

  crv::POD.Description = "Studs";
  const CheckOutcome zeroPrice = quietly();
  EXPECT_FALSE(zeroPrice.goOn);
  EXPECT_EQ(zeroPrice.focus, "");  // nothing visible happens

  crv::POD.UnitPrice = 3.89;
  EXPECT_EQ(quietly().focus, "?POD:DetailType");

  crv::POD.DetailType = "G/L Account";
  crv::POD.Account = "9999-99";
  EXPECT_EQ(quietly().focus, "?POD:Account");
  crv::POD.Account = "6100-00";
  EXPECT_TRUE(quietly().goOn);

  crv::POD.DetailType = "Job";
  crv::POD.JobID = "9999";
  EXPECT_EQ(quietly().focus, "?POD:JobID");
  crv::POD.JobID = "2401";
  EXPECT_EQ(quietly().focus, "?POD:CostCode");
  crv::POD.CostCode = "99-999M";
  EXPECT_EQ(quietly().focus, "?POD:CostCode");
  crv::POD.CostCode = "06-100M";
  EXPECT_TRUE(quietly().goOn);

  crv::POD.DetailType = "Equipment";
  EXPECT_EQ(quietly().focus, "?POD:EquipmentID");
  crv::POD.EquipmentID = "NO-SUCH";  // existence is checked when the field is accepted
  EXPECT_EQ(quietly().focus, "?POD:CostCategory");
  crv::POD.CostCategory = "ANY";
  EXPECT_TRUE(quietly().goOn);

  crv::POD.DetailType = "Inventory";
  EXPECT_EQ(quietly().focus, "?POD:ItemID");
}

TEST_F(PricedLineChecksTest, InventoryItemsMustExistAndBeTracked) {
  crv::POD.DetailType = "Inventory";
  crv::POD.ItemID = "NO-SUCH-ITEM";
  {
    HeadlessDriver person;
    run(person);
    person.expectMessage("Invalid Item", "Please select a valid Item ID.");
    person.answer("OK");
    person.expectFinished();
    EXPECT_EQ(outcome.focus, "?POD:ItemID");
  }
  crv::POD.ItemID = crv::demo::qtyExemptItem;
  HeadlessDriver person;
  run(person);
  const crv::MessageRequest shown = person.expectMessage("Exempt Item");
  EXPECT_EQ(
      shown.text,
      "This item has been exempted from quantity tracking, |and therefore cannot be applied to inventory.");
  EXPECT_EQ(shown.icon, crv::Icon::Information);
  person.answer("OK");
  person.expectFinished();
  EXPECT_EQ(outcome.focus, "?POD:DetailType");
}

TEST(LineMessagesTest, EachQuestionTellsItsAnswer) {
  bool reenter = false;
  {
    HeadlessDriver person;
    person.start([&] { reenter = askReenterQuantity(crv::Quantity(10), "BOX"); }, "Quantity");
    const crv::MessageRequest shown = person.expectMessage("Confirm Quantity");
    EXPECT_EQ(
        shown.text,
        "The minimum order quantity from this vendor is 10 BOX.  Do you wish to continue with your ordered "
        "quantity or re-enter the quantity?");
    EXPECT_EQ(shown.buttons, "&Continue|&Re-enter");
    person.answer("Re-enter");
    person.expectFinished();
  }
  EXPECT_TRUE(reenter);

  bool yes = true;
  {
    HeadlessDriver person;
    person.start([&] { yes = askAssignInactiveJob("2302"); }, "Job");
    person.expectMessage(
        "Assign to Inactive Job?",
        "Job 2302 has been marked 'Inactive', are you sure you want to assign this invoice to this job");
    person.answer("No");
    person.expectFinished();
  }
  EXPECT_FALSE(yes);

  {
    HeadlessDriver person;
    person.start([&] { yes = askAssignNewVendor(111); }, "Select");
    person.expectMessage("Assign New Vendor?",
                         "Are you sure you wish to assign vendor number 111 to this purchase order?");
    person.answer("Yes");
    person.expectFinished();
  }
  EXPECT_TRUE(yes);

  HeadlessDriver person;
  person.start([] { tellCostCodeInactive("09-900M", "Painting - Material"); }, "CostCode");
  const crv::MessageRequest shown = person.expectMessage("Cannot Select Inactive Cost Code");
  EXPECT_EQ(shown.text, "Cost Code 09-900M - Painting - Material|has been marked inactive.");
  EXPECT_EQ(shown.icon, crv::Icon::Stop);
  person.answer("OK");
  person.expectFinished();
}

TEST(LineMessagesTest, MinimumQuantityAndUnitSizeAreWrittenWithoutTrailingZeros) {
  EXPECT_EQ(minimumQuantityText(crv::Quantity(10)), "10");
  EXPECT_EQ(minimumQuantityText(*crv::Quantity::parse("12.5")), "12.5");
  EXPECT_EQ(minimumQuantityText(*crv::Quantity::parse("2.125")), "2.13");  // held with 2 places
  EXPECT_EQ(unitFactorText(50.0), "(50)");
  EXPECT_EQ(unitFactorText(12.5), "(12.5)");
}

TEST(LineArithmeticTest, AmountRuleAndItsReverse) {
  EXPECT_EQ(lineAmount(crv::Quantity(10), 8.25), *crv::Amount::parse("82.50"));
  EXPECT_EQ(lineAmount(*crv::Quantity::parse("2.5"), 0.25),
            *crv::Amount::parse("0.63"));  // 0.625: half away from zero

  const AmountReversal price = reverseFromAmount(*crv::Amount::parse("100.00"), crv::Quantity(8), 10);
  ASSERT_TRUE(price.unitPrice);
  EXPECT_DOUBLE_EQ(*price.unitPrice, 12.5);
  EXPECT_FALSE(price.quantity);

  const AmountReversal quantity = reverseFromAmount(*crv::Amount::parse("100.00"), crv::Quantity(0), 25);
  ASSERT_TRUE(quantity.quantity);
  EXPECT_EQ(*quantity.quantity, crv::Quantity(4));
  EXPECT_EQ(*reverseFromAmount(*crv::Amount::parse("10.00"), crv::Quantity(0), 3).quantity,
            *crv::Quantity::parse("3.3333"));

  const AmountReversal nothing = reverseFromAmount(crv::Amount(), crv::Quantity(8), 10);
  EXPECT_FALSE(nothing.unitPrice || nothing.quantity);
}

TEST(LineArithmeticTest, CostCodeShorthand) {
  EXPECT_EQ(expandCostCode("03-300", 6), "03-300M");
  EXPECT_EQ(expandCostCode("03-3009", 6), "03-300B");
  EXPECT_EQ(expandCostCode("03-3001", 6), "03-300L");
  EXPECT_EQ(expandCostCode("03-300.", 6), "03-300E");
  EXPECT_EQ(expandCostCode("03-3004", 6), "03-3004");
  EXPECT_EQ(expandCostCode("03-300S", 6), "03-300S");
  EXPECT_EQ(expandCostCode("03", 6), "03");
}

TEST(LineArithmeticTest, StateTaxCodeAndStockUnits) {
  EXPECT_EQ(reconciliationState(crv::Quantity(12), crv::Quantity(0)), 0);
  EXPECT_EQ(reconciliationState(crv::Quantity(12), crv::Quantity(8)), 1);
  EXPECT_EQ(reconciliationState(crv::Quantity(12), crv::Quantity(12)), 2);

  EXPECT_EQ(canadianTaxCode(false, false), 0);
  EXPECT_EQ(canadianTaxCode(true, true), 1);
  EXPECT_EQ(canadianTaxCode(true, false), 2);
  EXPECT_EQ(canadianTaxCode(false, true), 3);
  EXPECT_TRUE(subjectToGst(2) && !subjectToPst(2));

  EXPECT_EQ(outstandingInStockUnits(crv::Quantity(20), crv::Quantity(0), 50), crv::Quantity(1000));
  EXPECT_EQ(outstandingInStockUnits(crv::Quantity(12), crv::Quantity(12), 250), crv::Quantity(0));
}

TEST(TextLineTest, TypographyBecomesPlainWithoutBreakingOtherCharacters) {
  EXPECT_EQ(plainTypography("\x93Rush\x94 \x95 call \x96 now\x97"), "\"Rush\" * call - now-");
  EXPECT_EQ(plainTypography("\xE2\x80\x9CRush\xE2\x80\x9D \xE2\x80\x94 ok"), "\"Rush\" - ok");
  // U+00D3 is C3 93 in UTF-8: its second byte is not a quote.
  EXPECT_EQ(plainTypography("CAF\xC3\x93"), "CAF\xC3\x93");
}

}  // namespace
}  // namespace crvpo::test

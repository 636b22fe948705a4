// The chart of accounts as a lookup: located by number or description,
// sorted by a click on a column's header.
#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <string>

#include "host/data/tables/ledger_tables.h"
#include "host/framework/ui/headless/script_runner.h"
#include "host/siblings/CRVGL/browse_gl_master.h"
#include "host/siblings/demo_lookup_test.h"

namespace crv::test {
namespace {

using ui::HeadlessDriver;

class LedgerLookups : public DemoLookupTest {};

TEST_F(LedgerLookups, AccountsAreLocatedByNumberOrDescription) {
  HeadlessDriver person;
  choose(person, BrowseGLMaster, "Select an Account");
  person.type("?Locator", "6100");
  EXPECT_EQ(person.shown("?Browse").substr(0, 7), demo::suppliesAccount);
  person.pick("?Sorts", "&Description");
  person.type("?Locator", "shop");
  EXPECT_EQ(person.shown("?Browse").substr(0, 7), demo::suppliesAccount) << person.shown("?Browse");
  person.press("?Select");
  EXPECT_EQ(person.response(), RequestCompleted);
  EXPECT_EQ(GLM.Account, demo::suppliesAccount);

  choose(person, BrowseGLMaster, "Select an Account");
  person.press("?Close");
  EXPECT_EQ(person.response(), RequestCancelled);
}

// The cells of one column of the rows a list shows.
std::vector<std::string> column(const std::vector<std::string>& rows, int index) {
  std::vector<std::string> cells;
  for (const std::string& row : rows) {
    std::size_t from = 0;
    for (int i = 0; i < index; ++i) from = row.find(" | ", from) + 3;
    cells.push_back(row.substr(from, row.find(" | ", from) - from));
  }
  return cells;
}

TEST_F(LedgerLookups, AColumnHeaderSortsByItsOrderAndShowsItsTab) {
  HeadlessDriver person;
  choose(person, BrowseGLMaster, "Select an Account");
  person.type("?Locator", "6100");
  person.sortBy("?Browse", "Description");
  EXPECT_EQ(person.shown("?Sorts"), "Description");
  EXPECT_EQ(person.shown("?Locator"), "") << "the typed account does not locate a description";
  const auto byDescription = column(person.rows("?Browse"), 1);
  ASSERT_GT(byDescription.size(), 2u);
  EXPECT_TRUE(std::is_sorted(byDescription.begin(), byDescription.end()));
  person.sortBy("?Browse", "Type");  // no order sorts by the type
  EXPECT_EQ(person.shown("?Sorts"), "Description");
  person.sortBy("?Browse", "Account");
  EXPECT_EQ(person.shown("?Sorts"), "Account");
  const auto byAccount = column(person.rows("?Browse"), 0);
  EXPECT_TRUE(std::is_sorted(byAccount.begin(), byAccount.end()));
  person.press("?Close");

  std::istringstream script(
      "request select\ncall BrowseGLMaster\nsort ?Browse \"Description\"\ncheck ?Sorts Description\n"
      "press ?Close\nexpect response cancelled\n");
  const auto result = ui::runScript(script, {{"BrowseGLMaster", [] { BrowseGLMaster(); }}});
  EXPECT_TRUE(result.ok) << result.transcript;
}

}  // namespace
}  // namespace crv::test

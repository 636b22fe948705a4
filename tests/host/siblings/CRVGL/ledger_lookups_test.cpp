// The chart of accounts as a lookup: located by number or description.
#include <gtest/gtest.h>

#include <string>

#include "host/data/tables/ledger_tables.h"
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

}  // namespace
}  // namespace crv::test

// Sort orders of a list: keys, ranges, filters and locators.
#include <gtest/gtest.h>

#include "host/framework/ui/browse_class.h"
#include "host/framework/ui/browse_fixture.h"

namespace crv::test {
namespace {

using ui::BrowseClass;
using ui::BrowseSort;

class BrowseSortTest : public BrowseTest {
 protected:
  // Orders whose vendor and number run in opposite directions.
  void addCrossed() {
    addOrder("PO-A", 3);
    addOrder("PO-B", 2);
    addOrder("PO-C", 1);
    addOrder("PO-D", 3);
    addOrder("PO-E", 2, 2);
  }
  // Everything the list shows, page by page from the top.
  static std::vector<std::string> all(BrowseClass& b) {
    b.home();
    std::vector<std::string> seen;
    if (b.rowCount() == 0) return seen;
    seen.push_back(highlighted(b));
    for (;;) {
      const std::string before = highlighted(b);
      const int at = b.selected();
      b.scroll(1);
      if (b.selected() == at && highlighted(b) == before) break;
      seen.push_back(highlighted(b));
    }
    return seen;
  }
};

TEST_F(BrowseSortTest, ChangingTheSortKeepsTheHighlightedRow) {
  addCrossed();
  BrowseClass b(list, 3);
  addNumberColumn(b);
  const int byNumber = b.addSort(BrowseSort(POMasterRecord::KeyPONumber));
  const int byVendor = b.addSort(BrowseSort(POMasterRecord::KeyVendorID));
  b.init();
  b.locate("PO-D");
  b.setSort(byVendor);
  EXPECT_EQ(highlighted(b), "PO-D");
  EXPECT_EQ(all(b), (std::vector<std::string>{"PO-C", "PO-B", "PO-E", "PO-A", "PO-D"}));
  b.locate("2");
  EXPECT_EQ(highlighted(b), "PO-B");
  b.setSort(byNumber);
  EXPECT_EQ(highlighted(b), "PO-B");
  EXPECT_EQ(b.locatorText(), "");
}

TEST_F(BrowseSortTest, FullyReconciledOrdersAreLeftOutOfBlankExcludingKeys) {
  addCrossed();
  BrowseClass b(list, 10);
  addNumberColumn(b);
  b.addSort(BrowseSort(POMasterRecord::KeySortPONumber));
  const int all_ = b.addSort(BrowseSort(POMasterRecord::KeyPONumber));
  b.init();
  EXPECT_EQ(page(b), (std::vector<std::string>{"PO-A", "PO-B", "PO-C", "PO-D"}));
  b.end();
  EXPECT_EQ(highlighted(b), "PO-D");
  b.setSort(all_);
  EXPECT_EQ(page(b), (std::vector<std::string>{"PO-A", "PO-B", "PO-C", "PO-D", "PO-E"}));
}

TEST_F(BrowseSortTest, FixedRangeKeepsReadingWithinItsRows) {
  for (int i = 1; i <= 9; ++i) addOrder(number(i), 1, i % 3 == 0 ? 2 : 0);
  BrowseClass b(list, 2);
  addNumberColumn(b);
  b.addSort(BrowseSort(POMasterRecord::KeyRecTFPONum).fix(0));
  b.addSort(BrowseSort(POMasterRecord::KeyRecTFPONum).fix(1));
  b.init();
  const std::vector<std::string> open{number(1), number(2), number(4), number(5), number(7), number(8)};
  EXPECT_EQ(all(b), open);
  b.end();
  EXPECT_EQ(page(b), (std::vector<std::string>{number(7), number(8)}));
  b.scroll(-3);
  EXPECT_EQ(highlighted(b), number(4));
  // The locator runs on the first key field the range leaves free.
  b.locate("PO-0006");
  EXPECT_EQ(highlighted(b), number(7));
  b.locate("PO-9");  // past the last row of the range
  EXPECT_EQ(highlighted(b), number(8));

  b.setSort(1);
  EXPECT_EQ(all(b), (std::vector<std::string>{number(3), number(6), number(9)}));
}

TEST_F(BrowseSortTest, BetweenRangeAndValuesReadAtRefresh) {
  for (int i = 1; i <= 12; ++i) addOrder(number(i), static_cast<Id>(i % 4 + 1));
  Id from = 2;
  Id to = 3;
  BrowseClass b(list, 3);
  addNumberColumn(b);
  b.addColumn("Vendor", "VendorID");
  b.addSort(BrowseSort(POMasterRecord::KeyVendorID).between([&] { return from; }, [&] { return to; }));
  b.init();
  EXPECT_EQ(all(b),
            (std::vector<std::string>{number(1), number(5), number(9), number(2), number(6), number(10)}));
  b.end();
  EXPECT_EQ(highlighted(b), number(10));
  b.locate("3");
  EXPECT_EQ(highlighted(b), number(2));
  b.locate("1");  // below the range: its first row
  EXPECT_EQ(highlighted(b), number(1));
  b.locate("x");  // not a number: nothing moves
  EXPECT_EQ(highlighted(b), number(1));

  from = to = 4;
  b.refresh();
  EXPECT_EQ(all(b), (std::vector<std::string>{number(3), number(7), number(11)}));
}

TEST_F(BrowseSortTest, FilterSkipsRowsButPagesStayFull) {
  addNumbered(40);
  BrowseClass b(list, 4);
  addNumberColumn(b);
  // Only every tenth order, as a filter over the table's buffer.
  b.addSort(BrowseSort(POMasterRecord::KeyPONumber).filter([&] { return rec.POID % 10 == 0; }));
  b.init();
  EXPECT_EQ(page(b), (std::vector<std::string>{number(10), number(20), number(30), number(40)}));
  b.locate("PO-0015");
  EXPECT_EQ(highlighted(b), number(20));
  b.end();
  EXPECT_EQ(highlighted(b), number(40));
  EXPECT_EQ(b.rowCount(), 4);
}

TEST_F(BrowseSortTest, LocatorFindsTheFirstRowAtOrAfterTheText) {
  for (const char* n : {"1000", "1200", "1210", "1300", "2000"}) addOrder(n);
  BrowseClass b(list, 3);
  addNumberColumn(b);
  b.addSort(BrowseSort(POMasterRecord::KeyPONumber));
  b.init();
  b.locate("12");
  EXPECT_EQ(highlighted(b), "1200");
  EXPECT_EQ(b.locatorText(), "12");
  b.locate("121");  // typed on, one character at a time
  EXPECT_EQ(highlighted(b), "1210");
  b.locate("1211");
  EXPECT_EQ(highlighted(b), "1300");
  b.locate("9");
  EXPECT_EQ(highlighted(b), "2000");
  b.locate("");
  EXPECT_EQ(highlighted(b), "1000");
}

TEST(BrowseSortRules, RangeMustBeLeadingFieldsWithBetweenLast) {
  BrowseSort sort(POMasterRecord::KeyRecTFPONum);
  sort.between(0, 1);
  EXPECT_THROW(sort.fix("PO-1"), std::logic_error);
  BrowseSort longer(POMasterRecord::KeyPONumber);
  longer.fix("PO-1");
  EXPECT_THROW(longer.fix("PO-2"), std::logic_error);
  EXPECT_EQ(longer.locatorPart(), -1);
  EXPECT_EQ(BrowseSort(POMasterRecord::KeyRecTFPONum).fix(0).locatorPart(), 1);
}

}  // namespace
}  // namespace crv::test

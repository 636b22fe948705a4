// Paging of a list over a table: pages are read from the table around the
// rows at the page's edges, never by reading the table through.
#include <gtest/gtest.h>

#include "host/framework/ui/browse_class.h"
#include "host/framework/ui/browse_fixture.h"

namespace crv::test {
namespace {

using ui::BrowseClass;
using ui::BrowseSort;

class BrowsePagingTest : public BrowseTest {
 protected:
  BrowseClass& make(int visible = 5) {
    browse = std::make_unique<BrowseClass>(list, visible);
    addNumberColumn(*browse);
    browse->addSort(BrowseSort(POMasterRecord::KeyPONumber));
    browse->init();
    return *browse;
  }
  std::unique_ptr<BrowseClass> browse;
};

TEST_F(BrowsePagingTest, PagesDownAndUpAcrossTheEndsOfTheTable) {
  addNumbered(12);
  BrowseClass& b = make(5);
  EXPECT_EQ(page(b), numbers(1, 5));
  EXPECT_EQ(b.selected(), 0);

  b.scroll(5);  // from the top row: the highlight moves five rows, the page one
  EXPECT_EQ(page(b), numbers(2, 6));
  EXPECT_EQ(highlighted(b), number(6));
  b.scroll(5);
  EXPECT_EQ(page(b), numbers(7, 11));
  EXPECT_EQ(highlighted(b), number(11));
  b.scroll(5);  // only one row is left
  EXPECT_EQ(page(b), numbers(8, 12));
  EXPECT_EQ(highlighted(b), number(12));
  b.scroll(5);
  EXPECT_EQ(page(b), numbers(8, 12));
  EXPECT_EQ(highlighted(b), number(12));

  b.scroll(-5);
  EXPECT_EQ(highlighted(b), number(7));
  EXPECT_EQ(page(b), numbers(7, 11));
  b.scroll(-5);
  EXPECT_EQ(page(b), numbers(2, 6));
  b.scroll(-5);
  EXPECT_EQ(page(b), numbers(1, 5));
  EXPECT_EQ(highlighted(b), number(1));
  b.scroll(-1);
  EXPECT_EQ(highlighted(b), number(1));
}

TEST_F(BrowsePagingTest, ScrollsByOneAndJumpsToEitherEnd) {
  addNumbered(8);
  BrowseClass& b = make(3);
  b.scroll(1);
  b.scroll(1);
  EXPECT_EQ(page(b), numbers(1, 3));
  b.scroll(1);
  EXPECT_EQ(page(b), numbers(2, 4));
  EXPECT_EQ(highlighted(b), number(4));

  b.end();
  EXPECT_EQ(page(b), numbers(6, 8));
  EXPECT_EQ(highlighted(b), number(8));
  b.scroll(-3);
  EXPECT_EQ(page(b), numbers(5, 7));
  EXPECT_EQ(highlighted(b), number(5));

  b.home();
  EXPECT_EQ(page(b), numbers(1, 3));
  EXPECT_EQ(b.selected(), 0);
  // The table's buffer follows the highlight.
  EXPECT_EQ(rec.PONumber, number(1));
}

TEST_F(BrowsePagingTest, ShortAndEmptyTables) {
  BrowseClass& b = make(5);
  EXPECT_EQ(b.rowCount(), 0);
  EXPECT_EQ(b.selected(), -1);
  EXPECT_EQ(b.highlighted(), nullptr);
  b.scroll(5);
  b.end();
  EXPECT_EQ(b.rowCount(), 0);

  addNumbered(3);
  b.refresh();
  EXPECT_EQ(page(b), numbers(1, 3));
  b.scroll(10);
  EXPECT_EQ(highlighted(b), number(3));
  b.end();
  EXPECT_EQ(page(b), numbers(1, 3));
}

TEST_F(BrowsePagingTest, EqualKeysPageByRowIdentity) {
  // Duplicate PO numbers must neither repeat nor vanish at a page boundary.
  for (Id vendor = 1; vendor <= 7; ++vendor) addOrder("SAME", vendor);
  addOrder("ZED", 99);
  BrowseClass b(list, 3);
  b.addColumn("Vendor", "VendorID");
  b.addSort(BrowseSort(POMasterRecord::KeyPONumber));
  b.init();
  std::vector<std::string> down{b.cell(0, 0).text};
  for (int step = 0; step < 8; ++step) {
    b.scroll(1);
    down.push_back(b.cell(b.selected(), 0).text);
  }
  EXPECT_EQ(down, (std::vector<std::string>{"1", "2", "3", "4", "5", "6", "7", "99", "99"}));
  std::vector<std::string> up;
  for (int step = 0; step < 8; ++step) {
    b.scroll(-1);
    up.push_back(b.cell(b.selected(), 0).text);
  }
  EXPECT_EQ(up, (std::vector<std::string>{"7", "6", "5", "4", "3", "2", "1", "1"}));
}

TEST_F(BrowsePagingTest, PagingReadsOnlyTheRowsItShows) {
  addNumbered(2000);
  // Reading on from a page's edge positions at the edge row and reads it
  // again before the rows after it, hence one row more than shown.
  const long pageReads = 10 + 1;
  counting->rowsRead = 0;
  BrowseClass& b = make(10);
  EXPECT_LE(counting->rowsRead, 10);

  for (int i = 0; i < 20; ++i) {
    counting->rowsRead = 0;
    b.scroll(10);
    EXPECT_LE(counting->rowsRead, pageReads) << "page down " << i;
  }
  EXPECT_EQ(page(b), numbers(192, 201));

  counting->rowsRead = 0;
  b.scroll(-1);
  b.scroll(-10);
  EXPECT_LE(counting->rowsRead, pageReads);

  counting->rowsRead = 0;
  b.end();
  EXPECT_EQ(page(b), numbers(1991, 2000));
  EXPECT_LE(counting->rowsRead, 10);

  counting->rowsRead = 0;
  b.locate("PO-1500");
  EXPECT_EQ(highlighted(b), "PO-1500");
  EXPECT_LE(counting->rowsRead, 2 * pageReads);

  counting->rowsRead = 0;
  b.refresh();
  EXPECT_EQ(highlighted(b), "PO-1500");
  EXPECT_LE(counting->rowsRead, 2 * pageReads);

  counting->rowsRead = 0;
  EXPECT_EQ(b.reloadSelected(), TableStatus::Ok);
  EXPECT_LE(counting->rowsRead, 1);
}

TEST_F(BrowsePagingTest, RefreshKeepsTheHighlightedRowWhereItWas) {
  addNumbered(20);
  BrowseClass& b = make(5);
  b.locate("PO-0010");
  b.scroll(2);
  ASSERT_EQ(highlighted(b), number(12));
  const int place = b.selected();

  // Rows added and removed elsewhere in the table.
  addOrder("PO-0011A");
  POM.PONumber = number(9);
  ASSERT_EQ(POMaster.fetch(POM.KeyPONumber), TableStatus::Ok);
  ASSERT_EQ(POMaster.remove(), TableStatus::Ok);

  b.refresh();
  EXPECT_EQ(highlighted(b), number(12));
  EXPECT_EQ(b.selected(), place);
  EXPECT_EQ(page(b), (std::vector<std::string>{"PO-0011", "PO-0011A", "PO-0012", "PO-0013", "PO-0014"}));

  // The highlighted row itself deleted: the next one takes its place.
  POM.PONumber = number(12);
  ASSERT_EQ(POMaster.fetch(POM.KeyPONumber), TableStatus::Ok);
  ASSERT_EQ(POMaster.remove(), TableStatus::Ok);
  b.refresh();
  EXPECT_EQ(highlighted(b), number(13));

  // Near the end the page fills from above rather than showing fewer rows.
  b.end();
  POM.PONumber = number(20);
  ASSERT_EQ(POMaster.fetch(POM.KeyPONumber), TableStatus::Ok);
  ASSERT_EQ(POMaster.remove(), TableStatus::Ok);
  b.refresh();
  EXPECT_EQ(highlighted(b), number(19));
  EXPECT_EQ(b.rowCount(), 5);
}

TEST_F(BrowsePagingTest, ChangingThePageSizeKeepsTheHighlight) {
  addNumbered(30);
  BrowseClass& b = make(5);
  b.locate("PO-0015");
  b.setVisibleRows(10);
  EXPECT_EQ(b.rowCount(), 10);
  EXPECT_EQ(highlighted(b), number(15));
  b.setVisibleRows(3);
  EXPECT_EQ(b.rowCount(), 3);
  EXPECT_EQ(highlighted(b), number(15));
}

}  // namespace
}  // namespace crv::test

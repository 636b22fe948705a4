// A list's rows, tags and buttons: setQueueRecord columns and colours,
// tagging, forms called with a request, and choosing a row.
#include "host/framework/ui/browse_class.h"

#include <gtest/gtest.h>

#include "host/framework/services/global_request.h"
#include "host/framework/ui/browse_fixture.h"

namespace crv::test {
namespace {

using ui::BrowseClass;
using ui::BrowseRow;
using ui::BrowseSort;
using ui::TagView;

// The purchase-order list's kind of row: a computed remaining amount, an
// icon for the reconciliation state and grey rows for reconciled orders.
class OrderList : public BrowseClass {
 public:
  OrderList(Table& table, POMasterRecord& buffer) : BrowseClass(table, 4), rec_(buffer) {
    tag_ = addComputedColumn("");
    addColumn("PO Number", "PONumber", "@s15");
    addColumn("Amount", "POAmount", "@n-14.2");
    remaining_ = addComputedColumn("Remaining", "@n-21.2");
    addSort(BrowseSort(POMasterRecord::KeyPONumber));
  }
  int queued = 0;

 protected:
  void setQueueRecord(BrowseRow& row) override {
    BrowseClass::setQueueRecord(row);
    ++queued;
    Amount open = rec_.POAmount - rec_.AmountReconciled;
    if (open.isNegative()) open = Amount();
    row.setText(remaining_, column(remaining_).picture->format(open));
    row.setIcon(tag_, tags().contains(row.row) ? "~checkon.ico" : "~checkoff.ico");
    if (rec_.Reconciled == 2) row.setColors(0x808080);
  }

 private:
  POMasterRecord& rec_;
  int tag_ = 0;
  int remaining_ = 0;
};

class BrowseClassTest : public BrowseTest {
 protected:
  Id addPriced(std::string_view number, const char* amount, const char* reconciled, Flag state = 0) {
    POM.clear();
    POM.PONumber = number;
    POM.POAmount = *Amount::parse(amount);
    POM.AmountReconciled = *Amount::parse(reconciled);
    POM.Reconciled = state;
    EXPECT_EQ(POMaster.insert(), TableStatus::Ok);
    return POM.POID;
  }
  static std::string text(const BrowseClass& b, int row, int column) {
    return std::string(trim(b.cell(row, column).text));
  }
};

TEST_F(BrowseClassTest, QueueRecordMakesColumnsIconsAndColours) {
  addPriced("PO-1", "500.00", "650.00", 1);
  addPriced("PO-2", "1234.50", "34.50", 2);
  OrderList b(list, rec);
  b.init();
  ASSERT_EQ(b.rowCount(), 2);
  EXPECT_EQ(b.columnCount(), 4);
  EXPECT_EQ(b.header(3), "Remaining");
  EXPECT_EQ(b.cell(0, 1).text.size(), 15u);
  EXPECT_EQ(text(b, 0, 2), "500.00");
  EXPECT_EQ(text(b, 0, 3), "0.00");  // over-reconciled shows nothing remaining
  EXPECT_EQ(text(b, 1, 2), "1,234.50");
  EXPECT_EQ(text(b, 1, 3), "1,200.00");
  EXPECT_EQ(b.cell(0, 0).icon, "~checkoff.ico");
  EXPECT_FALSE(b.cell(0, 1).foreground);
  EXPECT_EQ(b.cell(1, 1).foreground, 0x808080u);
}

TEST_F(BrowseClassTest, TagsFollowRowsAcrossPagesAndViews) {
  addNumbered(10);
  OrderList b(list, rec);
  b.init();
  b.scroll(1);
  EXPECT_TRUE(b.toggleTag());
  EXPECT_TRUE(b.tagged(1));
  EXPECT_EQ(b.cell(1, 0).icon, "~checkon.ico");
  const std::uint64_t before = b.revision();
  EXPECT_FALSE(b.toggleTag());
  EXPECT_GT(b.revision(), before);
  b.toggleTag();
  b.end();
  b.toggleTag();  // PO-0010
  EXPECT_EQ(b.tags().size(), 2u);

  b.setTagView(TagView::Tagged);
  EXPECT_EQ(page(b, 1), (std::vector<std::string>{number(2), number(10)}));
  b.setTagView(TagView::Untagged);
  b.home();
  EXPECT_EQ(page(b, 1), (std::vector<std::string>{number(1), number(3), number(4), number(5)}));

  // Reversing tags the untagged rows of the view only.
  EXPECT_EQ(b.reverseTags(), 8u);
  EXPECT_FALSE(b.tags().contains(b.highlighted()->row - 1));
  b.setTagView(TagView::All);
  EXPECT_EQ(b.tagAll(), 10u);
  EXPECT_EQ(b.tagAll(3), 3u);  // bounded: the first three rows in key order
  b.home();
  EXPECT_TRUE(b.tagged(2));
  EXPECT_FALSE(b.tagged(3));
  b.clearTags();
  EXPECT_TRUE(b.tags().empty());
  EXPECT_EQ(b.cell(0, 0).icon, "~checkoff.ico");
}

TEST_F(BrowseClassTest, FormsRunWithTheirRequestAndTheListFollowsTheirRow) {
  addNumbered(8);
  OrderList b(list, rec);
  b.init();
  int request = 0;
  std::string shown;
  b.setUpdateProcedure([&] {
    request = GlobalRequest;
    shown = rec.PONumber.str();
    if (request == InsertRecord) {
      rec.PONumber = "PO-0005A";
      ASSERT_EQ(list.insert(), TableStatus::Ok);
    } else if (request == ChangeRecord) {
      rec.PONumber = "PO-0007A";
      ASSERT_EQ(list.update(), TableStatus::Ok);
    } else if (request == DeleteRecord) {
      ASSERT_EQ(list.remove(), TableStatus::Ok);
    }
    GlobalResponse = RequestCompleted;
  });

  b.locate("PO-0003");
  EXPECT_EQ(b.ask(ChangeRecord), RequestCompleted);
  EXPECT_EQ(request, ChangeRecord);
  EXPECT_EQ(shown, number(3));
  EXPECT_EQ(highlighted(b, 1), "PO-0007A");  // the changed row, at its new place

  EXPECT_EQ(b.ask(InsertRecord), RequestCompleted);
  EXPECT_EQ(shown, "");  // an insert starts from a cleared buffer
  EXPECT_EQ(highlighted(b, 1), "PO-0005A");

  b.locate("PO-0006");
  b.toggleTag();
  EXPECT_EQ(b.ask(DeleteRecord), RequestCompleted);
  EXPECT_EQ(highlighted(b, 1), "PO-0007");
  EXPECT_TRUE(b.tags().empty());
  b.home();
  EXPECT_EQ(page(b, 1), (std::vector<std::string>{number(1), number(2), number(4), number(5)}));

  // A cancelled form leaves the list on the same row.
  b.setUpdateProcedure([] { GlobalResponse = RequestCancelled; });
  b.scroll(2);
  EXPECT_EQ(b.ask(ViewRecord), RequestCancelled);
  EXPECT_EQ(highlighted(b, 1), number(4));
}

TEST_F(BrowseClassTest, SelectionLeavesTheChosenRecordInTheBuffer) {
  addNumbered(6);
  GlobalRequest = SelectRecord;
  OrderList b(list, rec);
  b.init();
  GlobalRequest = 0;
  EXPECT_TRUE(b.selectMode());
  b.locate("PO-0004");
  rec.clear();
  list.set(POMasterRecord::KeyPOID);  // someone moved the table meanwhile
  list.next();
  ASSERT_TRUE(b.chooseHighlighted());
  EXPECT_EQ(GlobalResponse, RequestCompleted);
  EXPECT_EQ(rec.PONumber, number(4));
  // The chosen row is the table's current row: writes go to it.
  rec.VendorID = 77;
  ASSERT_EQ(list.update(), TableStatus::Ok);
  POM.PONumber = number(4);
  ASSERT_EQ(POMaster.fetch(POM.KeyPONumber), TableStatus::Ok);
  EXPECT_EQ(POM.VendorID, 77u);

  // A row deleted by another station cannot be chosen.
  ASSERT_EQ(POMaster.remove(), TableStatus::Ok);
  EXPECT_FALSE(b.chooseHighlighted());
  b.cancelChoice();
  EXPECT_EQ(GlobalResponse, RequestCancelled);
}

TEST_F(BrowseClassTest, RowsAreFormattedOncePerRead) {
  addNumbered(50);
  OrderList b(list, rec);
  b.init();
  b.queued = 0;
  b.scroll(1);
  b.scroll(1);
  EXPECT_EQ(b.queued, 0);  // moving within the page reads nothing
  b.scroll(4);
  EXPECT_EQ(b.queued, 3);
}

}  // namespace
}  // namespace crv::test

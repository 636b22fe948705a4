// A list over a table in a window, played by the headless driver: the list
// control shows the page, the buttons run the form with a request and the
// list follows the row the form wrote, and a list called to choose a row
// returns it in the table's buffer.
#include "host/framework/ui/browse_component.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>

#include "host/framework/services/global_request.h"
#include "host/framework/ui/browse_fixture.h"
#include "host/framework/ui/headless/headless_driver.h"
#include "host/framework/ui/window_manager.h"

namespace crv::test {
namespace {

using ui::BrowseClass;
using ui::BrowseComponent;
using ui::BrowseSort;
using ui::ButtonRole;
using ui::HeadlessDriver;
using ui::WindowManager;

class UpdateOrder : public WindowManager {
 public:
  UpdateOrder() : WindowManager("UpdateOrder") {
    addTable(POMaster, true);
    window().setTitle("Order");
    window().addEntry("?POM:PONumber", ui::Binding::field(POM, POM.PONumber), "@s15");
    window().addButton("?OK", "OK", ButtonRole::Ok).setDefault();
    window().addButton("?Cancel", "Cancel", ButtonRole::Cancel);
  }
};

class BrowseOrders : public WindowManager {
 public:
  BrowseOrders()
      : WindowManager("BrowseOrders"), list_(POMaster, 4), component_(list_, "?Browse", buttons()) {
    addTable(POMaster);
    window().setTitle("Purchase Orders");
    window().addEntry("?Locator", ui::Binding::local(locator_), "@s15").setImmediate();
    window().addList("?Browse", &list_);
    window().addButton("?Insert", "&Add");
    window().addButton("?Change", "&Change");
    window().addButton("?Select", "&Select").setDefault();
    window().addButton("?Close", "Close", ButtonRole::Close);
    list_.addColumn("PO Number", "PONumber", "@s15");
    list_.addSort(BrowseSort(POMasterRecord::KeyPONumber));
    list_.setUpdateProcedure([] { UpdateOrder().run(); });
    component_.setLocator("?Locator");
    addComponent(component_);
  }

 private:
  static BrowseComponent::Buttons buttons() {
    BrowseComponent::Buttons b;
    b.insert = "?Insert";
    b.change = "?Change";
    b.select = "?Select";
    return b;
  }
  std::string locator_;
  BrowseClass list_;
  BrowseComponent component_;
};

class BrowseComponentTest : public BrowseTest {};

TEST_F(BrowseComponentTest, ButtonsRunTheFormAndTheListFollowsItsRow) {
  addNumbered(9);
  HeadlessDriver person;
  person.start([] { BrowseOrders().run(); }, "BrowseOrders");
  person.expectWindow("Purchase Orders");
  EXPECT_EQ(person.rows("?Browse"), numbers(1, 4));
  EXPECT_TRUE(person.isHidden("?Select"));  // not choosing

  person.scroll("?Browse", 5);
  EXPECT_EQ(person.shown("?Browse"), number(6));
  person.press("?Change");
  person.expectWindow("Order");
  EXPECT_EQ(person.shown("?POM:PONumber"), number(6));
  person.type("?POM:PONumber", "PO-0001A");
  person.press("?OK");
  person.expectWindow("Purchase Orders");
  EXPECT_EQ(person.shown("?Browse"), "PO-0001A");

  person.press("?Insert");
  person.expectWindow("Order");
  person.type("?POM:PONumber", "PO-0008A");
  person.press("?OK");
  person.expectWindow("Purchase Orders");
  EXPECT_EQ(person.shown("?Browse"), "PO-0008A");

  person.type("?Locator", "PO-0004");
  EXPECT_EQ(person.shown("?Browse"), number(4));
  person.press("?Close");
  person.expectFinished();
  EXPECT_EQ(person.response(), RequestCancelled);
}

TEST_F(BrowseComponentTest, KeysMoveTheHighlightAndHomeAndEndJumpToEitherEnd) {
  addNumbered(30);
  HeadlessDriver person;
  person.start([] { BrowseOrders().run(); }, "BrowseOrders");
  person.expectWindow("Purchase Orders");
  person.highlight("?Browse", 0);
  ASSERT_EQ(person.focus(), "?Browse");
  person.key("End");
  EXPECT_EQ(person.shown("?Browse"), number(30));
  EXPECT_EQ(person.rows("?Browse"), numbers(27, 30));
  person.key("Up");
  EXPECT_EQ(person.shown("?Browse"), number(29));
  person.key("Home");
  EXPECT_EQ(person.shown("?Browse"), number(1));
  person.key("PageDown");
  EXPECT_EQ(person.shown("?Browse"), number(5));
  person.key("Escape");
  person.expectFinished();
}

TEST_F(BrowseComponentTest, ThePopupMenuSendsTheShownRowsToAFile) {
  addNumbered(3);
  HeadlessDriver person;
  person.start([] { BrowseOrders().run(); }, "BrowseOrders");
  person.expectWindow("Purchase Orders");
  person.popup("?Browse");
  EXPECT_EQ(person.dialog().popup.itemTexts(), std::vector<std::string>{"Send list contents to..."});
  person.answer("Send list contents to...");
  ASSERT_EQ(person.dialog().kind, ui::DialogKind::SendTo);
  EXPECT_EQ(person.dialog().sendTo.title, "Purchase Orders");
  person.answerFiles({folder / "orders.csv"});
  std::ifstream saved(folder / "orders.csv");
  const std::string csv((std::istreambuf_iterator<char>(saved)), std::istreambuf_iterator<char>());
  EXPECT_EQ(csv, "PO Number\r\n" + number(1) + "\r\n" + number(2) + "\r\n" + number(3) + "\r\n");
  person.press("?Close");
  person.expectFinished();
}

TEST_F(BrowseComponentTest, ListCalledToChooseReturnsTheHighlightedRecord) {
  addNumbered(6);
  HeadlessDriver person;
  person.request(SelectRecord);
  person.start([] { BrowseOrders().run(); }, "BrowseOrders");
  person.expectWindow("Purchase Orders");
  EXPECT_FALSE(person.isHidden("?Select"));
  person.highlight("?Browse", 2);
  person.press("?Select");
  person.expectFinished();
  EXPECT_EQ(person.response(), RequestCompleted);
  EXPECT_EQ(POM.PONumber, number(3));
}

}  // namespace
}  // namespace crv::test

// Opening one purchase order by its number.
#include "crvpo/entry/open_po_master.h"

#include <memory>

#include "crvpo/entry/duplicate_po.h"
#include "crvpo/entry/order_requests.h"
#include "host/data/tables/purchasing_tables.h"
#include "host/framework/services/global_request.h"
#include "host/framework/services/message_box.h"
#include "host/framework/table/private_table.h"
#include "host/framework/ui/window_manager.h"
#include "host/siblings/lookup_list.h"

namespace crvpo {
namespace {

using crv::ui::Binding;
using crv::ui::ButtonRole;
using crv::ui::Level;

std::unique_ptr<crv::ui::BrowseClass> orderList() {
  auto list = std::make_unique<crv::ui::BrowseClass>(crv::POMaster, crv::siblings::LookupList::pageRows);
  list->addColumn("PO Number", "PONumber", "@s15");
  list->addColumn("ID", "VendorID", "@n_6b");
  list->addColumn("Issue Date", "IssueDate", "@d1b");
  list->addColumn("Amount", "POAmount", "@n-14.2");
  list->addSort(crv::ui::BrowseSort(crv::POMasterRecord::KeyPONumber, "by PO Number"));
  return list;
}

class OrderLookup final : public crv::siblings::LookupList {
 public:
  OrderLookup()
      : LookupList("SelectPurchaseOrder", orderList(), {"Purchase Orders", "Select a Purchase Order"}) {}
};

class OpenPOMasterWindow final : public crv::ui::WindowManager {
 public:
  OpenPOMasterWindow() : WindowManager("OpenPOMaster") {
    crv::ui::Window& w = window();
    w.setTitle("Open a Purchase Order");
    w.setIcon("orders");
    w.setHelp("html/PO_Enter_Purchase_Orders.htm", "open_purchase_order");
    crv::ui::Control& entry =
        w.addField("Purchase &Order Number:", "?PONumber", Binding::local(number_, "LOC:PONumber"), "@s15");
    w.addLookup(entry);
    w.addButton("?Change", "&Change").setDefault();
    w.addButton("?View", "&View");
    w.addButton("?Duplicate", "D&uplicate");
    w.addButton("?Delete", "&Delete");
    w.addButton("?Close", "Close", ButtonRole::Close);
    w.addButton("?Help", "&Help", ButtonRole::Help);
    onAccepted("?PONumber:Lookup", [this] { lookUp(); });
    onAccepted("?Change", [this] { act(changeOrder); });
    onAccepted("?View", [this] { act(viewOrder); });
    onAccepted("?Delete", [this] {
      if (act(deleteOrder) == crv::RequestCompleted) number_ = "";
    });
    onAccepted("?Duplicate", [this] {
      const crv::Id order = chosenOrder();
      if (order == 0) return Level::Notify;
      if (duplicatePurchaseOrder(order) != 0) number_ = crv::POM.PONumber;
      select("?PONumber");
      return Level::Notify;
    });
  }

 private:
  void lookUp() {
    crv::GlobalRequest = crv::SelectRecord;
    OrderLookup lookup;
    if (lookup.run() == crv::RequestCompleted) number_ = crv::POM.PONumber;
    select("?PONumber");
  }

  // The order whose number was typed; 0 after telling the person there is
  // none.
  crv::Id chosenOrder() {
    crv::PrivateTable<crv::POMasterRecord> orders(crv::POMaster);
    orders.rec.PONumber = crv::trim(number_.view());
    if (!number_.empty() && orders.fetch(crv::POMasterRecord::KeyPONumber)) return orders.rec.POID;
    crv::message(number_.empty() ? std::string("Type the number of a purchase order.")
                                 : "There is no purchase order numbered " + number_.str() + ".",
                 "Purchase Order Not Found", crv::Icon::Exclamation);
    select("?PONumber");
    return 0;
  }

  // Runs one of the order requests on the typed order; answers its
  // response.
  int act(int (*action)(crv::Id)) {
    const crv::Id order = chosenOrder();
    const int response = order != 0 ? action(order) : crv::RequestCancelled;
    window().touch();
    select("?PONumber");
    return response;
  }

  crv::Text<15> number_;
};

}  // namespace

void openPOMaster() { OpenPOMasterWindow().run(); }

}  // namespace crvpo

extern "C" void OpenPOMaster() { crvpo::openPOMaster(); }

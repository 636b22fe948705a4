// The window that prints one purchase order, and the print run after it.
#include "host/app/print_purchase_order.h"

#include <algorithm>
#include <memory>

#include "host/app/preview_setting.h"
#include "host/data/shared_values.h"
#include "host/data/tables/purchasing_tables.h"
#include "host/framework/services/global_request.h"
#include "host/framework/services/message_box.h"
#include "host/framework/values/text.h"
#include "host/siblings/lookup_list.h"

namespace crv {

using ui::Binding;
using ui::ButtonRole;
using ui::Level;

namespace {

std::unique_ptr<ui::BrowseClass> orderList() {
  auto list = std::make_unique<ui::BrowseClass>(POMaster, siblings::LookupList::pageRows);
  list->addColumn("Number", "PONumber", "@s15");
  list->addColumn("Vendor", "VendorID", "@n6");
  list->addColumn("Issued", "IssueDate", "@d2");
  list->addColumn("Amount", "POAmount", "@n-15.2");
  list->addSort(ui::BrowseSort(POMasterRecord::KeyPONumber, "by Number"));
  return list;
}

// The company's orders by number, to pick one from.
class PurchaseOrderLookup final : public siblings::LookupList {
 public:
  PurchaseOrderLookup()
      : LookupList("SelectPurchaseOrder", orderList(), {"Purchase Orders", "Select a Purchase Order"}) {}
};

}  // namespace

PrintPurchaseOrderWindow::PrintPurchaseOrderWindow() : WindowManager("PrintPurchaseOrder") {
  ui::Window& w = window();
  w.setTitle("Print a Purchase Order");
  w.setIcon("print");
  w.setHelp("html/Print_Purchase_Order.htm");
  ui::Control& entry =
      w.addField("Purchase &Order Number:", "?PONumber", Binding::local(number_, "LOC:PONumber"), "@s15");
  entry.setRequired();
  w.addLookup(entry);
  w.addButton("?OK", "OK", ButtonRole::Ok).setDefault();
  w.addButton("?Cancel", "Cancel", ButtonRole::Cancel);
  w.addButton("?Help", "&Help", ButtonRole::Help);
  onAccepted("?PONumber:Lookup", [this] { lookUp(); });
}

void PrintPurchaseOrderWindow::lookUp() {
  const int request = GlobalRequest;
  GlobalRequest = SelectRecord;
  PurchaseOrderLookup lookup;
  const bool chosen = lookup.run() == RequestCompleted;
  GlobalRequest = request;
  if (chosen) number_ = POM.PONumber.view();
  window().touch();
  select("?PONumber");
}

Level PrintPurchaseOrderWindow::validate() {
  const std::string number(trimLeft(number_.view()));
  POMaster.open();
  const bool found = !number.empty() &&
                     fetchBy(POMaster, POMasterRecord::KeyPONumber, POM.PONumber, number) == TableStatus::Ok;
  POMaster.close();
  if (!found) {
    message(number.empty() ? std::string("Type the number of the purchase order to print.")
                           : "There is no purchase order numbered " + number + ".",
            "Purchase Order Not Found", Icon::Exclamation);
    return stayOn("?PONumber");
  }
  chosen_ = POM.POID;
  return Level::Benign;
}

void printPurchaseOrder(const std::function<void()>& printEntry) {
  GlobalRequest = 0;
  PrintPurchaseOrderWindow window;
  if (window.run() != RequestCompleted || window.chosenOrder() == 0) return;
  // The print entry reads what to print from DecimalVariable (an order's
  // POID).
  DecimalVariable = Amount(static_cast<std::int64_t>(window.chosenOrder()));
  runWithPreview(true, printEntry);
}

}  // namespace crv

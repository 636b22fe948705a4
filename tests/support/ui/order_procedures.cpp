// Small procedures over the purchase-order tables for tests and example
// scripts.
#include "support/ui/order_procedures.h"

#include "host/data/tables/purchasing_tables.h"
#include "host/framework/services/global_request.h"
#include "host/framework/services/message_box.h"
#include "host/framework/ui/row_list_model.h"
#include "host/framework/ui/window_manager.h"

namespace crv::test {
namespace {

using ui::Binding;
using ui::ButtonRole;
using ui::Control;
using ui::ControlKind;
using ui::Level;
using ui::RowListModel;
using ui::WindowManager;

struct Vendor {
  unsigned id;
  const char* name;
};
constexpr Vendor vendors[] = {{101, "Acme Supply"}, {102, "Bolt Brothers"}, {205, "Concrete Co"}};

const char* vendorName(unsigned id) {
  for (const auto& v : vendors)
    if (v.id == id) return v.name;
  return nullptr;
}

class UpdateOrder final : public WindowManager {
 public:
  UpdateOrder() : WindowManager("UpdateOrder") {
    addTable(POMaster, true);
    setTitleFor(InsertRecord, "Adding a Purchase Order");
    setTitleFor(ChangeRecord, "Changing a Purchase Order");
    setTitleFor(DeleteRecord, "Deleting a Purchase Order");
    setTitleFor(ViewRecord, "Viewing a Purchase Order");
    window().setTitle("Update the POMaster File");
    window().setHelp("html/orders.htm", "order_form");

    window()
        .addField("&PO Number:", "?POM:PONumber", Binding::field(POM, POM.PONumber), "@s15")
        .setRequired();
    Control& vendor =
        window().addField("&Vendor:", "?POM:VendorID", Binding::field(POM, POM.VendorID), "@n_6b");
    window().addLookup(vendor);
    window().addString("?VendorName", "").bind(Binding::local(vendorName_, "LOC:VendorName"));
    Control& issued =
        window().addField("&Issue Date:", "?POM:IssueDate", Binding::field(POM, POM.IssueDate), "@d1b");
    window().addLookup(issued, ButtonRole::Calendar);
    window().addField("&Amount:", "?POM:POAmount", Binding::field(POM, POM.POAmount), "@n-14.2");
    window().addCheck("?POM:Taxable", "&Taxable", Binding::field(POM, POM.Taxable));
    window().addPrompt("?POM:ShipToType:Prompt", "Ship To:");
    window().addDropList("?POM:ShipToType", Binding::field(POM, POM.ShipToType), "Job|Vendor|Customer");
    window().addButton("?Notes", "&Notes");
    window().addButton("?OK", "OK", ButtonRole::Ok).setDefault();
    window().addButton("?Cancel", "Cancel", ButtonRole::Cancel);
    window().addButton("?Help", "Help", ButtonRole::Help);

    recordHistory({"?POM:PONumber", "?POM:POAmount"});
    useTypeAhead("UpdateOrder", {"?POM:PONumber"});
    checkSpelling({"?POM:PONumber"});

    onAccepted("?POM:VendorID", [this] { return vendorAccepted(); });
    onAccepted("?POM:VendorID:Lookup", [this] {
      GlobalRequest = SelectRecord;
      pickVendor();
      if (GlobalResponse == RequestCompleted) {
        POM.VendorID = orderLog().pickedVendor;
        return takeAccepted(control("?POM:VendorID"));
      }
      return Level::Benign;
    });
    onAccepted("?POM:POAmount", [this] {
      // A check that also runs in the accept-all pass.
      if (POM.POAmount.isNegative()) {
        message("The amount cannot be negative.", "Invalid Amount", Icon::Exclamation);
        return Level::Notify;
      }
      return Level::Benign;
    });
    onAccepted("?Notes", [] {
      GlobalRequest = InsertRecord;
      updateNote();
    });
  }

 protected:
  void primeFields() override {
    POM.IssueDate = Date::compose(7, 4, 2024);
    POM.Taxable = 1;
    POM.ShipToType = "Job";
  }

  Level opening() override {
    const char* name = vendorName(POM.VendorID);
    vendorName_ = name ? name : "";
    return Level::Benign;
  }

  Level validate() override {
    if (POM.PONumber == "VOID") {
      message("VOID is not an order number.", "Invalid Number", Icon::Stop);
      select("?POM:PONumber");
      return Level::Notify;
    }
    return Level::Benign;
  }

 private:
  Level vendorAccepted() {
    if (acceptingAll()) {
      ++orderLog().vendorSkips;
      return Level::Benign;
    }
    ++orderLog().vendorLookups;
    const char* name = vendorName(POM.VendorID);
    if (!name && POM.VendorID != 0) {
      message("There is no vendor " + std::to_string(POM.VendorID) + ".", "Unknown Vendor",
              Icon::Information);
      POM.VendorID = 0;
      vendorName_.clear();
      select("?POM:VendorID");
      return Level::Notify;
    }
    vendorName_ = name ? name : "";
    return Level::Benign;
  }

  std::string vendorName_;
};

class PickVendor final : public WindowManager {
 public:
  PickVendor() : WindowManager("PickVendor"), list_({"ID", "Vendor"}) {
    window().setTitle("Vendors");
    for (const auto& v : vendors) list_.addRow({std::to_string(v.id), v.name});
    window().addList("?List", &list_).setColumns({{"ID", 6, Picture::parse("@n6")}, {"Vendor", 30, {}}});
    Control& choose = window().addButton("?Select", "&Select", ButtonRole::Ok);
    choose.setHidden(request() != SelectRecord);
    window().addButton("?Close", "Close", ButtonRole::Close);
  }

 protected:
  Level validate() override {
    if (list_.current() >= 0) orderLog().pickedVendor = vendors[list_.current()].id;
    return Level::Benign;
  }

 private:
  RowListModel list_;
};

class UpdateNote final : public WindowManager {
 public:
  UpdateNote() : WindowManager("UpdateNote") {
    window().setTitle("Add a Note");
    window().addField("&Heading:", "?LOC:Heading", Binding::local(heading_, "LOC:Heading"), "@s20");
    Control& vendor =
        window().addField("&Vendor:", "?LOC:Vendor", Binding::local(vendor_, "LOC:Vendor"), "@n_6b");
    window().addLookup(vendor);
    window().addButton("?OK", "OK", ButtonRole::Ok);
    window().addButton("?Cancel", "Cancel", ButtonRole::Cancel);
    onAccepted("?LOC:Vendor:Lookup", [this] {
      GlobalRequest = SelectRecord;
      pickVendor();
      if (GlobalResponse == RequestCompleted) vendor_ = orderLog().pickedVendor;
    });
  }

 private:
  Text<20> heading_;
  Id vendor_ = 0;
};

class BrowseOrders final : public WindowManager {
 public:
  BrowseOrders() : WindowManager("BrowseOrders"), list_({"PO Number", "Vendor", "Amount"}) {
    addTable(POMaster);
    window().setTitle("Purchase Orders");
    window().addList("?List", &list_);
    window().addButton("?Insert", "&Insert");
    window().addButton("?Change", "&Change");
    window().addButton("?Delete", "&Delete");
    window().addButton("?View", "&View");
    window().addButton("?Close", "Close", ButtonRole::Close);
    onAccepted("?Insert", [this] { callForm(InsertRecord); });
    onAccepted("?Change", [this] { callForm(ChangeRecord); });
    onAccepted("?Delete", [this] { callForm(DeleteRecord); });
    onAccepted("?View", [this] { callForm(ViewRecord); });
  }

 protected:
  Level opening() override {
    load();
    return Level::Benign;
  }

 private:
  void load() {
    list_.clear();
    ids_.clear();
    POMaster.set(POMasterRecord::KeyPONumber);
    while (POMaster.next() == TableStatus::Ok) {
      list_.addRow({POM.PONumber.str(), std::to_string(POM.VendorID), POM.POAmount.toString()});
      ids_.push_back(POM.POID);
    }
  }

  void callForm(int request) {
    if (request != InsertRecord) {
      if (list_.current() < 0) return;
      POM.POID = ids_[static_cast<std::size_t>(list_.current())];
      if (POMaster.fetch(POMasterRecord::KeyPOID) != TableStatus::Ok) return;
    }
    GlobalRequest = request;
    updateOrder();
    load();
  }

  RowListModel list_;
  std::vector<Id> ids_;
};

class RunCount final : public WindowManager {
 public:
  RunCount() : WindowManager("RunCount") {
    window().setTitle("Counting");
    window().setTimer(1);
    window().add(ControlKind::Progress, "?Progress");
    window().addButton("?Cancel", "Cancel", ButtonRole::Cancel);
  }

 protected:
  Level takeTimer() override {
    ++orderLog().processSteps;
    control("?Progress").setProgress(orderLog().processSteps * 10);
    if (orderLog().processSteps == 10) complete(RequestCompleted);
    return Level::Benign;
  }
};

}  // namespace

OrderProcedureLog& orderLog() {
  static OrderProcedureLog log;
  return log;
}

void updateOrder() { UpdateOrder().run(); }
void browseOrders() { BrowseOrders().run(); }
void pickVendor() { PickVendor().run(); }
void updateNote() { UpdateNote().run(); }
void runCount() { RunCount().run(); }

ui::ProcedureMap orderProcedures() {
  return {{"UpdateOrder", updateOrder},
          {"BrowseOrders", browseOrders},
          {"PickVendor", pickVendor},
          {"UpdateNote", updateNote},
          {"RunCount", runCount}};
}

}  // namespace crv::test

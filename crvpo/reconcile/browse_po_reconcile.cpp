// The list of orders to reconcile with a packing slip.
#include "crvpo/reconcile/browse_po_reconcile.h"

#include <memory>
#include <string>

#include "crvpo/foundation/list_stripes.h"
#include "crvpo/reconcile/update_po_reconcile.h"
#include "host/data/shared_values.h"
#include "host/data/tables/payables_tables.h"
#include "host/data/tables/purchasing_tables.h"
#include "host/framework/services/global_request.h"
#include "host/framework/table/private_table.h"
#include "host/framework/ui/browse_component.h"
#include "host/framework/ui/window_manager.h"
#include "host/framework/values/picture.h"

namespace crvpo {
namespace {

using crv::ui::Binding;
using crv::ui::ButtonRole;
using crv::ui::ListColumn;

constexpr int pageRows = 14;

// Orders by PO number with their vendor's name and what is left of them
// to reconcile.
class ReconcileList final : public StripedBrowse {
 public:
  ReconcileList() : StripedBrowse(crv::POMaster, pageRows), vendors_(crv::APVendor) {
    addColumn("ID", "VendorID", "@n_6");
    vendorName_ = addComputedColumn("Vendor Name", "@s35");
    addColumn("PO Number", "PONumber", "@s12");
    addColumn("Issue Date", "IssueDate", "@d1b");
    if (!crv::GENERIC) addColumn("Job", "DefaultJob", "@s10");
    addColumn("Amount", "POAmount", "@n-14.2b");
    remaining_ = addComputedColumn("Remaining", "@n-21.2b");
    addSort(crv::ui::BrowseSort(crv::POMasterRecord::KeySortPONumber, "by PO Number"));
    setUpdateProcedure([] { updatePOReconcile(); });
  }

 protected:
  void setQueueRecord(crv::ui::BrowseRow& row) override {
    BrowseClass::setQueueRecord(row);
    vendors_.rec.clear();
    vendors_.rec.VendorID = crv::POM.VendorID;
    row.setText(vendorName_,
                vendors_.fetch(crv::APVendorRecord::KeyVendorID) ? vendors_.rec.VendorName.str() : "");
    const crv::Amount remaining = crv::POM.POAmount - crv::POM.AmountReconciled;  // LOC:Remaining
    row.setText(remaining_, crv::Picture::parse("@n-21.2b").format(remaining));
  }

 private:
  crv::PrivateTable<crv::APVendorRecord> vendors_;
  int vendorName_ = 0;
  int remaining_ = 0;
};

class BrowsePOReconcileWindow final : public crv::ui::WindowManager {
 public:
  BrowsePOReconcileWindow() : WindowManager("BrowsePOReconcile"), component_(list_, "?Browse", buttons()) {
    addTable(crv::POMaster);
    crv::ui::Window& w = window();
    w.setTitle("Reconcile Purchase Orders with Packing Slip");
    w.setIcon("reconcile");
    w.setHelp("html/PO_Reconcile_Purchase_Orders.htm");
    crv::ui::Control& locator =
        w.addField("&Locate:", "?Locator", Binding::local(locator_, "LOC:Locator"), "@s20").setImmediate();
    w.addList("?Browse", &list_).setColumns(columns());
    w.addButton("?Reconcile", "&Reconcile").setDefault().setHidden(request() == crv::ViewRecord);
    w.addButton("?Close", "Close", ButtonRole::Close);
    w.addButton("?Help", "Help", ButtonRole::Help);
    w.select(locator);
    component_.setLocator("?Locator");
    addComponent(component_);
  }

 private:
  crv::ui::BrowseComponent::Buttons buttons() const {
    crv::ui::BrowseComponent::Buttons b;
    if (request() != crv::ViewRecord) b.change = "?Reconcile";
    return b;
  }

  // Without job cost the list has no job column; its room goes to the
  // vendor's name.
  std::vector<ListColumn> columns() const {
    std::vector<ListColumn> shown;
    for (int i = 0; i < list_.columnCount(); ++i)
      shown.push_back({list_.header(i), 0, list_.column(i).picture});
    if (crv::GENERIC) shown.at(1).width = 45;
    return shown;
  }

  ReconcileList list_;
  crv::ui::BrowseComponent component_;
  std::string locator_;
};

}  // namespace

void browsePOReconcile() {
  BrowsePOReconcileWindow procedure;
  procedure.run();
}

}  // namespace crvpo

extern "C" void BrowsePOReconcile() { crvpo::browsePOReconcile(); }

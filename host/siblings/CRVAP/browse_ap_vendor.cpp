// The vendor list.
#include "host/siblings/CRVAP/browse_ap_vendor.h"

#include "host/data/tables/payables_tables.h"
#include "host/framework/services/global_request.h"
#include "host/siblings/CRVAP/update_ap_vendor.h"

namespace crv::siblings {
namespace {

constexpr int pageRows = 14;

class VendorList final : public ui::BrowseClass {
 public:
  VendorList() : BrowseClass(APVendor, pageRows) {
    addColumn("Vendor Name", "VendorName", "@s40");
    addColumn("Vendor ID", "VendorID", "@n_6");
    addColumn("City", "City", "@s20");
    addColumn("Phone", "Phone", "@s20");
    status_ = addComputedColumn("Status", "@s8");
    addSort(ui::BrowseSort(APVendorRecord::KeyVendorName, "by Name"));
    addSort(ui::BrowseSort(APVendorRecord::KeyVendorID, "by Vendor ID"));
    setUpdateProcedure([] { UpdateAPVendor(); });
  }

 protected:
  void setQueueRecord(ui::BrowseRow& row) override {
    BrowseClass::setQueueRecord(row);
    // Inactive vendors are greyed so they stand out from the ones in use.
    const bool inactive = APV.Active == 0;
    row.setText(status_, inactive ? "Inactive" : "");
    if (inactive) {
      row.setColors(0x808080u);
      row.setIcon(0, "inactive");
    }
  }

 private:
  int status_ = 0;
};

ui::BrowseComponent::Buttons vendorButtons() {
  ui::BrowseComponent::Buttons b;
  b.insert = "?Insert";
  b.change = "?Change";
  b.remove = "?Delete";
  b.select = "?Select";
  return b;
}

}  // namespace

BrowseAPVendorWindow::BrowseAPVendorWindow()
    : WindowManager("BrowseAPVendor"),
      browse_(std::make_unique<VendorList>()),
      component_(*browse_, "?Browse", vendorButtons()) {
  addTable(APVendor);
  window().setTitle("Vendors");
  window().setIcon("vendors");
  window().setHelp("html/AP_Vendors.htm");
  setTitleFor(SelectRecord, "Select a Vendor");

  ui::Control& sheet = window().add(ui::ControlKind::Sheet, "?Sorts");
  window().add(ui::ControlKind::Tab, "?Sorts:Tab1", "&Name").in(sheet);
  window().add(ui::ControlKind::Tab, "?Sorts:Tab2", "&Vendor ID").in(sheet);
  sheet.choose(0);

  ui::Control& locator =
      window().addField("&Locate:", "?Locator", ui::Binding::local(locator_, "LOC:Locator")).setImmediate();
  window().addList("?Browse", browse_.get());
  window().addButton("?Select", "&Select").setDefault();
  window().addButton("?Insert", "&Insert");
  window().addButton("?Change", "&Change");
  window().addButton("?Delete", "&Delete");
  window().addButton("?Help", "&Help", ui::ButtonRole::Help);
  window().addButton("?Close", request() == SelectRecord ? "Cancel" : "Close", ui::ButtonRole::Close);
  window().select(locator);
  component_.setLocator("?Locator").setSortTabs("?Sorts");
  addComponent(component_);
}

BrowseAPVendorWindow::~BrowseAPVendorWindow() = default;

ui::Level BrowseAPVendorWindow::takeWindowEvent(const ui::Event& event) {
  // A lookup opens on the caller's vendor, so that the person sees it and
  // its neighbours by name.
  if (event.kind == ui::EventKind::OpenWindow && request() == SelectRecord && APV.VendorID != 0 &&
      APVendor.fetch(APVendorRecord::KeyVendorID) == TableStatus::Ok)
    browse_->resetFromBuffer();
  return WindowManager::takeWindowEvent(event);
}

}  // namespace crv::siblings

void BrowseAPVendor() { crv::siblings::BrowseAPVendorWindow().run(); }

// Vendor-item records by vendor or by item.
#include "host/siblings/CRVIN/browse_in_vendor.h"

#include <charconv>
#include <memory>
#include <string>

#include "host/data/shared_values.h"
#include "host/data/tables/inventory_tables.h"
#include "host/data/tables/payables_tables.h"
#include "host/framework/table/private_table.h"
#include "host/framework/values/text.h"

namespace crv::siblings {
namespace {

constexpr std::string_view vendorPrefix = "Vendor ";

// The records one vendor supplies, with each item's description.
class VendorItemList final : public ui::BrowseClass {
 public:
  explicit VendorItemList(Id vendor) : BrowseClass(INVendor, LookupList::pageRows), items_(INMaster) {
    addColumn("Item ID", "ItemID", "@s15");
    description_ = addComputedColumn("Description", "@s40");
    addColumn("Catalog No.", "VendorCatalogID", "@s20");
    addColumn("Unit", "UnitName", "@s8");
    addColumn("Price", "Price", "@n-15.5");
    addColumn("Min. Order", "MinimumOrder", "@n-15.4");
    addSort(ui::BrowseSort(INVendorRecord::KeyVendorID, "by Item ID").fix(vendor));
  }

 protected:
  void setQueueRecord(ui::BrowseRow& row) override {
    BrowseClass::setQueueRecord(row);
    items_.rec.clear();
    items_.rec.ItemID = INV.ItemID;
    if (items_.fetch(INMasterRecord::KeyItemID)) row.setText(description_, items_.rec.Description.str());
  }

 private:
  PrivateTable<INMasterRecord> items_;
  int description_ = 0;
};

// The vendors of one item, first choice first, with each vendor's name.
class ItemVendorList final : public ui::BrowseClass {
 public:
  explicit ItemVendorList(std::string item)
      : BrowseClass(INVendor, LookupList::pageRows), vendors_(APVendor) {
    addColumn("Priority", "Priority", "@n3");
    addColumn("Vendor", "VendorID", "@n6");
    name_ = addComputedColumn("Name", "@s40");
    addColumn("Catalog No.", "VendorCatalogID", "@s20");
    addColumn("Unit", "UnitName", "@s8");
    addColumn("Price", "Price", "@n-15.5");
    addColumn("Min. Order", "MinimumOrder", "@n-15.4");
    addSort(ui::BrowseSort(INVendorRecord::KeyItemID, "by Priority").fix(std::move(item)));
  }

 protected:
  void setQueueRecord(ui::BrowseRow& row) override {
    BrowseClass::setQueueRecord(row);
    vendors_.rec.clear();
    vendors_.rec.VendorID = INV.VendorID;
    if (vendors_.fetch(APVendorRecord::KeyVendorID)) row.setText(name_, vendors_.rec.VendorName.str());
  }

 private:
  PrivateTable<APVendorRecord> vendors_;
  int name_ = 0;
};

std::unique_ptr<ui::BrowseClass> listFor(const std::optional<Id>& vendor) {
  if (vendor) return std::make_unique<VendorItemList>(*vendor);
  return std::make_unique<ItemVendorList>(INM.ItemID.str());
}

LookupList::Titles titlesFor(const std::optional<Id>& vendor) {
  if (vendor) {
    const std::string number = std::to_string(*vendor);
    return {"Items from Vendor " + number, "Select an Item from Vendor " + number};
  }
  return {"Vendors of Item " + INM.ItemID.str(), "Select a Vendor of Item " + INM.ItemID.str()};
}

}  // namespace

std::optional<Id> BrowseINVendorWindow::vendorFrom(std::string_view filter) {
  const std::string_view text = trim(filter);
  if (text.substr(0, vendorPrefix.size()) != vendorPrefix) return std::nullopt;
  const std::string_view digits = trim(text.substr(vendorPrefix.size()));
  Id vendor = 0;
  const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), vendor);
  if (error != std::errc() || end != digits.data() + digits.size()) return Id(0);
  return vendor;
}

BrowseINVendorWindow::BrowseINVendorWindow()
    : LookupList("BrowseINVendor", listFor(vendorFrom(REPORTFILTER.view())),
                 titlesFor(vendorFrom(REPORTFILTER.view()))) {}

}  // namespace crv::siblings

void BrowseINVendor() { crv::siblings::BrowseINVendorWindow().run(); }

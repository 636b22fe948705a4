// The priority-vendor list of a form.
#include "crvpo/entry/priority_vendor_list.h"

#include "host/data/tables/inventory_tables.h"
#include "host/data/tables/payables_tables.h"
#include "host/framework/services/global_request.h"
#include "host/framework/table/private_table.h"
#include "host/framework/ui/window_manager.h"
#include "host/framework/values/picture.h"
#include "host/siblings/CRVIN/update_in_vendor.h"

namespace crvpo {

using crv::TableStatus;
using crv::ui::Level;

PriorityVendorList::PriorityVendorList(Taken taken)
    : taken_(std::move(taken)), rows_({"Priority", "Vendor", "", "Price", "Min. Order"}) {}

void PriorityVendorList::addControls(crv::ui::Window& w, crv::ui::Control& group) {
  w.addList("?PriorityList", &rows_)
      .setColumns({{"Priority", 3, crv::Picture::parse("@n3")},
                   {"Vendor", 6, {}},
                   {"", 30, {}},
                   {"Price", 30, {}},
                   {"Min. Order", 15, {}}})
      .in(group);
  w.addButton("?Select", "&Select").in(group);
  w.addButton("?Add", "&Add").in(group);
  w.addButton("?Change", "&Change").in(group);
}

void PriorityVendorList::show(std::string_view item) {
  item_ = item;
  rows_.clear();
  records_.clear();
  if (item_.empty()) return;
  crv::PrivateTable<crv::INVendorRecord> items(crv::INVendor);
  crv::PrivateTable<crv::APVendorRecord> vendor(crv::APVendor);
  items.rec.ItemID = item_;
  if (!items.isOpen() || items.table.setRange(crv::INVendorRecord::KeyItemID, 1) != TableStatus::Ok) return;
  while (items.table.next() == TableStatus::Ok) {
    vendor.rec.clear();
    vendor.rec.VendorID = items.rec.VendorID;
    const std::string name =
        vendor.fetch(crv::APVendorRecord::KeyVendorID) ? vendor.rec.VendorName.str() : "";
    const std::string price = "$" + crv::Picture::parse("@n_12.2").formatTrimmed(items.rec.Price) + " per " +
                              items.rec.UnitName.str();
    rows_.addRow({crv::Picture::parse("@n3").format(items.rec.Priority), std::to_string(items.rec.VendorID),
                  name, price, crv::Picture::parse("@n-15.4").format(items.rec.MinimumOrder)});
    records_.push_back(items.rec.RecordID);
  }
  if (!records_.empty()) rows_.setCurrent(0);
}

void PriorityVendorList::lock() { locked_ = true; }

bool PriorityVendorList::readHighlighted() {
  const int row = rows_.current();
  if (row < 0 || row >= static_cast<int>(records_.size())) return false;
  return crv::fetchBy(crv::INVendor, crv::INVendorRecord::KeyRecordID, crv::INV.RecordID,
                      records_[static_cast<std::size_t>(row)]) == TableStatus::Ok;
}

Level PriorityVendorList::take() {
  if (locked_ || !readHighlighted()) return Level::Notify;
  const Level level = taken_();
  return level == Level::Benign ? Level::Notify : level;
}

Level PriorityVendorList::edit(crv::ui::WindowManager& manager, bool add) {
  if (locked_ || item_.empty()) return Level::Notify;
  if (crv::fetchBy(crv::INMaster, crv::INMasterRecord::KeyItemID, crv::INM.ItemID, item_) != TableStatus::Ok)
    return Level::Notify;
  if (add) {
    crv::INV.clear();
  } else if (!readHighlighted()) {
    return Level::Notify;
  }
  crv::GlobalRequest = add ? crv::InsertRecord : crv::ChangeRecord;
  UpdateINVendor();
  manager.resetComponents();
  show(item_.view());
  return Level::Notify;
}

Level PriorityVendorList::takeEvent(crv::ui::WindowManager& manager, const crv::ui::Event& event) {
  if (event.kind != crv::ui::EventKind::Accepted || !event.control) return Level::Benign;
  const crv::ui::Control& control = *event.control;
  if (control.is("?Select") || control.is("?PriorityList")) return take();
  if (control.is("?Add")) return edit(manager, true);
  if (control.is("?Change")) return edit(manager, false);
  return Level::Benign;
}

}  // namespace crvpo

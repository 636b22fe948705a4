// The duplicate dialog and the Duplicate action of the order lists.
#include "crvpo/entry/duplicate_po.h"

#include "crvpo/entry/entry_state.h"
#include "crvpo/entry/purchase_order_duplication.h"
#include "host/data/tables/payables_tables.h"
#include "host/data/tables/purchasing_tables.h"
#include "host/data/tables/suite_tables.h"
#include "host/framework/services/global_request.h"
#include "host/framework/table/private_table.h"
#include "host/framework/ui/window_manager.h"

namespace crvpo {
namespace {

using crv::ui::Binding;
using crv::ui::ButtonRole;
using crv::ui::Control;
using crv::ui::ControlKind;

class DuplicatePOWindow final : public crv::ui::WindowManager {
 public:
  DuplicatePOWindow() : WindowManager("DuplicatePO") {
    crv::ui::Window& w = window();
    w.setTitle("Duplicate Purchase Order");
    w.setHelp("html/PO_Enter_Purchase_Orders.htm", "duplicate_purchase_order");
    w.addString("?Explanation",
                "This will create a new, unreconciled purchase order that is an exact duplicate of the "
                "highlighted purchase order.");
    w.addPrompt("?VendorNameNum:Prompt", "Vendor:");
    w.addString("?VendorNameNum", "").bind(Binding::local(entryState().VendorNameNum, "VendorNameNum"));

    Control& original = w.add(ControlKind::Group, "?Original", "Original Purchase Order");
    Control& copy = w.add(ControlKind::Group, "?New", "New Purchase Order");
    DuplicateProposal& chosen = entryState().Duplicate;
    row(original, copy, "PO Number", "PONumber", Binding::field(crv::POM, crv::POM.PONumber),
        Binding::local(chosen.PONumber, "MOD:PONumber"), "@s15");
    row(original, copy, "Issue Date", "IssueDate", Binding::field(crv::POM, crv::POM.IssueDate),
        Binding::local(chosen.IssueDate, "MOD:IssueDate"), "@d1b");
    row(original, copy, "Accept Date", "DeliverAfterDate",
        Binding::field(crv::POM, crv::POM.DeliverAfterDate),
        Binding::local(chosen.DeliverAfterDate, "MOD:DeliverAfterDate"), "@d1b");
    row(original, copy, "Delivery Date", "DeliveryDate", Binding::field(crv::POM, crv::POM.DeliveryDate),
        Binding::local(chosen.DeliveryDate, "MOD:DeliveryDate"), "@d1b");
    row(original, copy, "Deadline Date", "DeadlineDate", Binding::field(crv::POM, crv::POM.DeadlineDate),
        Binding::local(chosen.DeadlineDate, "MOD:DeadlineDate"), "@d1b");

    w.addButton("?Proceed", "&Proceed").setDefault();
    w.addButton("?Cancel", "&Cancel", ButtonRole::Cancel);
    useTypeAhead("DuplicatePO", {"?MOD:PONumber"});
    onAccepted("?Proceed", [this] {
      entryState().DuplicateProceed = true;
      complete(crv::RequestCompleted);
    });
    showRow("DeliverAfterDate", crv::SYS.POShowAcceptDate != 0);
    showRow("DeliveryDate", crv::SYS.POShowDeliveryDate != 0);
    showRow("DeadlineDate", crv::SYS.POShowDeadlineDate != 0);
    select("?MOD:PONumber");
  }

 private:
  // One row: the source order's value on the left, the copy's entry (with
  // a calendar for a date) on the right.
  void row(Control& original, Control& copy, const std::string& prompt, const std::string& field,
           Binding source, Binding chosen, std::string_view picture) {
    crv::ui::Window& w = window();
    Control& shown = w.addField(prompt + ":", "?POM:" + field, std::move(source), picture).in(original);
    shown.prompt()->in(original);
    shown.setReadOnly(true);
    Control& entry = w.addField(prompt + ":", "?MOD:" + field, std::move(chosen), picture).in(copy);
    entry.prompt()->in(copy);
    if (picture.starts_with("@d")) {
      w.addLookup(entry, ButtonRole::Calendar);
      entry.lookupButton()->in(copy);
    }
  }
  void showRow(const std::string& field, bool shown) {
    window().setFieldHidden("?POM:" + field, !shown);
    window().setFieldHidden("?MOD:" + field, !shown);
  }
};

// Steps 1 and 2 of the action: the source order in POM, the settings in
// SYS, the proposal and the vendor line in the entry values.
bool prepare(crv::Id source) {
  crv::POM.clear();
  crv::POM.POID = source;
  crv::PrivateTable<crv::POMasterRecord> orders(crv::POMaster);
  orders.rec.POID = source;
  if (!orders.fetch(crv::POMasterRecord::KeyPOID)) return false;
  crv::POM = orders.rec;
  crv::SYS.clear();
  crv::PrivateTable<crv::SystemsRecord> systems(crv::Systems);
  if (systems.isOpen() && systems.table.set(crv::SystemsRecord::KeySystemID) == crv::TableStatus::Ok &&
      systems.table.next() == crv::TableStatus::Ok)
    crv::SYS = systems.rec;
  EntryState& state = entryState();
  state.DuplicateProceed = false;
  state.Duplicate = PurchaseOrderDuplication::propose(crv::POM, crv::SYS, crv::Date::today());
  crv::PrivateTable<crv::APVendorRecord> vendor(crv::APVendor);
  vendor.rec.VendorID = crv::POM.VendorID;
  const std::string name = vendor.fetch(crv::APVendorRecord::KeyVendorID) ? vendor.rec.VendorName.str() : "";
  state.VendorNameNum = "(" + std::to_string(crv::POM.VendorID) + ") " + name;
  return true;
}

}  // namespace

void duplicatePO() { DuplicatePOWindow().run(); }

crv::Id duplicatePurchaseOrder(crv::Id source) {
  crv::Connection* connection = crv::POMaster.connection();
  if (!connection || !prepare(source)) return 0;
  const crv::Id proposedCounter = crv::SYS.AutoPONumber != 0 ? crv::SYS.NextPONumber : 0;
  crv::GlobalRequest = 0;
  duplicatePO();
  if (!entryState().DuplicateProceed) return 0;
  const crv::POMasterRecord original = crv::POM;
  const auto result =
      PurchaseOrderDuplication(*connection).copy(original, entryState().Duplicate, proposedCounter);
  tellUser(result.outcome);
  if (!result.outcome.done) return 0;
  crv::PrivateTable<crv::POMasterRecord> orders(*connection);
  orders.rec.POID = result.copy;
  if (orders.fetch(crv::POMasterRecord::KeyPOID)) crv::POM = orders.rec;
  return result.copy;
}

}  // namespace crvpo

extern "C" void DuplicatePO() { crvpo::duplicatePO(); }

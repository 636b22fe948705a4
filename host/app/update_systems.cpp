// The company settings form.
#include "host/app/update_systems.h"

#include <algorithm>
#include <charconv>

#include "host/data/company_switches.h"
#include "host/data/shared_values.h"
#include "host/data/tables/purchasing_tables.h"
#include "host/data/tables/suite_tables.h"
#include "host/framework/services/global_request.h"
#include "host/framework/services/message_box.h"
#include "host/framework/table/private_table.h"
#include "host/framework/ui/front_end.h"

namespace crv {

using ui::Binding;
using ui::ButtonRole;
using ui::ControlKind;
using ui::Level;

namespace {

ui::Control& field(ui::Control& group, std::string prompt, std::string equate, Binding binding,
                   std::string_view picture) {
  ui::Control& entry =
      group.window().addField(std::move(prompt), std::move(equate), std::move(binding), picture);
  entry.prompt()->in(group);
  return entry.in(group);
}

// Reads the settings row into SYS and answers the request the form runs
// under: a company made before the settings row existed gets one added.
int systemsRequest() {
  Systems.open();
  Systems.set(SystemsRecord::KeySystemID);
  const bool found = Systems.next() == TableStatus::Ok;
  Systems.close();
  return found ? ChangeRecord : InsertRecord;
}

// The highest order number in use among the orders numbered with digits
// only, 0 when there is none.
std::uint64_t highestOrderNumber() {
  PrivateTable<POMasterRecord> orders(POMaster);
  std::uint64_t highest = 0;
  orders.table.set(POMasterRecord::KeyPOID);
  while (orders.table.next() == TableStatus::Ok) {
    const std::string_view number = trim(orders.rec.PONumber.view());
    std::uint64_t value = 0;
    const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value);
    if (!number.empty() && error == std::errc() && end == number.data() + number.size())
      highest = std::max(highest, value);
  }
  return highest;
}

// True when a field the person changed since `opened` was changed on the
// stored row as well, to another value.
bool changedOnBothSides(SystemsRecord& opened, SystemsRecord& edited) {
  PrivateTable<SystemsRecord> stored(Systems);
  if (!readFirst(stored.table, SystemsRecord::KeySystemID)) return false;
  for (std::size_t i = 0; i < edited.layout().size(); ++i) {
    const std::string before = opened.field(i).toString();
    const std::string mine = edited.field(i).toString();
    const std::string theirs = stored.rec.field(i).toString();
    if (mine != before && theirs != before && theirs != mine) return true;
  }
  return false;
}

}  // namespace

UpdateSystemsWindow::UpdateSystemsWindow() : WindowManager("UpdateSystems") {
  addTable(Systems, true);
  ui::Window& w = window();
  w.setTitle("Company Settings");
  w.setIcon("settings");
  w.setHelp("html/Company_Settings.htm");

  ui::Control& company = w.add(ControlKind::Group, "?CompanyGroup", "Company");
  field(company, "Company &Name:", "?SYS:CompanyName", Binding::field(SYS, SYS.CompanyName), "@s40")
      .setRequired();
  field(company, "&Address:", "?SYS:Address1", Binding::field(SYS, SYS.Address1), "@s40");
  field(company, "", "?SYS:Address2", Binding::field(SYS, SYS.Address2), "@s40");
  field(company, "&City:", "?SYS:City", Binding::field(SYS, SYS.City), "@s20");
  field(company, "&State:", "?SYS:State", Binding::field(SYS, SYS.State), "@s2");
  field(company, "&Zip:", "?SYS:Zip", Binding::field(SYS, SYS.Zip), "@s10");
  field(company, "&Phone:", "?SYS:Phone", Binding::field(SYS, SYS.Phone), "@s20");
  field(company, "Fa&x:", "?SYS:Fax", Binding::field(SYS, SYS.Fax), "@s20");

  ui::Control& orders = w.add(ControlKind::Group, "?OrdersGroup", "Purchase Orders");
  w.addCheck("?SYS:AutoPONumber", "Number orders a&utomatically", Binding::field(SYS, SYS.AutoPONumber))
      .in(orders);
  field(orders, "Next &Order Number:", "?SYS:NextPONumber", Binding::field(SYS, SYS.NextPONumber), "@n_9");
  w.addCheck("?SYS:POWarnDuplicateNumber", "&Warn about a duplicate order number",
             Binding::field(SYS, SYS.POWarnDuplicateNumber))
      .in(orders);
  w.addCheck("?SYS:POWarnOverBudget", "Warn when a line goes over &budget",
             Binding::field(SYS, SYS.POWarnOverBudget))
      .in(orders);
  w.addCheck("?SYS:POChangeOrders", "Charge lines to c&hange orders", Binding::field(SYS, SYS.POChangeOrders))
      .in(orders);
  w.addPrompt("?SYS:PODefaultDetailType:Prompt", "Default &Line Type:").in(orders);
  ui::Control& detailType =
      w.addDropList("?SYS:PODefaultDetailType", Binding::field(SYS, SYS.PODefaultDetailType),
                    "Job|G/L Account|Equipment|Inventory|Text")
          .in(orders);
  detailType.setPrompt(*w.find("?SYS:PODefaultDetailType:Prompt"));

  ui::Control& suite = w.add(ControlKind::Group, "?SuiteGroup", "Parts in Use");
  w.addCheck("?SYS:NoJobCost", "Keeps no &job cost", Binding::field(SYS, SYS.NoJobCost)).in(suite);
  w.addCheck("?SYS:InventoryPurchasing", "&Inventory purchasing",
             Binding::field(SYS, SYS.InventoryPurchasing))
      .in(suite);
  w.addCheck("?SYS:EquipmentPurchasing", "&Equipment purchasing",
             Binding::field(SYS, SYS.EquipmentPurchasing))
      .in(suite);
  field(suite, "Purchase Le&vel:", "?SYS:PurchaseLevel", Binding::field(SYS, SYS.PurchaseLevel), "@n1");
  field(suite, "Countr&y:", "?SYS:Country", Binding::field(SYS, SYS.Country), "@s20");

  ui::Control& form = w.add(ControlKind::Group, "?FormGroup", "Purchase Order Form");
  w.addPrompt("?SYS:POFormType:Prompt", "Print &Orders On:").in(form);
  ui::Control& formType = w.addDropList("?SYS:POFormType", Binding::field(SYS, SYS.POFormType), "").in(form);
  formType.setChoices({{"The standard form", "Standard"}, {"The company's designer form", "Formwright"}});
  formType.setPrompt(*w.find("?SYS:POFormType:Prompt"));
  ui::Control& formPath = field(form, "Designer &Form File:", "?SYS:PODesignerForm",
                                Binding::field(SYS, SYS.PODesignerForm), "@s250");
  w.addLookup(formPath);
  field(form, "Report Footer &Message:", "?SYS:ReportFooter", Binding::field(SYS, SYS.ReportFooter), "@s100");

  ui::Control& tax = w.add(ControlKind::Group, "?TaxGroup", "Tax");
  field(tax, "Default &Tax Rate %:", "?SYS:DefaultTaxRate", Binding::field(SYS, SYS.DefaultTaxRate), "@n7.3");
  w.addCheck("?SYS:CanadianTax", "Canadian ta&xes (GST and PST)", Binding::field(SYS, SYS.CanadianTax))
      .in(tax);
  field(tax, "&GST Rate %:", "?SYS:GSTRate", Binding::field(SYS, SYS.GSTRate), "@n7.3");

  w.addButton("?OK", "OK", ButtonRole::Ok).setDefault();
  w.addButton("?Cancel", "Cancel", ButtonRole::Cancel);
  w.addButton("?Help", "&Help", ButtonRole::Help);

  // The GST rate means something only with Canadian taxes.
  onAccepted("?SYS:CanadianTax", [this] { window().setFieldHidden("?SYS:GSTRate", SYS.CanadianTax == 0); });
  onAccepted("?SYS:PODesignerForm:Lookup", [this] { chooseDesignerForm(); });
  recordHistory({"?SYS:CompanyName", "?SYS:NextPONumber", "?SYS:DefaultTaxRate", "?SYS:POFormType",
                 "?SYS:PODesignerForm"});
}

void UpdateSystemsWindow::chooseDesignerForm() {
  ui::FileDialogRequest request;
  request.title = "Designer Form File";
  request.filter = "Report Files|*.crvreport|All Files|*.*";
  const std::filesystem::path current(SYS.PODesignerForm.str());
  request.folder = current.empty() ? std::filesystem::path(DataPath) : current.parent_path();
  const auto chosen = ui::frontEnd().openFiles(request);
  if (!chosen.empty()) SYS.PODesignerForm = chosen.front().string();
  window().touch();
  select("?SYS:PODesignerForm");
}

Level UpdateSystemsWindow::opening() {
  opened_ = SYS;
  window().setFieldHidden("?SYS:GSTRate", SYS.CanadianTax == 0);
  return Level::Benign;
}

Level UpdateSystemsWindow::validate() {
  if (SYS.POFormType == "Formwright" && SYS.PODesignerForm.empty()) {
    message("Printing on the designer form needs the form's file.", "Designer Form", Icon::Exclamation);
    select("?SYS:PODesignerForm");
    return Level::Notify;
  }
  if (SYS.DefaultTaxRate < 0 || SYS.DefaultTaxRate > 100) {
    message("The tax rate is a percentage between 0 and 100.", "Tax Rate", Icon::Exclamation);
    return stayOn("?SYS:DefaultTaxRate");
  }
  if (SYS.PurchaseLevel > 2) {
    message("The purchase level is 0, 1 or 2.", "Purchase Level", Icon::Exclamation);
    return stayOn("?SYS:PurchaseLevel");
  }
  if (SYS.NextPONumber != opened_.NextPONumber) {
    const std::uint64_t highest = highestOrderNumber();
    if (SYS.NextPONumber <= highest) {
      message("The next order number must be above " + std::to_string(highest) +
                  ", the highest order number in use.",
              "Next Order Number", Icon::Exclamation);
      return stayOn("?SYS:NextPONumber");
    }
  }
  return Level::Benign;
}

TableError UpdateSystemsWindow::beforeUpdate() {
  SystemsRecord edited = SYS;
  // A field both stations changed is not decided here: the write then meets
  // the row's new version, and the person is offered the reload that names
  // the field. Changes to different fields are carried over as they are.
  if (changedOnBothSides(opened_, edited)) return {};
  if (!readFirst(Systems, SystemsRecord::KeySystemID)) {
    SYS = edited;
    return Systems.lastError().failed() ? Systems.lastError()
                                        : makeError(ErrorCode::RecordNotFound, "Systems");
  }
  const SystemsRecord current = SYS;
  SYS.applyChanges(opened_, edited);
  // Should the write fail, the next OK compares with the row as read now.
  opened_ = current;
  return {};
}

// The open forms and the next ones follow the settings just saved.
void UpdateSystemsWindow::written() {
  CompanyName = SYS.CompanyName.view();
  setSwitchesFrom(SYS);
}

void updateSystems() {
  GlobalRequest = systemsRequest();
  UpdateSystemsWindow().run();
}

}  // namespace crv

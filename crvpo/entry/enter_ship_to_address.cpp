// The ship-to address dialog.
#include "crvpo/entry/enter_ship_to_address.h"

#include "crvpo/entry/text_case_menu.h"
#include "host/data/tables/purchasing_tables.h"
#include "host/framework/ui/window_manager.h"

namespace crvpo {
namespace {

using crv::ui::Binding;
using crv::ui::ButtonRole;

class EnterShipToAddressWindow final : public crv::ui::WindowManager {
 public:
  EnterShipToAddressWindow() : WindowManager("EnterShipToAddress") {
    crv::ui::Window& w = window();
    w.setTitle("Shipping Information");
    w.setHelp("html/PO_Enter_Purchase_Orders.htm", "shipping_information");
    auto& po = crv::POM;
    w.addField("Name", "?POM:ShipToName", Binding::field(po, po.ShipToName), "@s50");
    w.addField("Address", "?POM:ShipToAddress1", Binding::field(po, po.ShipToAddress1), "@s50");
    w.addField("", "?POM:ShipToAddress2", Binding::field(po, po.ShipToAddress2), "@s50");
    w.addField("City, State, Zip", "?POM:ShipToCity", Binding::field(po, po.ShipToCity), "@s40");
    w.addField("", "?POM:ShipToState", Binding::field(po, po.ShipToState), "@s2");
    w.addField("", "?POM:ShipToZip", Binding::field(po, po.ShipToZip), "@s10");
    w.addField("Contact", "?POM:ShipToContact", Binding::field(po, po.ShipToContact), "@s40");
    w.addField("Instructions", "?POM:ShipToInstructions", Binding::field(po, po.ShipToInstructions), "@s50");
    w.addField("Ship Via", "?POM:ShipVia", Binding::field(po, po.ShipVia), "@s10");
    w.addButton("?Close", "&OK", ButtonRole::Close).setDefault();
    useTypeAhead("EnterShipToAddress", {"?POM:ShipToName", "?POM:ShipToAddress1", "?POM:ShipToAddress2",
                                        "?POM:ShipToCity", "?POM:ShipToState", "?POM:ShipToZip",
                                        "?POM:ShipToContact", "?POM:ShipToInstructions", "?POM:ShipVia"});
    checkSpelling({"?POM:ShipToInstructions"});
    cases_.addField("?POM:ShipToName", "POM:ShipToName", po.ShipToName);
    cases_.addField("?POM:ShipToAddress1", "POM:ShipToAddress1", po.ShipToAddress1);
    cases_.addField("?POM:ShipToAddress2", "POM:ShipToAddress2", po.ShipToAddress2);
    cases_.addField("?POM:ShipToCity", "POM:ShipToCity", po.ShipToCity);
    cases_.addField("?POM:ShipToContact", "POM:ShipToContact", po.ShipToContact);
    cases_.addField("?POM:ShipToInstructions", "POM:ShipToInst", po.ShipToInstructions);
    cases_.addField("?POM:ShipVia", "POM:ShipVia", po.ShipVia);
    addComponent(cases_);
  }

 private:
  TextCaseMenu cases_{TextCaseMenu::Store::WhenChanged};
};

}  // namespace

void enterShipToAddress() { EnterShipToAddressWindow().run(); }

}  // namespace crvpo

extern "C" void EnterShipToAddress() { crvpo::enterShipToAddress(); }

// The host's table of procedures and their resolution by name.
#include "host/app/procedure_catalog.h"

#include "host/app/choose_po_listing.h"
#include "host/app/copy_company.h"
#include "host/app/designer_listing.h"
#include "host/app/module_library.h"
#include "host/app/print_purchase_order.h"
#include "host/app/update_systems.h"
#include "host/framework/services/global_request.h"

namespace crv {

const std::vector<CatalogEntry>& catalogEntries() {
  static const std::vector<CatalogEntry> entries = {
      // The purchase-order module.
      {"&Purchasing", "&Purchase Orders", "CRVPO", "BrowsePOMaster", "orders"},
      {"&Purchasing", "Purchase Orders by &Column", "CRVPO", "BrowsePOMasterNew", "orders"},
      {"&Purchasing", "&New Purchase Order", "", "NewPurchaseOrder", "orders"},
      {"&Purchasing", "&Open Purchase Order...", "CRVPO", "OpenPOMaster", "orders"},
      {"&Purchasing", "&Search Purchase Orders", "CRVPO", "SearchPOMaster", "search"},
      {"&Purchasing", "&Reconcile Purchase Orders", "CRVPO", "BrowsePOReconcile", "reconcile"},
      {"&Purchasing", "Recalculate &Committed Costs", "CRVPO", "RecalcCommitted", "recalc"},
      {"&Purchasing", "&Import Purchase Orders", "CRVPO", "ImportPOMaster", "import"},
      {"&Purchasing", "&Export Purchase Orders", "CRVPO", "ExportPO", "export"},
      {"&Reports", "Print Purchase &Orders", "CRVPO", "LimitPrintPOs", "print"},
      {"&Reports", "Purchase Order &Listing...", "", "PrintListing", "report"},
      {"&Reports", "Listing &Formats", "CRVPO", "BrowsePOListLimits", "report"},
      {"&Reports", "Print a Purchase &Order...", "", "PrintPurchaseOrder", "print"},
      {"&Reports", "Print a &Blank Purchase Order...", "CRVPO", "ConfirmBlankPO", "print"},
      {"&Reports", "&Designer Listing...", "", "PrintPOListFM", "report"},
      // Master data kept by the sibling modules.
      {"&Lists", "&Vendors", "CRVAP", "BrowseAPVendor", "vendors"},
      {"&Lists", "&Jobs", "CRVJC", "BrowseJCHeader", "jobs"},
      {"&Lists", "Inventory &Items", "CRVIN", "BrowseINMaster", "items"},
      {"&Lists", "&Equipment", "CRVEQ", "BrowseEQHeader", "equipment"},
      {"&Lists", "General Ledger &Accounts", "CRVGL", "BrowseGLMaster", "accounts"},
      {"&Lists", "&Customers", "CRVAR", "BrowseARCust", "customers"},
      {"&Setup", "&Company Settings", "", "UpdateSystems", "settings"},
      {"&Setup", "C&opy Company...", "", "CopyCompany", "settings"},
      {"&Setup", "Design Purchase Order &Form", "CRVPO", "DesignPurchaseOrderForm", "settings"},
      {"&Setup", "Design Purchase Order &Listing...", "", "DesignPOListFM", "settings"},
      // Forms and lookups that other windows call; scripts may call them too.
      {"", "", "CRVPO", "UpdatePOMaster", ""},
      {"", "", "CRVPO", "UpdatePODetail", ""},
      {"", "", "CRVPO", "EnterShipToAddress", ""},
      {"", "", "CRVPO", "DuplicatePO", ""},
      {"", "", "CRVPO", "PickPOMaster", ""},
      {"", "", "CRVPO", "PrintPOListing", ""},
      {"", "", "CRVPO", "UpdatePOListLimits", ""},
      {"", "", "CRVPO", "UpdatePOMasterImport", ""},
      {"", "", "CRVAP", "UpdateAPVendor", ""},
      {"", "", "CRVAP", "BrowseAPVendorAlias", ""},
      {"", "", "CRVAR", "BrowseARShipTo", ""},
      {"", "", "CRVJC", "SelectJobByName", ""},
      {"", "", "CRVJC", "BrowseJCCost", ""},
      {"", "", "CRVJC", "BrowseJCCode", ""},
      {"", "", "CRVJC", "LookupChangeOrder", ""},
      {"", "", "CRVIN", "BrowseINVendor", ""},
      {"", "", "CRVIN", "UpdateINVendor", ""},
      {"", "", "CRVIN", "BrowseINLoc", ""},
      {"", "", "CRVIN", "BrowseINBin", ""},
      {"", "", "CRVEQ", "BrowseEQCost", ""},
      {"", "", "CRVMISC", "BrowseText", ""},
      {"", "", "CRVMISC", "EditAccountNum", ""},
      {"", "", "CRVMISC", "GetCase", ""},
      {"", "", "CRVMISC", "UpdateImages", ""},
      {"", "", "CRVMISC", "UpdateNotes", ""},
      {"", "", "CRVMISC", "UpdateDropList", ""},
      {"", "", "CRVMISC", "BrowseEnvelope", ""},
      {"", "", "CRVMISC", "LimitPrintNotes", ""},
      {"", "", "CRVMISC", "UpdateLimList", ""},
      {"", "", "CRVMISC", "ReportExport", ""},
      {"", "", "CRVMISC", "PlayTraining", ""},
  };
  return entries;
}

ProcedureCatalog::ProcedureCatalog(ModuleLibrary& module) : module_(&module) {}

ProcedureCatalog::~ProcedureCatalog() = default;

void* ProcedureCatalog::find(std::string_view library, std::string_view symbol) {
  if (library == "CRVPO") return module_->find(std::string(symbol));
  auto it = siblings_.find(library);
  if (it == siblings_.end()) {
    std::unique_ptr<ModuleLibrary> loaded;
    try {
      loaded = std::make_unique<ModuleLibrary>(std::string(library));
    } catch (const ModuleLoadError&) {
      // A sibling that is not installed offers nothing; its entries stay off
      // the menus.
    }
    it = siblings_.emplace(std::string(library), std::move(loaded)).first;
  }
  return it->second ? it->second->find(std::string(symbol)) : nullptr;
}

std::function<void()> ProcedureCatalog::resolve(const CatalogEntry& entry) {
  if (entry.library.empty()) {
    if (entry.symbol == "UpdateSystems") return updateSystems;
    if (entry.symbol == "CopyCompany") return copyCompanyProcedure;
    if (entry.symbol == "NewPurchaseOrder") {
      // The order form with a new order, until the order list adds them.
      auto* form = reinterpret_cast<void (*)()>(find("CRVPO", "UpdatePOMaster"));
      if (!form) return {};
      return [form] {
        GlobalRequest = InsertRecord;
        form();
      };
    }
    if (entry.symbol == "PrintPOListFM" || entry.symbol == "DesignPOListFM") {
      // Offered only when the module has designer listings.
      auto* listing = reinterpret_cast<void (*)()>(find("CRVPO", "PrintPOListFM"));
      if (!listing) return {};
      if (entry.symbol == "PrintPOListFM") return [listing] { printDesignerListing(listing); };
      return [listing] { designDesignerListing(listing); };
    }
    if (entry.symbol == "PrintPurchaseOrder") {
      // Offered only when the module can print an order.
      void* server = find("CRVPO", "PrintPurchaseOrderServer");
      if (!server) return {};
      auto* printEntry = reinterpret_cast<void (*)()>(server);
      return [printEntry] { printPurchaseOrder(printEntry); };
    }
    if (entry.symbol == "PrintListing") {
      // Offered only when the module can print the listing.
      void* listing = find("CRVPO", "PrintPOListing");
      if (!listing) return {};
      auto* printEntry = reinterpret_cast<void (*)()>(listing);
      return [printEntry] { printPOListing(printEntry); };
    }
    return {};
  }
  using Procedure = void();
  void* address = find(entry.library, entry.symbol);
  if (!address) return {};
  return reinterpret_cast<Procedure*>(address);
}

ui::ProcedureMap ProcedureCatalog::procedures() {
  ui::ProcedureMap map;
  for (const CatalogEntry& entry : catalogEntries())
    if (auto procedure = resolve(entry)) map.emplace(std::string(entry.symbol), std::move(procedure));
  return map;
}

}  // namespace crv

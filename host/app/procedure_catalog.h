// The procedures the host offers: the purchase-order module's exported
// procedures, the sibling modules' lists that keep master data, and the
// host's own company settings form, each with the menu and caption it has in
// the desktop and the library and symbol it is resolved by.
//
// Procedures are resolved by name at run time, so a procedure the module
// does not export yet is simply absent: its menu item does not show and a
// script cannot call it. Adding a procedure to the menus is one line in the
// table (procedure_catalog.cpp).
#pragma once

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "host/framework/ui/headless/script_runner.h"

namespace crv {

class ModuleLibrary;

struct CatalogEntry {
  std::string_view menu;     // "&Purchasing", "&Lists", "&Setup"; empty: not on a menu
  std::string_view caption;  // "&Vendors"
  std::string_view library;  // "CRVPO", "CRVAP", ...; empty for the host's own
  std::string_view symbol;   // the exported name, "BrowseAPVendor"
  std::string_view icon;     // icon name for the menu and the launcher
};

// Every procedure the host knows of, in menu order.
const std::vector<CatalogEntry>& catalogEntries();

class ProcedureCatalog {
 public:
  // `module` is the purchase-order module the session loaded; the sibling
  // libraries are loaded from the program's folder when first asked for.
  explicit ProcedureCatalog(ModuleLibrary& module);
  ~ProcedureCatalog();
  ProcedureCatalog(const ProcedureCatalog&) = delete;
  ProcedureCatalog& operator=(const ProcedureCatalog&) = delete;

  // The procedure of an entry, empty when its library does not export it.
  std::function<void()> resolve(const CatalogEntry& entry);
  // Every available procedure by name, for scripts.
  ui::ProcedureMap procedures();

 private:
  void* find(std::string_view library, std::string_view symbol);

  ModuleLibrary* module_;
  std::map<std::string, std::unique_ptr<ModuleLibrary>, std::less<>> siblings_;
};

}  // namespace crv

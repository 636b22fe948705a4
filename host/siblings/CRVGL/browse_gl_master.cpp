// The chart of accounts.
#include "host/siblings/CRVGL/browse_gl_master.h"

#include <memory>

#include "host/data/tables/ledger_tables.h"

namespace crv::siblings {
namespace {

std::unique_ptr<ui::BrowseClass> accountList() {
  auto list = std::make_unique<ui::BrowseClass>(GLMaster, LookupList::pageRows);
  list->addColumn("Account", "Account", "@s12");
  list->addColumn("Description", "Description", "@s40");
  list->addColumn("Type", "AccountType", "@s1");
  list->addSort(ui::BrowseSort(GLMasterRecord::KeyAccount, "by Account"));
  list->addSort(ui::BrowseSort(GLMasterRecord::KeyDescription, "by Description"));
  return list;
}

}  // namespace

BrowseGLMasterWindow::BrowseGLMasterWindow()
    : LookupList("BrowseGLMaster", accountList(), {"General Ledger Accounts", "Select an Account"},
                 {"&Account", "&Description"}) {}

}  // namespace crv::siblings

void BrowseGLMaster() { crv::siblings::BrowseGLMasterWindow().run(); }

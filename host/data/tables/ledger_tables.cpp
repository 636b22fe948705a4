// Definitions of the general-ledger tables.
#include "host/data/tables/ledger_tables.h"

namespace crv {

const RecordLayout& GLMasterRecord::layout() const { return layoutOf<GLMasterRecord>(); }

void GLMasterRecord::describe(LayoutBuilder& b) const {
  b CRV_FIELD(Account) CRV_FIELD(Description) CRV_FIELD(AccountType) CRV_FIELD(Active) CRV_FIELD(Balance);
}

void GLMasterRecord::define(TableDef& def) { def.key(KeyAccount).key(KeyDescription); }

const TableDef& GLMasterRecord::table() { return tableDefOf<GLMasterRecord>("GLMaster", "GLM"); }

GLMasterRecord GLM;

Table GLMaster(GLMasterRecord::table(), GLM);

namespace {
const TableRegistry::Entry registerGLMaster(GLMaster);
}  // namespace

}  // namespace crv

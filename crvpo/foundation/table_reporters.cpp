// Which error reporter the suite's tables report through.
#include "crvpo/foundation/table_reporters.h"

#include "host/data/tables/table_registry.h"

namespace crvpo {

void setTableReporters(crv::ErrorClass* errors) {
  for (crv::Table* table : crv::TableRegistry::tables()) table->setErrorReporter(errors);
}

void detachTableReporter(const crv::ErrorClass* errors) {
  for (crv::Table* table : crv::TableRegistry::tables())
    if (table->errorReporter() == errors) table->setErrorReporter(nullptr);
}

}  // namespace crvpo

// The registry of table access objects.
#include "host/data/tables/table_registry.h"

namespace crv {

std::vector<Table*>& TableRegistry::tables() {
  static std::vector<Table*> all;
  return all;
}

std::vector<const TableDef*> TableRegistry::definitions() {
  std::vector<const TableDef*> defs;
  for (Table* table : tables()) {
    bool seen = false;
    for (const TableDef* def : defs) seen = seen || def == &table->def();
    if (!seen) defs.push_back(&table->def());
  }
  return defs;
}

Table* TableRegistry::find(std::string_view name) {
  for (Table* table : tables())
    if (table->name() == name) return table;
  return nullptr;
}

}  // namespace crv

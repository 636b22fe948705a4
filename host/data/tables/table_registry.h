// Every table of the suite that this host knows, so that opening a company
// can attach them all to its database and start-up can hand each its error
// reporter.
#pragma once

#include <vector>

#include "host/framework/table/table.h"

namespace crv {

class TableRegistry {
 public:
  // Table access objects, in the order they were defined.
  static std::vector<Table*>& tables();
  static std::vector<const TableDef*> definitions();
  static Table* find(std::string_view name);

  // Registers a table access object; used by the definitions below.
  struct Entry {
    explicit Entry(Table& table) { tables().push_back(&table); }
  };
};

// Defines the definition function of a record type's table. The record type
// R must have a static member `define(TableDef&)` listing auto-number, keys
// and dependents.
template <class R>
const TableDef& tableDefOf(const char* name, const char* prefix) {
  static const TableDef def = [&] {
    TableDef d(name, prefix, layoutOf<R>(),
               []() -> std::unique_ptr<Record> { return std::make_unique<R>(); });
    R::define(d);
    return d;
  }();
  return def;
}

}  // namespace crv

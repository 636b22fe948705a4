// The definition of a table: its name and prefix, its record layout, its
// keys, its auto-numbered field and the tables whose rows depend on it.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "host/framework/record/record.h"

namespace crv {

class TableDef;

// Rows of `child` whose leading `childKey` fields equal the parent's `link`
// fields belong to the parent row and are deleted with it.
struct Dependent {
  std::function<const TableDef&()> child;
  const KeyDef* childKey;
  std::vector<std::pair<std::string, std::string>> link;  // parent field, child field
};

class TableDef {
 public:
  using RecordFactory = std::unique_ptr<Record> (*)();

  TableDef(std::string name, std::string prefix, const RecordLayout& layout, RecordFactory factory);

  TableDef& autoNumber(const char* field);
  TableDef& key(const KeyDef& key);
  TableDef& dependent(Dependent dependent);

  const std::string& name() const { return name_; }
  const std::string& prefix() const { return prefix_; }
  const RecordLayout& layout() const { return *layout_; }
  const std::vector<const KeyDef*>& keys() const { return keys_; }
  const std::vector<Dependent>& dependents() const { return dependents_; }
  // Index of the auto-numbered field in the layout, or -1.
  int autoNumberField() const { return autoNumber_; }
  // The table's own key with the given name, or nullptr.
  const KeyDef* findKey(std::string_view name) const;
  // The table's own instance of a key given by value (keys may be copied
  // into several libraries), or throws when the table has no such key.
  const KeyDef& resolve(const KeyDef& key) const;

  std::unique_ptr<Record> newRecord() const { return factory_(); }

 private:
  std::string name_;
  std::string prefix_;
  const RecordLayout* layout_;
  RecordFactory factory_;
  int autoNumber_ = -1;
  std::vector<const KeyDef*> keys_;
  std::vector<Dependent> dependents_;
};

}  // namespace crv

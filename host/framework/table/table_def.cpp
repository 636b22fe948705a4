// Table definitions.
#include "host/framework/table/table_def.h"

#include <cstring>
#include <stdexcept>

namespace crv {

TableDef::TableDef(std::string name, std::string prefix, const RecordLayout& layout, RecordFactory factory)
    : name_(std::move(name)), prefix_(std::move(prefix)), layout_(&layout), factory_(factory) {}

TableDef& TableDef::autoNumber(const char* field) {
  autoNumber_ = layout_->indexOf(field);
  if (autoNumber_ < 0 || layout_->at(static_cast<std::size_t>(autoNumber_)).kind != FieldKind::Id)
    throw std::logic_error(name_ + ": auto-numbered field " + field + " must be an identifier");
  return *this;
}

TableDef& TableDef::key(const KeyDef& key) {
  for (std::size_t i = 0; i < key.size(); ++i)
    if (layout_->indexOf(key.fields[i]) < 0)
      throw std::logic_error(name_ + ": key " + key.name + " names unknown field " + key.fields[i]);
  keys_.push_back(&key);
  return *this;
}

TableDef& TableDef::dependent(Dependent dependent) {
  dependents_.push_back(std::move(dependent));
  return *this;
}

const KeyDef* TableDef::findKey(std::string_view name) const {
  for (const KeyDef* key : keys_)
    if (name == key->name) return key;
  return nullptr;
}

const KeyDef& TableDef::resolve(const KeyDef& key) const {
  for (const KeyDef* own : keys_)
    if (own == &key) return *own;
  if (const KeyDef* own = findKey(key.name)) return *own;
  throw std::logic_error(std::string("key ") + key.name + " does not belong to " + name_);
}

}  // namespace crv

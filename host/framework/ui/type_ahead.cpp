// Type-ahead completion.
#include "host/framework/ui/type_ahead.h"

#include <algorithm>

#include "host/framework/values/text.h"

namespace crv::ui {
namespace {

std::string slot(std::string_view section, std::string_view field) {
  return toUpperAscii(section) + '\n' + toUpperAscii(field);
}

bool startsWithNoCase(std::string_view text, std::string_view prefix) {
  return text.size() >= prefix.size() && equalsIgnoreCase(text.substr(0, prefix.size()), prefix);
}

}  // namespace

std::vector<std::string> MemoryTypeAheadStore::load(std::string_view section, std::string_view field) {
  std::lock_guard lock(mutex_);
  auto it = values_.find(slot(section, field));
  return it == values_.end() ? std::vector<std::string>() : it->second;
}

void MemoryTypeAheadStore::save(std::string_view section, std::string_view field,
                                const std::vector<std::string>& values) {
  std::lock_guard lock(mutex_);
  values_[slot(section, field)] = values;
}

TypeAheadStore* TypeAhead::setStore(TypeAheadStore* store) {
  std::lock_guard lock(mutex_);
  TypeAheadStore* previous = store_;
  store_ = store;
  return previous;
}

TypeAheadStore& TypeAhead::store() const { return store_ ? *store_ : memory_; }

bool TypeAhead::enabled() const {
  std::lock_guard lock(mutex_);
  return enabled_;
}

void TypeAhead::setEnabled(bool on) {
  std::lock_guard lock(mutex_);
  enabled_ = on;
}

void TypeAhead::remember(std::string_view section, std::string_view field, std::string_view value) {
  const std::string_view kept = trim(value);
  std::lock_guard lock(mutex_);
  if (!enabled_ || kept.empty()) return;
  auto values = store().load(section, field);
  std::erase_if(values, [&](const std::string& v) { return equalsIgnoreCase(v, kept); });
  values.insert(values.begin(), std::string(kept));
  if (values.size() > valuesKept) values.resize(valuesKept);
  store().save(section, field, values);
}

std::vector<std::string> TypeAhead::completions(std::string_view section, std::string_view field,
                                                std::string_view typed) const {
  std::lock_guard lock(mutex_);
  if (!enabled_) return {};
  auto values = store().load(section, field);
  const std::string_view prefix = trimLeft(typed);
  std::erase_if(values, [&](const std::string& v) { return !startsWithNoCase(v, prefix); });
  return values;
}

std::string TypeAhead::complete(std::string_view section, std::string_view field,
                                std::string_view typed) const {
  auto values = completions(section, field, typed);
  return values.empty() ? std::string() : values.front();
}

TypeAhead& typeAhead() {
  static TypeAhead service;
  return service;
}

}  // namespace crv::ui

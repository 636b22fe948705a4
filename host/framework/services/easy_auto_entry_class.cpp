// The type-ahead completion store.
#include "host/framework/services/easy_auto_entry_class.h"

#include <algorithm>

#include "host/framework/values/text.h"

namespace crv {

std::string EasyAutoEntryClass::slot(std::string_view section, std::string_view field) {
  return toUpperAscii(trim(section)) + '\0' + toUpperAscii(trim(field));
}

void EasyAutoEntryClass::init(std::string fileName, std::string secondName, bool enabled) {
  std::lock_guard lock(mutex_);
  if (!initialised_ || fileName != storeFile_ || secondName != secondName_) values_.clear();
  initialised_ = true;
  enabled_ = enabled;
  storeFile_ = std::move(fileName);
  secondName_ = std::move(secondName);
}

void EasyAutoEntryClass::kill() {
  std::lock_guard lock(mutex_);
  initialised_ = false;
  values_.clear();
  storeFile_.clear();
  secondName_.clear();
}

bool EasyAutoEntryClass::isInitialised() const {
  std::lock_guard lock(mutex_);
  return initialised_;
}

bool EasyAutoEntryClass::enabled() const {
  std::lock_guard lock(mutex_);
  return enabled_;
}

void EasyAutoEntryClass::setEnabled(bool on) {
  std::lock_guard lock(mutex_);
  enabled_ = on;
}

std::string EasyAutoEntryClass::storeFile() const {
  std::lock_guard lock(mutex_);
  return storeFile_;
}

std::string EasyAutoEntryClass::secondName() const {
  std::lock_guard lock(mutex_);
  return secondName_;
}

void EasyAutoEntryClass::remember(std::string_view section, std::string_view field, std::string_view value) {
  const std::string_view kept = clip(value);
  std::lock_guard lock(mutex_);
  if (!initialised_ || !enabled_ || trim(kept).empty()) return;
  std::vector<std::string>& list = values_[slot(section, field)];
  std::erase_if(list, [&](const std::string& old) { return equalsIgnoreCase(old, kept); });
  list.insert(list.begin(), std::string(kept));
  if (list.size() > valuesKept) list.resize(valuesKept);
}

std::vector<std::string> EasyAutoEntryClass::recentValues(std::string_view section,
                                                          std::string_view field) const {
  std::lock_guard lock(mutex_);
  if (!initialised_ || !enabled_) return {};
  const auto found = values_.find(slot(section, field));
  return found == values_.end() ? std::vector<std::string>{} : found->second;
}

std::string EasyAutoEntryClass::complete(std::string_view section, std::string_view field,
                                         std::string_view typed) const {
  if (typed.empty()) return {};
  for (const std::string& value : recentValues(section, field))
    if (value.size() >= typed.size() && equalsIgnoreCase(value.substr(0, typed.size()), typed)) return value;
  return {};
}

}  // namespace crv

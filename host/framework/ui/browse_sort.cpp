// Sort orders of a list.
#include "host/framework/ui/browse_sort.h"

#include <stdexcept>

namespace crv::ui {

BrowseSort::BrowseSort(const KeyDef& key, std::string name)
    : key_(&key), name_(name.empty() ? std::string(key.name) : std::move(name)) {}

BrowseSort& BrowseSort::fix(KeyValue value) {
  if (!limits_.empty() && !limits_.back().fixed)
    throw std::logic_error("BrowseSort: no key field can be limited after a between range");
  if (limits_.size() >= key_->size()) throw std::logic_error("BrowseSort: range longer than the key");
  limits_.push_back({value, value, true});
  return *this;
}

BrowseSort& BrowseSort::between(KeyValue low, KeyValue high) {
  if (!limits_.empty() && !limits_.back().fixed)
    throw std::logic_error("BrowseSort: no key field can be limited after a between range");
  if (limits_.size() >= key_->size()) throw std::logic_error("BrowseSort: range longer than the key");
  limits_.push_back({std::move(low), std::move(high), false});
  return *this;
}

BrowseSort& BrowseSort::filter(std::function<bool()> accept) {
  filter_ = std::move(accept);
  return *this;
}

BrowseSort& BrowseSort::locatorPicture(std::string_view picture) {
  locatorPicture_ = Picture::parse(picture);
  return *this;
}

std::size_t BrowseSort::fixedParts() const {
  std::size_t fixed = 0;
  while (fixed < limits_.size() && limits_[fixed].fixed) ++fixed;
  return fixed;
}

int BrowseSort::locatorPart() const {
  const std::size_t part = fixedParts();
  return part < key_->size() ? static_cast<int>(part) : -1;
}

void BrowseSort::applyRange(Record& low, Record& high) const {
  for (std::size_t i = 0; i < limits_.size(); ++i) {
    limits_[i].low.apply(low.field(key_->fields[i]));
    limits_[i].high.apply(high.field(key_->fields[i]));
  }
}

}  // namespace crv::ui

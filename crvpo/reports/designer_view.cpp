// The designer report's view.
#include "crvpo/reports/designer_view.h"

#include <algorithm>

#include "host/framework/table/table.h"
#include "host/framework/values/text.h"

namespace crvpo {

std::vector<DesignerView::SortField> DesignerView::sortFields(const std::string& order,
                                                              std::string& refusal) const {
  std::vector<SortField> fields;
  std::string_view rest = order;
  while (!crv::trim(rest).empty()) {
    const auto comma = rest.find(',');
    std::string_view part = crv::trim(rest.substr(0, comma));
    rest = comma == std::string_view::npos ? std::string_view() : rest.substr(comma + 1);
    const bool descending = !part.empty() && part.front() == '-';
    if (!part.empty() && (part.front() == '-' || part.front() == '+')) part = crv::trim(part.substr(1));
    const crv::FieldRef* value = bindings_.find(part);
    const std::string prefix = tables_.primaryPrefix + ":";
    if (!value || part.size() <= prefix.size() ||
        !crv::equalsIgnoreCase(part.substr(0, prefix.size()), prefix)) {
      refusal = "The report sorts by \"" + std::string(part) + "\", which is not a field of " +
                tables_.primary->name() + "; its records keep their usual order.";
      return {};
    }
    fields.push_back(SortField{value, descending});
  }
  return fields;
}

DesignerView::SortValue DesignerView::sortValue(const crv::FieldRef& value) {
  switch (value.kind()) {
    case crv::FieldKind::Text:
      return std::string(value.text());
    case crv::FieldKind::Real:
      return value.real();
    default:
      return value.integer();
  }
}

std::string DesignerView::open(const std::string& order, std::function<bool()> filter) {
  filter_ = std::move(filter);
  ids_.clear();
  next_ = 0;
  inChildren_ = false;
  std::string refusal;
  const std::vector<SortField> fields = sortFields(order, refusal);
  std::vector<Entry> entries;
  if (tables_.positionPrimary()) {
    while (tables_.primary->next() == crv::TableStatus::Ok) {
      Entry entry{tables_.primaryId(), {}};
      for (const SortField& field : fields) entry.keys.push_back(sortValue(*field.value));
      entries.push_back(std::move(entry));
    }
  }
  if (!fields.empty()) {
    std::stable_sort(entries.begin(), entries.end(), [&fields](const Entry& a, const Entry& b) {
      for (std::size_t i = 0; i < fields.size(); ++i) {
        if (a.keys[i] == b.keys[i]) continue;
        return fields[i].descending ? b.keys[i] < a.keys[i] : a.keys[i] < b.keys[i];
      }
      return false;
    });
  }
  ids_.reserve(entries.size());
  for (const Entry& entry : entries) ids_.push_back(entry.id);
  return refusal;
}

bool DesignerView::nextPrimary() {
  while (next_ < ids_.size()) {
    current_ = ids_[next_++];
    if (!tables_.fetchPrimary(current_)) continue;
    tables_.lookups();
    return true;
  }
  return false;
}

crv::FeedRow DesignerView::next(std::uint64_t& group) {
  group = current_;
  while (true) {
    if (inChildren_ && tables_.child->next() == crv::TableStatus::Ok) {
      if (accepted()) return crv::FeedRow::PrimaryAndChild;
      continue;
    }
    inChildren_ = false;
    if (!nextPrimary()) return crv::FeedRow::End;
    group = current_;
    inChildren_ = tables_.positionChildren() && tables_.child->next() == crv::TableStatus::Ok;
    if (inChildren_) {
      if (accepted()) return crv::FeedRow::PrimaryAndChild;
      continue;
    }
    tables_.child->buffer().clear();
    if (accepted()) return crv::FeedRow::Primary;
  }
}

void DesignerView::close() {
  ids_.clear();
  next_ = 0;
  inChildren_ = false;
}

}  // namespace crvpo

// Named bands of a report.
#include "host/framework/report/report.h"

namespace crv {

Band& Report::band(const std::string& name, BandKind kind, double height) {
  auto found = bands_.find(name);
  if (found != bands_.end()) return found->second;
  return bands_.emplace(name, Band(kind, height)).first->second;
}

const Band* Report::findBand(std::string_view name) const {
  auto found = bands_.find(name);
  return found == bands_.end() ? nullptr : &found->second;
}

}  // namespace crv

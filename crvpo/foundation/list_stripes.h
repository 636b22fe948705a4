// Lists whose long rows stay readable: every second row (the 2nd, 4th, ...)
// is drawn on the system's button-face colour, the others on the list's own
// background.
#pragma once

#include <cstdint>
#include <optional>

#include "host/framework/ui/browse_class.h"

namespace crvpo {

inline constexpr unsigned buttonFaceColour = 0xF0F0F0;

// The background of the row at 0-based `position` among the rows shown.
inline std::optional<std::uint32_t> stripeBackground(int position) {
  if (position % 2 == 1) return buttonFaceColour;
  return std::nullopt;
}

// A list over a table with striped rows; a cell's own background wins.
class StripedBrowse : public crv::ui::BrowseClass {
 public:
  using BrowseClass::BrowseClass;

  crv::ui::ListCell cell(int row, int column) const override {
    crv::ui::ListCell shown = BrowseClass::cell(row, column);
    if (!shown.background) shown.background = stripeBackground(row);
    return shown;
  }
};

}  // namespace crvpo

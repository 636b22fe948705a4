// One row of a list's page: the row's identity and a copy of its record, so
// that the highlighted row can be put back into the table's buffer, and the
// cells setQueueRecord() made from it.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "host/framework/storage/storage_backend.h"
#include "host/framework/ui/list_model.h"

namespace crv::ui {

struct BrowseRow {
  RowId row = 0;
  std::unique_ptr<Record> record;
  std::vector<ListCell> cells;
  // Colours of the whole row; a cell's own colours win over them.
  std::optional<std::uint32_t> foreground;
  std::optional<std::uint32_t> background;

  void setText(int column, std::string text) {
    cells.at(static_cast<std::size_t>(column)).text = std::move(text);
  }
  void setIcon(int column, std::string icon) {
    cells.at(static_cast<std::size_t>(column)).icon = std::move(icon);
  }
  void setColors(std::optional<std::uint32_t> fore, std::optional<std::uint32_t> back = std::nullopt) {
    foreground = fore;
    background = back;
  }
};

}  // namespace crv::ui

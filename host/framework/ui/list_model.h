// What a list control shows: a window of rows over some source, with
// columns, icons, colours, tags and a highlighted row.
//
// The front ends draw lists only through this interface, so a list over a
// million-row table and a list over a few local rows look the same to them.
// Rows are numbered within what is loaded now (the page); scrolling past
// either end asks the source for the next or previous rows.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "host/framework/values/picture.h"

namespace crv::ui {

struct ListCell {
  std::string text;                         // already formatted by the column's picture
  std::string icon;                         // icon name, empty for none
  std::optional<std::uint32_t> foreground;  // 0xRRGGBB
  std::optional<std::uint32_t> background;
};

class ListModel {
 public:
  virtual ~ListModel() = default;

  virtual int columnCount() const = 0;
  virtual std::string header(int column) const = 0;
  // The picture a column's values are formatted with, which gives its
  // width and whether it holds numbers; nullptr when the model has none.
  virtual const Picture* columnPicture(int /*column*/) const { return nullptr; }

  // Rows loaded now, at most visibleRows().
  virtual int rowCount() const = 0;
  virtual ListCell cell(int row, int column) const = 0;
  virtual bool tagged(int /*row*/) const { return false; }

  // The highlighted row within the loaded rows, -1 when there is none.
  virtual int selected() const = 0;
  virtual void select(int row) = 0;

  // How many rows the front end shows at once; the page size.
  virtual int visibleRows() const = 0;
  virtual void setVisibleRows(int rows) = 0;

  // Moves the highlight by `rows` (negative: up), loading rows beyond the
  // page when it passes either end; a page down is scroll(visibleRows()).
  virtual void scroll(int rows) = 0;
  virtual void home() = 0;
  virtual void end() = 0;
  // The locator: positions on the first row at or after the typed text in
  // the current sort order.
  virtual void locate(std::string_view typed) = 0;
  // Reloads the page around the highlighted row.
  virtual void refresh() = 0;

  // Changes whenever the loaded rows, the highlight or tags change, so a
  // front end knows when to redraw.
  virtual std::uint64_t revision() const = 0;
};

}  // namespace crv::ui

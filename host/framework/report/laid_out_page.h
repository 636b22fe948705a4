// A page after layout: positioned drawing primitives in page coordinates
// (points from the page's top-left corner), in drawing order. Renderers
// draw these and nothing else, so a PDF page and the previewer's picture
// show the same thing.
//
// Texts are single lines already placed: `x` is where the text starts after
// alignment in its box, `y` the top of its line (the baseline is the font's
// ascent below it). dump() lists a page as plain text for comparisons.
#pragma once

#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "host/framework/report/band_item.h"
#include "host/framework/report/color.h"
#include "host/framework/report/font.h"

namespace crv {

struct PlacedText {
  double x = 0;
  double y = 0;
  std::string text;
  Font font;
  Color color;
};

// Rules and boxes keep their shape when placed; only their coordinates
// change, from the band's to the page's.
using PlacedLine = LineItem;
using PlacedBox = BoxItem;

struct PlacedImage {
  double x = 0;
  double y = 0;
  double width = 0;
  double height = 0;
  std::string path;
  ImageBytes bytes;
};

using PagePrimitive = std::variant<PlacedText, PlacedLine, PlacedBox, PlacedImage>;

struct LaidOutPage {
  double width = 0;
  double height = 0;
  int sequence = 0;  // 1, 2, ... over the whole run
  int number = 0;    // page number within its numbering
  int count = 0;     // pages in its numbering ("of M"); 0 when the report prints no count
  std::vector<PagePrimitive> primitives;

  // One header line, then one line per primitive; coordinates with one
  // decimal, images by file name only (or their byte count).
  std::string dump() const;
};

}  // namespace crv

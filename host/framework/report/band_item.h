// What a band holds: texts, rules, boxes and images, placed in the band's
// own coordinates (points from the band's top-left corner, which sits on
// the left margin).
//
// A text is either fixed or bound: a bound text asks its source for the
// text each time the band prints, so a band is built once and prints the
// current record's values (Band::addField binds a variable under a
// picture). Page-number texts carry "{page}" and "{pages}", which are
// filled in once the pages of their numbering are all laid out.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "host/framework/report/color.h"
#include "host/framework/report/font.h"

namespace crv {

enum class Align { Left, Center, Right };

// How an image fills its box: stretched to the box, or scaled to fit inside
// it keeping its proportions, anchored at the box's top-left corner.
enum class ImageFit { Stretch, KeepAspect };

using ImageBytes = std::shared_ptr<const std::vector<std::uint8_t>>;

struct TextItem {
  double x = 0;
  double y = 0;
  double width = 0;  // box width: alignment, wrapping
  std::string text;
  std::function<std::string()> source;  // when set, replaces `text` at print time
  Font font;
  Color color;
  Align align = Align::Left;
  bool wrap = false;         // break into lines that fit the width; the band grows
  bool pageNumbers = false;  // "{page}" / "{pages}" filled in after layout
  bool visible = true;
};

struct LineItem {
  double x1 = 0;
  double y1 = 0;
  double x2 = 0;
  double y2 = 0;
  double thickness = 0.5;
  Color color;
};

struct BoxItem {
  double x = 0;
  double y = 0;
  double width = 0;
  double height = 0;
  double thickness = 0.5;  // 0: no outline
  Color color;
  std::optional<Color> fill;
};

struct ImageItem {
  double x = 0;
  double y = 0;
  double width = 0;
  double height = 0;
  std::string path;  // a PNG or JPEG file, or
  ImageBytes bytes;  // the file's bytes (used when set)
  ImageFit fit = ImageFit::Stretch;
  bool visible = true;
};

using BandItem = std::variant<TextItem, LineItem, BoxItem, ImageItem>;

}  // namespace crv

// Band building helpers.
#include "host/framework/report/band.h"

namespace crv {

TextItem& Band::addText(double x, double y, double width, std::string text, Font font, Align align) {
  TextItem item;
  item.x = x;
  item.y = y;
  item.width = width;
  item.text = std::move(text);
  item.font = std::move(font);
  item.align = align;
  return std::get<TextItem>(items_.emplace_back(std::move(item)));
}

TextItem& Band::addBound(double x, double y, double width, std::function<std::string()> source, Font font,
                         Align align) {
  TextItem& item = addText(x, y, width, {}, std::move(font), align);
  item.source = std::move(source);
  return item;
}

TextItem& Band::addPageNumber(double x, double y, double width, std::string pattern, Font font, Align align) {
  TextItem& item = addText(x, y, width, std::move(pattern), std::move(font), align);
  item.pageNumbers = true;
  return item;
}

LineItem& Band::addLine(double x1, double y1, double x2, double y2, double thickness) {
  return std::get<LineItem>(items_.emplace_back(LineItem{x1, y1, x2, y2, thickness, {}}));
}

BoxItem& Band::addBox(double x, double y, double width, double height, double thickness,
                      std::optional<Color> fill) {
  return std::get<BoxItem>(items_.emplace_back(BoxItem{x, y, width, height, thickness, {}, fill}));
}

ImageItem& Band::addImage(double x, double y, double width, double height, std::string path, ImageFit fit) {
  ImageItem item;
  item.x = x;
  item.y = y;
  item.width = width;
  item.height = height;
  item.path = std::move(path);
  item.fit = fit;
  return std::get<ImageItem>(items_.emplace_back(std::move(item)));
}

ImageItem& Band::addImage(double x, double y, double width, double height, ImageBytes bytes, ImageFit fit) {
  ImageItem& item = addImage(x, y, width, height, std::string(), fit);
  item.bytes = std::move(bytes);
  return item;
}

Align Band::defaultAlign(const Picture& picture) {
  return picture.kind() == PictureKind::Number ? Align::Right : Align::Left;
}

}  // namespace crv

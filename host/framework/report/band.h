// A band: a horizontal strip of a report page printed as one piece.
//
// The page header, the page footer and the form behind every page are bands,
// and so is each kind of detail or total line a report prints. A band has a
// declared height; it grows when a multi-line text needs more room. Items
// are drawn in the order they were added.
//
// The add functions return the new item so that a caller can set the rarer
// properties (colour, wrapping) at once; the reference is valid until the
// next item is added.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "host/framework/report/band_item.h"
#include "host/framework/values/picture.h"

namespace crv {

enum class BandKind { Form, PageHeader, PageFooter, Detail, GroupHeader, GroupFooter };

class Band {
 public:
  explicit Band(BandKind kind = BandKind::Detail, double height = 0) : kind_(kind), height_(height) {}

  BandKind kind() const { return kind_; }
  double height() const { return height_; }
  void setHeight(double height) { height_ = height; }
  // A band kept with the next one moves to a new page with it rather than
  // being left alone at the foot of a page (group headers, captions).
  bool keepWithNext() const { return keepWithNext_; }
  void setKeepWithNext(bool keep) { keepWithNext_ = keep; }

  const std::vector<BandItem>& items() const { return items_; }
  std::vector<BandItem>& items() { return items_; }

  TextItem& addText(double x, double y, double width, std::string text, Font font = {},
                    Align align = Align::Left);
  // A text asked for at print time.
  TextItem& addBound(double x, double y, double width, std::function<std::string()> source, Font font = {},
                     Align align = Align::Left);
  // The variable's value at print time under the picture, without the
  // picture's padding: numbers are right-aligned in the box, text and dates
  // left-aligned, unless `align` says otherwise. The variable must outlive
  // the band. Throws std::invalid_argument for a bad picture.
  template <class T>
  TextItem& addField(double x, double y, double width, const T& variable, std::string_view picture,
                     Font font = {}, std::optional<Align> align = std::nullopt) {
    Picture parsed = Picture::parse(picture);
    Align chosen = align ? *align : defaultAlign(parsed);
    const T* value = &variable;
    return addBound(
        x, y, width, [parsed, value] { return parsed.formatTrimmed(*value); }, std::move(font), chosen);
  }
  // A text with "{page}" and "{pages}", e.g. "Page {page} of {pages}".
  TextItem& addPageNumber(double x, double y, double width, std::string pattern, Font font = {},
                          Align align = Align::Left);
  LineItem& addLine(double x1, double y1, double x2, double y2, double thickness = 0.5);
  BoxItem& addBox(double x, double y, double width, double height, double thickness = 0.5,
                  std::optional<Color> fill = std::nullopt);
  ImageItem& addImage(double x, double y, double width, double height, std::string path,
                      ImageFit fit = ImageFit::Stretch);
  ImageItem& addImage(double x, double y, double width, double height, ImageBytes bytes,
                      ImageFit fit = ImageFit::Stretch);

 private:
  static Align defaultAlign(const Picture& picture);

  BandKind kind_;
  double height_;
  bool keepWithNext_ = false;
  std::vector<BandItem> items_;
};

}  // namespace crv

// One item of a designer report as the designer draws it on its band: a
// caption, a field (shown as its name in brackets), a page number, a rule,
// a box or a picture, at its place and in its font. The person drags it to
// move it; where it ends is written back into the item.
#pragma once

#include <QGraphicsObject>
#include <QPixmap>
#include <filesystem>

#include "host/framework/report/report_definition.h"

namespace crv::designer {

class ItemGraphic final : public QGraphicsObject {
  Q_OBJECT
 public:
  // `item` lives in the definition the canvas shows; `folder` is the report
  // file's folder, where pictures are looked for.
  ItemGraphic(DefinedItem& item, std::size_t band, std::size_t index, const std::filesystem::path& folder);

  std::size_t band() const { return band_; }
  std::size_t index() const { return index_; }
  DefinedItem& item() { return item_; }

  QRectF boundingRect() const override;
  void paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget) override;

  // The item's values changed elsewhere (the property panel): draw it again
  // where it now is.
  void refresh();

  // The text the item shows in the designer.
  static QString shownText(const DefinedItem& item);

 Q_SIGNALS:
  void moved();

 protected:
  QVariant itemChange(GraphicsItemChange change, const QVariant& value) override;
  void mouseReleaseEvent(QGraphicsSceneMouseEvent* event) override;

 private:
  QRectF area() const;

  DefinedItem& item_;
  std::size_t band_;
  std::size_t index_;
  QPixmap picture_;
};

// A Qt font for a report font at the designer's scale (1 point = 1 unit)
// on a device of `dpi` dots per inch.
QFont qtFont(const Font& font, int dpi);

}  // namespace crv::designer

// Drawing designer report items.
#include "host/desktop/designer/item_graphic.h"

#include <QGraphicsSceneMouseEvent>
#include <QPaintDevice>
#include <QPainter>
#include <QStyleOptionGraphicsItem>

namespace crv::designer {
namespace {

QColor qtColor(Color color) { return QColor(color.red, color.green, color.blue); }

Qt::Alignment qtAlign(Align align) {
  switch (align) {
    case Align::Center:
      return Qt::AlignHCenter;
    case Align::Right:
      return Qt::AlignRight;
    default:
      return Qt::AlignLeft;
  }
}

constexpr double minimumSide = 4;

}  // namespace

QFont qtFont(const Font& font, int dpi) {
  QFont qt(QString::fromStdString(font.family));
  // A scene unit is a point of the page: the font is sized so that its
  // height in device pixels is its size in scene units.
  qt.setPointSizeF(font.size * 72.0 / std::max(dpi, 1));
  qt.setBold(font.bold);
  qt.setItalic(font.italic);
  return qt;
}

ItemGraphic::ItemGraphic(DefinedItem& item, std::size_t band, std::size_t index,
                         const std::filesystem::path& folder)
    : item_(item), band_(band), index_(index) {
  setFlags(ItemIsMovable | ItemIsSelectable | ItemSendsGeometryChanges);
  setPos(item.x, item.y);
  if (item.kind == DefinedItemKind::Image && !item.file.empty())
    picture_.load(QString::fromStdString((folder / item.file).string()));
}

void ItemGraphic::refresh() {
  prepareGeometryChange();
  setPos(item_.x, item_.y);
  update();
}

QString ItemGraphic::shownText(const DefinedItem& item) {
  switch (item.kind) {
    case DefinedItemKind::Field:
      return "[" + QString::fromStdString(item.expression.empty() ? item.name : "=" + item.expression) + "]";
    case DefinedItemKind::Text:
    case DefinedItemKind::PageNumber:
      return QString::fromStdString(item.text);
    default:
      return {};
  }
}

QRectF ItemGraphic::area() const {
  if (item_.kind == DefinedItemKind::Line) {
    return QRectF(QPointF(0, 0), QPointF(item_.x2 - item_.x, item_.y2 - item_.y))
        .normalized()
        .adjusted(-2, -2, 2, 2);
  }
  double height = item_.height;
  if (item_.isTextual() && height <= 0) height = item_.font.size * 1.25;
  return QRectF(0, 0, std::max(item_.width, minimumSide), std::max(height, minimumSide));
}

QRectF ItemGraphic::boundingRect() const { return area().adjusted(-1, -1, 1, 1); }

void ItemGraphic::paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* /*widget*/) {
  const QRectF box = area();
  switch (item_.kind) {
    case DefinedItemKind::Text:
    case DefinedItemKind::Field:
    case DefinedItemKind::PageNumber:
      painter->setFont(qtFont(item_.font, painter->device()->logicalDpiY()));
      painter->setPen(item_.kind == DefinedItemKind::Field ? QColor(20, 70, 160) : qtColor(item_.color));
      painter->drawText(box, qtAlign(item_.align) | Qt::AlignTop | (item_.wrap ? Qt::TextWordWrap : 0),
                        shownText(item_));
      painter->setPen(QPen(QColor(180, 180, 180), 0, Qt::DotLine));
      painter->drawRect(box);
      break;
    case DefinedItemKind::Line:
      painter->setPen(QPen(qtColor(item_.color), item_.thickness));
      painter->drawLine(QPointF(0, 0), QPointF(item_.x2 - item_.x, item_.y2 - item_.y));
      break;
    case DefinedItemKind::Box:
      painter->setPen(item_.thickness > 0 ? QPen(qtColor(item_.color), item_.thickness) : Qt::NoPen);
      painter->setBrush(item_.fill ? QBrush(qtColor(*item_.fill)) : Qt::NoBrush);
      painter->drawRect(box);
      break;
    case DefinedItemKind::Image:
      if (!picture_.isNull()) {
        const QSize size = item_.fit == ImageFit::Stretch
                               ? box.size().toSize()
                               : picture_.size().scaled(box.size().toSize(), Qt::KeepAspectRatio);
        painter->drawPixmap(QRectF(box.topLeft(), size), picture_, picture_.rect());
      } else {
        painter->setPen(QPen(Qt::gray, 0, Qt::DashLine));
        painter->drawRect(box);
        painter->drawText(box, Qt::AlignCenter, "picture");
      }
      break;
  }
  if (option->state & QStyle::State_Selected) {
    painter->setPen(QPen(QColor(0, 120, 215), 0, Qt::DashLine));
    painter->setBrush(Qt::NoBrush);
    painter->drawRect(box);
  }
}

QVariant ItemGraphic::itemChange(GraphicsItemChange change, const QVariant& value) {
  if (change == ItemPositionChange) {
    // Positions snap to whole points, as a person places them on paper.
    const QPointF wanted = value.toPointF();
    return QPointF(std::round(wanted.x()), std::round(wanted.y()));
  }
  return QGraphicsObject::itemChange(change, value);
}

void ItemGraphic::mouseReleaseEvent(QGraphicsSceneMouseEvent* event) {
  QGraphicsObject::mouseReleaseEvent(event);
  const double dx = pos().x() - item_.x;
  const double dy = pos().y() - item_.y;
  if (dx == 0 && dy == 0) return;
  item_.x += dx;
  item_.y += dy;
  item_.x2 += dx;
  item_.y2 += dy;
  Q_EMIT moved();
}

}  // namespace crv::designer

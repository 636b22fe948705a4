// The designer's drawing surface.
#include "host/desktop/designer/band_canvas.h"

#include <QGraphicsRectItem>
#include <QGraphicsSceneDragDropEvent>
#include <QGraphicsSceneMouseEvent>
#include <QGraphicsSimpleTextItem>
#include <QMimeData>

#include "host/desktop/designer/item_graphic.h"

namespace crv::designer {
namespace {

constexpr double captionHeight = 16;
constexpr double emptyBandHeight = 14;
constexpr int bandIndexKey = 0;  // QGraphicsItem::data key of a band strip

}  // namespace

QString bandCaption(const DefinedBand& band) {
  QString caption =
      QString::fromUtf8(bandKindName(band.kind).data(), static_cast<int>(bandKindName(band.kind).size()));
  if (!band.name.empty()) caption += "  " + QString::fromStdString(band.name);
  if (!band.when.empty()) caption += "  when " + QString::fromStdString(band.when);
  if (band.newPage) caption += "  (new page per record)";
  return caption;
}

BandCanvas::BandCanvas(ReportDefinition& definition, QObject* parent)
    : QGraphicsScene(parent), definition_(definition) {
  connect(this, &QGraphicsScene::selectionChanged, this, [this] {
    if (ItemGraphic* item = selectedItem()) selectedBand_ = item->band();
    Q_EMIT selectionMoved();
  });
}

BandCanvas::~BandCanvas() {
  // The base class clears its items as it goes, which would report a
  // selection change to a canvas that is no longer there.
  disconnect(this, &QGraphicsScene::selectionChanged, this, nullptr);
  clear();
}

double BandCanvas::bandHeight(const DefinedBand& band) const {
  if (band.kind == DefinedBandKind::Form) return definition_.page.contentHeight();
  return std::max(band.height, emptyBandHeight);
}

void BandCanvas::rebuild() {
  const QSignalBlocker quiet(this);
  clear();
  bandTops_.clear();
  captions_.clear();
  const double width = definition_.page.contentWidth();
  double top = 0;
  for (std::size_t b = 0; b < definition_.bands.size(); ++b) {
    DefinedBand& band = definition_.bands[b];
    auto* caption = addRect(0, top, width, captionHeight, QPen(Qt::NoPen));
    caption->setData(bandIndexKey, static_cast<qulonglong>(b));
    captions_.push_back(caption);
    auto* label = new QGraphicsSimpleTextItem(bandCaption(band), caption);
    label->setFont(QFont("DejaVu Sans", 7));
    label->setPos(3, top + 3);
    top += captionHeight;
    bandTops_.push_back(top);
    auto* strip = addRect(0, 0, width, bandHeight(band), QPen(QColor(200, 200, 200)), QBrush(Qt::white));
    strip->setPos(0, top);
    strip->setData(bandIndexKey, static_cast<qulonglong>(b));
    for (std::size_t i = 0; i < band.items.size(); ++i) {
      auto* graphic = new ItemGraphic(band.items[i], b, i, folder_);
      graphic->setParentItem(strip);
      connect(graphic, &ItemGraphic::moved, this, &BandCanvas::changed);
    }
    top += bandHeight(band);
  }
  setSceneRect(-20, -10, width + 40, top + 30);
  paintCaptions();
}

void BandCanvas::paintCaptions() {
  for (std::size_t b = 0; b < captions_.size(); ++b)
    captions_[b]->setBrush(QBrush(selectedBand_ == b ? QColor(190, 210, 240) : QColor(225, 225, 225)));
}

std::optional<std::size_t> BandCanvas::bandAt(QPointF scenePoint, QPointF* inBand) const {
  for (std::size_t b = bandTops_.size(); b-- > 0;) {
    if (scenePoint.y() < bandTops_[b] - captionHeight) continue;
    if (inBand) *inBand = QPointF(scenePoint.x(), std::max(0.0, scenePoint.y() - bandTops_[b]));
    return b;
  }
  return std::nullopt;
}

ItemGraphic* BandCanvas::selectedItem() const {
  for (QGraphicsItem* item : selectedItems())
    if (auto* graphic = dynamic_cast<ItemGraphic*>(item)) return graphic;
  return nullptr;
}

void BandCanvas::selectBand(std::size_t band) {
  selectedBand_ = band;
  clearSelection();
  paintCaptions();
  Q_EMIT selectionMoved();
}

void BandCanvas::place(DefinedItem item, std::size_t band) {
  definition_.bands[band].items.push_back(std::move(item));
  selectedBand_ = band;
  rebuild();
  const std::size_t index = definition_.bands[band].items.size() - 1;
  for (QGraphicsItem* graphicsItem : items()) {
    auto* graphic = dynamic_cast<ItemGraphic*>(graphicsItem);
    if (graphic && graphic->band() == band && graphic->index() == index) graphic->setSelected(true);
  }
  Q_EMIT changed();
}

bool BandCanvas::dropField(const QString& name, const QString& picture, QPointF scenePoint) {
  QPointF at;
  const auto band = bandAt(scenePoint, &at);
  if (!band) return false;
  DefinedItem item;
  item.kind = DefinedItemKind::Field;
  item.name = name.toStdString();
  item.picture = picture.toStdString();
  item.x = std::round(at.x());
  item.y = std::round(at.y());
  item.font.size = 8;
  item.width = 120;
  place(std::move(item), *band);
  return true;
}

DefinedItem BandCanvas::drawn(QPointF at) const {
  DefinedItem item;
  item.x = std::round(at.x());
  item.y = std::round(at.y());
  switch (tool_) {
    case DrawingTool::Text:
      item.kind = DefinedItemKind::Text;
      item.text = "Text";
      item.width = 100;
      item.font.size = 8;
      break;
    case DrawingTool::Line:
      item.kind = DefinedItemKind::Line;
      item.x2 = item.x + 100;
      item.y2 = item.y;
      break;
    case DrawingTool::Box:
      item.kind = DefinedItemKind::Box;
      item.width = 100;
      item.height = 40;
      break;
    default:
      item.kind = DefinedItemKind::Image;
      item.width = 80;
      item.height = 40;
      break;
  }
  return item;
}

void BandCanvas::mousePressEvent(QGraphicsSceneMouseEvent* event) {
  QPointF at;
  const auto band = bandAt(event->scenePos(), &at);
  if (tool_ != DrawingTool::Select && band && event->button() == Qt::LeftButton) {
    place(drawn(at), *band);
    return;
  }
  QGraphicsScene::mousePressEvent(event);
  if (!selectedItem() && band) selectBand(*band);
}

void BandCanvas::removeSelected() {
  ItemGraphic* item = selectedItem();
  if (!item) return;
  auto& items = definition_.bands[item->band()].items;
  items.erase(items.begin() + static_cast<std::ptrdiff_t>(item->index()));
  rebuild();
  Q_EMIT changed();
  Q_EMIT selectionMoved();
}

void BandCanvas::dragEnterEvent(QGraphicsSceneDragDropEvent* event) {
  event->setAccepted(event->mimeData()->hasFormat(fieldMimeType));
}

void BandCanvas::dragMoveEvent(QGraphicsSceneDragDropEvent* event) {
  event->setAccepted(event->mimeData()->hasFormat(fieldMimeType) && bandAt(event->scenePos()).has_value());
}

void BandCanvas::dropEvent(QGraphicsSceneDragDropEvent* event) {
  const QStringList parts = QString::fromUtf8(event->mimeData()->data(fieldMimeType)).split('\t');
  if (parts.size() == 2 && dropField(parts[0], parts[1], event->scenePos())) event->acceptProposedAction();
}

}  // namespace crv::designer

// The designer's drawing surface: the report's bands stacked down the page
// in the order they print, each a strip as wide as the page's printable
// width with a caption above it (its kind, name and condition), holding its
// items. Fields dragged from the dictionary drop onto the band under the
// pointer; with a drawing tool chosen, a click on a band places a caption,
// a rule, a box or a picture there.
#pragma once

#include <QGraphicsRectItem>
#include <QGraphicsScene>
#include <filesystem>
#include <optional>

#include "host/framework/report/report_definition.h"

namespace crv::designer {

class ItemGraphic;

enum class DrawingTool { Select, Text, Line, Box, Image };

// The dragged field's mime type: its name, a tab and its picture.
inline constexpr const char* fieldMimeType = "application/x-crv-report-field";

class BandCanvas final : public QGraphicsScene {
  Q_OBJECT
 public:
  BandCanvas(ReportDefinition& definition, QObject* parent);
  ~BandCanvas() override;

  void setFolder(std::filesystem::path folder) { folder_ = std::move(folder); }
  void setTool(DrawingTool tool) { tool_ = tool; }
  // Draws the definition again after its bands or items changed.
  void rebuild();

  // The band under a scene point, and the point in its coordinates.
  std::optional<std::size_t> bandAt(QPointF scenePoint, QPointF* inBand = nullptr) const;
  // Places a field on the band under the point (what a drop does).
  bool dropField(const QString& name, const QString& picture, QPointF scenePoint);
  // The band item graphics show, for selection handling.
  ItemGraphic* selectedItem() const;
  std::optional<std::size_t> selectedBand() const { return selectedBand_; }
  void selectBand(std::size_t band);
  void removeSelected();

 Q_SIGNALS:
  void changed();         // the definition was edited
  void selectionMoved();  // another item or band is selected

 protected:
  void dragEnterEvent(QGraphicsSceneDragDropEvent* event) override;
  void dragMoveEvent(QGraphicsSceneDragDropEvent* event) override;
  void dropEvent(QGraphicsSceneDragDropEvent* event) override;
  void mousePressEvent(QGraphicsSceneMouseEvent* event) override;

 private:
  double bandHeight(const DefinedBand& band) const;
  void paintCaptions();
  void place(DefinedItem item, std::size_t band);
  DefinedItem drawn(QPointF at) const;

  ReportDefinition& definition_;
  std::filesystem::path folder_;
  DrawingTool tool_ = DrawingTool::Select;
  std::vector<double> bandTops_;  // scene y of each band's top
  std::vector<QGraphicsRectItem*> captions_;
  std::optional<std::size_t> selectedBand_;
};

// "Detail  PODetail  when POD:TextFlag<>1"
QString bandCaption(const DefinedBand& band);

}  // namespace crv::designer

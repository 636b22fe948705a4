// The report designer's window: the field dictionary on the left, the
// report's bands in the middle, the selected item's or band's properties on
// the right, and a tool bar to draw captions, rules, boxes and pictures,
// set fonts and alignment, add and remove bands, and save, open or preview
// the report. It edits a copy of the runtime's report and hands it back to
// the runtime to save or preview.
#pragma once

#include <QDialog>

#include "host/desktop/designer/band_canvas.h"
#include "host/framework/report/report_definition.h"

class QGraphicsView;
class QAction;
class QToolBar;

namespace crv::designer {

struct DesignerSession;
class PropertyPanel;
class DictionaryTree;

class DesignerWindow final : public QDialog {
  Q_OBJECT
 public:
  explicit DesignerWindow(DesignerSession& session, QWidget* parent = nullptr);

  BandCanvas& canvas() { return *canvas_; }
  const ReportDefinition& definition() const { return definition_; }
  bool modified() const { return modified_; }

  // The tool bar's commands, also for tests.
  bool save();
  bool saveAs();
  void open();
  void preview();
  void editReportProperties();
  void addBand(DefinedBandKind kind);
  void removeBand();

 protected:
  void reject() override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void buildToolBar(QToolBar& bar);
  void showSelection();
  void setModified(bool modified);
  void takeRuntimeReport();
  void applyToSelected(const std::function<void(DefinedItem&)>& change);

  DesignerSession& session_;
  ReportDefinition definition_;
  BandCanvas* canvas_ = nullptr;
  QGraphicsView* view_ = nullptr;
  PropertyPanel* properties_ = nullptr;
  DictionaryTree* dictionary_ = nullptr;
  bool modified_ = false;
};

}  // namespace crv::designer

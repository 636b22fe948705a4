// The report designer's window.
#include "host/desktop/designer/designer_window.h"

#include <QActionGroup>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QGraphicsView>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QSplitter>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

#include "host/designer/designer_session.h"
#include "host/desktop/designer/dictionary_tree.h"
#include "host/desktop/designer/item_graphic.h"
#include "host/desktop/designer/property_panel.h"
#include "host/framework/services/module_export.h"

namespace crv::designer {
namespace {

constexpr const char* reportFilter = "Report Files (*.crvreport);;All Files (*)";

QString title(const ReportDefinition& definition, const std::filesystem::path& file) {
  QString shown = "Report Designer - " + QString::fromStdString(definition.name);
  if (!file.empty()) shown += " (" + QString::fromStdString(file.filename().string()) + ")";
  return shown;
}

}  // namespace

DesignerWindow::DesignerWindow(DesignerSession& session, QWidget* parent)
    : QDialog(parent), session_(session), definition_(session.runtime.report()) {
  setObjectName("ReportDesigner");
  setWindowTitle(title(definition_, session_.runtime.reportFile()));
  resize(1280, 860);
  auto* layout = new QVBoxLayout(this);
  auto* bar = new QToolBar(this);
  layout->addWidget(bar);
  auto* split = new QSplitter(this);
  layout->addWidget(split, 1);
  dictionary_ = new DictionaryTree(session.dictionary, split);
  canvas_ = new BandCanvas(definition_, this);
  canvas_->setFolder(session_.runtime.reportFile().parent_path());
  view_ = new QGraphicsView(canvas_, split);
  view_->setAcceptDrops(true);
  view_->setBackgroundBrush(QColor(150, 150, 150));
  view_->scale(1.1, 1.1);
  properties_ = new PropertyPanel(split);
  properties_->setFolder(session_.runtime.reportFile().parent_path());
  split->setSizes({240, 740, 300});
  buildToolBar(*bar);
  canvas_->rebuild();

  connect(canvas_, &BandCanvas::changed, this, [this] {
    setModified(true);
    showSelection();
  });
  connect(canvas_, &BandCanvas::selectionMoved, this, &DesignerWindow::showSelection);
  connect(properties_, &PropertyPanel::itemEdited, this, [this] {
    setModified(true);
    if (ItemGraphic* item = canvas_->selectedItem()) item->refresh();
  });
  connect(properties_, &PropertyPanel::bandEdited, this, [this] {
    setModified(true);
    const auto band = canvas_->selectedBand();
    canvas_->rebuild();
    if (band) canvas_->selectBand(*band);
  });
}

void DesignerWindow::buildToolBar(QToolBar& bar) {
  bar.addAction("&Save", this, [this] { save(); });
  bar.addAction("Save &As...", this, [this] { saveAs(); });
  bar.addAction("&Open...", this, &DesignerWindow::open);
  bar.addAction("Pre&view", this, &DesignerWindow::preview);
  bar.addSeparator();
  auto* tools = new QActionGroup(&bar);
  const std::pair<const char*, DrawingTool> toolList[] = {{"Select", DrawingTool::Select},
                                                          {"Text", DrawingTool::Text},
                                                          {"Line", DrawingTool::Line},
                                                          {"Box", DrawingTool::Box},
                                                          {"Picture", DrawingTool::Image}};
  for (const auto& [name, tool] : toolList) {
    QAction* action = bar.addAction(name, this, [this, tool = tool] { canvas_->setTool(tool); });
    action->setCheckable(true);
    action->setChecked(tool == DrawingTool::Select);
    tools->addAction(action);
  }
  bar.addSeparator();
  bar.addAction("Bold", this,
                [this] { applyToSelected([](DefinedItem& i) { i.font.bold = !i.font.bold; }); });
  bar.addAction("Italic", this,
                [this] { applyToSelected([](DefinedItem& i) { i.font.italic = !i.font.italic; }); });
  bar.addAction("Left", this, [this] { applyToSelected([](DefinedItem& i) { i.align = Align::Left; }); });
  bar.addAction("Center", this, [this] { applyToSelected([](DefinedItem& i) { i.align = Align::Center; }); });
  bar.addAction("Right", this, [this] { applyToSelected([](DefinedItem& i) { i.align = Align::Right; }); });
  bar.addAction("Delete", this, [this] { canvas_->removeSelected(); });
  bar.addSeparator();
  auto* bands = new QMenu("Add Band", &bar);
  for (DefinedBandKind kind :
       {DefinedBandKind::Form, DefinedBandKind::PageHeader, DefinedBandKind::Header, DefinedBandKind::Detail,
        DefinedBandKind::Footer, DefinedBandKind::Summary, DefinedBandKind::PageFooter}) {
    const std::string_view name = bandKindName(kind);
    bands->addAction(QString::fromUtf8(name.data(), static_cast<int>(name.size())), this,
                     [this, kind] { addBand(kind); });
  }
  auto* addBands = new QToolButton(&bar);
  addBands->setText("Add Band");
  addBands->setMenu(bands);
  addBands->setPopupMode(QToolButton::InstantPopup);
  bar.addWidget(addBands);
  bar.addAction("Remove Band", this, &DesignerWindow::removeBand);
  bar.addAction("Report...", this, &DesignerWindow::editReportProperties);
}

void DesignerWindow::applyToSelected(const std::function<void(DefinedItem&)>& change) {
  ItemGraphic* item = canvas_->selectedItem();
  if (!item) return;
  change(item->item());
  item->refresh();
  properties_->showItem(&item->item());
  setModified(true);
}

void DesignerWindow::showSelection() {
  if (ItemGraphic* item = canvas_->selectedItem()) {
    properties_->showItem(&item->item());
  } else if (auto band = canvas_->selectedBand(); band && *band < definition_.bands.size()) {
    properties_->showBand(&definition_.bands[*band]);
  } else {
    properties_->showNothing();
  }
}

void DesignerWindow::setModified(bool modified) {
  modified_ = modified;
  setWindowTitle(title(definition_, session_.runtime.reportFile()) + (modified ? " *" : ""));
}

void DesignerWindow::addBand(DefinedBandKind kind) {
  DefinedBand band;
  band.kind = kind;
  band.height = kind == DefinedBandKind::Form ? 0 : 20;
  auto at = std::find_if(definition_.bands.begin(), definition_.bands.end(),
                         [kind](const DefinedBand& b) { return b.kind > kind; });
  const auto index = static_cast<std::size_t>(at - definition_.bands.begin());
  definition_.bands.insert(at, std::move(band));
  canvas_->rebuild();
  canvas_->selectBand(index);
  setModified(true);
}

void DesignerWindow::removeBand() {
  const auto band = canvas_->selectedBand();
  if (!band || *band >= definition_.bands.size()) return;
  if (!definition_.bands[*band].items.empty() &&
      QMessageBox::question(this, "Remove Band", "Remove the band with everything on it?") !=
          QMessageBox::Yes)
    return;
  definition_.bands.erase(definition_.bands.begin() + static_cast<std::ptrdiff_t>(*band));
  canvas_->rebuild();
  properties_->showNothing();
  setModified(true);
}

void DesignerWindow::editReportProperties() {
  QDialog dialog(this);
  dialog.setWindowTitle("Report Properties");
  auto* form = new QFormLayout(&dialog);
  auto* name = new QLineEdit(QString::fromStdString(definition_.name), &dialog);
  auto* order = new QLineEdit(QString::fromStdString(definition_.order), &dialog);
  order->setPlaceholderText("POP:PONumber, -POP:IssueDate");
  auto* filter = new QLineEdit(QString::fromStdString(definition_.filter), &dialog);
  filter->setPlaceholderText("POP:POAmount > 1000");
  auto* paper = new QComboBox(&dialog);
  paper->addItems({"Letter", "A4"});
  paper->setCurrentIndex(definition_.page.paper == PaperSize::A4 ? 1 : 0);
  auto* orientation = new QComboBox(&dialog);
  orientation->addItems({"Portrait", "Landscape"});
  orientation->setCurrentIndex(definition_.page.orientation == Orientation::Landscape ? 1 : 0);
  auto* ask = new QCheckBox("Ask for the destination before printing", &dialog);
  ask->setChecked(definition_.printDialog);
  form->addRow("Report name:", name);
  form->addRow("Sort by:", order);
  form->addRow("Filter:", filter);
  form->addRow("Paper:", paper);
  form->addRow("Orientation:", orientation);
  form->addRow("", ask);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
  form->addRow(buttons);
  connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
  if (dialog.exec() != QDialog::Accepted) return;
  definition_.name = name->text().toStdString();
  definition_.order = order->text().toStdString();
  definition_.filter = filter->text().toStdString();
  definition_.page.paper = paper->currentIndex() == 1 ? PaperSize::A4 : PaperSize::Letter;
  definition_.page.orientation =
      orientation->currentIndex() == 1 ? Orientation::Landscape : Orientation::Portrait;
  definition_.printDialog = ask->isChecked();
  canvas_->rebuild();
  setModified(true);
}

bool DesignerWindow::save() {
  if (session_.runtime.reportFile().empty()) return saveAs();
  session_.runtime.replaceReport(definition_);
  if (!session_.runtime.saveReport()) {
    QMessageBox::warning(this, "Save Report", QString::fromStdString(session_.runtime.errorText()));
    return false;
  }
  setModified(false);
  return true;
}

bool DesignerWindow::saveAs() {
  QString file = QFileDialog::getSaveFileName(
      this, "Save Report As", QString::fromStdString(session_.runtime.reportFile().string()), reportFilter);
  if (file.isEmpty()) return false;
  if (QFileInfo(file).suffix().isEmpty()) file += ".crvreport";
  session_.runtime.replaceReport(definition_);
  if (!session_.runtime.saveAs(file.toStdString())) {
    QMessageBox::warning(this, "Save Report", QString::fromStdString(session_.runtime.errorText()));
    return false;
  }
  canvas_->setFolder(session_.runtime.reportFile().parent_path());
  properties_->setFolder(session_.runtime.reportFile().parent_path());
  setModified(false);
  return true;
}

void DesignerWindow::takeRuntimeReport() {
  definition_ = session_.runtime.report();
  canvas_->setFolder(session_.runtime.reportFile().parent_path());
  properties_->setFolder(session_.runtime.reportFile().parent_path());
  properties_->showNothing();
  canvas_->rebuild();
  setModified(false);
}

void DesignerWindow::open() {
  const QString file = QFileDialog::getOpenFileName(
      this, "Open Report", QString::fromStdString(session_.runtime.reportFile().parent_path().string()),
      reportFilter);
  if (file.isEmpty()) return;
  if (!session_.runtime.loadAs(file.toStdString())) {
    QMessageBox::warning(this, "Open Report", QString::fromStdString(session_.runtime.errorText()));
    return;
  }
  takeRuntimeReport();
}

void DesignerWindow::preview() {
  session_.runtime.replaceReport(definition_);
  session_.preview();
}

void DesignerWindow::reject() {
  if (modified_) {
    const auto answer = QMessageBox::question(this, "Report Designer", "Save the changes to the report?",
                                              QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    if (answer == QMessageBox::Cancel || (answer == QMessageBox::Yes && !save())) return;
  }
  QDialog::reject();
}

void DesignerWindow::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Delete && view_->hasFocus()) {
    canvas_->removeSelected();
    return;
  }
  QDialog::keyPressEvent(event);
}

}  // namespace crv::designer

extern "C" CRV_EXPORT bool crvOpenDesigner(crv::designer::DesignerSession& session, std::string& error) {
  if (!qobject_cast<QApplication*>(QCoreApplication::instance())) {
    error = "The report designer opens on the desktop only.";
    return false;
  }
  crv::designer::DesignerWindow window(session, QApplication::activeWindow());
  window.exec();
  return true;
}

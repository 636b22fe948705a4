// The designer's property panel.
#include "host/desktop/designer/property_panel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFileDialog>
#include <QFontComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace crv::designer {
namespace {

std::optional<Color> colorFrom(const QString& text) {
  const QColor color(text.trimmed());
  if (text.trimmed().isEmpty() || !color.isValid()) return std::nullopt;
  return Color{static_cast<std::uint8_t>(color.red()), static_cast<std::uint8_t>(color.green()),
               static_cast<std::uint8_t>(color.blue())};
}

QString colorText(const std::optional<Color>& color) {
  if (!color) return {};
  return QColor(color->red, color->green, color->blue).name();
}

}  // namespace

PropertyPanel::PropertyPanel(QWidget* parent) : QWidget(parent) {
  form_ = new QFormLayout(this);
  hint_ = new QLabel("Select an item or a band to see its properties. Drag fields from the list onto a band.",
                     this);
  hint_->setWordWrap(true);
  form_->addRow(hint_);
  addItemRows();
  addBandRows();
  showNothing();
}

void PropertyPanel::addItemRows() {
  text_ = line("Text:", [this](const QString& v) { item_->text = v.toStdString(); });
  name_ = line("Field:", [this](const QString& v) { item_->name = v.toStdString(); });
  picture_ = line("Picture:", [this](const QString& v) { item_->picture = v.toStdString(); });
  expression_ = line("Expression:", [this](const QString& v) { item_->expression = v.toStdString(); });
  x_ = number("X:", -100, 2000, [this](double v) {
    item_->x2 += v - item_->x;
    item_->x = v;
  });
  y_ = number("Y:", -100, 2000, [this](double v) {
    item_->y2 += v - item_->y;
    item_->y = v;
  });
  width_ = number("Width:", 0, 2000, [this](double v) { item_->width = v; });
  height_ = number("Height:", 0, 2000, [this](double v) { item_->height = v; });
  x2_ = number("End X:", -100, 2000, [this](double v) { item_->x2 = v; });
  y2_ = number("End Y:", -100, 2000, [this](double v) { item_->y2 = v; });
  font_ = new QFontComboBox(this);
  form_->addRow("Font:", font_);
  connect(font_, &QFontComboBox::currentFontChanged, this,
          [this](const QFont& f) { apply([this, f] { item_->font.family = f.family().toStdString(); }); });
  size_ = number("Size:", 1, 144, [this](double v) { item_->font.size = v; });
  bold_ = check("Bold", [this](bool on) { item_->font.bold = on; });
  italic_ = check("Italic", [this](bool on) { item_->font.italic = on; });
  align_ = new QComboBox(this);
  align_->addItems({"Left", "Center", "Right"});
  form_->addRow("Alignment:", align_);
  connect(align_, &QComboBox::currentIndexChanged, this,
          [this](int index) { apply([this, index] { item_->align = static_cast<Align>(index); }); });
  wrap_ = check("Wrap long text", [this](bool on) { item_->wrap = on; });
  thickness_ = number("Rule:", 0, 20, [this](double v) { item_->thickness = v; });
  fill_ = line("Fill:", [this](const QString& v) { item_->fill = colorFrom(v); });
  file_ = line("Picture file:", [this](const QString& v) { item_->file = v.toStdString(); });
  choose_ = new QPushButton("Choose &Picture...", this);
  form_->addRow("", choose_);
  connect(choose_, &QPushButton::clicked, this, &PropertyPanel::choosePicture);
}

void PropertyPanel::addBandRows() {
  bandName_ = line(
      "Band name:", [this](const QString& v) { band_->name = v.toStdString(); }, true);
  bandHeight_ = number(
      "Band height:", 0, 2000, [this](double v) { band_->height = v; }, true);
  when_ = line(
      "Print when:", [this](const QString& v) { band_->when = v.toStdString(); }, true);
  when_->setPlaceholderText("POD:TextFlag=1");
  newPage_ = check(
      "Each record on a new page", [this](bool on) { band_->newPage = on; }, true);
  restart_ = check(
      "Number each record's pages from 1", [this](bool on) { band_->restartPageNumbers = on; }, true);
}

void PropertyPanel::apply(const std::function<void()>& change, bool band) {
  if (filling_ || (band ? band_ == nullptr : item_ == nullptr)) return;
  change();
  Q_EMIT(band ? bandEdited() : itemEdited());
}

QLineEdit* PropertyPanel::line(const QString& label, std::function<void(const QString&)> change, bool band) {
  auto* edit = new QLineEdit(this);
  form_->addRow(label, edit);
  connect(edit, &QLineEdit::textEdited, this,
          [this, change, band](const QString& v) { apply([&change, &v] { change(v); }, band); });
  return edit;
}

QDoubleSpinBox* PropertyPanel::number(const QString& label, double low, double high,
                                      std::function<void(double)> change, bool band) {
  auto* spin = new QDoubleSpinBox(this);
  spin->setRange(low, high);
  spin->setDecimals(1);
  form_->addRow(label, spin);
  connect(spin, &QDoubleSpinBox::valueChanged, this,
          [this, change, band](double v) { apply([&change, v] { change(v); }, band); });
  return spin;
}

QCheckBox* PropertyPanel::check(const QString& label, std::function<void(bool)> change, bool band) {
  auto* box = new QCheckBox(label, this);
  form_->addRow("", box);
  connect(box, &QCheckBox::toggled, this,
          [this, change, band](bool on) { apply([&change, on] { change(on); }, band); });
  return box;
}

void PropertyPanel::showItem(DefinedItem* item) {
  item_ = item;
  band_ = nullptr;
  fillItem();
  showRows();
}

void PropertyPanel::showBand(DefinedBand* band) {
  item_ = nullptr;
  band_ = band;
  filling_ = true;
  bandName_->setText(QString::fromStdString(band->name));
  bandHeight_->setValue(band->height);
  when_->setText(QString::fromStdString(band->when));
  newPage_->setChecked(band->newPage);
  restart_->setChecked(band->restartPageNumbers);
  filling_ = false;
  showRows();
}

void PropertyPanel::showNothing() {
  item_ = nullptr;
  band_ = nullptr;
  showRows();
}

void PropertyPanel::fillItem() {
  filling_ = true;
  const DefinedItem& item = *item_;
  text_->setText(QString::fromStdString(item.text));
  name_->setText(QString::fromStdString(item.name));
  picture_->setText(QString::fromStdString(item.picture));
  expression_->setText(QString::fromStdString(item.expression));
  x_->setValue(item.x);
  y_->setValue(item.y);
  width_->setValue(item.width);
  height_->setValue(item.height);
  x2_->setValue(item.x2);
  y2_->setValue(item.y2);
  font_->setCurrentFont(QFont(QString::fromStdString(item.font.family)));
  size_->setValue(item.font.size);
  bold_->setChecked(item.font.bold);
  italic_->setChecked(item.font.italic);
  align_->setCurrentIndex(static_cast<int>(item.align));
  wrap_->setChecked(item.wrap);
  thickness_->setValue(item.thickness);
  fill_->setText(colorText(item.fill));
  file_->setText(QString::fromStdString(item.file));
  filling_ = false;
}

void PropertyPanel::showRows() {
  const DefinedItemKind kind = item_ ? item_->kind : DefinedItemKind::Text;
  const bool item = item_ != nullptr;
  const bool textual = item && item_->isTextual();
  const auto show = [this](QWidget* field, bool visible) { form_->setRowVisible(field, visible); };
  show(text_, item && (kind == DefinedItemKind::Text || kind == DefinedItemKind::PageNumber));
  for (QWidget* field :
       {static_cast<QWidget*>(name_), static_cast<QWidget*>(picture_), static_cast<QWidget*>(expression_)})
    show(field, item && kind == DefinedItemKind::Field);
  for (QWidget* field : {static_cast<QWidget*>(x_), static_cast<QWidget*>(y_)}) show(field, item);
  show(width_, item && kind != DefinedItemKind::Line);
  show(height_, item && (kind == DefinedItemKind::Box || kind == DefinedItemKind::Image));
  show(x2_, item && kind == DefinedItemKind::Line);
  show(y2_, item && kind == DefinedItemKind::Line);
  for (QWidget* field :
       {static_cast<QWidget*>(font_), static_cast<QWidget*>(size_), static_cast<QWidget*>(bold_),
        static_cast<QWidget*>(italic_), static_cast<QWidget*>(align_), static_cast<QWidget*>(wrap_)})
    show(field, textual);
  show(thickness_, item && (kind == DefinedItemKind::Line || kind == DefinedItemKind::Box));
  show(fill_, item && kind == DefinedItemKind::Box);
  show(file_, item && kind == DefinedItemKind::Image);
  show(choose_, item && kind == DefinedItemKind::Image);
  for (QWidget* field :
       {static_cast<QWidget*>(bandName_), static_cast<QWidget*>(bandHeight_), static_cast<QWidget*>(when_),
        static_cast<QWidget*>(newPage_), static_cast<QWidget*>(restart_)})
    show(field, band_ != nullptr);
  show(hint_, !item && !band_);
  const bool header = band_ && band_->kind == DefinedBandKind::Header;
  show(newPage_, header);
  show(restart_, header);
}

void PropertyPanel::choosePicture() {
  if (!item_) return;
  const QString chosen =
      QFileDialog::getOpenFileName(this, "Choose a Picture", QString::fromStdString(folder_.string()),
                                   "Pictures (*.png *.jpg *.jpeg);;All Files (*)");
  if (chosen.isEmpty()) return;
  std::filesystem::path file(chosen.toStdString());
  // A picture beside the report file is named relative to it, so the two
  // can move to another folder together.
  const auto relative = folder_.empty() ? file : file.lexically_relative(folder_);
  if (!relative.empty() && *relative.begin() != "..") file = relative;
  apply([this, &file] { item_->file = file.string(); });
  file_->setText(QString::fromStdString(item_->file));
}

}  // namespace crv::designer

// The designer's property panel: the place, size, text, published name,
// picture, font, alignment, rule and fill of the selected item, or the
// name, height and print condition of the selected band. Every change is
// written into the definition at once.
#pragma once

#include <QWidget>
#include <filesystem>
#include <functional>

#include "host/framework/report/report_definition.h"

class QFormLayout;
class QLineEdit;
class QDoubleSpinBox;
class QCheckBox;
class QComboBox;
class QFontComboBox;
class QPushButton;
class QLabel;

namespace crv::designer {

class PropertyPanel final : public QWidget {
  Q_OBJECT
 public:
  explicit PropertyPanel(QWidget* parent);

  void showItem(DefinedItem* item);
  void showBand(DefinedBand* band);
  void showNothing();
  // Where a picture chosen for an image is made relative to.
  void setFolder(std::filesystem::path folder) { folder_ = std::move(folder); }

 Q_SIGNALS:
  void itemEdited();
  void bandEdited();

 private:
  // A row whose edits change the selected item (or, with `band`, band).
  QLineEdit* line(const QString& label, std::function<void(const QString&)> change, bool band = false);
  QDoubleSpinBox* number(const QString& label, double low, double high, std::function<void(double)> change,
                         bool band = false);
  QCheckBox* check(const QString& label, std::function<void(bool)> change, bool band = false);
  void addItemRows();
  void addBandRows();
  void showRows();
  void fillItem();
  void choosePicture();
  void apply(const std::function<void()>& change, bool band = false);

  QFormLayout* form_ = nullptr;
  std::filesystem::path folder_;
  DefinedItem* item_ = nullptr;
  DefinedBand* band_ = nullptr;
  bool filling_ = false;

  QLineEdit *text_, *name_, *picture_, *expression_, *fill_, *file_, *bandName_, *when_;
  QDoubleSpinBox *x_, *y_, *width_, *height_, *x2_, *y2_, *size_, *thickness_, *bandHeight_;
  QCheckBox *bold_, *italic_, *wrap_, *newPage_, *restart_;
  QComboBox* align_;
  QFontComboBox* font_;
  QPushButton* choose_;
  QLabel* hint_;
};

}  // namespace crv::designer

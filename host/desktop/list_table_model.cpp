// The item model over a list.
#include "host/desktop/list_table_model.h"

#include <QBrush>
#include <QColor>
#include <QFont>

#include "host/desktop/icon_library.h"
#include "host/framework/ui/list_model.h"
#include "host/framework/values/text.h"

namespace crv::desktop {
namespace {

QString qText(const std::string& text) { return QString::fromStdString(std::string(trim(text))); }

QColor rgb(std::uint32_t value) { return QColor::fromRgb(static_cast<QRgb>(value & 0xFFFFFFu)); }

}  // namespace

ListTableModel::ListTableModel(const ui::Control& control, QObject* parent)
    : QAbstractTableModel(parent), control_(&control) {
  sync();
}

bool ListTableModel::sync() {
  const ui::ListModel* list = control_->model();
  const std::uint64_t revision = list ? list->revision() : 0;
  const int columns = list ? list->columnCount() : 0;
  if (loaded_ && list == list_ && revision == revision_ && columns == columns_) return false;
  beginResetModel();
  list_ = list;
  revision_ = revision;
  columns_ = columns;
  loaded_ = true;
  endResetModel();
  return true;
}

int ListTableModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() || !list_ ? 0 : list_->rowCount();
}

int ListTableModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : columns_; }

bool ListTableModel::numeric(int column) const {
  const auto picture = control_->listColumn(column).picture;
  return picture && picture->kind() == PictureKind::Number;
}

QVariant ListTableModel::data(const QModelIndex& index, int role) const {
  if (!list_ || !index.isValid() || index.row() >= list_->rowCount() || index.column() >= columns_) return {};
  const ui::ListCell cell = list_->cell(index.row(), index.column());
  switch (role) {
    case Qt::DisplayRole:
      return qText(cell.text);
    case Qt::ToolTipRole:
      return cell.text.size() > 30 ? QVariant(qText(cell.text)) : QVariant();
    case Qt::DecorationRole:
      if (!cell.icon.empty()) return icon(cell.icon);
      if (index.column() == 0 && list_->tagged(index.row())) return icon("reconcile");
      return {};
    case Qt::ForegroundRole:
      return cell.foreground ? QVariant(QBrush(rgb(*cell.foreground))) : QVariant();
    case Qt::BackgroundRole:
      return cell.background ? QVariant(QBrush(rgb(*cell.background))) : QVariant();
    case Qt::FontRole:
      if (list_->tagged(index.row())) {
        QFont bold;
        bold.setBold(true);
        return bold;
      }
      return {};
    case Qt::TextAlignmentRole:
      return QVariant::fromValue(Qt::AlignVCenter |
                                 (numeric(index.column()) ? Qt::AlignRight : Qt::AlignLeft));
    default:
      return {};
  }
}

QVariant ListTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || !list_) return {};
  if (role == Qt::DisplayRole) return QString::fromStdString(control_->listColumn(section).header);
  if (role == Qt::TextAlignmentRole)
    return QVariant::fromValue(Qt::AlignVCenter | (numeric(section) ? Qt::AlignRight : Qt::AlignLeft));
  return {};
}

}  // namespace crv::desktop

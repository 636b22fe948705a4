// The dictionary list of the designer.
#include "host/desktop/designer/dictionary_tree.h"

#include <QMimeData>

#include "host/desktop/designer/band_canvas.h"

namespace crv::designer {
namespace {

constexpr int nameRole = Qt::UserRole;
constexpr int pictureRole = Qt::UserRole + 1;

QString tableCaption(const DictionaryTable& table) {
  switch (table.kind) {
    case DictionaryTableKind::Primary:
      return QString::fromStdString(table.name);
    case DictionaryTableKind::Child:
      return QString::fromStdString(table.name) + " (lines)";
    default:
      return QString::fromStdString(table.name) + " (lookup)";
  }
}

}  // namespace

DictionaryTree::DictionaryTree(const FieldDictionary& dictionary, QWidget* parent) : QTreeWidget(parent) {
  setHeaderLabels({"Field", "Name"});
  setDragEnabled(true);
  setDragDropMode(QAbstractItemView::DragOnly);
  setSelectionMode(QAbstractItemView::SingleSelection);
  for (const DictionaryTable& table : dictionary.tables) {
    auto* branch = new QTreeWidgetItem(this, {tableCaption(table)});
    branch->setFlags(Qt::ItemIsEnabled);
    addFields(branch, table.fields);
  }
  if (!dictionary.data.empty()) {
    auto* branch = new QTreeWidgetItem(this, {"Report values"});
    branch->setFlags(Qt::ItemIsEnabled);
    addFields(branch, dictionary.data);
  }
  if (topLevelItemCount() > 0) topLevelItem(0)->setExpanded(true);
  resizeColumnToContents(0);
}

void DictionaryTree::addFields(QTreeWidgetItem* branch, const std::vector<DictionaryField>& fields) {
  for (const DictionaryField& field : fields) {
    auto* item = new QTreeWidgetItem(
        branch, {QString::fromStdString(field.label), QString::fromStdString(field.name)});
    item->setData(0, nameRole, QString::fromStdString(field.name));
    item->setData(0, pictureRole, QString::fromStdString(field.picture));
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsDragEnabled);
  }
}

QStringList DictionaryTree::mimeTypes() const { return {fieldMimeType}; }

QMimeData* DictionaryTree::mimeData(const QList<QTreeWidgetItem*>& items) const {
  if (items.isEmpty() || items.front()->data(0, nameRole).isNull()) return nullptr;
  auto* dragged = new QMimeData;
  const QTreeWidgetItem* item = items.front();
  dragged->setData(
      fieldMimeType,
      (item->data(0, nameRole).toString() + "\t" + item->data(0, pictureRole).toString()).toUtf8());
  return dragged;
}

}  // namespace crv::designer

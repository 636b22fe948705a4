// The field dictionary as the designer lists it: one branch per table (and
// one for the procedure's own values) with its fields, each shown by label
// and name. A field is dragged from here onto a band.
#pragma once

#include <QTreeWidget>

#include "host/framework/report/field_dictionary.h"

namespace crv::designer {

class DictionaryTree final : public QTreeWidget {
  Q_OBJECT
 public:
  DictionaryTree(const FieldDictionary& dictionary, QWidget* parent);

 protected:
  QMimeData* mimeData(const QList<QTreeWidgetItem*>& items) const override;
  QStringList mimeTypes() const override;

 private:
  void addFields(QTreeWidgetItem* branch, const std::vector<DictionaryField>& fields);
};

}  // namespace crv::designer

// A Qt item model over a list control's ListModel: the rows loaded now (the
// page), their cells' texts, icons and colours, tags, and the headers.
//
// The list's own model is the truth; this adapter only shows it. sync()
// resets the view when the list's revision moved (rows reloaded, the
// highlight or tags changed), so nothing is copied between draws.
#pragma once

#include <QAbstractTableModel>
#include <cstdint>

#include "host/framework/ui/control.h"

namespace crv::desktop {

class ListTableModel final : public QAbstractTableModel {
  Q_OBJECT

 public:
  // `control` is the List control; its columns (when set) give the headers
  // and pictures' alignment, its ListModel the rows.
  explicit ListTableModel(const ui::Control& control, QObject* parent = nullptr);

  // Reloads when the list changed; answers whether it did.
  bool sync();

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  int columnCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

 private:
  bool numeric(int column) const;

  const ui::Control* control_;
  const ui::ListModel* list_ = nullptr;
  std::uint64_t revision_ = 0;
  bool loaded_ = false;
  int columns_ = 0;
};

}  // namespace crv::desktop

// The list adapter.
#include "host/desktop/list_adapter.h"

#include <QAbstractItemView>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QScrollBar>
#include <QSettings>
#include <QTableView>
#include <QWheelEvent>
#include <algorithm>

#include "host/desktop/list_table_model.h"
#include "host/framework/ui/input.h"
#include "host/framework/ui/list_model.h"
#include "host/framework/ui/window.h"

namespace crv::desktop {

using ui::EventKind;

// The wheel moves the highlight by three rows; a resize changes how many
// rows the list loads.
class ListAdapter::ListEvents final : public QObject {
 public:
  ListEvents(ListAdapter& list, QObject* parent) : QObject(parent), list_(list) {}
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Wheel) {
      const int delta = static_cast<QWheelEvent*>(event)->angleDelta().y();
      if (delta != 0) list_.scrollBy(delta > 0 ? -3 : 3);
      return true;
    }
    if (event->type() == QEvent::Resize && watched == list_.view_->viewport()) list_.fitRows();
    return false;
  }

 private:
  ListAdapter& list_;
};

ListAdapter::ListAdapter(ui::Control& control, EventSink& sink, QWidget* parent)
    : ControlAdapter(control, sink) {
  auto* frame = new QWidget(parent);
  auto* layout = new QHBoxLayout(frame);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  view_ = new QTableView(frame);
  model_ = new ListTableModel(control, view_);
  view_->setModel(model_);
  view_->setSelectionBehavior(QAbstractItemView::SelectRows);
  view_->setSelectionMode(QAbstractItemView::SingleSelection);
  view_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  view_->setAlternatingRowColors(true);
  view_->setShowGrid(false);
  view_->setWordWrap(false);
  view_->setTabKeyNavigation(false);
  view_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  view_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  view_->setIconSize(QSize(16, 16));
  view_->verticalHeader()->hide();
  view_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  view_->verticalHeader()->setDefaultSectionSize(view_->fontMetrics().height() + 8);
  view_->horizontalHeader()->setHighlightSections(false);
  view_->horizontalHeader()->setStretchLastSection(true);
  view_->horizontalHeader()->setSectionsClickable(true);
  view_->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  const int rows = control.model() ? std::max(control.model()->visibleRows(), 5) : 10;
  view_->setMinimumHeight(view_->verticalHeader()->defaultSectionSize() * std::min(rows, 14) +
                          view_->horizontalHeader()->sizeHint().height() + 4);
  pager_ = new QScrollBar(Qt::Vertical, frame);
  pager_->setRange(0, 2);
  pager_->setPageStep(1);
  pager_->setValue(1);
  layout->addWidget(view_, 1);
  layout->addWidget(pager_);
  connectSignals();
  filter_ = new ListEvents(*this, view_);
  view_->installEventFilter(filter_);
  view_->viewport()->installEventFilter(filter_);
  setWidget(frame);
}

void ListAdapter::connectSignals() {
  QObject::connect(view_, &QTableView::pressed, view_, [this](const QModelIndex& index) {
    if (index.isValid()) sink().post(ui::cellClicked(control(), index.row(), index.column()));
  });
  QObject::connect(view_, &QTableView::doubleClicked, view_, [this](const QModelIndex& index) {
    if (index.isValid()) sink().post(ui::doubleClicked(control()));
  });
  QObject::connect(pager_, &QScrollBar::actionTriggered, pager_, [this](int action) { paged(action); });
  QObject::connect(view_->horizontalHeader(), &QHeaderView::sectionClicked, view_,
                   [this](int column) { post(EventKind::HeaderClicked, column); });
  QObject::connect(view_->horizontalHeader(), &QHeaderView::sectionResized, view_,
                   [this](int column, int, int width) { rememberWidth(column, width); });
  view_->setContextMenuPolicy(Qt::CustomContextMenu);
  QObject::connect(view_, &QWidget::customContextMenuRequested, view_,
                   [this] { post(EventKind::PopupMenu); });
}

QWidget* ListAdapter::focusTarget() const { return view_; }

void ListAdapter::sync() {
  ControlAdapter::sync();
  if (model_->sync() || !widthsSet_) setWidths();
  const ui::ListModel* list = control().model();
  const int selected = list ? list->selected() : -1;
  const QModelIndex current = selected >= 0 ? model_->index(selected, 0) : QModelIndex();
  if (current.isValid()) {
    view_->selectionModel()->setCurrentIndex(current,
                                             QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    view_->scrollTo(current);
  } else {
    view_->selectionModel()->clear();
  }
  pager_->setValue(1);
  fitRows();
}

void ListAdapter::scrollBy(int rows) { post(EventKind::Scroll, rows); }

int ListAdapter::pageRows() const {
  return control().model() ? std::max(1, control().model()->visibleRows()) : 1;
}

void ListAdapter::paged(int action) {
  switch (action) {
    case QAbstractSlider::SliderSingleStepAdd:
      scrollBy(1);
      break;
    case QAbstractSlider::SliderSingleStepSub:
      scrollBy(-1);
      break;
    case QAbstractSlider::SliderPageStepAdd:
      scrollBy(pageRows());
      break;
    case QAbstractSlider::SliderPageStepSub:
      scrollBy(-pageRows());
      break;
    default:
      break;
  }
}

void ListAdapter::fitRows() {
  ui::ListModel* list = control().model();
  const int rowHeight = view_->verticalHeader()->defaultSectionSize();
  if (!list || rowHeight <= 0 || !view_->isVisible()) return;
  const int fits = std::max(1, view_->viewport()->height() / rowHeight);
  if (fits != list->visibleRows()) {
    list->setVisibleRows(fits);
    if (model_->sync()) setWidths();
  }
}

QString ListAdapter::settingsKey(int column) const {
  return QStringLiteral("lists/%1/%2/%3")
      .arg(QString::fromStdString(control().window().title()), QString::fromStdString(control().equate()),
           QString::number(column));
}

// The width a column needs for its header and its values' picture.
int ListAdapter::columnWidth(int index) const {
  const ui::ListColumn column = control().listColumn(index);
  int chars = column.width;
  if (!chars && column.picture) chars = column.picture->displayWidth();
  const bool digits = column.picture && column.picture->kind() != PictureKind::String;
  const int header = view_->fontMetrics().horizontalAdvance(QString::fromStdString(column.header)) + 24;
  return std::max(header, chars ? fieldWidth(*view_, std::min(chars, 36), digits) : 120);
}

void ListAdapter::setWidths() {
  const ui::ListModel* list = control().model();
  if (!list) return;
  widthsSet_ = true;
  restoring_ = true;
  QSettings settings;
  int total = 0;
  for (int c = 0; c < list->columnCount(); ++c) {
    int width = columnWidth(c);
    const QVariant saved = settings.value(settingsKey(c));
    if (saved.isValid() && saved.toInt() > 20) width = saved.toInt();
    view_->setColumnWidth(c, width);
    total += width;
  }
  // The list asks for room to show its columns, within reason.
  view_->setMinimumWidth(std::min(total + 4, 980));
  restoring_ = false;
}

void ListAdapter::rememberWidth(int column, int width) {
  if (restoring_ || sink().syncing()) return;
  QSettings().setValue(settingsKey(column), width);
}

}  // namespace crv::desktop

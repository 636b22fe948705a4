// The calendar pop-up.
#include "host/desktop/calendar_dialog.h"

#include <QCalendarWidget>
#include <QDialog>
#include <QDialogButtonBox>
#include <QVBoxLayout>

#include "host/desktop/icon_library.h"
#include "host/desktop/screenshots.h"

namespace crv::desktop {

std::optional<Date> pickDate(const ui::CalendarRequest& request, QWidget* parent,
                             const Screenshots& screenshots) {
  QDialog dialog(parent);
  dialog.setWindowModality(parent ? Qt::WindowModal : Qt::ApplicationModal);
  dialog.setWindowTitle(QString::fromStdString(request.title));
  dialog.setWindowIcon(applicationIcon());
  auto* layout = new QVBoxLayout(&dialog);
  auto* calendar = new QCalendarWidget(&dialog);
  calendar->setGridVisible(true);
  calendar->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
  const Date start = request.initial.isNone() ? Date::today() : request.initial;
  calendar->setSelectedDate(QDate(start.year(), start.month(), start.dayOfMonth()));
  layout->addWidget(calendar);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
  layout->addWidget(buttons);
  QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
  QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
  QObject::connect(calendar, &QCalendarWidget::activated, &dialog, &QDialog::accept);
  calendar->setFocus();
  screenshots.saveSoon(dialog, "dialog", request.title);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  const QDate chosen = calendar->selectedDate();
  return Date::compose(chosen.month(), chosen.day(), chosen.year());
}

}  // namespace crv::desktop

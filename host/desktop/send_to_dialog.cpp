// Printing a list or saving it as CSV.
#include "host/desktop/send_to_dialog.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QRadioButton>
#include <QTextDocument>
#include <QVBoxLayout>
#include <sstream>

#include "host/desktop/icon_library.h"
#include "host/desktop/screenshots.h"
#include "host/framework/services/file_replacement.h"
#include "host/framework/ui/list_csv.h"
#include "host/framework/ui/list_model.h"
#include "host/framework/values/text.h"

namespace crv::desktop {
namespace {

QString listHtml(const ui::ListModel& list, const QString& title) {
  QString html =
      "<h3>" + title.toHtmlEscaped() + "</h3><table cellspacing='0' cellpadding='3' border='1'><tr>";
  for (int c = 0; c < list.columnCount(); ++c)
    html += "<th align='left'>" + QString::fromStdString(list.header(c)).toHtmlEscaped() + "</th>";
  html += "</tr>";
  for (int r = 0; r < list.rowCount(); ++r) {
    html += "<tr>";
    for (int c = 0; c < list.columnCount(); ++c)
      html +=
          "<td>" + QString::fromStdString(std::string(trim(list.cell(r, c).text))).toHtmlEscaped() + "</td>";
    html += "</tr>";
  }
  return html + "</table>";
}

}  // namespace

void sendListTo(const ui::SendToRequest& request, QWidget* parent, const Screenshots& screenshots) {
  if (!request.list) return;
  const QString title =
      QString::fromStdString(request.title.empty() ? "Send List Contents To..." : request.title);
  QDialog dialog(parent);
  dialog.setWindowModality(parent ? Qt::WindowModal : Qt::ApplicationModal);
  dialog.setWindowTitle(title);
  dialog.setWindowIcon(applicationIcon());
  auto* layout = new QVBoxLayout(&dialog);
  layout->addWidget(new QLabel(QObject::tr("Send the rows the list shows to:"), &dialog));
  auto* printer = new QRadioButton(QObject::tr("&Printer"), &dialog);
  auto* file = new QRadioButton(QObject::tr("&File (comma-separated values)"), &dialog);
  printer->setChecked(true);
  layout->addWidget(printer);
  layout->addWidget(file);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
  layout->addWidget(buttons);
  QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
  QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
  screenshots.saveSoon(dialog, "dialog", title.toStdString());
  if (dialog.exec() != QDialog::Accepted) return;

  if (file->isChecked()) {
    const QString name = QFileDialog::getSaveFileName(parent, QObject::tr("Save List As"), QString(),
                                                      QObject::tr("CSV Files (*.csv);;All Files (*)"));
    if (name.isEmpty()) return;
    std::ostringstream rows;
    ui::writeListCsv(*request.list, rows);
    if (!replaceFile(name.toStdString(), rows.str()).empty())
      QMessageBox::warning(parent, title, QObject::tr("The list could not be written to %1.").arg(name));
    return;
  }
  QPrinter paper;
  QPrintDialog ask(&paper, parent);
  if (ask.exec() != QDialog::Accepted) return;
  QTextDocument document;
  document.setHtml(listHtml(*request.list, title));
  document.print(&paper);
}

}  // namespace crv::desktop

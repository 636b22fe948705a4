// The spelling dialog.
#include "host/desktop/spell_check_dialog.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QFile>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <QSet>
#include <QTextStream>
#include <QVBoxLayout>

#include "host/desktop/icon_library.h"
#include "host/desktop/screenshots.h"

namespace crv::desktop {
namespace {

// The system's word list, when one is installed; without it nothing is
// flagged and the dialog only offers the texts for review.
const QSet<QString>& words() {
  static const QSet<QString> list = [] {
    QSet<QString> loaded;
    for (const char* path : {"/usr/share/dict/words", "/usr/share/dict/american-english"}) {
      QFile file(path);
      if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) continue;
      QTextStream in(&file);
      while (!in.atEnd()) loaded.insert(in.readLine().trimmed().toLower());
      break;
    }
    return loaded;
  }();
  return list;
}

QString unknownWords(const QString& text) {
  if (words().isEmpty()) return {};
  QStringList unknown;
  static const QRegularExpression word("[A-Za-z][A-Za-z']+");
  for (auto it = word.globalMatch(text); it.hasNext();) {
    const QString w = it.next().captured();
    if (!words().contains(w.toLower()) && !unknown.contains(w)) unknown << w;
  }
  return unknown.isEmpty() ? QString() : QObject::tr("Not in the dictionary: %1").arg(unknown.join(", "));
}

}  // namespace

std::vector<std::string> checkSpelling(const ui::SpellCheckRequest& request, QWidget* parent,
                                       const Screenshots& screenshots) {
  std::vector<std::string> texts;
  for (const auto& item : request.items) texts.push_back(item.text);
  QDialog dialog(parent);
  dialog.setWindowModality(parent ? Qt::WindowModal : Qt::ApplicationModal);
  dialog.setWindowTitle(QObject::tr("Spelling"));
  dialog.setWindowIcon(applicationIcon());
  auto* layout = new QVBoxLayout(&dialog);
  auto* form = new QFormLayout;
  layout->addLayout(form);
  std::vector<QLineEdit*> edits;
  for (const auto& item : request.items) {
    auto* edit = new QLineEdit(QString::fromStdString(item.text), &dialog);
    edit->setMinimumWidth(360);
    auto* note = new QLabel(unknownWords(edit->text()), &dialog);
    note->setStyleSheet("color: #a03030");
    QObject::connect(edit, &QLineEdit::textChanged, note,
                     [note](const QString& t) { note->setText(unknownWords(t)); });
    QString name = QString::fromStdString(item.equate);
    if (name.startsWith('?')) name.remove(0, 1);
    auto* cell = new QVBoxLayout;
    cell->addWidget(edit);
    cell->addWidget(note);
    form->addRow(name + ":", cell);
    edits.push_back(edit);
  }
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
  layout->addWidget(buttons);
  QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
  QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
  screenshots.saveSoon(dialog, "dialog", "spelling");
  if (dialog.exec() != QDialog::Accepted) return texts;
  for (std::size_t i = 0; i < edits.size(); ++i) texts[i] = edits[i]->text().toStdString();
  return texts;
}

}  // namespace crv::desktop

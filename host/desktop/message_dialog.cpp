// Showing a message box.
#include "host/desktop/message_dialog.h"

#include <QMessageBox>
#include <QPushButton>
#include <vector>

#include "host/desktop/icon_library.h"
#include "host/desktop/screenshots.h"

namespace crv::desktop {
namespace {

QMessageBox::Icon boxIcon(Icon icon) {
  switch (icon) {
    case Icon::Information:
      return QMessageBox::Information;
    case Icon::Question:
      return QMessageBox::Question;
    case Icon::Exclamation:
      return QMessageBox::Warning;
    case Icon::Stop:
      return QMessageBox::Critical;
    case Icon::None:
      break;
  }
  return QMessageBox::NoIcon;
}

}  // namespace

int askMessage(const MessageRequest& request, QWidget* parent, const Screenshots& screenshots) {
  QMessageBox box(parent);
  box.setWindowModality(parent ? Qt::WindowModal : Qt::ApplicationModal);
  box.setWindowTitle(QString::fromStdString(request.title));
  box.setWindowIcon(applicationIcon());
  box.setTextFormat(Qt::PlainText);
  box.setText(QString::fromStdString(request.displayText()));
  box.setIcon(boxIcon(request.icon));
  // Every button keeps the place the request gives it: the answer is its
  // position, so the box must not reorder them by role.
  std::vector<QPushButton*> buttons;
  for (const std::string& caption : request.buttonCaptions())
    buttons.push_back(box.addButton(QString::fromStdString(caption), QMessageBox::ActionRole));
  if (buttons.empty()) buttons.push_back(box.addButton(QStringLiteral("&OK"), QMessageBox::ActionRole));
  const int preferred =
      request.defaultButton >= 1 && request.defaultButton <= static_cast<int>(buttons.size())
          ? request.defaultButton
          : 1;
  box.setDefaultButton(buttons[static_cast<std::size_t>(preferred - 1)]);
  // Escape answers like the button that backs out, when there is one.
  for (QPushButton* button : buttons) {
    const QString plain = button->text().remove('&');
    if (plain == "Cancel" || plain == "No" || (buttons.size() == 1)) box.setEscapeButton(button);
  }
  screenshots.saveSoon(box, "message", request.title.empty() ? request.text.substr(0, 40) : request.title);
  box.exec();
  for (std::size_t i = 0; i < buttons.size(); ++i)
    if (box.clickedButton() == buttons[i]) return static_cast<int>(i) + 1;
  return preferred;
}

}  // namespace crv::desktop

// The help viewer: a window of its own that shows the help pages (HTML in
// the help folder) at a topic's anchor, with back, forward and contents,
// and follows the links between pages. It stays usable while a form is
// up, so a person can read about the window they are in.
//
// Topics name pages as "html/PO_Enter_Purchase_Orders.htm"; the pages live
// in the help folder: CRV_HELP_DIR when set, else "help" beside the
// program, else the source tree's docs/help.
#pragma once

#include <QMainWindow>
#include <filesystem>

#include "host/framework/ui/window.h"

class QTextBrowser;

namespace crv::desktop {

class HelpViewer final : public QMainWindow {
 public:
  explicit HelpViewer(QWidget* parent = nullptr);

  // Shows a topic; a page that is missing shows a note saying so.
  void showTopic(const ui::HelpTopic& topic);
  // The page shown now, for tests.
  QString currentPage() const;

  static std::filesystem::path helpFolder();

 private:
  QTextBrowser* browser_;
};

}  // namespace crv::desktop

// The help viewer window.
#include "host/desktop/help_viewer.h"

#include <QAction>
#include <QFileInfo>
#include <QTextBrowser>
#include <QToolBar>
#include <QUrl>
#include <cstdlib>

#include "host/app/module_library.h"
#include "host/desktop/icon_library.h"

namespace crv::desktop {

std::filesystem::path HelpViewer::helpFolder() {
  if (const char* folder = std::getenv("CRV_HELP_DIR"); folder && *folder) return folder;
  const auto beside = ModuleLibrary::programFolder() / "help";
  std::error_code ec;
  if (std::filesystem::is_directory(beside, ec)) return beside;
  return CRV_SOURCE_HELP_DIR;
}

HelpViewer::HelpViewer(QWidget* parent) : QMainWindow(parent, Qt::Window) {
  setWindowTitle(tr("Purchase Orders Help"));
  setWindowIcon(icon("help"));
  browser_ = new QTextBrowser(this);
  browser_->setOpenExternalLinks(true);
  browser_->setSearchPaths({QString::fromStdString(helpFolder().string())});
  setCentralWidget(browser_);
  QToolBar* bar = addToolBar(tr("Navigation"));
  bar->setMovable(false);
  QAction* back = bar->addAction(tr("&Back"), browser_, &QTextBrowser::backward);
  QAction* forward = bar->addAction(tr("&Forward"), browser_, &QTextBrowser::forward);
  bar->addAction(tr("&Contents"), this, [this] { showTopic({"html/index.htm", {}}); });
  back->setShortcut(QKeySequence::Back);
  forward->setShortcut(QKeySequence::Forward);
  back->setEnabled(false);
  forward->setEnabled(false);
  connect(browser_, &QTextBrowser::backwardAvailable, back, &QAction::setEnabled);
  connect(browser_, &QTextBrowser::forwardAvailable, forward, &QAction::setEnabled);
  resize(760, 620);
}

void HelpViewer::showTopic(const ui::HelpTopic& topic) {
  // The topic's folder part ("html/") is where the suite keeps its help;
  // here every page sits in the help folder itself.
  const QString name = QFileInfo(QString::fromStdString(topic.page)).fileName();
  const QString file = QString::fromStdString((helpFolder() / name.toStdString()).string());
  if (!QFileInfo::exists(file)) {
    browser_->setHtml(tr("<h2>Help</h2><p>There is no help page <b>%1</b> in %2.</p>")
                          .arg(QString::fromStdString(topic.page).toHtmlEscaped(),
                               QString::fromStdString(helpFolder().string()).toHtmlEscaped()));
  } else {
    QUrl url = QUrl::fromLocalFile(file);
    if (!topic.anchor.empty()) url.setFragment(QString::fromStdString(topic.anchor));
    browser_->setSource(url);
  }
  show();
  raise();
  activateWindow();
}

QString HelpViewer::currentPage() const { return QFileInfo(browser_->source().toLocalFile()).fileName(); }

}  // namespace crv::desktop

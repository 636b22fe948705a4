// The main window.
#include "host/desktop/main_window.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QFileDialog>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QScrollArea>
#include <QStatusBar>
#include <QToolButton>
#include <QVBoxLayout>
#include <map>

#include "host/app/demo_company.h"
#include "host/app/host_session.h"
#include "host/app/procedure_catalog.h"
#include "host/data/company.h"
#include "host/data/shared_values.h"
#include "host/data/tables/job_cost_tables.h"
#include "host/data/tables/payables_tables.h"
#include "host/data/tables/purchasing_tables.h"
#include "host/data/tables/suite_tables.h"
#include "host/desktop/icon_library.h"
#include "host/desktop/qt_front_end.h"
#include "host/desktop/screenshots.h"
#include "host/framework/services/global_request.h"

namespace crv::desktop {
namespace {

QString qs(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

std::int64_t rowsOf(Table& table) {
  if (table.open() != TableStatus::Ok) return 0;
  const std::int64_t rows = table.records();
  table.close();
  return rows;
}

}  // namespace

MainWindow::MainWindow(QtFrontEnd& frontEnd, const std::filesystem::path& companyFolder)
    : frontEnd_(frontEnd) {
  setWindowIcon(applicationIcon());
  session_ = std::make_unique<HostSession>(companyFolder);
  catalog_ = std::make_unique<ProcedureCatalog>(session_->module());
  frontEnd_.setMainWindow(this);
  buildMenus();
  buildStartPage();
  refreshCompany();
  resize(900, 640);
}

MainWindow::~MainWindow() {
  // The catalog's libraries go before the session ends the module.
  catalog_.reset();
  session_.reset();
}

void MainWindow::buildMenus() {
  QMenu* file = menuBar()->addMenu(tr("&File"));
  QAction* open = file->addAction(icon("open"), tr("&Open Company..."), this, [this] { chooseCompany(); });
  open->setShortcut(QKeySequence::Open);
  file->addAction(tr("Create &Demo Company..."), this, [this] { createDemo(); });
  file->addSeparator();
  QAction* quit = file->addAction(tr("E&xit"), this, &QWidget::close);
  quit->setShortcut(QKeySequence::Quit);

  std::map<std::string_view, QMenu*> menus;
  for (const CatalogEntry& entry : catalogEntries()) {
    if (entry.menu.empty()) continue;
    auto procedure = catalog_->resolve(entry);
    if (!procedure) continue;
    QMenu*& menu = menus[entry.menu];
    if (!menu) menu = menuBar()->addMenu(qs(entry.menu));
    QAction* action = menu->addAction(icon(entry.icon), qs(entry.caption));
    const std::string caption = QString(qs(entry.caption)).remove('&').toStdString();
    const std::string symbol(entry.symbol);
    connect(action, &QAction::triggered, this, [this, caption, symbol] {
      for (const CatalogEntry& e : catalogEntries())
        if (e.symbol == symbol) runProcedure(caption, catalog_->resolve(e));
    });
    actions_.emplace_back(symbol, action);
  }

  QMenu* help = menuBar()->addMenu(tr("&Help"));
  QAction* contents = help->addAction(icon("help"), tr("&Contents"), this, [this] {
    frontEnd_.showHelp({"html/index.htm", {}});
  });
  contents->setShortcut(QKeySequence::HelpContents);
  help->addAction(tr("&About"), this, [this] { showAbout(); });
}

void MainWindow::buildStartPage() {
  auto* page = new QWidget(this);
  auto* layout = new QVBoxLayout(page);
  layout->setContentsMargins(24, 20, 24, 20);
  layout->setSpacing(14);

  auto* heading = new QHBoxLayout;
  auto* logo = new QLabel(page);
  logo->setPixmap(applicationIcon().pixmap(56, 56));
  heading->addWidget(logo, 0, Qt::AlignTop);
  auto* names = new QVBoxLayout;
  companyName_ = new QLabel(page);
  QFont big = companyName_->font();
  big.setPointSizeF(big.pointSizeF() * 1.6);
  big.setBold(true);
  companyName_->setFont(big);
  companyAddress_ = new QLabel(page);
  companyAddress_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  names->addWidget(companyName_);
  names->addWidget(companyAddress_);
  heading->addLayout(names, 1);
  companyFacts_ = new QLabel(page);
  companyFacts_->setAlignment(Qt::AlignRight | Qt::AlignTop);
  heading->addWidget(companyFacts_);
  layout->addLayout(heading);

  auto* rule = new QFrame(page);
  rule->setFrameShape(QFrame::HLine);
  rule->setFrameShadow(QFrame::Sunken);
  layout->addWidget(rule);

  // One box of buttons per menu, in the menus' order.
  std::vector<std::pair<std::string_view, QGridLayout*>> boxes;
  auto* row = new QHBoxLayout;
  row->setSpacing(14);
  for (const auto& [symbol, action] : actions_) {
    const CatalogEntry* entry = nullptr;
    for (const CatalogEntry& e : catalogEntries())
      if (e.symbol == symbol) entry = &e;
    if (!entry) continue;
    QGridLayout* grid = nullptr;
    for (auto& [menu, g] : boxes)
      if (menu == entry->menu) grid = g;
    if (!grid) {
      auto* box = new QGroupBox(QString(qs(entry->menu)).remove('&'), page);
      grid = new QGridLayout(box);
      grid->setSpacing(8);
      row->addWidget(box, 0, Qt::AlignTop);
      boxes.emplace_back(entry->menu, grid);
    }
    auto* button = new QToolButton(page);
    button->setDefaultAction(action);
    button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    button->setIconSize(QSize(32, 32));
    button->setAutoRaise(true);
    // Never narrower than its label: a tile squeezed below its size hint
    // cuts the label in the middle.
    button->setMinimumSize(button->sizeHint().expandedTo(QSize(120, 72)));
    const int count = grid->count();
    grid->addWidget(button, count / 2, count % 2);
  }
  row->addStretch(1);
  layout->addLayout(row);
  layout->addStretch(1);
  setCentralWidget(page);
}

void MainWindow::refreshCompany() {
  std::string address;
  if (Systems.open() == TableStatus::Ok) {
    Systems.set(SystemsRecord::KeySystemID);
    if (Systems.next() == TableStatus::Ok) {
      address = SYS.Address1.str();
      if (!SYS.Address2.empty()) address += "\n" + SYS.Address2.str();
      address +=
          "\n" + SYS.City.str() + (SYS.City.empty() ? "" : ", ") + SYS.State.str() + " " + SYS.Zip.str();
      if (!SYS.Phone.empty()) address += "\nPhone " + SYS.Phone.str();
      CompanyName = SYS.CompanyName.view();
    }
    Systems.close();
  }
  const QString name = qs(CompanyName.view());
  setWindowTitle(name.isEmpty() ? tr("Purchase Orders") : name + tr(" - Purchase Orders"));
  companyName_->setText(name.isEmpty() ? tr("(company without a name)") : name);
  companyAddress_->setText(QString::fromStdString(address).trimmed());
  companyFacts_->setText(tr("%1 vendors\n%2 jobs\n%3 purchase orders")
                             .arg(rowsOf(APVendor))
                             .arg(rowsOf(JCHeader))
                             .arg(rowsOf(POMaster)));
  statusBar()->showMessage(
      tr("Company folder: %1").arg(QString::fromStdString(session_->company().folder().string())));
}

QAction* MainWindow::actionFor(const std::string& symbol) const {
  for (const auto& [name, action] : actions_)
    if (name == symbol) return action;
  return nullptr;
}

bool MainWindow::run(const std::string& symbol) {
  QAction* action = actionFor(symbol);
  if (!action) return false;
  action->trigger();
  return true;
}

void MainWindow::runProcedure(const std::string& caption, const std::function<void()>& procedure) {
  if (!procedure || running_) return;
  running_ = true;
  GlobalRequest = 0;
  try {
    procedure();
  } catch (const std::exception& error) {
    QMessageBox::critical(
        this, QString::fromStdString(caption),
        tr("%1 stopped with an error:\n%2").arg(QString::fromStdString(caption), error.what()));
  }
  running_ = false;
  refreshCompany();
}

bool MainWindow::openCompany(const std::filesystem::path& folder) {
  if (!Company::exists(folder)) {
    QMessageBox::warning(this, tr("Open Company"),
                         tr("There is no company in %1.").arg(QString::fromStdString(folder.string())));
    return false;
  }
  const std::filesystem::path previous = session_->company().folder();
  catalog_.reset();
  session_.reset();
  try {
    session_ = std::make_unique<HostSession>(folder);
  } catch (const std::exception& error) {
    QMessageBox::warning(this, tr("Open Company"), tr("The company cannot be opened:\n%1").arg(error.what()));
    session_ = std::make_unique<HostSession>(previous);
  }
  catalog_ = std::make_unique<ProcedureCatalog>(session_->module());
  refreshCompany();
  return session_->company().folder() == folder;
}

void MainWindow::chooseCompany() {
  const QString folder = QFileDialog::getExistingDirectory(
      this, tr("Open Company"), QString::fromStdString(session_->company().folder().string()));
  if (!folder.isEmpty()) openCompany(folder.toStdString());
}

void MainWindow::createDemo() {
  const QString folder = QFileDialog::getExistingDirectory(this, tr("Create the Demo Company In"));
  if (folder.isEmpty()) return;
  try {
    createDemoCompany(folder.toStdString());
  } catch (const std::exception& error) {
    QMessageBox::warning(this, tr("Create Demo Company"), QString::fromUtf8(error.what()));
    return;
  }
  openCompany(folder.toStdString());
}

void MainWindow::showAbout() {
  QMessageBox::about(
      this, tr("About Purchase Orders"),
      tr("<b>Purchase Orders</b><p>The purchase-order module of a job-cost accounting suite for "
         "contractors.</p><p>Company folder: %1</p>")
          .arg(QString::fromStdString(session_->company().folder().string()).toHtmlEscaped()));
}

void MainWindow::closeEvent(QCloseEvent* event) {
  // A procedure's windows are modal over this one; it cannot close under
  // them.
  if (running_)
    event->ignore();
  else
    event->accept();
}

}  // namespace crv::desktop

// The host's main window: the suite's menus with one item per procedure the
// host can run (the module's exported procedures and the sibling modules'
// master-data lists, from the procedure catalog), and a start page with the
// company's name and address, what it holds at a glance, and a button for
// each of those procedures. The title shows the company's name.
//
// The window owns the host session: opening another company (File > Open
// Company) ends the session (the module's KILL) and starts one on the new
// folder (its INIT). Running a procedure sets no request and calls it; its
// windows are modal over the main window until it returns.
#pragma once

#include <QMainWindow>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class QAction;
class QLabel;
class QGridLayout;
class QWidget;

namespace crv {
class HostSession;
class ProcedureCatalog;
struct CatalogEntry;
}  // namespace crv

namespace crv::desktop {

class QtFrontEnd;

class MainWindow final : public QMainWindow {
 public:
  MainWindow(QtFrontEnd& frontEnd, const std::filesystem::path& companyFolder);
  ~MainWindow() override;

  // Opens a company in place of the one open now; false (with a message to
  // the person) when it cannot be opened, the old one then stays open.
  bool openCompany(const std::filesystem::path& folder);
  // The menu action that runs a procedure, by its exported name, for tests.
  QAction* actionFor(const std::string& symbol) const;
  // Runs a catalog procedure by name; false when it is not available.
  bool run(const std::string& symbol);

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void buildMenus();
  void buildStartPage();
  void refreshCompany();
  void chooseCompany();
  void createDemo();
  void showAbout();
  void runProcedure(const std::string& caption, const std::function<void()>& procedure);

  QtFrontEnd& frontEnd_;
  std::unique_ptr<HostSession> session_;
  std::unique_ptr<ProcedureCatalog> catalog_;
  std::vector<std::pair<std::string, QAction*>> actions_;
  QLabel* companyName_ = nullptr;
  QLabel* companyAddress_ = nullptr;
  QLabel* companyFacts_ = nullptr;
  bool running_ = false;
};

}  // namespace crv::desktop

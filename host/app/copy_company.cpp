// The window that copies the open company.
#include "host/app/copy_company.h"

#include <stdexcept>

#include "host/data/company.h"
#include "host/data/company_copy.h"
#include "host/framework/services/message_box.h"
#include "host/framework/ui/front_end.h"

namespace crv {

using ui::Binding;
using ui::ButtonRole;

CopyCompanyWindow::CopyCompanyWindow() : WindowManager("CopyCompany") {
  ui::Window& w = window();
  w.setTitle("Copy Company");
  w.setIcon("settings");
  w.setHelp("html/Copy_Company.htm");
  w.addString("?Intro",
              "Copies every table of this company into a new company, then compares row counts and checksums "
              "table by table. Leave the server blank for a company file in the folder.");
  w.addField("Copy to &Folder:", "?Folder", Binding::local(folder_, "LOC:Folder"), "@s60").setRequired();
  w.addField("&Server:", "?Server", Binding::local(server_, "LOC:Server"), "@s60")
      .setTip("postgresql://user@host:port/database?schema=name; the password comes from ~/.pgpass");
  w.addString("?Progress", "");
  w.addButton("?Proceed", "Proceed").setDefault();
  w.addButton("?Close", "Close", ButtonRole::Close);
  onAccepted("?Proceed", [this] { proceed(); });
}

bool CopyCompanyWindow::prepareTarget() {
  const std::filesystem::path to(folder_.str());
  if (Company::exists(to)) {
    message("The folder " + to.string() + " already holds a company.|Choose a new folder.", "Copy Company",
            Icon::Exclamation);
    return false;
  }
  if (server_.str().empty()) return true;
  try {
    CompanyStorage::writeServerSettings(to, CompanyStorage::parseUrl(server_.str()));
    return true;
  } catch (const std::exception& error) {
    message(std::string("The server address cannot be used: ") + error.what(), "Copy Company",
            Icon::Exclamation);
    return false;
  }
}

void CopyCompanyWindow::proceed() {
  Company* company = Company::current();
  if (!company || folder_.str().empty()) {
    select("?Folder");
    return;
  }
  if (!prepareTarget()) return;
  ui::Control& progress = control("?Progress");
  CompanyCopyResult result;
  try {
    result = copyCompany(company->folder(), folder_.str(), [&](const std::string& table) {
      progress.setText("Copying " + table + "...");
      ui::frontEnd().display(window());
    });
  } catch (const StorageOpenError& error) {
    result.error = error.what();
  }
  progress.setText("");
  if (!result.verified()) {
    std::string text = "The company was not copied whole: " + result.error;
    for (const TableCopyCheck& table : result.tables)
      if (result.copied && !table.matches()) text += "|" + table.table + " differs";
    message(text, "Copy Company", Icon::Stop);
    return;
  }
  std::int64_t rows = 0;
  for (const TableCopyCheck& table : result.tables) rows += table.targetRows;
  message("Copied " + std::to_string(result.tables.size()) + " tables, " + std::to_string(rows) +
              " rows, into " + CompanyStorage(folder_.str()).describe() +
              ".|Every count and checksum matches.",
          "Copy Company", Icon::Information);
  complete(RequestCompleted);
}

void copyCompanyProcedure() { CopyCompanyWindow().run(); }

}  // namespace crv

// The host application's entry point: the command line, and the desktop
// for the commands that open a window. The desktop (Qt Widgets) is a plugin
// loaded only for those commands; printing on paper, mail and report
// rendering load their libraries when they are first used, so a command
// loads only what it needs.
//
//   crvhost                     the desktop application on the demo company
//                               (created on first run)
//   crvhost open FOLDER         the desktop application on another company
//   crvhost show FOLDER         open a company and print what it holds
//   crvhost create-demo FOLDER  create the demo company in FOLDER
//   crvhost create-demo --postgresql URL FOLDER
//                               the same on a PostgreSQL server
//   crvhost copy-company FROM [--postgresql URL] TO
//                               copy a company to another folder or engine
//   crvhost recalc FOLDER [--wait SECONDS]
//                               rebuild committed costs in a company
//   crvhost print FOLDER ...    print purchase orders to a PDF file
//   crvhost listing FOLDER ...  the purchase-order listing to PDF, .xlsx or .csv
//   crvhost script FOLDER FILE  play a script against a company
//   crvhost mail-password FOLDER
//                               store the mail sign-in password for this user
//   crvhost import FOLDER ...   import purchase orders from text files
//   crvhost export FOLDER ...   export purchase orders to a text file
//   crvhost --help
#include <termios.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "host/app/company_summary.h"
#include "host/app/demo_company.h"
#include "host/app/display.h"
#include "host/app/host_session.h"
#include "host/app/mail_password_command.h"
#include "host/app/module_library.h"
#include "host/app/script_command.h"
#include "host/crvhost/print_service_on_demand.h"
#include "host/data/company_copy.h"
#include "host/framework/services/plugin_library.h"

namespace {

namespace fs = std::filesystem;

void printHelp(std::ostream& out) {
  out << "Usage: crvhost [COMMAND] [ARGUMENTS]\n"
         "\n"
         "Purchase orders for contractors.\n"
         "\n"
         "Commands:\n"
         "  (none)               open the demo company in the desktop application,\n"
         "                       creating it on first run\n"
         "  open FOLDER          open the company in FOLDER in the desktop application\n"
         "  show FOLDER          open the company in FOLDER and print what it holds\n"
         "  create-demo FOLDER   create the demo company in FOLDER\n"
         "  create-demo --postgresql postgresql://USER@HOST:PORT/DATABASE?schema=NAME FOLDER\n"
         "                       create the demo company on a PostgreSQL server, in its own\n"
         "                       schema; FOLDER gets the company.ini that names it (the\n"
         "                       password comes from ~/.pgpass or PGPASSFILE)\n"
         "  copy-company FROM [--postgresql URL] TO\n"
         "                       copy every table of the company in FROM into the new\n"
         "                       company TO (either engine; with --postgresql, TO gets the\n"
         "                       company.ini naming that server first), then compare row\n"
         "                       counts and checksums table by table\n"
         "  recalc FOLDER [--wait SECONDS]\n"
         "                       rebuild committed costs from the open purchase orders,\n"
         "                       waiting up to SECONDS (default 60) while another station\n"
         "                       writes\n"
         "  print FOLDER (PONUMBER|--limits) [OUT.pdf] [--email]\n"
         "                       print one order, or the orders under the \"Generate POs\"\n"
         "                       limits, to a PDF file and optionally e-mail it\n"
         "  listing FOLDER FORMAT OUT.pdf|OUT.xlsx|OUT.csv ...\n"
         "                       the purchase-order listing of a saved format (its title or\n"
         "                       number) to PDF, and its rows to a spreadsheet file\n"
         "  script FOLDER FILE   play a script (docs/SCRIPTS.md) against the company in FOLDER\n"
         "  mail-password FOLDER store your password for the mail server of the company in\n"
         "                       FOLDER in your own settings, read from standard input\n"
         "  import FOLDER SOURCE-NAME FILE [DETAIL-FILE] [--preview]\n"
         "                       read purchase orders from FILE (and DETAIL-FILE for a source of\n"
         "                       two files) with the import source named, print the error list\n"
         "                       (\"Record #\" and text, one a line) and import what was accepted;\n"
         "                       --preview reads and checks only. Exits with 1 when lines were\n"
         "                       rejected. The source \"*Purchase Orders Exported from Corvana\"\n"
         "                       reads files written by the export\n"
         "  export FOLDER OUT.txt (--all | PONUMBER...)\n"
         "                       write all purchase orders, or those numbered, to OUT.txt in\n"
         "                       the exchange layout\n"
         "  --help               show this text\n"
         "\n"
         "The demo company lives in $XDG_DATA_HOME/crvpo/demo (or ~/.local/share/crvpo/demo).\n"
         "CRV_USER sets the user identifier (default ADM).\n";
}

fs::path demoFolder() {
  if (const char* data = std::getenv("XDG_DATA_HOME"); data && *data)
    return fs::path(data) / "crvpo" / "demo";
  if (const char* home = std::getenv("HOME"); home && *home)
    return fs::path(home) / ".local" / "share" / "crvpo" / "demo";
  return fs::current_path() / "crvpo-demo";
}

// A company that cannot be read whole fails the command.
int show(const fs::path& folder) {
  crv::HostSession session(folder, crv::SessionModule::None);
  return crv::printCompanySummary(std::cout, std::cerr) == 0 ? 0 : 1;
}

int createDemo(const fs::path& folder) {
  crv::createDemoCompany(folder);
  std::cout << "Created the demo company in " << crv::CompanyStorage(folder).describe() << "\n";
  return 0;
}

// Parses the server address; on failure says why and answers false.
bool serverFrom(const std::string& url, crv::ServerCompany& server) {
  try {
    server = crv::CompanyStorage::parseUrl(url);
    return true;
  } catch (const std::invalid_argument& error) {
    std::cerr << "crvhost: " << error.what() << "\n";
    return false;
  }
}

int createServerDemo(const std::string& url, const fs::path& folder) {
  crv::ServerCompany server;
  if (!serverFrom(url, server)) return 2;
  if (crv::Company::exists(folder)) {
    std::cerr << "crvhost: the folder \"" << folder.string() << "\" already holds a company\n";
    return 1;
  }
  crv::CompanyStorage::writeServerSettings(folder, server);
  return createDemo(folder);
}

// Prints one line per table and a verdict; exit code 0 only when every
// table's count and checksum match.
int copyCompany(const fs::path& from, const fs::path& to) {
  const crv::CompanyCopyResult result = crv::copyCompany(from, to);
  if (!result.copied) {
    std::cerr << "crvhost: the company was not copied: " << result.error << "\n";
    return 1;
  }
  std::int64_t rows = 0;
  for (const crv::TableCopyCheck& table : result.tables) {
    char line[160];
    std::snprintf(line, sizeof line, "%-16s %10lld rows  checksum %016llx  %s\n", table.table.c_str(),
                  static_cast<long long>(table.targetRows),
                  static_cast<unsigned long long>(table.targetChecksum), table.matches() ? "ok" : "DIFFERS");
    std::cout << line;
    rows += table.sourceRows;
  }
  if (!result.verified()) {
    std::cerr << "crvhost: the copy differs from its source"
              << (result.error.empty() ? "" : ": " + result.error) << "\n";
    return 1;
  }
  std::cout << "Copied " << result.tables.size() << " tables, " << rows << " rows, into "
            << crv::CompanyStorage(to).describe() << "; every count and checksum matches.\n";
  return 0;
}

// Runs the purchase-order module's recalculation, which prints as it goes.
int recalc(const fs::path& folder, int waitSeconds) {
  crv::HostSession session(folder);
  using Console = int(std::ostream*, int);
  return session.module().entry<Console>("RecalcCommittedConsole")(&std::cout, waitSeconds);
}

// "--wait SECONDS" after the folder; -1 when the arguments are not that.
int recalcWait(const std::vector<std::string>& args) {
  if (args.size() == 2) return 60;
  if (args.size() != 4 || args[2] != "--wait") return -1;
  const std::string& text = args[3];
  if (text.empty() || text.size() > 6 || text.find_first_not_of("0123456789") != std::string::npos) return -1;
  return std::stoi(text);
}

// Prints purchase orders to a PDF without a window.
int print(const std::vector<std::string>& args) {
  std::string number;
  std::string pdf;
  int email = 0;
  for (std::size_t i = 2; i < args.size(); ++i) {
    if (args[i] == "--email") {
      email = 1;
    } else if (args[i] == "--limits") {
      number.clear();
    } else if (i == 2) {
      number = args[i];
    } else {
      pdf = fs::absolute(args[i]).string();
    }
  }
  crv::HostSession session(args[1]);
  using Console = int(const char*, const char*, int, std::ostream*);
  // What the run says goes to standard output when it printed and to the
  // error stream when it did not, so scripts can tell the two apart.
  std::ostringstream said;
  const int code =
      session.module().entry<Console>("PrintPurchaseOrderConsole")(number.c_str(), pdf.c_str(), email, &said);
  (code == 0 ? std::cout : std::cerr) << said.str();
  return code;
}

// The password is typed without being shown when standard input is a
// terminal.
int mailPassword(const fs::path& folder) {
  termios saved{};
  const bool terminal = ::isatty(STDIN_FILENO) && ::tcgetattr(STDIN_FILENO, &saved) == 0;
  if (terminal) {
    termios quiet = saved;
    quiet.c_lflag &= ~static_cast<tcflag_t>(ECHO);
    ::tcsetattr(STDIN_FILENO, TCSANOW, &quiet);
  }
  const int code = crv::storeMailPasswordCommand(folder, std::cin, std::cout, std::cerr);
  if (terminal) ::tcsetattr(STDIN_FILENO, TCSANOW, &saved);
  return code;
}

// Writes the purchase-order listing of one format without a window.
int listing(const std::vector<std::string>& args) {
  std::vector<std::string> files;
  for (std::size_t i = 3; i < args.size(); ++i) files.push_back(fs::absolute(args[i]).string());
  std::vector<const char*> outputs;
  for (const std::string& file : files) outputs.push_back(file.c_str());
  crv::HostSession session(args[1]);
  using Console = int(const char*, const char* const*, int, std::ostream*);
  std::ostringstream said;
  const int code = session.module().entry<Console>("PrintPOListingConsole")(
      args[2].c_str(), outputs.data(), static_cast<int>(outputs.size()), &said);
  (code == 0 ? std::cout : std::cerr) << said.str();
  return code;
}

// Reads and checks purchase orders from text files and imports them.
int importOrders(const std::vector<std::string>& args) {
  bool previewOnly = false;
  std::vector<std::string> names;
  for (std::size_t i = 2; i < args.size(); ++i) {
    if (args[i] == "--preview")
      previewOnly = true;
    else
      names.push_back(args[i]);
  }
  if (names.size() < 2 || names.size() > 3) return -1;
  const std::string file = fs::absolute(names[1]).string();
  const std::string detailFile = names.size() == 3 ? fs::absolute(names[2]).string() : std::string();
  crv::HostSession session(args[1]);
  using Console = int(const char*, const char*, const char*, int, std::ostream*, std::ostream*);
  return session.module().entry<Console>("ImportPOConsole")(
      names[0].c_str(), file.c_str(), detailFile.c_str(), previewOnly ? 1 : 0, &std::cout, &std::cerr);
}

// Writes purchase orders to the exchange file.
int exportOrders(const std::vector<std::string>& args) {
  const std::string target = fs::absolute(args[2]).string();
  std::vector<std::string> numbers(args.begin() + 3, args.end());
  const bool all = numbers.size() == 1 && numbers[0] == "--all";
  if (all) numbers.clear();
  crv::HostSession session(args[1]);
  using Console = int(const char*, const std::vector<std::string>*, int, std::ostream*, std::ostream*);
  return session.module().entry<Console>("ExportPOConsole")(target.c_str(), &numbers, all ? 1 : 0, &std::cout,
                                                            &std::cerr);
}

int copyToServer(const fs::path& from, const std::string& url, const fs::path& to) {
  crv::ServerCompany server;
  if (!serverFrom(url, server)) return 2;
  if (crv::Company::exists(to)) {
    std::cerr << "crvhost: the folder \"" << to.string() << "\" already holds a company\n";
    return 1;
  }
  crv::CompanyStorage::writeServerSettings(to, server);
  return copyCompany(from, to);
}

// Loads the desktop and runs it on the company in `folder`.
int runDesktop(const fs::path& folder, int argc, char** argv) {
  const crv::PluginEntry entry = crv::pluginEntry("crvdesktop", "crvRunDesktop");
  if (!entry.address) {
    std::cerr << "crvhost: " << entry.error << "\n";
    return 1;
  }
  using Desktop = int(const char*, int, char**);
  return reinterpret_cast<Desktop*>(entry.address)(folder.c_str(), argc, argv);
}

int run(const std::vector<std::string>& args, int argc, char** argv) {
  if (args.empty()) {
    if (!crv::hasDisplay()) {
      crv::explainNoDisplay(std::cerr);
      return 2;
    }
    const fs::path folder = demoFolder();
    if (!crv::Company::exists(folder)) createDemo(folder);
    return runDesktop(folder, argc, argv);
  }
  const std::string& command = args[0];
  if (command == "--help" || command == "-h" || command == "help") {
    printHelp(std::cout);
    return 0;
  }
  if (command == "create-demo" && args.size() == 4 && args[1] == "--postgresql")
    return createServerDemo(args[2], args[3]);
  if (command == "copy-company" && args.size() == 3) return copyCompany(args[1], args[2]);
  if (command == "copy-company" && args.size() == 5 && args[2] == "--postgresql")
    return copyToServer(args[1], args[3], args[4]);
  if ((command == "show" || command == "create-demo") && args.size() == 2)
    return command == "show" ? show(args[1]) : createDemo(args[1]);
  if (command == "recalc" && recalcWait(args) >= 0) return recalc(args[1], recalcWait(args));
  if (command == "print" && args.size() >= 3 && args.size() <= 5) return print(args);
  if (command == "listing" && args.size() >= 4) return listing(args);
  if (command == "open" && args.size() == 2) return runDesktop(args[1], argc, argv);
  if (command == "import" && args.size() >= 4) {
    if (const int code = importOrders(args); code >= 0) return code;
  }
  if (command == "export" && args.size() >= 4) return exportOrders(args);
  if (command == "script" && args.size() == 3)
    return crv::runScriptCommand(args[1], args[2], std::cout, std::cerr);
  if (command == "mail-password" && args.size() == 2) return mailPassword(args[1]);
  std::cerr << "crvhost: unknown command or missing argument: " << command << "\n\n";
  printHelp(std::cerr);
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  crv::PrintServiceOnDemand printers;
  crv::setPrintService(&printers);
  try {
    return run(std::vector<std::string>(argv + 1, argv + argc), argc, argv);
  } catch (const std::exception& error) {
    std::cerr << "crvhost: " << error.what() << "\n";
    return 1;
  }
}

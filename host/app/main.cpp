// The host application's command line.
//
//   crvhost                     the desktop application on the demo company
//                               (created on first run)
//   crvhost open FOLDER         the desktop application on another company
//   crvhost show FOLDER         open a company and print what it holds
//   crvhost create-demo FOLDER  create the demo company in FOLDER
//   crvhost recalc FOLDER       rebuild committed costs in a company
//   crvhost print FOLDER ...    print purchase orders to a PDF file
//   crvhost listing FOLDER ...  the purchase-order listing to PDF, .xlsx or .csv
//   crvhost script FOLDER FILE  play a script against a company
//   crvhost import FOLDER ...   import purchase orders from text files
//   crvhost export FOLDER ...   export purchase orders to a text file
//   crvhost --help
#include <cstdlib>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "host/app/company_summary.h"
#include "host/app/demo_company.h"
#include "host/app/host_session.h"
#include "host/app/module_library.h"
#include "host/app/script_command.h"
#include "host/desktop/desktop_app.h"
#include "host/print/cups_print_service.h"

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
         "  recalc FOLDER        rebuild committed costs from the open purchase orders\n"
         "  print FOLDER (PONUMBER|--limits) [OUT.pdf] [--email]\n"
         "                       print one order, or the orders under the \"Generate POs\"\n"
         "                       limits, to a PDF file and optionally e-mail it\n"
         "  listing FOLDER FORMAT OUT.pdf|OUT.xlsx|OUT.csv ...\n"
         "                       the purchase-order listing of a saved format (its title or\n"
         "                       number) to PDF, and its rows to a spreadsheet file\n"
         "  script FOLDER FILE   play a script (docs/SCRIPTS.md) against the company in FOLDER\n"
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

int show(const fs::path& folder) {
  crv::HostSession session(folder);
  crv::printCompanySummary(std::cout);
  return 0;
}

int createDemo(const fs::path& folder) {
  crv::createDemoCompany(folder);
  std::cout << "Created the demo company in " << folder.string() << "\n";
  return 0;
}

// Runs the purchase-order module's recalculation, which prints as it goes.
int recalc(const fs::path& folder) {
  crv::HostSession session(folder);
  using Console = int(std::ostream*);
  return session.module().entry<Console>("RecalcCommittedConsole")(&std::cout);
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

int run(const std::vector<std::string>& args, int argc, char** argv) {
  if (args.empty()) {
    if (!crv::desktop::hasDisplay()) {
      crv::desktop::explainNoDisplay(std::cerr);
      return 2;
    }
    const fs::path folder = demoFolder();
    if (!crv::Company::exists(folder)) createDemo(folder);
    return crv::desktop::runDesktop(folder, argc, argv);
  }
  const std::string& command = args[0];
  if (command == "--help" || command == "-h" || command == "help") {
    printHelp(std::cout);
    return 0;
  }
  if ((command == "show" || command == "create-demo") && args.size() == 2)
    return command == "show" ? show(args[1]) : createDemo(args[1]);
  if (command == "recalc" && args.size() == 2) return recalc(args[1]);
  if (command == "print" && args.size() >= 3 && args.size() <= 5) return print(args);
  if (command == "listing" && args.size() >= 4) return listing(args);
  if (command == "open" && args.size() == 2) return crv::desktop::runDesktop(args[1], argc, argv);
  if (command == "import" && args.size() >= 4) {
    if (const int code = importOrders(args); code >= 0) return code;
  }
  if (command == "export" && args.size() >= 4) return exportOrders(args);
  if (command == "script" && args.size() == 3)
    return crv::runScriptCommand(args[1], args[2], std::cout, std::cerr);
  std::cerr << "crvhost: unknown command or missing argument: " << command << "\n\n";
  printHelp(std::cerr);
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  crv::CupsPrintService printers;
  crv::setPrintService(&printers);
  try {
    return run(std::vector<std::string>(argv + 1, argv + argc), argc, argv);
  } catch (const std::exception& error) {
    std::cerr << "crvhost: " << error.what() << "\n";
    return 1;
  }
}

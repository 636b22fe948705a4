// The host application's command line.
//
//   crvhost                     open the demo company (created on first run)
//   crvhost show FOLDER         open a company and print what it holds
//   crvhost create-demo FOLDER  create the demo company in FOLDER
//   crvhost --help
#include <cstdlib>
#include <iostream>
#include <string>
#include <vector>

#include "host/app/company_summary.h"
#include "host/app/demo_company.h"
#include "host/app/host_session.h"
#include "host/app/module_library.h"

namespace {

namespace fs = std::filesystem;

void printHelp(std::ostream& out) {
  out << "Usage: crvhost [COMMAND] [ARGUMENTS]\n"
         "\n"
         "Purchase orders for contractors.\n"
         "\n"
         "Commands:\n"
         "  (none)               open the demo company, creating it on first run\n"
         "  show FOLDER          open the company in FOLDER and print what it holds\n"
         "  create-demo FOLDER   create the demo company in FOLDER\n"
         "  --help               show this text\n"
         "\n"
         "The demo company lives in $XDG_DATA_HOME/crvpo/demo (or ~/.local/share/crvpo/demo).\n"
         "CRV_USER sets the user identifier (default ADM).\n";
}

fs::path demoFolder() {
  if (const char* data = std::getenv("XDG_DATA_HOME"); data && *data) return fs::path(data) / "crvpo" / "demo";
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

int run(const std::vector<std::string>& args) {
  if (args.empty()) {
    const fs::path folder = demoFolder();
    if (!crv::Company::exists(folder)) createDemo(folder);
    return show(folder);
  }
  const std::string& command = args[0];
  if (command == "--help" || command == "-h" || command == "help") {
    printHelp(std::cout);
    return 0;
  }
  if ((command == "show" || command == "create-demo") && args.size() == 2)
    return command == "show" ? show(args[1]) : createDemo(args[1]);
  std::cerr << "crvhost: unknown command or missing argument: " << command << "\n\n";
  printHelp(std::cerr);
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  try {
    return run(std::vector<std::string>(argv + 1, argv + argc));
  } catch (const std::exception& error) {
    std::cerr << "crvhost: " << error.what() << "\n";
    return 1;
  }
}

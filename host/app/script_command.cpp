// Running a script on a company.
#include "host/app/script_command.h"

#include <fstream>

#include "host/app/host_session.h"
#include "host/app/procedure_catalog.h"
#include "host/framework/ui/headless/script_runner.h"

namespace crv {

int runScriptCommand(const std::filesystem::path& companyFolder, const std::filesystem::path& scriptFile,
                     std::ostream& out, std::ostream& err) {
  std::ifstream script(scriptFile);
  if (!script) {
    err << "crvhost: cannot read the script " << scriptFile.string() << "\n";
    return 2;
  }
  HostSession session(companyFolder);
  ProcedureCatalog catalog(session.module());
  ui::ScriptOptions options;
  options.folder = companyFolder;
  const ui::ScriptResult result = ui::runScript(script, catalog.procedures(), options);
  out << result.transcript;
  return result.ok ? 0 : 1;
}

}  // namespace crv

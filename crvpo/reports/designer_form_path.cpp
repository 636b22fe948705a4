// Splitting and joining designer-form paths.
#include "crvpo/reports/designer_form_path.h"

#include "host/data/tables/suite_tables.h"
#include "host/framework/report/report_runtime.h"
#include "host/framework/services/message_box.h"
#include "host/framework/table/table.h"
#include "host/framework/values/text.h"

namespace crvpo {

CompanyForm companyForm() {
  CompanyForm form;
  crv::Systems.open();
  crv::SYS.clear();
  if (crv::Systems.set(crv::SYS.KeySystemID) == crv::TableStatus::Ok &&
      crv::Systems.next() == crv::TableStatus::Ok) {
    form.designer = crv::SYS.POFormType == designerFormType;
    form.path = crv::SYS.PODesignerForm.str();
  }
  crv::Systems.close();
  return form;
}

DesignerFormPath splitDesignerFormPath(std::string_view path) {
  path = crv::clip(path);
  const auto last = path.find_last_of("\\/");
  if (last == std::string_view::npos) return {std::string(), std::string(path)};
  return {std::string(path.substr(0, last)), std::string(path.substr(last + 1))};
}

std::string designerReportFile(std::string_view folder, std::string_view file) {
  folder = crv::clip(folder);
  file = crv::clip(file);
  if (folder.empty() || file.empty()) return std::string(file);
  const char last = folder.back();
  return std::string(folder) + (last == '\\' || last == '/' ? "" : "/") + std::string(file);
}

bool setDesignerForm(std::string_view path, int editAction) {
  const DesignerFormPath parts = splitDesignerFormPath(path);
  if (parts.folder.size() > crv::FRB.ReportSearchPath.size() ||
      parts.file.size() > crv::FRB.ReportFileName.size()) {
    crv::message(
        "The designer form path " + std::string(crv::clip(path)) +
            " is too long: its folder may have up to " + std::to_string(crv::FRB.ReportSearchPath.size()) +
            " characters and its file name up to " + std::to_string(crv::FRB.ReportFileName.size()) + ".",
        "Designer Form", crv::Icon::Exclamation);
    return false;
  }
  crv::FRB.ReportSearchPath = parts.folder;
  crv::FRB.ReportFileName = parts.file;
  crv::FRB.ReportEditAction = editAction;
  return true;
}

}  // namespace crvpo

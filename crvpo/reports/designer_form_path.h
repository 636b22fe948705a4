// Where a designer report's file is: the company's designer-form path split
// into the folder and the file name the designer's globals take, and the
// two joined again when the report runs.
//
// The path is split at its last separator. Both "\" and "/" separate, so a
// path typed the way the suite's other stations write it works here too.
// Joining adds a "/" only when the folder ends in neither.
#pragma once

#include <string>
#include <string_view>

namespace crvpo {

// The company form setting that selects the designer form.
inline constexpr std::string_view designerFormType = "Formwright";

// The company's choice of purchase-order form, from its settings row.
struct CompanyForm {
  bool designer = false;  // the form setting is "Formwright"
  std::string path;       // the designer form's file
};
CompanyForm companyForm();

struct DesignerFormPath {
  std::string folder;  // blank when the path names a file alone
  std::string file;    // blank when the path ends in a separator
};

DesignerFormPath splitDesignerFormPath(std::string_view path);

// The report file of the designer's globals: the folder (when it and the
// name are both given) followed by the file name.
std::string designerReportFile(std::string_view folder, std::string_view file);

// Puts the company's designer-form path into the designer's globals for a
// run (edit action 0) or for the designer (1). False, after telling the
// person, when a part is longer than the globals hold: the cut path would
// name another file.
bool setDesignerForm(std::string_view path, int editAction);

}  // namespace crvpo

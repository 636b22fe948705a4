// What the designer window works on, handed to it by the runtime when a
// procedure opens the designer: the runtime (its report, and the save,
// save-as and load-as operations the window calls back), the procedure's
// field dictionary, and the preview of the report as edited so far.
//
// The window is a plugin of its own (libcrvdesignerui.so, Qt Widgets): the
// runtime loads it only when the designer opens.
#pragma once

#include <functional>
#include <string>

#include "host/framework/report/field_dictionary.h"
#include "host/framework/report/report_runtime.h"

namespace crv::designer {

struct DesignerSession {
  ReportRuntime& runtime;
  FieldDictionary dictionary;
  // Runs the runtime's current report over the procedure's records and
  // previews it.
  std::function<void()> preview;
};

// The window plugin's name and entry: `bool crvOpenDesigner(DesignerSession&,
// std::string& error)` shows the designer and returns when it closes; false
// with `error` set when it cannot be shown (no desktop).
inline constexpr const char* designerWindowPluginName = "crvdesignerui";
inline constexpr const char* designerWindowEntry = "crvOpenDesigner";
using OpenDesigner = bool(DesignerSession&, std::string&);

}  // namespace crv::designer

// The error review of an import.
#include "crvpo/importexport/browse_err_que.h"

#include "crvpo/importexport/import_preview_list.h"
#include "host/framework/ui/window_manager.h"

namespace crvpo {
namespace {

using crv::ui::ButtonRole;

class BrowseErrQueWindow final : public crv::ui::WindowManager {
 public:
  explicit BrowseErrQueWindow(const std::vector<ImportError>& errors)
      : WindowManager("BrowseErrQue"), list_(errors) {
    crv::ui::Window& w = window();
    w.setTitle("Errors Were Encountered");
    w.setIcon("import");
    w.setHelp("html/PO_Import_Export.htm", "errors");
    w.addString("?Intro",
                "Some errors were encountered while reading the import file.  The errors are listed below:");
    w.addList("?Errors", &list_.model())
        .at(-1, -1, 70)
        .setColumns({{"Record #", 8, crv::Picture::parse("@n6")}, {"Error Description", 50, {}}});
    w.addString("?Question",
                "Do you wish to proceed with the import, or cancel and fix the problems in the import file?");
    w.addButton("?Proceed", "&Proceed").setDefault();
    w.addButton("?Cancel", "&Cancel", ButtonRole::Cancel);
    onAccepted("?Proceed", [this] { complete(crv::RequestCompleted); });
  }

 private:
  ImportErrorList list_;
};

}  // namespace

bool browseErrQue(const std::vector<ImportError>& errors) {
  return BrowseErrQueWindow(errors).run() == crv::RequestCompleted;
}

}  // namespace crvpo

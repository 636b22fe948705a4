// Running and designing designer listings from the host's menus.
#include "host/app/designer_listing.h"

#include "host/data/shared_values.h"
#include "host/framework/report/report_runtime.h"
#include "host/framework/services/message_box.h"
#include "host/framework/ui/front_end.h"

namespace crv {
namespace {

ui::FileDialogRequest listingRequest(std::string title) {
  ui::FileDialogRequest request;
  request.title = std::move(title);
  request.filter = "Report Files|*.crvreport|All Files|*.*";
  request.folder = std::filesystem::path(DataPath) / "Forms";
  return request;
}

// The designer's globals for `file`; false (after saying so) when its folder
// or name does not fit them.
bool useListing(const std::filesystem::path& file, int editAction) {
  const std::string folder = file.parent_path().string();
  const std::string name = file.filename().string();
  if (folder.size() > FRB.ReportSearchPath.size() || name.size() > FRB.ReportFileName.size()) {
    message("The path " + file.string() + " is too long for the report designer.", "Designer Listing",
            Icon::Exclamation);
    return false;
  }
  FRB.ReportSearchPath = folder;
  FRB.ReportFileName = name;
  FRB.ReportEditAction = editAction;
  return true;
}

}  // namespace

void printDesignerListing(const std::function<void()>& listing) {
  const auto chosen = ui::frontEnd().openFiles(listingRequest("Print a Designer Listing"));
  if (chosen.empty() || !useListing(chosen.front(), 0)) return;
  listing();
}

void designDesignerListing(const std::function<void()>& listing) {
  ui::FileDialogRequest request = listingRequest("Design a Purchase Order Listing");
  request.fileName = "Listing.crvreport";
  const auto chosen = ui::frontEnd().saveFile(request);
  if (!chosen || !useListing(*chosen, 1)) return;
  listing();
}

}  // namespace crv

// The list of listing formats.
#include "crvpo/reports/browse_po_list_limits.h"

#include "crvpo/reports/listing_formats.h"
#include "crvpo/reports/print_po_listing.h"
#include "crvpo/reports/update_po_list_limits.h"
#include "host/data/shared_values.h"
#include "host/data/tables/purchasing_tables.h"
#include "host/data/tables/suite_tables.h"
#include "host/framework/services/global_request.h"
#include "host/framework/services/message_box.h"
#include "host/framework/table/private_table.h"
#include "host/framework/table/table_error.h"
#include "host/framework/ui/front_end.h"

namespace crvpo {

using crv::ui::ButtonRole;
using crv::ui::Level;

namespace {

constexpr int pageRows = 14;

class FormatList final : public crv::ui::BrowseClass {
 public:
  explicit FormatList(crv::Id only) : BrowseClass(crv::POLimits, pageRows) {
    addColumn("Report Title", "ReportTitle", "@s40");
    addColumn("User ID", "UserID", "@s10");
    addColumn("Modify Date", "ModifyDate", "@d1B");
    crv::ui::BrowseSort byTitle(crv::POLimitsRecord::KeyReport, "by Report Title");
    byTitle.fix(listingReportName);
    if (only != 0) byTitle.filter([only] { return crv::POL.LimitID == only; });
    addSort(std::move(byTitle));
    setUpdateProcedure([] { UpdatePOListLimits(); });
  }

  int ask(int request) override {
    if (request == crv::DeleteRecord && reloadSelected() == crv::TableStatus::Ok) {
      if (const std::string owner = lockingOwner(crv::POL); !owner.empty()) {
        crv::message("This report is locked and can only be modified or deleted by user " + owner + ".",
                     "Report Cannot Be Deleted", crv::Icon::Exclamation);
        return crv::RequestCancelled;
      }
    }
    return BrowseClass::ask(request);
  }
};

crv::ui::BrowseComponent::Buttons listButtons() {
  crv::ui::BrowseComponent::Buttons b;
  b.insert = "?Insert";
  b.change = "?Change";
  b.remove = "?Delete";
  return b;
}

}  // namespace

BrowsePOListLimitsWindow::BrowsePOListLimitsWindow()
    : WindowManager("BrowsePOListLimits"),
      browse_(std::make_unique<FormatList>(crv::GlobalReportLimit)),
      component_(*browse_, "?Browse", listButtons()),
      onlyLimit_(crv::GlobalReportLimit) {
  addTable(crv::POLimits);
  crv::ui::Window& w = window();
  w.setTitle("Purchase Order Listing");
  w.setIcon("report");
  w.setHelp("html/PO_Purchase_Order_Listing.htm");
  crv::ui::Control& locator =
      w.addField("&Locate:", "?Locator", crv::ui::Binding::local(locator_, "LOC:Locator")).setImmediate();
  w.addList("?Browse", browse_.get());
  w.addButton("?Insert", "&Add");
  w.addButton("?Change", "&Change");
  w.addButton("?Delete", "&Delete");
  w.addButton("?Duplicate", "Duplicate Highlighted Report");
  w.addButton("?Favorite", "Add to Favorite Reports");
  w.addButton("?Print", "&Print").setDefault();
  w.addButton("?Help", "&Help", ButtonRole::Help);
  w.addButton("?Close", "&Close", ButtonRole::Close);
  w.select(locator);
  component_.setLocator("?Locator");
  addComponent(component_);
  onAccepted("?Duplicate", [this] { duplicate(); });
  onAccepted("?Favorite", [this] { addToFavourites(); });
  onAccepted("?Print", [this] { print(true); });
}

BrowsePOListLimitsWindow::~BrowsePOListLimitsWindow() = default;

Level BrowsePOListLimitsWindow::opening() {
  if (onlyLimit_ != 0)
    for (const char* equate : {"?Insert", "?Delete", "?Favorite"}) control(equate).hide();
  return Level::Benign;
}

Level BrowsePOListLimitsWindow::takePopupMenu(crv::ui::Control& control) {
  if (!control.is("?Print")) return WindowManager::takePopupMenu(control);
  switch (crv::ui::frontEnd().popupMenu(
      {"Preview the Report to Screen|Print Report Directly to Default Printer|Cancel"})) {
    case 1:
      print(true);
      break;
    case 2:
      print(false);
      break;
    default:
      break;
  }
  return Level::Benign;
}

void BrowsePOListLimitsWindow::duplicate() {
  if (!browse_->highlighted() || browse_->reloadSelected() != crv::TableStatus::Ok) return;
  std::string error;
  const std::optional<crv::POLimitsRecord> copy = copyListingFormat(crv::POL, error);
  if (!error.empty()) crv::message(error);
  if (!copy) return;
  crv::POL = *copy;
  browse_->resetFromBuffer();
  window().touch();
}

void BrowsePOListLimitsWindow::addToFavourites() {
  if (!browse_->highlighted() || browse_->reloadSelected() != crv::TableStatus::Ok) return;
  std::string error;
  switch (addFavouriteListing(crv::POL, error)) {
    case FavouriteResult::AlreadyThere:
      crv::ui::frontEnd().beep(crv::ui::Sound::Default);
      crv::message("This report has already been added to your Favorite Report list.", "Report Already Added",
                   crv::Icon::Information);
      break;
    case FavouriteResult::Added:
      crv::message("This report has now been added to your Favorite Report list", "Report Added",
                   crv::Icon::Information);
      break;
    case FavouriteResult::Failed:
      crv::message(error);
      break;
  }
}

void BrowsePOListLimitsWindow::print(bool preview) {
  if (!browse_->highlighted() || browse_->reloadSelected() != crv::TableStatus::Ok) {
    crv::message(
        "This report cannot be printed without first creating |a 'Report Format' with the desired report "
        "limits.|Press the Insert button to create a report format.",
        "No Report Format Selected", crv::Icon::Exclamation);
    return;
  }
  if (!preview) crv::GLO.PrintPreview = 0;
  printListingFormat(crv::POL.LimitID);
  resetComponents();
}

}  // namespace crvpo

void BrowsePOListLimits() { crvpo::BrowsePOListLimitsWindow().run(); }

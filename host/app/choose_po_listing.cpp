// Choosing a listing format to print.
#include "host/app/choose_po_listing.h"

#include <set>

#include "host/app/preview_setting.h"
#include "host/data/shared_values.h"
#include "host/data/tables/purchasing_tables.h"
#include "host/data/tables/suite_tables.h"
#include "host/framework/services/global_request.h"
#include "host/framework/services/message_box.h"
#include "host/framework/table/private_table.h"

namespace crv {

using ui::Binding;
using ui::ButtonRole;
using ui::Level;

namespace {

// The formats, the user's favourites first, each under its title.
std::vector<ui::Choice> formatChoices() {
  std::set<Id> favourites;
  PrivateTable<MemLimitRecord> remembered(MemLimit);
  remembered.rec.UserID = UserID.view();
  remembered.rec.Owner = "POLimits";
  if (remembered.isOpen() && remembered.table.setRange(MemLimitRecord::KeyUserLimit, 2) == TableStatus::Ok)
    while (remembered.table.next() == TableStatus::Ok) favourites.insert(remembered.rec.LimitID);

  std::vector<ui::Choice> first;
  std::vector<ui::Choice> rest;
  PrivateTable<POLimitsRecord> formats(POLimits);
  formats.rec.Report = "PO Listing";
  if (formats.isOpen() && formats.table.setRange(POLimitsRecord::KeyReport, 1) == TableStatus::Ok) {
    while (formats.table.next() == TableStatus::Ok) {
      const bool favourite = favourites.count(formats.rec.LimitID) != 0;
      (favourite ? first : rest)
          .push_back({formats.rec.ReportTitle.str() + (favourite ? "  (favourite)" : ""),
                      std::to_string(formats.rec.LimitID)});
    }
  }
  first.insert(first.end(), rest.begin(), rest.end());
  return first;
}

}  // namespace

ChoosePOListingWindow::ChoosePOListingWindow() : WindowManager("PrintListing") {
  ui::Window& w = window();
  w.setTitle("Print Purchase Order Listing");
  w.setIcon("report");
  w.setHelp("html/PO_Purchase_Order_Listing.htm", "printing");
  w.addPrompt("?Format:Prompt", "Listing &Format:");
  w.addDropList("?Format", Binding::local(format_, "LOC:Format"), "").setPrompt(w.control("?Format:Prompt"));
  w.addCheck("?Preview", "Preview the Report to Screen", Binding::local(preview_, "LOC:Preview"));
  w.addButton("?OK", "&Print", ButtonRole::Ok).setDefault();
  w.addButton("?Cancel", "Cancel", ButtonRole::Cancel);
  w.addButton("?Help", "&Help", ButtonRole::Help);
}

Level ChoosePOListingWindow::opening() {
  ui::Control& formats = control("?Format");
  formats.setChoices(formatChoices());
  if (!formats.choices().empty()) formats.choose(0);
  return Level::Benign;
}

Level ChoosePOListingWindow::validate() {
  chosen_ = static_cast<Id>(std::strtoul(format_.c_str(), nullptr, 10));
  if (chosen_ != 0) return Level::Benign;
  message("No listing format has been saved yet.|Make one under Reports > Listing Formats.",
          "No Listing Format", Icon::Exclamation);
  return Level::Notify;
}

void printPOListing(const std::function<void()>& printEntry) {
  GlobalRequest = 0;
  ChoosePOListingWindow window;
  if (window.run() != RequestCompleted || window.chosenFormat() == 0) return;
  REPORTFILTER = std::to_string(window.chosenFormat());
  runWithPreview(window.preview(), printEntry);
}

}  // namespace crv

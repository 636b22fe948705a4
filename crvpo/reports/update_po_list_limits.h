// UpdatePOListLimits: "Purchase Order Listing Limits", the form of one
// listing format, called from the format list to add, change or delete.
//
// Every selection (purchase orders, vendors, jobs, cost codes) is All, a
// Range (its From and To with their lookups) or a List (edited in the list
// editor); equipment and dates are ranges that are on or off; the form
// also holds the reconciled states, the job kind, the line limits, the
// sequence, the orientation and the report format. "Non-Jobs Only" turns
// the job and cost-code selections to All and off. A job typed by the
// start of its name is found among the open jobs. "Load Defaults" puts the
// new-format values back (keeping the title); "Save and &Print" saves and
// prints the listing, and the form stays open on the saved format.
//
// With purchase level 2 a format has an owner and may be locked: a locked
// format of another user opens read-only. A format added and then
// cancelled, or deleted, takes its list values (and favourites) with it.
#pragma once

#include <string>

#include "host/framework/services/module_export.h"
#include "host/framework/ui/window_manager.h"

namespace crvpo {

class UpdatePOListLimitsWindow final : public crv::ui::WindowManager {
 public:
  UpdatePOListLimitsWindow();

 protected:
  void primeFields() override;
  crv::ui::Level opening() override;
  crv::ui::Level validate() override;
  crv::ui::Level write() override;
  void written() override;
  void closing() override;

 private:
  struct Selection;
  void build();
  void buildGeneralPage(crv::ui::Control& page);
  void buildOrdersPage(crv::ui::Control& page);
  void buildJobsPage(crv::ui::Control& page);
  void addSelection(crv::ui::Control& page, const Selection& selection);
  void applySelections();
  void lockIfOwnedByAnother();
  void loadDefaults();
  void saveAndPrint();
  crv::ui::Level jobAccepted(const char* equate);
  crv::ui::Level lookUp(const char* equate);
  void editList(const char* listName);
  void titleAccepted();

  bool keepOpenOnWrite_ = false;  // Save and Print writes without closing
  bool insertedEarly_ = false;    // an added format already written by Save and Print
  bool written_ = false;
};

// Removes the list values and favourites of a format that no longer exists.
void forgetListingFormat(crv::Id limitId);

}  // namespace crvpo

extern "C" {
CRV_EXPORT void UpdatePOListLimits();
}

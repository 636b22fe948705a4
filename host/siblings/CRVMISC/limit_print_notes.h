// LimitPrintNotes: prints the notes of one record. The caller names the
// owner: JOBFIELD its kind ("PO" for a purchase order) and REPORTFILTER its
// identifier as text. The person prints every note of the owner or only
// the tagged ones (the identifiers the caller left in TAGQUE2); the notes
// are printed by date with their headings and texts and opened for
// printing.
#pragma once

#include <string>

#include "host/framework/services/module_export.h"
#include "host/framework/ui/window_manager.h"

namespace crv::siblings {

class LimitPrintNotesWindow final : public ui::WindowManager {
 public:
  LimitPrintNotesWindow();

  // The Notes owner type of a caller's kind ("PO" gives "POMaster").
  static std::string ownerType(std::string_view kind);

 private:
  void print();

  std::string owner_;
  std::string ownerId_;
  std::string which_ = "A";
};

}  // namespace crv::siblings

extern "C" {
CRV_EXPORT void LimitPrintNotes();
}

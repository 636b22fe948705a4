// UpdateNotes: the form of one dated note hung on a record of any table.
//
// For a new note the caller names the owner: JOBFIELD holds the owner's
// type ("POMaster") and REPORTFILTER its identifier as text; the note is
// dated today and stamped with the time and the signed-on user. Change,
// delete and view work on the note the caller left in NOTE.
#pragma once

#include <string>

#include "host/framework/services/module_export.h"
#include "host/framework/ui/window_manager.h"

namespace crv::siblings {

class UpdateNotesWindow final : public ui::WindowManager {
 public:
  UpdateNotesWindow();

 protected:
  void primeFields() override;

 private:
  std::string ownerType_;
  std::string ownerId_;
};

}  // namespace crv::siblings

extern "C" {
CRV_EXPORT void UpdateNotes();
}

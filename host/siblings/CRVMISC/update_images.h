// UpdateImages: the form of one attachment (an Images row): its caption
// can be changed; deleting it also removes its copy from the image store.
// New attachments are made by the owner's own window, which knows where
// the files come from.
#pragma once

#include <string>

#include "host/framework/services/module_export.h"
#include "host/framework/ui/window_manager.h"

namespace crv::siblings {

class UpdateImagesWindow final : public ui::WindowManager {
 public:
  UpdateImagesWindow();

 protected:
  ui::Level write() override;
};

}  // namespace crv::siblings

extern "C" {
// Changes, deletes or shows the attachment the caller left in IMG.
CRV_EXPORT void UpdateImages();
}

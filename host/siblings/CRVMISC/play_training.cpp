// Training videos.
#include "host/siblings/CRVMISC/play_training.h"

#include "host/data/shared_values.h"
#include "host/framework/services/global_request.h"
#include "host/framework/services/message_box.h"
#include "host/framework/ui/front_end.h"
#include "host/framework/values/text.h"

namespace crv::siblings {

std::filesystem::path trainingFolder() { return std::filesystem::path(IniPath) / "Training"; }

std::optional<std::filesystem::path> trainingVideo(std::string_view topic) {
  std::error_code error;
  for (const auto& entry : std::filesystem::directory_iterator(trainingFolder(), error)) {
    if (entry.is_regular_file(error) && equalsIgnoreCase(entry.path().stem().string(), trim(topic)))
      return entry.path();
  }
  return std::nullopt;
}

}  // namespace crv::siblings

void PlayTraining() {
  using namespace crv;
  const std::string topic(trim(REPORTFILTER.view()));
  GlobalResponse = RequestCancelled;
  const auto video = siblings::trainingVideo(topic);
  if (!video) {
    message("No training video is installed for " + topic + ".|Training videos go in " +
                siblings::trainingFolder().string() + ", named after their topic.",
            "Training Video", Icon::Information);
    return;
  }
  ui::frontEnd().openDocument(*video);
  GlobalResponse = RequestCompleted;
}

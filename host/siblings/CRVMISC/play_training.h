// PlayTraining: the suite's training video on a topic ("POPrint" for the
// printing of purchase orders), opened with the desktop's own player.
//
// Videos live in the folder "Training" beside the suite's settings files
// (IniPath), one file per topic named after it ("POPrint.mp4"). A topic
// without a video is said so, with the folder it would be in.
#pragma once

#include <filesystem>
#include <optional>
#include <string_view>

#include "host/framework/services/module_export.h"

namespace crv::siblings {

std::filesystem::path trainingFolder();
// The video of a topic, when one is installed.
std::optional<std::filesystem::path> trainingVideo(std::string_view topic);

}  // namespace crv::siblings

extern "C" {
// Hand-over: REPORTFILTER holds the topic. Answers RequestCompleted when a
// video was opened.
CRV_EXPORT void PlayTraining();
}

// Attaching files to a purchase order: for each file, in order, a copy in
// the suite's image store and an Images row (type "POMaster", the order's
// POID, caption, file type, full path, the file's date and time).
//
// Each file is attached whole, whatever its name holds (commas included).
// A file that cannot be copied into the store is reported and left out; a
// row that cannot be written is reported ("Error Inserting Images"), its
// copy removed, and the next file is still attached.
#pragma once

#include <filesystem>
#include <string_view>
#include <vector>

#include "host/data/tables/purchasing_tables.h"

namespace crvpo {

struct AttachResult {
  int attached = 0;
  crv::Id last = 0;  // ImageID of the last row written
};

// `captionSetting` is the suite's "AttachmentCaption" setting.
AttachResult attachFiles(const std::vector<std::filesystem::path>& files, const crv::POMasterRecord& order,
                         std::string_view vendorName, std::string_view captionSetting);

// The question asked before dropped files are attached: "Attach?".
bool confirmDroppedFiles(std::size_t count);

}  // namespace crvpo

// A column of a list: its header and either a field of the primary table
// shown through a picture, or a computed value that the list's
// setQueueRecord() fills for each row.
#pragma once

#include <optional>
#include <string>

#include "host/framework/record/record.h"
#include "host/framework/values/picture.h"

namespace crv::ui {

struct BrowseColumn {
  std::string header;
  std::string field;  // empty for a computed or icon-only column
  std::optional<Picture> picture;
};

// A field's value as a picture shows it; without a picture, its plain text.
std::string formatField(FieldRef field, const std::optional<Picture>& picture);

}  // namespace crv::ui

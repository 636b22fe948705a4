// What an attached file is called in the order's Attachments list: its
// caption, its file type and the picture the preview shows for the type.
//
// Paths may use either separator; the file name is the text after the
// last one, the extension the text after the last "." of the file name
// (a dot in a folder's name does not count).
#pragma once

#include <string>
#include <string_view>

#include "host/data/tables/purchasing_tables.h"

namespace crvpo {

// The owner type of an order's notes and attachments.
inline constexpr std::string_view orderOwnerType = "POMaster";

// The setting "AttachmentCaption" of the suite's settings file: "F" names
// an attachment after its file, anything else after the order.
inline constexpr std::string_view attachmentCaptionKey = "AttachmentCaption";
inline constexpr std::string_view captionFromFile = "F";

// The file's name within its path.
std::string attachmentFileName(std::string_view path);

// With the setting "F", the file's name; otherwise "Purchase Order", the
// order's number after " #" when it has one, then " from Vendor (" +
// vendor number + ") " + the vendor's name; at most 50 characters.
std::string attachmentCaption(std::string_view path, std::string_view captionSetting,
                              const crv::POMasterRecord& order, std::string_view vendorName);

// "PDF", "Bitmap", "DOC", "PPT", "TXT", "XL", "WebPage" or "Other", by the
// first two letters of the extension.
std::string attachmentFileType(std::string_view path);

// The picture the preview shows for a file type other than "Bitmap".
std::string attachmentTypePicture(std::string_view fileType);

}  // namespace crvpo

// Naming an order's attachments.
#include "crvpo/entry/attachment_naming.h"

#include "host/framework/values/text.h"

namespace crvpo {

std::string attachmentFileName(std::string_view path) {
  const auto slash = path.find_last_of("/\\");
  return std::string(slash == std::string_view::npos ? path : path.substr(slash + 1));
}

std::string attachmentCaption(std::string_view path, std::string_view captionSetting,
                              const crv::POMasterRecord& order, std::string_view vendorName) {
  std::string caption;
  if (crv::clip(captionSetting) == captionFromFile) {
    caption = attachmentFileName(path);
  } else {
    caption = "Purchase Order";
    if (!order.PONumber.empty()) caption += " #" + order.PONumber.str();
    caption += " from Vendor (" + std::to_string(order.VendorID) + ") " + std::string(vendorName);
  }
  return caption.substr(0, 50);
}

std::string attachmentFileType(std::string_view path) {
  const std::string name = attachmentFileName(path);
  const auto dot = name.find_last_of('.');
  const std::string extension =
      dot == std::string::npos ? std::string() : crv::toUpperAscii(name.substr(dot + 1)).substr(0, 10);
  const std::string_view start = std::string_view(extension).substr(0, 2);
  if (start == "PD") return "PDF";
  if (start == "TI" || start == "BM" || start == "JP" || start == "GI") return "Bitmap";
  if (start == "DO") return "DOC";
  if (start == "PP") return "PPT";
  if (start == "TX") return "TXT";
  if (start == "XL") return "XL";
  if (start == "HT") return "WebPage";
  return "Other";
}

std::string attachmentTypePicture(std::string_view fileType) {
  if (fileType == "PDF") return "~pdf.gif";
  if (fileType == "DOC") return "~worddoc.gif";
  if (fileType == "XL") return "~xldoc.gif";
  if (fileType == "PPT") return "~ppdoc.gif";
  if (fileType == "TXT") return "~textfile.gif";
  if (fileType == "WebPage") return "~web.gif";
  return "~OtherFile.gif";
}

}  // namespace crvpo

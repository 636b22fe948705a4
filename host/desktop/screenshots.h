// Screenshots of the desktop's windows and dialogs as they first show, so a
// reviewer can look at every window a test run went through.
//
// Off unless a folder is set (the GUI tests set one under the build folder;
// CRV_SCREENSHOTS does it for a manual run). Each picture is named after
// the kind of window and its title: "window-adding-a-vendor.png".
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

class QWidget;

namespace crv::desktop {

class Screenshots {
 public:
  // The folder from CRV_SCREENSHOTS, or none.
  Screenshots();

  void setFolder(std::filesystem::path folder) { folder_ = std::move(folder); }
  const std::filesystem::path& folder() const { return folder_; }
  bool enabled() const { return !folder_.empty(); }

  // Saves the widget as it looks now; answers the file written, empty when
  // off or the picture could not be written.
  std::filesystem::path save(QWidget& widget, std::string_view kind, std::string_view title) const;
  // The same once the widget has been laid out and painted (the next turn
  // of the event loop); for dialogs about to run their own loop.
  void saveSoon(QWidget& widget, std::string kind, std::string title) const;

  // "Adding a Vendor" -> "adding-a-vendor".
  static std::string slug(std::string_view title);

 private:
  std::filesystem::path folder_;
};

}  // namespace crv::desktop

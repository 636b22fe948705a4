// The header form's tab "Attachments": the order's attached files
// ("Description", "Date", "Type"), a preview of the highlighted one, "&Add"
// (a file dialog, the Insert key on the list, or files dropped on the
// window while the tab is shown), "&Change" and "&Delete" through
// UpdateImages, and "&Open", which opens the file with the desktop's
// viewer (the original when it is still at its path, else the stored
// copy).
#pragma once

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "host/data/tables/purchasing_tables.h"
#include "host/framework/ui/browse_class.h"
#include "host/framework/ui/browse_component.h"
#include "host/framework/ui/window.h"
#include "host/framework/ui/window_component.h"

namespace crvpo {

class OrderAttachmentsTab final : public crv::ui::WindowComponent {
 public:
  // `vendorName` answers the order's vendor's name for captions.
  explicit OrderAttachmentsTab(std::function<std::string()> vendorName);

  // Adds the tab's controls to `tab` of the window.
  void build(crv::ui::Window& window, crv::ui::Control& tab);
  // Whether drops are taken now: the tab is the one shown.
  bool shown(const crv::ui::Window& window) const;
  // Asks, then attaches dropped files in the order given.
  void attachDropped(const std::vector<std::string>& files);
  // For the next order of a repetitive insert: no preview.
  void hidePreview();
  bool empty() const { return list_.rowCount() == 0; }
  void setReadOnly(bool readOnly);

  crv::ui::Level takeEvent(crv::ui::WindowManager& manager, const crv::ui::Event& event) override;
  void reset(crv::ui::WindowManager& manager) override;
  void kill(crv::ui::WindowManager& manager) override;

 private:
  void addFromDialog();
  void attach(const std::vector<std::filesystem::path>& files);
  void refreshPreview();
  void openHighlighted();
  std::filesystem::path readableCopy();

  std::function<std::string()> vendorName_;
  crv::ui::BrowseClass list_;
  crv::ui::BrowseComponent component_;
  crv::ui::Window* window_ = nullptr;
  bool readOnly_ = false;
  std::vector<std::filesystem::path> extracted_;
};

}  // namespace crvpo

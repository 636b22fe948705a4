// The header form's Attachments tab.
#include "crvpo/entry/order_attachments_tab.h"

#include <system_error>

#include "crvpo/entry/attachment_naming.h"
#include "crvpo/entry/order_attachments.h"
#include "crvpo/entry/suite_settings.h"
#include "host/data/shared_values.h"
#include "host/data/tables/suite_tables.h"
#include "host/framework/services/message_box.h"
#include "host/framework/ui/front_end.h"
#include "host/framework/ui/window_manager.h"
#include "host/siblings/CRVMISC/image_store.h"
#include "host/siblings/CRVMISC/update_images.h"

namespace crvpo {
namespace {

using crv::ui::ControlKind;
using crv::ui::EventKind;
using crv::ui::Level;

constexpr int pageRows = 6;
constexpr const char* dialogFilter =
    "All Files|*.*|Images|*.tif;*.bmp;*.jpg;*.gif|PDF Files|*.pdf|Document "
    "Files|*.doc|Spreadsheets|*.xl*|Web "
    "Pages|*.htm*;*.php";

crv::ui::BrowseComponent::Buttons buttons() {
  crv::ui::BrowseComponent::Buttons b;
  b.change = "?AttachChange";
  b.remove = "?AttachDelete";
  return b;
}

std::filesystem::path temporaryFolder() {
  if (!crv::GLO.TempPath.empty()) return crv::GLO.TempPath;
  std::error_code ec;
  return std::filesystem::temp_directory_path(ec);
}

}  // namespace

OrderAttachmentsTab::OrderAttachmentsTab(std::function<std::string()> vendorName)
    : vendorName_(std::move(vendorName)),
      list_(crv::Images, pageRows),
      component_(list_, "?AttachmentList", buttons()) {
  list_.addColumn("Description", "Caption", "@s50");
  list_.addColumn("Date", "FileDate", "@d01b");
  list_.addColumn("Type", "ImageType", "@s10");
  list_.addSort(crv::ui::BrowseSort(crv::ImagesRecord::KeyTypeNumericID, "(IMG:Type='POMaster')")
                    .fix(orderOwnerType)
                    .fix([] { return crv::POM.POID; }));
  list_.setUpdateProcedure([] { UpdateImages(); });
}

void OrderAttachmentsTab::build(crv::ui::Window& w, crv::ui::Control& tab) {
  w.addList("?AttachmentList", &list_).in(tab);
  w.add(ControlKind::Image, "?Preview").in(tab);
  w.addButton("?AttachAdd", "&Add").in(tab);
  w.addButton("?AttachChange", "&Change").in(tab);
  w.addButton("?AttachDelete", "&Delete").in(tab);
  w.addButton("?AttachOpen", "&Open").in(tab);
  w.addString("?AttachHint", "Use the Insert button or Drag files from Explorer").in(tab);
  window_ = &w;
}

bool OrderAttachmentsTab::shown(const crv::ui::Window& w) const {
  const crv::ui::Control* list = w.find("?AttachmentList");
  return list && list->isVisible() && list->isEnabled();
}

void OrderAttachmentsTab::setReadOnly(bool readOnly) {
  readOnly_ = readOnly;
  for (const char* equate : {"?AttachAdd", "?AttachChange", "?AttachDelete"})
    window_->control(equate).setDisabled(readOnly);
}

void OrderAttachmentsTab::reset(crv::ui::WindowManager& manager) {
  component_.reset(manager);
  refreshPreview();
}

void OrderAttachmentsTab::kill(crv::ui::WindowManager& manager) {
  component_.kill(manager);
  for (const auto& file : extracted_) {
    std::error_code ec;
    std::filesystem::remove(file, ec);
  }
  extracted_.clear();
}

Level OrderAttachmentsTab::takeEvent(crv::ui::WindowManager& manager, const crv::ui::Event& event) {
  crv::ui::Control* control = event.control;
  if (control && event.kind == EventKind::Accepted) {
    if (control->is("?AttachAdd")) {
      if (!readOnly_) addFromDialog();
      return Level::Notify;
    }
    if (control->is("?AttachOpen")) {
      openHighlighted();
      return Level::Notify;
    }
  }
  if (control && control->is("?AttachmentList") && event.kind == EventKind::AlertKey &&
      event.key == crv::ui::Key::Insert) {
    if (!readOnly_) addFromDialog();
    return Level::Notify;
  }
  const Level level = component_.takeEvent(manager, event);
  if (control && control->is("?AttachmentList")) refreshPreview();
  if (control && (control->is("?AttachChange") || control->is("?AttachDelete"))) refreshPreview();
  return level;
}

void OrderAttachmentsTab::addFromDialog() {
  crv::ui::FileDialogRequest request;
  request.title = "Select one or more files to Attach";
  request.filter = dialogFilter;
  request.multiple = true;
  if (!crv::SYS.AttachmentPath.empty()) request.folder = crv::SYS.AttachmentPath.str();
  const auto files = crv::ui::frontEnd().openFiles(request);
  if (!files.empty()) attach(files);
}

void OrderAttachmentsTab::attachDropped(const std::vector<std::string>& files) {
  if (files.empty() || readOnly_ || !confirmDroppedFiles(files.size())) return;
  attach({files.begin(), files.end()});
}

void OrderAttachmentsTab::attach(const std::vector<std::filesystem::path>& files) {
  const AttachResult result =
      attachFiles(files, crv::POM, vendorName_(), suiteSetting(attachmentCaptionKey, captionFromFile));
  if (result.last != 0) {
    crv::IMG.clear();
    crv::IMG.ImageID = result.last;
    if (crv::Images.fetch(crv::ImagesRecord::KeyImageID) == crv::TableStatus::Ok) list_.resetFromBuffer();
  } else {
    list_.refresh();
  }
  refreshPreview();
  if (window_) window_->touch();
}

std::filesystem::path OrderAttachmentsTab::readableCopy() {
  const std::filesystem::path original = crv::IMG.FileName.str();
  std::error_code ec;
  if (!original.empty() && std::filesystem::is_regular_file(original, ec)) return original;
  if (crv::IMG.StoredName.empty()) return {};
  const std::filesystem::path folder =
      temporaryFolder() / ("crvpo-attachment-" + std::to_string(crv::IMG.ImageID));
  std::filesystem::create_directories(folder, ec);
  const auto extracted = crv::siblings::ExtractImageFile(crv::IMG.StoredName.view(), folder);
  if (!extracted) return {};
  extracted_.push_back(extracted.file);
  return extracted.file;
}

void OrderAttachmentsTab::refreshPreview() {
  if (!window_) return;
  crv::ui::Control& preview = window_->control("?Preview");
  if (!list_.highlighted() || list_.reloadSelected() != crv::TableStatus::Ok) {
    preview.setText("");
    preview.setIcon("");
    return;
  }
  const std::string type = crv::IMG.ImageType.str();
  if (type == "Bitmap") {
    const std::filesystem::path picture = readableCopy();
    preview.setText(picture.string());
    preview.setIcon("~OtherFile.gif");
  } else {
    preview.setText("");
    preview.setIcon(attachmentTypePicture(type));
  }
}

void OrderAttachmentsTab::hidePreview() {
  if (!window_) return;
  window_->control("?Preview").setText("");
  window_->control("?Preview").setIcon("");
}

void OrderAttachmentsTab::openHighlighted() {
  if (!list_.highlighted() || list_.reloadSelected() != crv::TableStatus::Ok) return;
  const std::filesystem::path file = readableCopy();
  if (file.empty()) {
    crv::message(
        "The file " + crv::IMG.FileName.str() + " cannot be found, and the image store has no copy of it.",
        "Attachment Not Found", crv::Icon::Exclamation);
    return;
  }
  crv::ui::frontEnd().openDocument(file);
}

}  // namespace crvpo

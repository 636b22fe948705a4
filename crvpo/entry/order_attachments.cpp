// Attaching files to an order.
#include "crvpo/entry/order_attachments.h"

#include <chrono>
#include <ctime>

#include "crvpo/entry/attachment_naming.h"
#include "host/data/tables/suite_tables.h"
#include "host/framework/services/message_box.h"
#include "host/framework/table/private_table.h"
#include "host/siblings/CRVMISC/image_store.h"

namespace crvpo {
namespace {

// The file's modification date and time; today and now when it has none.
void stampFileTime(crv::ImagesRecord& image, const std::filesystem::path& file) {
  std::error_code ec;
  const auto written = std::filesystem::last_write_time(file, ec);
  if (ec) {
    image.FileDate = crv::Date::today();
    image.FileTime = crv::Time::now();
    return;
  }
  const std::time_t seconds = std::chrono::system_clock::to_time_t(std::chrono::file_clock::to_sys(written));
  std::tm local{};
  localtime_r(&seconds, &local);
  image.FileDate = crv::Date::compose(local.tm_mon + 1, local.tm_mday, local.tm_year + 1900);
  image.FileTime = crv::Time::compose(local.tm_hour, local.tm_min, local.tm_sec);
}

}  // namespace

bool confirmDroppedFiles(std::size_t count) {
  return crv::message("Would you like to attach " + std::string(count > 1 ? "these files" : "this file") +
                          "|to this Purchase Order?",
                      "Attach?", crv::Icon::Question, "&Yes|&No") == 1;
}

AttachResult attachFiles(const std::vector<std::filesystem::path>& files, const crv::POMasterRecord& order,
                         std::string_view vendorName, std::string_view captionSetting) {
  AttachResult result;
  crv::PrivateTable<crv::ImagesRecord> images(crv::Images);
  for (const std::filesystem::path& file : files) {
    const std::string path = file.string();
    const crv::siblings::ImageStoreResult stored = crv::siblings::StoreImageFile(file);
    if (!stored) {
      crv::message(stored.error, "Error Attaching File", crv::Icon::Exclamation);
      continue;
    }
    images.rec.clear();
    if (images.table.primeAutoInc() != crv::TableStatus::Ok) {
      crv::message(images.table.lastError().describe() +
                   crv::errorContext(crv::TableOp::Autoincrementing, "Images"));
      crv::siblings::RemoveImageFile(stored.storedName);
      continue;
    }
    images.rec.Type = orderOwnerType;
    images.rec.NumericID = order.POID;
    images.rec.TextID = "";
    images.rec.Caption = attachmentCaption(path, captionSetting, order, vendorName);
    images.rec.ImageType = attachmentFileType(path);
    images.rec.FileName = path;
    images.rec.StoredName = stored.storedName;
    stampFileTime(images.rec, file);
    if (images.table.tryInsert() != crv::TableStatus::Ok) {
      crv::message("Error Inserting Images", {}, crv::Icon::Stop);
      images.table.cancelAutoInc();
      crv::siblings::RemoveImageFile(stored.storedName);
      continue;
    }
    ++result.attached;
    result.last = images.rec.ImageID;
  }
  return result;
}

}  // namespace crvpo

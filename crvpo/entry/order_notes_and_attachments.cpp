// Removing an order's notes and attachments.
#include "crvpo/entry/order_notes_and_attachments.h"

#include "crvpo/entry/attachment_naming.h"
#include "crvpo/entry/commitment_poster.h"
#include "host/data/tables/suite_tables.h"
#include "host/framework/services/message_box.h"
#include "host/framework/table/private_table.h"
#include "host/siblings/CRVMISC/image_store.h"

namespace crvpo {
namespace {

// Removes every row of a range (the rows whose leading `parts` key fields
// equal the buffer's), calling `seen` on each first.
template <class R, class Seen>
StepResult removeRange(crv::PrivateTable<R>& rows, const crv::KeyDef& key, std::size_t parts, Seen seen) {
  if (rows.table.setRange(key, parts) != crv::TableStatus::Ok)
    return StepFailure::of(rows.table, crv::TableOp::Reading);
  for (;;) {
    const crv::TableStatus read = rows.table.next();
    if (read == crv::TableStatus::EndOfFile) return std::nullopt;
    if (read != crv::TableStatus::Ok) return StepFailure::of(rows.table, crv::TableOp::Reading);
    seen(rows.rec);
    if (auto failure = removeRow(rows.table)) return failure;
  }
}

}  // namespace

StepResult removeNotesAndAttachments(crv::Connection& connection, crv::Id poid,
                                     std::vector<std::string>& storedFiles) {
  crv::PrivateTable<crv::NotesRecord> notes(connection);
  notes.rec.EntityID = std::to_string(poid);
  notes.rec.Filename = orderOwnerType;
  if (auto failure = removeRange(notes, crv::NotesRecord::KeyEntityID, 2, [](const crv::NotesRecord&) {}))
    return failure;

  crv::PrivateTable<crv::ImagesRecord> images(connection);
  images.rec.Type = orderOwnerType;
  images.rec.NumericID = poid;
  return removeRange(images, crv::ImagesRecord::KeyTypeNumericID, 2, [&](const crv::ImagesRecord& image) {
    if (!image.StoredName.empty()) storedFiles.push_back(image.StoredName.str());
  });
}

void removeStoredFiles(const std::vector<std::string>& storedFiles, bool showMessages) {
  for (const std::string& stored : storedFiles)
    if (auto removed = crv::siblings::RemoveImageFile(stored); !removed && showMessages)
      crv::message(removed.error, {}, crv::Icon::Exclamation);
}

}  // namespace crvpo

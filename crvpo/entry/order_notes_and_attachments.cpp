// Removing an order's notes and attachments.
#include "crvpo/entry/order_notes_and_attachments.h"

#include "crvpo/entry/attachment_naming.h"
#include "host/data/tables/suite_tables.h"
#include "host/framework/table/private_table.h"
#include "host/siblings/CRVMISC/image_store.h"

namespace crvpo {
namespace {

// Removes every row of a range (the rows whose leading `parts` key fields
// equal the buffer's), calling `seen` on each first.
template <class R, class Seen>
void removeRange(crv::TableSteps& steps, crv::PrivateTable<R>& rows, const crv::KeyDef& key,
                 std::size_t parts, Seen seen) {
  steps.check(rows.table.setRange(key, parts), rows.table, crv::TableOp::Reading);
  while (steps.next(rows.table)) {
    seen(rows.rec);
    steps.remove(rows.table);
  }
}

}  // namespace

void removeNotesAndAttachments(crv::TableSteps& steps, crv::Connection& connection, crv::Id poid,
                               std::vector<std::string>& storedFiles) {
  crv::PrivateTable<crv::NotesRecord> notes(connection);
  notes.rec.EntityID = std::to_string(poid);
  notes.rec.Filename = orderOwnerType;
  removeRange(steps, notes, crv::NotesRecord::KeyEntityID, 2, [](const crv::NotesRecord&) {});

  crv::PrivateTable<crv::ImagesRecord> images(connection);
  images.rec.Type = orderOwnerType;
  images.rec.NumericID = poid;
  removeRange(steps, images, crv::ImagesRecord::KeyTypeNumericID, 2, [&](const crv::ImagesRecord& image) {
    if (!image.StoredName.empty()) storedFiles.push_back(image.StoredName.str());
  });
}

void removeStoredFiles(const std::vector<std::string>& storedFiles, OperationOutcome& outcome) {
  for (const std::string& stored : storedFiles)
    if (auto removed = crv::siblings::RemoveImageFile(stored); !removed)
      outcome.tell(removed.error, {}, crv::Icon::Exclamation);
}

}  // namespace crvpo

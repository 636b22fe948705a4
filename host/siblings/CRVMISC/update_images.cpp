// The attachment form.
#include "host/siblings/CRVMISC/update_images.h"

#include "host/data/tables/suite_tables.h"
#include "host/framework/services/message_box.h"
#include "host/siblings/CRVMISC/image_store.h"

namespace crv::siblings {

using ui::Binding;
using ui::ButtonRole;
using ui::Level;

UpdateImagesWindow::UpdateImagesWindow() : WindowManager("UpdateImages") {
  addTable(Images, true);
  ui::Window& w = window();
  w.setTitle("Update the Images File");
  w.setHelp("html/PO_Enter_Purchase_Orders.htm", "attachments_tab");
  setTitleFor(ChangeRecord, "Changing an Attachment");
  setTitleFor(DeleteRecord, "Deleting an Attachment");
  setTitleFor(ViewRecord, "Viewing an Attachment");

  w.addField("&Description:", "?IMG:Caption", Binding::field(IMG, IMG.Caption), "@s50");
  w.addField("File:", "?IMG:FileName", Binding::field(IMG, IMG.FileName), "@s60").setReadOnly(true);
  w.addField("Type:", "?IMG:ImageType", Binding::field(IMG, IMG.ImageType), "@s10").setReadOnly(true);
  w.addField("Date:", "?IMG:FileDate", Binding::field(IMG, IMG.FileDate), "@d2b").setReadOnly(true);
  w.addButton("?OK", "OK", ButtonRole::Ok).setDefault();
  w.addButton("?Cancel", "Cancel", ButtonRole::Cancel);
  if (request() != ChangeRecord) control("?IMG:Caption").setReadOnly(true);
}

Level UpdateImagesWindow::write() {
  const std::string stored = IMG.StoredName.str();
  const Level level = WindowManager::write();
  // The copy goes only once its row is gone, so a refused delete loses no
  // file.
  if (request() == DeleteRecord && response() == RequestCompleted && !stored.empty())
    if (auto removed = RemoveImageFile(stored); !removed) message(removed.error, {}, Icon::Exclamation);
  return level;
}

}  // namespace crv::siblings

void UpdateImages() { crv::siblings::UpdateImagesWindow().run(); }

// The note form.
#include "host/siblings/CRVMISC/update_notes.h"

#include "host/data/shared_values.h"
#include "host/data/tables/suite_tables.h"

namespace crv::siblings {

using ui::Binding;
using ui::ButtonRole;
using ui::ControlKind;

UpdateNotesWindow::UpdateNotesWindow()
    : WindowManager("UpdateNotes"), ownerType_(JOBFIELD), ownerId_(REPORTFILTER.str()) {
  addTable(Notes, true);
  ui::Window& w = window();
  w.setTitle("Update the Notes File");
  w.setHelp("html/PO_Enter_Purchase_Orders.htm", "notes_tab");
  setTitleFor(InsertRecord, "Adding a Note");
  setTitleFor(ChangeRecord, "Changing a Note");
  setTitleFor(DeleteRecord, "Deleting a Note");
  setTitleFor(ViewRecord, "Viewing a Note");

  w.addLookup(w.addField("&Date:", "?NOTE:Date", Binding::field(NOTE, NOTE.Date), "@d2"),
              ButtonRole::Calendar);
  w.addField("&Heading:", "?NOTE:Heading", Binding::field(NOTE, NOTE.Heading), "@s20");
  ui::Control& prompt = w.addPrompt("?NOTE:Note:Prompt", "&Note:");
  w.add(ControlKind::Text, "?NOTE:Note").bind(Binding::field(NOTE, NOTE.Note)).setPrompt(prompt);
  w.addButton("?OK", "OK", ButtonRole::Ok).setDefault();
  w.addButton("?Cancel", "Cancel", ButtonRole::Cancel);
  checkSpelling({"?NOTE:Heading", "?NOTE:Note"});
  if (request() == ViewRecord || request() == DeleteRecord)
    for (const char* equate : {"?NOTE:Date", "?NOTE:Heading", "?NOTE:Note"})
      control(equate).setReadOnly(true);
}

void UpdateNotesWindow::primeFields() {
  NOTE.Filename = ownerType_;
  NOTE.EntityID = ownerId_;
  NOTE.Date = Date::today();
  NOTE.Time = Time::now();
  NOTE.UserID = UserID.view();
}

}  // namespace crv::siblings

void UpdateNotes() { crv::siblings::UpdateNotesWindow().run(); }

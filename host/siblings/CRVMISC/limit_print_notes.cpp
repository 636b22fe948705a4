// Printing the notes of a record.
#include "host/siblings/CRVMISC/limit_print_notes.h"

#include <algorithm>

#include "host/data/shared_values.h"
#include "host/data/tables/suite_tables.h"
#include "host/framework/table/private_table.h"
#include "host/framework/values/picture.h"
#include "host/siblings/CRVMISC/report_document.h"

namespace crv::siblings {

using ui::Binding;
using ui::ButtonRole;
using ui::ControlKind;

std::string LimitPrintNotesWindow::ownerType(std::string_view kind) {
  return kind == "PO" ? "POMaster" : std::string(kind);
}

LimitPrintNotesWindow::LimitPrintNotesWindow()
    : WindowManager("LimitPrintNotes"), owner_(ownerType(JOBFIELD)), ownerId_(REPORTFILTER.str()) {
  ui::Window& w = window();
  w.setTitle("Print Notes");
  w.setIcon("print");
  w.setHelp("html/PO_Enter_Purchase_Orders.htm", "notes_tab");
  ui::Control& which =
      w.add(ControlKind::Option, "?Which", "Notes").bind(Binding::local(which_, "LOC:Which"));
  w.add(ControlKind::Radio, "?Which:All", "&All notes").in(which).setRadioValue("A");
  w.add(ControlKind::Radio, "?Which:Tagged", "&Tagged notes only").in(which).setRadioValue("T");
  if (TAGQUE2.empty()) w.control("?Which:Tagged").disable();
  w.addButton("?Print", "&Print").setDefault();
  w.addButton("?Cancel", "Cancel", ButtonRole::Cancel);
  onAccepted("?Print", [this] {
    print();
    complete();
  });
}

void LimitPrintNotesWindow::print() {
  Report report;
  const Font heading{"DejaVu Sans", 12, true};
  const Font small{"DejaVu Sans", 9};
  report.pageHeader.setHeight(30);
  report.pageHeader.addText(0, 0, report.page.contentWidth(), "Notes for " + owner_ + " " + ownerId_,
                            heading);
  report.pageFooter.setHeight(14);
  report.pageFooter.addPageNumber(0, 0, report.page.contentWidth(), "Page {page} of {pages}", small,
                                  Align::Right);
  Band& note = report.band("note");
  PrivateTable<NotesRecord> notes(Notes);
  note.addField(0, 0, 70, notes.rec.Date, "@d2", small);
  note.addField(75, 0, 150, notes.rec.Heading, "@s20", Font{"DejaVu Sans", 9, true});
  note.addField(230, 0, report.page.contentWidth() - 230, notes.rec.Note, "@s1000", small).wrap = true;
  note.setHeight(16);

  const bool taggedOnly = which_ == "T";
  printReportDocument(report, "Notes", [&](Paginator& pages) {
    notes.rec.EntityID = ownerId_;
    notes.rec.Filename = owner_;
    if (!notes.isOpen() || notes.table.setRange(NotesRecord::KeyEntityID, 2) != TableStatus::Ok) return;
    while (notes.table.next() == TableStatus::Ok) {
      if (taggedOnly && std::find(TAGQUE2.begin(), TAGQUE2.end(), notes.rec.NoteID) == TAGQUE2.end())
        continue;
      pages.print(note);
    }
  });
}

}  // namespace crv::siblings

void LimitPrintNotes() { crv::siblings::LimitPrintNotesWindow().run(); }

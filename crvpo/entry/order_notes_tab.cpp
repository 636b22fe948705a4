// The header form's Notes tab.
#include "crvpo/entry/order_notes_tab.h"

#include "crvpo/entry/attachment_naming.h"
#include "host/data/shared_values.h"
#include "host/data/tables/purchasing_tables.h"
#include "host/data/tables/suite_tables.h"
#include "host/framework/services/global_request.h"
#include "host/framework/ui/front_end.h"
#include "host/framework/ui/window_manager.h"
#include "host/siblings/CRVMISC/limit_print_notes.h"
#include "host/siblings/CRVMISC/update_notes.h"

namespace crvpo {
namespace {

using crv::ui::EventKind;
using crv::ui::Level;

constexpr int pageRows = 6;

std::string orderIdText() { return std::to_string(crv::POM.POID); }

crv::ui::BrowseComponent::Buttons buttons() {
  crv::ui::BrowseComponent::Buttons b;
  b.insert = "?NoteAdd";
  b.change = "?NoteChange";
  b.remove = "?NoteDelete";
  return b;
}

}  // namespace

OrderNotesList::OrderNotesList() : BrowseClass(crv::Notes, pageRows) {
  tag_ = addComputedColumn("", "@s1");
  addColumn("Date", "Date", "@d1");
  addColumn("Heading", "Heading", "@s20");
  addColumn("Note", "Note", "@s255");
  addSort(crv::ui::BrowseSort(crv::NotesRecord::KeyEntityID, "(NOTE:Filename='POMaster')")
              .fix([] { return orderIdText(); })
              .fix(orderOwnerType));
  setUpdateProcedure([] { UpdateNotes(); });
}

void OrderNotesList::setQueueRecord(crv::ui::BrowseRow& row) {
  BrowseClass::setQueueRecord(row);
  const bool tagged = tags().contains(row.row);  // TagStr
  row.setText(tag_, tagged ? "*" : "");
  row.setIcon(tag_, tagged ? "~checkon.ico" : "~checkoff.ico");
}

void OrderNotesList::primeRecord() {
  crv::JOBFIELD = std::string(orderOwnerType);
  crv::REPORTFILTER = orderIdText();
}

OrderNotesTab::OrderNotesTab(std::function<std::string()> vendorName)
    : vendorName_(std::move(vendorName)), component_(list_, "?NoteList", buttons()) {}

void OrderNotesTab::build(crv::ui::Window& w, crv::ui::Control& tab) {
  w.addList("?NoteList", &list_).in(tab);
  w.addButton("?NoteAdd", "&Add").in(tab);
  w.addButton("?NoteChange", "&Change").in(tab);
  w.addButton("?NoteDelete", "&Delete").in(tab);
  w.addButton("?NoteTag", "&Tag").in(tab);
  w.addButton("?NoteUntagAll", "&Untag all").in(tab);
  w.addButton("?NoteTagAll", "Tag &all").in(tab);
  w.addButton("?NotePrint", "&Print").in(tab);
  w.addButton("?NoteSend", "Send To...").in(tab);
  window_ = &w;
}

void OrderNotesTab::setReadOnly(bool readOnly) {
  for (const char* equate : {"?NoteAdd", "?NoteChange", "?NoteDelete"})
    window_->control(equate).setDisabled(readOnly);
}

void OrderNotesTab::reset(crv::ui::WindowManager& manager) {
  component_.reset(manager);
  window_->control("?NoteSend").setDisabled(list_.rowCount() == 0);
}

void OrderNotesTab::kill(crv::ui::WindowManager& manager) { component_.kill(manager); }

void OrderNotesTab::syncTags() {
  crv::TAGQUE2.assign(list_.tags().rows().begin(), list_.tags().rows().end());
  list_.refresh();
  window_->touch();
}

Level OrderNotesTab::takeEvent(crv::ui::WindowManager& manager, const crv::ui::Event& event) {
  crv::ui::Control* control = event.control;
  if (control && event.kind == EventKind::Accepted) {
    if (control->is("?NoteTag")) {
      if (list_.highlighted()) list_.toggleTag();
      syncTags();
      return Level::Notify;
    }
    if (control->is("?NoteUntagAll")) {
      list_.clearTags();
      syncTags();
      return Level::Notify;
    }
    if (control->is("?NoteTagAll")) {
      list_.tagAll();
      syncTags();
      return Level::Notify;
    }
    if (control->is("?NotePrint")) {
      print();
      return Level::Notify;
    }
    if (control->is("?NoteSend")) {
      send(manager);
      return Level::Notify;
    }
  }
  const Level level = component_.takeEvent(manager, event);
  window_->control("?NoteSend").setDisabled(list_.rowCount() == 0);
  return level;
}

void OrderNotesTab::print() {
  crv::JOBFIELD = "PO";
  crv::REPORTFILTER = orderIdText();
  crv::TAGQUE2.assign(list_.tags().rows().begin(), list_.tags().rows().end());
  crv::GlobalRequest = 0;
  LimitPrintNotes();
}

void OrderNotesTab::send(crv::ui::WindowManager& /*manager*/) {
  if (list_.rowCount() == 0) return;
  crv::ui::frontEnd().sendTo({"Notes for PO " + crv::POM.PONumber.str() + " to Vendor (" +
                                  std::to_string(crv::POM.VendorID) + ") " + vendorName_(),
                              &list_});
}

}  // namespace crvpo

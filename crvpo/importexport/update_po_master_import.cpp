// The import source form.
#include "crvpo/importexport/update_po_master_import.h"

#include "crvpo/importexport/import_field_list.h"
#include "crvpo/importexport/import_item_window.h"
#include "crvpo/importexport/import_source.h"
#include "crvpo/importexport/import_values.h"
#include "host/data/tables/job_cost_tables.h"
#include "host/framework/services/message_box.h"
#include "host/framework/ui/front_end.h"
#include "host/framework/ui/window_manager.h"

namespace crvpo {
namespace {

using crv::ui::Binding;
using crv::ui::ButtonRole;
using crv::ui::Control;
using crv::ui::ControlKind;
using crv::ui::Level;

// The controls of one field list, by the prefix of their equates.
struct ListEquates {
  std::string prefix;  // "?Header" or "?Detail"
  std::string list() const { return prefix + "Fields"; }
  std::string button(std::string_view name) const { return prefix + std::string(name); }
};

class UpdatePOMasterImportWindow final : public crv::ui::WindowManager {
 public:
  UpdatePOMasterImportWindow() : WindowManager("UpdatePOMasterImport"), header_(false), detail_(true) {
    addTable(crv::JCLimits, true);
    build();
  }

 protected:
  void primeFields() override {
    crv::JCL.Report = importReport;
    crv::JCL.PrintOrder = "C";
  }
  Level opening() override;
  Level validate() override;

 private:
  void build();
  Control& fileName(Control& parent, std::string equate, Binding binding);
  void buildList(Control& parent, const ListEquates& equates, ImportFieldList& list);
  void fileTypeChosen();
  void formatChosen();
  void lookUpFile(std::string_view equate);
  void edit(ImportFieldList& list, bool detail, int index);
  bool oneFile() const { return crv::JCL.Skip != 0; }
  bool fixed() const { return fileFormatOf(crv::JCL.PrintOrder.view()) == FileFormat::Fixed; }

  ImportFieldList header_;
  ImportFieldList detail_;
};

void UpdatePOMasterImportWindow::build() {
  crv::ui::Window& w = window();
  w.setTitle("PO Import Source");
  w.setIcon("import");
  w.setHelp("html/PO_Import_Export.htm", "sources");
  w.addField("Source Name:", "?JCL:ReportTitle", Binding::field(crv::JCL, crv::JCL.ReportTitle), "@s40")
      .setTip("Assign a Title to This Set of Limits");
  Control& type = w.add(ControlKind::Option, "?JCL:Skip", "Import File Type");
  type.bind(Binding::field(crv::JCL, crv::JCL.Skip));
  w.add(ControlKind::Radio, "?JCL:Skip:Two", "Two Separate Files").in(type).setRadioValue("0");
  w.add(ControlKind::Radio, "?JCL:Skip:One", "One File").in(type).setRadioValue("1");
  Control& format = w.add(ControlKind::Option, "?JCL:PrintOrder", "Import File Format");
  format.bind(Binding::field(crv::JCL, crv::JCL.PrintOrder));
  w.add(ControlKind::Radio, "?JCL:PrintOrder:C", "Comma Delimited").in(format).setRadioValue("C");
  w.add(ControlKind::Radio, "?JCL:PrintOrder:T", "Tab Delimited").in(format).setRadioValue("T");
  w.add(ControlKind::Radio, "?JCL:PrintOrder:F", "Fixed Position").in(format).setRadioValue("F");
  w.addPrompt("?JCL:JobTo:Prompt", "Date Field Format:");
  w.addDropList("?JCL:JobTo", Binding::field(crv::JCL, crv::JCL.JobTo), dateFormatChoices)
      .setPrompt(w.control("?JCL:JobTo:Prompt"));

  Control& sheet = w.add(ControlKind::Sheet, "?Files");
  Control& headerTab = w.add(ControlKind::Tab, "?Files:Header", "Purchase Order Header File").in(sheet);
  Control& detailTab = w.add(ControlKind::Tab, "?Files:Detail", "Purchase Order Detail File").in(sheet);
  sheet.choose(0);
  fileName(headerTab, "?JCL:NameFrom", Binding::field(crv::JCL, crv::JCL.NameFrom));
  buildList(headerTab, {"?Header"}, header_);
  w.addCheck("?JCL:TypeB", "File includes header record", Binding::field(crv::JCL, crv::JCL.TypeB))
      .in(headerTab);
  Control& detailFile = w.add(ControlKind::Group, "?DetailFile", "Detail File").in(detailTab);
  fileName(detailFile, "?JCL:NameTo", Binding::field(crv::JCL, crv::JCL.NameTo));
  w.addCheck("?JCL:TypeL", "File includes header record", Binding::field(crv::JCL, crv::JCL.TypeL))
      .in(detailFile);
  buildList(detailTab, {"?Detail"}, detail_);

  w.addButton("?OK", "OK", ButtonRole::Ok).setDefault();
  w.addButton("?Cancel", "Cancel", ButtonRole::Cancel);
  w.addButton("?Help", "Help", ButtonRole::Help);
  onAccepted("?JCL:Skip", [this] { fileTypeChosen(); });
  onAccepted("?JCL:PrintOrder", [this] { formatChosen(); });
}

Control& UpdatePOMasterImportWindow::fileName(Control& parent, std::string equate, Binding binding) {
  crv::ui::Window& w = window();
  Control& entry = w.addField("Import File Name:", equate, std::move(binding), "@s200").in(parent);
  entry.prompt()->in(parent);
  w.addLookup(entry).in(parent);
  onAccepted(equate + ":Lookup", [this, equate] { lookUpFile(equate); });
  return entry;
}

void UpdatePOMasterImportWindow::buildList(Control& parent, const ListEquates& equates,
                                           ImportFieldList& list) {
  crv::ui::Window& w = window();
  const bool detail = &list == &detail_;
  w.addList(equates.list(), &list.model()).in(parent);
  struct Button {
    const char* name;
    const char* caption;
  };
  for (const Button& b :
       {Button{"Add", "&Add"}, Button{"Change", "&Change"}, Button{"Delete", "&Delete"},
        Button{"Bottom", "To Bottom"}, Button{"Down", "Down"}, Button{"Up", "Up"}, Button{"Top", "To Top"}})
    w.addButton(equates.button(b.name), b.caption).in(parent);
  auto at = [&list] { return list.model().current(); };
  onAccepted(equates.button("Add"), [this, &list, detail] {
    if (header_.entries().size() + detail_.entries().size() + 1 >= ImportLayout::maxCells) {
      crv::message(
          "An import source holds at most " + std::to_string(ImportLayout::maxCells - 1) + " fields.",
          "PO Import Source", crv::Icon::Exclamation);
      return;
    }
    edit(list, detail, list.add());
  });
  onAccepted(equates.button("Change"), [this, &list, detail, at] { edit(list, detail, at()); });
  onAccepted(equates.list(), [this, &list, detail, at] { edit(list, detail, at()); });
  onAccepted(equates.button("Delete"), [&list, at] { list.remove(at()); });
  onAccepted(equates.button("Bottom"), [&list, at] { list.moveToBottom(at()); });
  onAccepted(equates.button("Down"), [&list, at] { list.moveDown(at()); });
  onAccepted(equates.button("Up"), [&list, at] { list.moveUp(at()); });
  onAccepted(equates.button("Top"), [&list, at] { list.moveToTop(at()); });
}

Level UpdatePOMasterImportWindow::opening() {
  const std::string name(crv::JCL.ReportTitle.view());
  switch (request()) {
    case crv::InsertRecord:
      window().setTitle("Adding a Purchase Order Import Source  (New)");
      break;
    case crv::ViewRecord:
      window().setTitle("View Record");
      break;
    default:
      window().setTitle("Changing a Purchase Order Import Source  (" + name + ")");
      break;
  }
  const ImportLayout layout = ImportLayout::parse(crv::JCL.ImportLayout.view());
  header_.load(layout);
  detail_.load(layout);
  fileTypeChosen();
  formatChosen();
  return Level::Benign;
}

void UpdatePOMasterImportWindow::fileTypeChosen() {
  control("?DetailFile").setHidden(oneFile());
  window().touch();
}

void UpdatePOMasterImportWindow::formatChosen() {
  header_.setFixed(fixed());
  detail_.setFixed(fixed());
  window().touch();
}

void UpdatePOMasterImportWindow::lookUpFile(std::string_view equate) {
  const auto chosen =
      crv::ui::frontEnd().openFiles({"Select a Filename", "Text Files|*.txt|All Files|*.*", {}, {}, false});
  if (chosen.empty()) return;
  if (equate == "?JCL:NameFrom")
    crv::JCL.NameFrom = chosen.front().string();
  else
    crv::JCL.NameTo = chosen.front().string();
  window().touch();
}

void UpdatePOMasterImportWindow::edit(ImportFieldList& list, bool detail, int index) {
  if (!list.valid(index) || request() == crv::ViewRecord) return;
  ImportFieldList::Entry& entry = list.entry(index);
  if (detail)
    updatePODetailImportItem(entry, fixed(), oneFile());
  else
    updatePOMasterImportItem(entry, fixed());
  list.changed(index);
  window().touch();
}

Level UpdatePOMasterImportWindow::validate() {
  if (request() == crv::DeleteRecord && isProtectedSource(crv::JCL.ReportTitle.view())) {
    crv::message("This Import Type cannot be deleted", "Cannot Delete", crv::Icon::Information);
    return Level::Notify;
  }
  if (request() == crv::InsertRecord && crv::JCL.ReportTitle == reservedSourceName) {
    crv::ui::frontEnd().beep(crv::ui::Sound::Exclamation);
    crv::message("Please select another name", "Duplicate Name", crv::Icon::Exclamation);
    crv::JCL.ReportTitle = "";
    select("?JCL:ReportTitle");
    return Level::Notify;
  }
  if (oneFile() && !header_.entries().empty() && header_.entries().front().contents != "Record Type (H)") {
    crv::message("The first Header File record must be \"Record Type\".", "Invalid Field Contents",
                 crv::Icon::Exclamation);
    return Level::Notify;
  }
  crv::JCL.ImportLayout = layoutString(header_, detail_);
  return Level::Benign;
}

}  // namespace

void updatePOMasterImport() { UpdatePOMasterImportWindow().run(); }

}  // namespace crvpo

void UpdatePOMasterImport() { crvpo::updatePOMasterImport(); }

// The import window.
#include "crvpo/importexport/import_po_master.h"

#include <memory>
#include <optional>

#include "crvpo/importexport/browse_err_que.h"
#include "crvpo/importexport/import_preview_list.h"
#include "crvpo/importexport/import_reader.h"
#include "crvpo/importexport/purchase_order_import.h"
#include "crvpo/importexport/update_po_master_import.h"
#include "host/data/company.h"
#include "host/data/tables/job_cost_tables.h"
#include "host/framework/services/message_box.h"
#include "host/framework/table/private_table.h"
#include "host/framework/ui/browse_component.h"
#include "host/framework/ui/front_end.h"
#include "host/framework/ui/window_manager.h"

namespace crvpo {
namespace {

using crv::ui::ButtonRole;
using crv::ui::ControlKind;
using crv::ui::Level;

constexpr const char* windowTitle = "Import Purchase Orders";
constexpr const char* fileFilter = "Text Files|*.txt|All Files|*.*";

// The import sources, with a delete that spares the built-in ones.
class SourceList final : public crv::ui::BrowseClass {
 public:
  SourceList() : BrowseClass(crv::JCLimits, 6) {
    addColumn("Source", "ReportTitle", "@s40");
    addSort(crv::ui::BrowseSort(crv::JCLimitsRecord::KeyReport, "by Title").fix(std::string(importReport)));
    setUpdateProcedure([] { UpdatePOMasterImport(); });
  }

  int ask(int request) override {
    if (request == crv::DeleteRecord && highlighted() && isProtectedSource(crv::JCL.ReportTitle.view())) {
      crv::message("This Import Type cannot be deleted", "Cannot Delete", crv::Icon::Information);
      return crv::RequestCancelled;
    }
    return BrowseClass::ask(request);
  }
};

crv::ui::BrowseComponent::Buttons sourceButtons() {
  crv::ui::BrowseComponent::Buttons b;
  b.insert = "?Add";
  b.change = "?Change";
  b.remove = "?Delete";
  return b;
}

class ImportPOMasterWindow final : public crv::ui::WindowManager, private ImportObserver {
 public:
  ImportPOMasterWindow()
      : WindowManager("ImportPOMaster"), component_(sources_, "?Sources", sourceButtons()), list_(preview_) {
    addTable(crv::JCLimits);
    build();
    addComponent(component_);
    onAccepted("?PreviewButton", [this] { previewFiles(); });
    onAccepted("?Import", [this] { importOrders(); });
  }

 protected:
  Level opening() override {
    if (crv::Company* company = crv::Company::current())
      if (auto failure = ensureBuiltInSource(company->connection()))
        crv::message(failure->text(), windowTitle, crv::Icon::Exclamation);
    // The list of sources starts now, so that the preview has the columns
    // of the first source when the window first shows.
    resetComponents();
    followSource();
    return Level::Benign;
  }

  // Whatever the event, a source highlighted anew brings its layout and
  // drops the preview of the last one.
  Level takeEvent(const crv::ui::Event& event) override {
    const Level level = WindowManager::takeEvent(event);
    followSource();
    return level;
  }

 private:
  void build();
  std::string highlightedSource() const;
  void followSource();
  void loadSource();
  bool findHeaderFile();
  void previewFiles();
  void review();
  void importOrders();
  void resetSteps(bool previewed);
  void progress(int percent) override;

  SourceList sources_;
  crv::ui::BrowseComponent component_;
  ImportPreview preview_;
  ImportPreviewList list_;
  std::optional<ImportSource> source_;
  std::string shownSource_ = "none";
  crv::Byte percent_ = 0;
};

void ImportPOMasterWindow::build() {
  crv::ui::Window& w = window();
  w.setTitle(windowTitle);
  w.setIcon("import");
  w.setHelp("html/PO_Import_Export.htm", "import");
  crv::ui::Control& sourceGroup = w.add(ControlKind::Group, "?SourceGroup", "Source");
  w.addList("?Sources", &sources_).in(sourceGroup).at(-1, -1, 60);
  w.addButton("?Add", "&Add").in(sourceGroup);
  w.addButton("?Change", "&Change").in(sourceGroup);
  w.addButton("?Delete", "&Delete").in(sourceGroup);
  w.addList("?Preview", &list_.model()).at(-1, -1, 120);
  w.addString("?Browsing", "Browsing Records");
  w.add(ControlKind::String, "?Percent")
      .bind(crv::ui::Binding::local(percent_, "LOC:Percent"))
      .setPicture("@n3~%~");
  w.add(ControlKind::Progress, "?Progress");
  w.addString("?Complete", "Process Complete").hide();
  w.addButton("?PreviewButton", "&Preview").setDefault();
  w.addButton("?Import", "&Import").disable();
  w.addButton("?Close", "&Close", ButtonRole::Close);
  w.addButton("?Help", "&Help", ButtonRole::Help);
}

// The highlighted source as stored, to tell when another one was chosen or
// this one was changed in the source form.
std::string ImportPOMasterWindow::highlightedSource() const {
  const crv::ui::BrowseRow* row = sources_.highlighted();
  if (!row) return {};
  std::string text;
  for (std::size_t i = 0; i < row->record->layout().size(); ++i)
    text += row->record->field(i).toString() + '\n';
  return text;
}

void ImportPOMasterWindow::followSource() {
  std::string shown = highlightedSource();
  if (shown == shownSource_) return;
  shownSource_ = std::move(shown);
  loadSource();
}

void ImportPOMasterWindow::loadSource() {
  source_.reset();
  preview_.clear();
  if (const crv::ui::BrowseRow* row = sources_.highlighted())
    source_ = ImportSource::of(static_cast<const crv::JCLimitsRecord&>(*row->record));
  list_.setLayout(source_ ? source_->layout : ImportLayout{}, source_ && source_->exchange());
  std::vector<crv::ui::ListColumn> columns;
  for (const auto& column : list_.columns()) columns.push_back({column.heading, 0, column.picture});
  control("?Preview").setColumns(std::move(columns));
  resetSteps(false);
}

void ImportPOMasterWindow::resetSteps(bool previewed) {
  control("?Import").setDisabled(!previewed);
  control("?PreviewButton").setDisabled(previewed);
  window().touch();
}

// The source's file is missing: the user may choose another, which the
// source then keeps.
bool ImportPOMasterWindow::findHeaderFile() {
  std::error_code ec;
  if (std::filesystem::exists(source_->headerFile, ec)) return true;
  const std::string name(crv::clip(source_->headerFile.string()));
  if (crv::message("The selected import file, " + name + " does not exist.  Do you wish to " +
                       "select a different file?",
                   "Select New Filename", crv::Icon::Question, "&Yes|&No") != 1)
    return false;
  const auto chosen = crv::ui::frontEnd().openFiles({"Select An Import File", fileFilter, {}, {}, false});
  if (chosen.empty()) return false;
  crv::PrivateTable<crv::JCLimitsRecord> sources(crv::JCLimits);
  sources.rec.LimitID = source_->limitId;
  if (sources.fetch(crv::JCLimitsRecord::KeyLimitID)) {
    sources.rec.NameFrom = chosen.front().string();
    if (sources.table.tryUpdate() != crv::TableStatus::Ok)
      crv::message(sources.table.lastError().describe() +
                   crv::errorContext(crv::TableOp::Saving, "JCLimits"));
  }
  source_->headerFile = chosen.front();
  sources_.refresh();
  shownSource_ = highlightedSource();  // the same source, with its new file
  return true;
}

void ImportPOMasterWindow::previewFiles() {
  crv::Company* company = crv::Company::current();
  if (!source_ || !company || !findHeaderFile()) return;
  control("?Complete").hide();
  const ReadOutcome read = ImportReader(company->connection(), *source_).read(preview_, this);
  list_.refresh();
  if (!read.read) {
    crv::message(read.message, windowTitle, crv::Icon::Stop);
    return;
  }
  control("?Complete").unhide();
  if (!read.message.empty()) crv::message(read.message, windowTitle, crv::Icon::Information);
  review();
}

void ImportPOMasterWindow::review() {
  if (!preview_.errors.empty()) {
    crv::ui::frontEnd().beep(crv::ui::Sound::Exclamation);
    if (!browseErrQue(preview_.errors)) {
      preview_.dropHeaders();
      list_.refresh();
    }
  }
  resetSteps(!preview_.headers.empty());
}

void ImportPOMasterWindow::importOrders() {
  crv::Company* company = crv::Company::current();
  if (!source_ || !company || preview_.headers.empty()) return;
  const ImportOutcome imported = PurchaseOrderImport(company->connection(), *source_).run(preview_, this);
  if (!imported.done) {
    crv::message(imported.message, windowTitle, crv::Icon::Stop);
    return;
  }
  list_.refresh();
  complete(crv::RequestCompleted);
}

void ImportPOMasterWindow::progress(int percent) {
  if (percent == percent_) return;
  percent_ = static_cast<crv::Byte>(percent);
  control("?Progress").setProgress(percent);
  window().touch();
  crv::ui::frontEnd().display(window());
}

}  // namespace

void importPOMaster() { ImportPOMasterWindow().run(); }

}  // namespace crvpo

void ImportPOMaster() { crvpo::importPOMaster(); }

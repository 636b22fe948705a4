// The export window.
#include "crvpo/importexport/export_po.h"

#include "crvpo/importexport/export_preview.h"
#include "crvpo/importexport/purchase_order_export.h"
#include "host/data/company.h"
#include "host/data/shared_values.h"
#include "host/framework/services/message_box.h"
#include "host/framework/ui/front_end.h"
#include "host/framework/ui/window_manager.h"

namespace crvpo {
namespace {

using crv::ui::Binding;
using crv::ui::ButtonRole;
using crv::ui::ControlKind;

constexpr const char* windowTitle = "Purchase Order Export";

class ExportPOWindow final : public crv::ui::WindowManager {
 public:
  ExportPOWindow() : WindowManager("ExportPO"), tagged_(crv::TAGQUE), which_(tagged_.empty() ? "A" : "T") {
    crv::ui::Window& w = window();
    w.setTitle(windowTitle);
    w.setIcon("export");
    w.setHelp("html/PO_Import_Export.htm", "export");
    w.addString("?Intro",
                "This will create a text file containing the tagged purchase orders.  Please indicate a "
                "filename for the export file.");
    crv::ui::Control& which = w.add(ControlKind::Option, "?Which", "Orders");
    which.bind(Binding::local(which_, "LOC:Which"));
    w.add(ControlKind::Radio, "?Which:Tagged",
          "&Tagged purchase orders (" + std::to_string(tagged_.size()) + ")")
        .in(which)
        .setRadioValue("T")
        .setDisabled(tagged_.empty());
    w.add(ControlKind::Radio, "?Which:All", "&All purchase orders").in(which).setRadioValue("A");
    crv::ui::Control& name =
        w.addField("File Name:", "?FileName", Binding::local(fileName_, "LOC:FileName"), "@s255");
    w.addLookup(name);
    w.addCheck("?Preview", "Preview the text file before closing", Binding::local(preview_, "LOC:Preview"));
    w.addButton("?Proceed", "&Proceed").setDefault();
    w.addButton("?Cancel", "&Cancel", ButtonRole::Cancel);
    onAccepted("?FileName:Lookup", [this] { chooseFile(); });
    onAccepted("?Proceed", [this] { proceed(); });
    w.select(name);
  }

 private:
  void chooseFile() {
    crv::ui::FileDialogRequest request{
        "Indicate an Export Filename", "Text Files|*.txt|All Files|*.*", {}, fileName_, false};
    if (auto chosen = crv::ui::frontEnd().saveFile(request)) fileName_ = chosen->string();
    window().touch();
  }

  void proceed();

  std::vector<crv::Id> tagged_;
  std::string which_;
  std::string fileName_;
  crv::Flag preview_ = 1;
};

void ExportPOWindow::proceed() {
  const std::string name(crv::trim(fileName_));
  crv::Company* company = crv::Company::current();
  if (name.empty() || !company) {
    select("?FileName");
    return;
  }
  PurchaseOrderExport exporter(company->connection());
  const ExportSummary summary = which_ == "T" ? exporter.run(tagged_, name) : exporter.runAll(name);
  if (!summary.written) {
    crv::message(summary.message, windowTitle, crv::Icon::Stop);
    return;
  }
  if (auto notice = reconciledNotice(summary.reconciled))
    crv::message(notice->text, notice->title, crv::Icon::Information);
  if (preview_)
    showTextFile(name);
  else
    crv::message("Export Process Complete");
  crv::TAGQUE.clear();
  complete(crv::RequestCompleted);
}

}  // namespace

void exportPO() { ExportPOWindow().run(); }

}  // namespace crvpo

void ExportPO() { crvpo::exportPO(); }

// What the two designer report procedures share (the purchase-order form
// `PrintPurchaseOrder` and the listing `PrintPOListFM`): the start, the run
// of a saved report or the designer on it, and the record feeding the
// runtime calls back for.
//
// Start: the runtime is made and given the field dictionary; the edit
// action of the designer's globals is taken and reset to 0; the runtime's
// language is English; make-PDF is cleared.
//
// Run: the report file is the globals' folder and file name joined; it is
// loaded and refused when its type is not the procedure's ("Different report
// type"); the procedure notes its child rows for the runtime and runs the
// report when the runtime prints without asking, the saved printer settings
// are to be used, or the destination dialog is accepted. The run shows the
// progress window; its pages end in the previewer at 50 % (or go to the
// printer).
//
// Edit: only one designer may be open in the program (FRB.DesktopThread):
// while one is, the call does nothing. Otherwise the report file is loaded
// (a name that names no file yet starts a new report to be saved there; no
// name at all a new report "New report") and the designer opens.
//
// Feeding: the filter text of a report, when it begins with "=", is an
// expression whose result is the filter; when it (or the filter itself)
// cannot be evaluated the person is told the runtime's error text, ":|" and
// the expression, and no row passes. A view that ends before any row says
// "No records found!". The record buffers and the procedure's own values
// are kept in two save areas for the runtime.
#pragma once

#include <array>
#include <filesystem>
#include <functional>
#include <iosfwd>
#include <memory>
#include <string>
#include <vector>

#include "crvpo/reports/designer_view.h"
#include "crvpo/reports/purchase_order_pdf.h"
#include "host/framework/report/field_dictionary.h"
#include "host/framework/report/laid_out_page.h"
#include "host/framework/report/report_runtime.h"
#include "host/framework/services/message_box.h"

namespace crv {
class PdfRenderer;
class CopyingSink;
}  // namespace crv

namespace crvpo {

// Copies of live buffers in two save areas.
class SaveAreas {
 public:
  template <class Buffer>
  void keep(Buffer& live) {
    auto copies = std::make_shared<std::array<Buffer, 2>>();
    save_.push_back([&live, copies](int slot) { (*copies)[static_cast<std::size_t>(slot)] = live; });
    restore_.push_back([&live, copies](int slot) { live = (*copies)[static_cast<std::size_t>(slot)]; });
  }
  void save(int slot) const {
    for (const auto& save : save_) save(slot);
  }
  void restore(int slot) const {
    for (const auto& restore : restore_) restore(slot);
  }

 private:
  std::vector<std::function<void(int)>> save_;
  std::vector<std::function<void(int)>> restore_;
};

// What makes one designer report procedure.
struct DesignerReportSetup {
  std::string type;                 // "PrintPurchaseOrder"
  std::string progressName;         // the progress window's procedure name
  std::vector<crv::Table*> tables;  // opened for the run, in this order
  crv::FieldDictionary dictionary;  // the published names
  crv::ReportBindings bindings;     // every published name, bound
  DesignerViewTables view;
  SaveAreas saved;
  std::function<std::int64_t()> childRows;  // rows of the child table, for the runtime
  // Runs for every primary record the view hands over (delivery names).
  std::function<void()> onRecord;
  // After the preview of a run (not of the designer's preview): delivery.
  // Absent: the previewer offers no delivery buttons.
  std::function<void(const std::filesystem::path& pdf, bool printed)> afterPreview;
};

class DesignerReportProcedure final : public crv::ReportFeed {
 public:
  explicit DesignerReportProcedure(DesignerReportSetup setup);
  ~DesignerReportProcedure() override;
  DesignerReportProcedure(const DesignerReportProcedure&) = delete;
  DesignerReportProcedure& operator=(const DesignerReportProcedure&) = delete;

  // The exported procedure: run or edit by the designer's globals; sets
  // GlobalResponse.
  void execute();
  // Without a window: runs the report file of the globals into `sink`.
  // Answers the pages made, or -1 when the report could not run; what the
  // person would have been told goes to `out`.
  int runToSink(crv::PageSink& sink, std::ostream& out);
  // Primary records the view handed over in the last run.
  std::int64_t recordsRead() const { return records_; }

  bool openView(const std::string& order, const std::string& filter) override;
  crv::FeedRow next(std::uint64_t& group) override;
  void closeView() override;
  void saveState(int slot) override { setup_.saved.save(slot); }
  void restoreState(int slot) override { setup_.saved.restore(slot); }
  crv::PageSink& pageSink() override;
  void preview(int pages) override;

 private:
  bool start();
  bool loadReport();
  void runReport();
  void runWithProgressWindow();
  void editReport();
  void tell(const std::string& text, const std::string& title, crv::Icon icon = crv::Icon::Exclamation);
  void openTables();
  void closeTables();
  std::string filterFrom(const std::string& filter);

  DesignerReportSetup setup_;
  std::unique_ptr<crv::ReportRuntime> runtime_;
  DesignerView view_;
  std::ostream* console_ = nullptr;  // set for a run without a window
  crv::PageSink* consoleSink_ = nullptr;
  bool editing_ = false;
  bool refuseAll_ = false;
  std::int64_t rowsRead_ = 0;
  std::int64_t records_ = 0;
  std::uint64_t lastRecord_ = 0;
  bool printed_ = false;

  // the pages of a run: written to a PDF (for printing and delivery) and
  // kept for the previewer
  std::filesystem::path pdfFile_;
  std::unique_ptr<crv::PdfRenderer> pdf_;
  std::unique_ptr<crv::CopyingSink> sink_;
  std::vector<crv::LaidOutPage> pages_;
};

// Positions PODetail on the lines of order `poid`, the child rows of both
// designer reports.
bool positionOrderLines(crv::Id poid);

// A windowless run of the report of the designer's globals into `pdf`
// (written only when there are pages); `orders` counts the primary records.
PdfPrintResult printDesignerReportToPdf(DesignerReportSetup setup, const std::filesystem::path& pdf,
                                        std::ostream& out);

}  // namespace crvpo

// The report-designer runtime as a report procedure sees it: the procedure
// hands it a field dictionary and binds every published name, loads a
// report file (or starts a new report), and either runs the report over
// the records it feeds or opens the designer on it.
//
// The runtime calls back into the procedure (ReportFeed) to open its view
// with the report's sort and filter, read the next row, close the view,
// save and restore the record buffers around a change of primary record,
// hand over the page sink and preview the pages made.
//
// The runtime itself is a plugin (createReportRuntime loads it), and the
// designer window a further one that the runtime loads only when it opens:
// a procedure that merely prints never loads a toolkit.
#pragma once

#include <atomic>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>

#include "host/framework/report/page_sink.h"
#include "host/framework/report/report_definition.h"
#include "host/framework/values/scalars.h"
#include "host/framework/values/text.h"

namespace crv {

class FieldRef;

// The runtime's globals, set by callers before they run a designer report.
struct DesignerGlobals {
  Text<128> ReportSearchPath;  // the folder of the report file
  Text<80> ReportFileName;     // the report file's name
  int ReportEditAction = 0;    // 0: run the report; otherwise open the designer on it
  Flag UseSavedDevMode = 0;    // 1: print with the saved printer settings, without asking
  // The thread that has the designer open, 0 when none: only one designer
  // may be open in the running program.
  std::atomic<std::uint64_t> DesktopThread{0};
  Text<20> LibLanguage;
};
extern DesignerGlobals FRB;

// A number for the calling thread, never 0 (for FRB.DesktopThread).
std::uint64_t currentThreadNumber();

// What a read of the procedure's view found.
enum class FeedRow {
  End,              // no further row
  Primary,          // a primary record without child record
  PrimaryAndChild,  // a primary record with one of its child records
};

// The procedure's side of a run.
class ReportFeed {
 public:
  virtual ~ReportFeed() = default;
  // Opens the view with the report's sort ("POP:PONumber, -POP:IssueDate")
  // and filter; false when the view cannot be read (the procedure has said
  // why).
  virtual bool openView(const std::string& order, const std::string& filter) = 0;
  // Reads the next row into the buffers; `group` identifies its primary
  // record, so the runtime sees where one ends.
  virtual FeedRow next(std::uint64_t& group) = 0;
  virtual void closeView() = 0;
  // Copies the record buffers and the procedure's own values to save area
  // `slot` (0 or 1), and back.
  virtual void saveState(int slot) = 0;
  virtual void restoreState(int slot) = 0;
  // Where this run's pages go; asked once at the start of each run.
  virtual PageSink& pageSink() = 0;
  // The run has ended with `pages` pages in the sink: show them.
  virtual void preview(int pages) = 0;
};

enum class ReportDestination { Preview, Printer };

class ReportRuntime {
 public:
  virtual ~ReportRuntime() = default;

  // The dictionary text (host/framework/report/field_dictionary.h).
  virtual void setDictionary(const std::string& text) = 0;
  virtual void bind(const std::string& name, const FieldRef& value) = 0;

  // Reads a report file; false with errorText() set when it cannot.
  virtual bool loadReport(const std::filesystem::path& file) = 0;
  // Starts a new, empty report of that type, to be saved as `file` (empty:
  // the designer asks for a file when it saves).
  virtual void newReport(const std::string& type, const std::string& name,
                         const std::filesystem::path& file = {}) = 0;
  virtual const ReportDefinition& report() const = 0;
  virtual const std::filesystem::path& reportFile() const = 0;
  virtual const std::string& errorText() const = 0;

  // The rows the run will read, for its progress.
  virtual void setRecordCount(std::int64_t rows) = 0;
  virtual std::int64_t recordCount() const = 0;
  // Whether the report runs without asking for its destination.
  virtual bool printWithoutAsking() const = 0;
  // Asks for the destination; false when the person cancelled.
  virtual bool printDialog() = 0;
  virtual ReportDestination destination() const = 0;
  virtual void setDestination(ReportDestination destination) = 0;

  // Runs the loaded report over the feed and then has it previewed.
  // Answers the pages made, or -1 when the run could not start (errorText()
  // says why: a name the dictionary does not publish, a bad expression).
  virtual int processData(ReportFeed& feed) = 0;
  // The same a row at a time, for a run under a progress window: start
  // (false: could not start), the next row (false: none left), then finish
  // (answers the pages; does not preview).
  virtual bool startRun(ReportFeed& feed) = 0;
  virtual bool runNext() = 0;
  virtual int finishRun() = 0;

  // Opens the designer on the loaded or new report and returns when it
  // closes; false with errorText() set when no designer can be shown.
  virtual bool editPage(ReportFeed& feed) = 0;
  // Called back from the designer: save to the report's file or another,
  // load another file.
  virtual bool saveReport() = 0;
  virtual bool saveAs(const std::filesystem::path& file) = 0;
  virtual bool loadAs(const std::filesystem::path& file) = 0;
  virtual void replaceReport(ReportDefinition report) = 0;

  // Expressions over the published names: a text result, or nullopt with
  // errorText() set.
  virtual std::optional<std::string> evaluate(const std::string& expression) = 0;
  // A row filter: compiled once, then tested per row.
  virtual bool compileFilter(const std::string& filter) = 0;
  virtual std::optional<bool> filterAccepts() = 0;
};

// The refusal of a report file of another type: the file, " File contain
// report of type ", the file's type and ". Required report type: " with the
// procedure's type, both in double quotes, and "!".
std::string differentReportTypeText(const std::string& file, const std::string& found,
                                    const std::string& required);
inline constexpr const char* differentReportTypeTitle = "Different report type";

// Loads the runtime plugin and makes a runtime; nullptr with `error` set
// when the plugin cannot be loaded.
std::unique_ptr<ReportRuntime> createReportRuntime(std::string& error);
inline constexpr const char* reportRuntimePluginName = "crvdesignrt";

}  // namespace crv

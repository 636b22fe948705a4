// ReportExport: "Export This Report" saves the lines a report collected in
// RXQUEUE (one line per printed band, cells separated by tabs, then the
// report's parameters) as a spreadsheet file the person names.
//
// A name ending in ".csv" gives comma-separated values; any other name an
// Excel workbook (.xlsx). In a workbook, cells that read as amounts or
// quantities ("1,234.56", "-3.5000") are numbers with that many decimals,
// everything else is text (never a formula); a sheet holds at most
// 1,048,576 rows, so a longer report goes on over further sheets ("Report",
// "Report (2)", ...). The file is written beside its final name and put in
// place only when complete, so a failed export leaves an earlier file as it
// was.
#pragma once

#include <cstddef>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "host/framework/services/module_export.h"

namespace crv::siblings {

// Writes report lines to a file, a line at a time, so that a long report
// need not be held twice. The lines are written on a thread of the
// writer's own, a few batches behind the caller, so that making the next
// lines and writing the last ones go on together.
class ReportFileWriter {
 public:
  // Throws std::runtime_error (naming the file) when it cannot be started.
  explicit ReportFileWriter(std::filesystem::path file);
  ~ReportFileWriter();
  ReportFileWriter(const ReportFileWriter&) = delete;
  ReportFileWriter& operator=(const ReportFileWriter&) = delete;

  // One line of cells separated by tabs. Throws std::runtime_error naming
  // the file and the cause once writing the lines before it has failed.
  void add(std::string_view line);
  // Completes the file and puts it in place; throws std::runtime_error
  // naming the file and the cause. Dropped without finish(), nothing is
  // left behind.
  void finish();

  std::size_t rows() const { return rows_; }
  // Sheets used (1 for comma-separated values); known after finish().
  int sheets() const;

  class Format;

 private:
  class Lines;
  [[noreturn]] void fail(const std::exception& error);

  std::filesystem::path file_;
  std::filesystem::path partial_;
  std::unique_ptr<Format> format_;
  std::unique_ptr<Lines> lines_;
  std::size_t rows_ = 0;
  bool finished_ = false;
};

// One file format: the cells of each line in turn, then finish().
class ReportFileWriter::Format {
 public:
  virtual ~Format() = default;
  virtual void add(const std::vector<std::string_view>& cells) = 0;
  // Throws std::runtime_error with the cause when the file cannot be completed.
  virtual void finish() = 0;
  virtual int sheets() const { return 1; }
};

// Writes every line; answers the error text, or an empty text on success.
std::string writeReportFile(const std::vector<std::string>& lines, const std::filesystem::path& file);

// Whether a cell's text is an amount or quantity as reports print them:
// an optional "-", digits (grouped by "," in threes or not), "." and
// decimals. Answers the number of decimals, or -1.
int numberDecimals(std::string_view cell);

}  // namespace crv::siblings

extern "C" {
// Asks where to save the lines in RXQUEUE (proposing the name of the
// report's PDF in PDFFileName with ".xlsx") and saves them there. Answers
// RequestCompleted when a file was written.
CRV_EXPORT void ReportExport();
}

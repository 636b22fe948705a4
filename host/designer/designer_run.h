// One run of a designer report over the rows its procedure feeds.
//
// Rows come joined: a primary record with one of its child records, or a
// primary record alone. When the primary record changes, the run prints
// the footer bands of the one that ended with that record's own values:
// it saves the new row's buffers (save area 1), restores the previous row's
// (save area 0), prints the footers, ends the page when each record starts
// a new one (so the page footer shows the ended record), and puts the new
// row back. Then come the header bands of the new record and the detail
// bands of each child row. After the last row: the last
// footers and the summary bands. A band prints only when its condition
// holds.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>

#include "host/designer/designer_layout.h"
#include "host/framework/report/paginator.h"
#include "host/framework/report/report_runtime.h"
#include "host/framework/report/text_measurer.h"

namespace crv::designer {

class DesignerRun {
 public:
  // The layout, feed and measurer must outlive the run.
  DesignerRun(const DesignerLayout& layout, ReportFeed& feed, const TextMeasurer& measurer);
  ~DesignerRun();
  DesignerRun(const DesignerRun&) = delete;
  DesignerRun& operator=(const DesignerRun&) = delete;

  // Opens the feed's view; false when it cannot be read.
  bool start(const std::string& order, const std::string& filter);
  // Reads and prints the next row; false when none is left.
  bool next();
  // Prints what ends the report, closes the view and answers the pages.
  int finish();

  std::int64_t rowsRead() const { return rows_; }

 private:
  void print(DefinedBandKind kind);

  const DesignerLayout& layout_;
  ReportFeed& feed_;
  std::optional<Paginator> paginator_;
  bool open_ = false;
  bool haveRecord_ = false;
  std::uint64_t record_ = 0;
  std::int64_t rows_ = 0;
};

}  // namespace crv::designer

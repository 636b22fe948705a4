// The progress window of a report run: the records are processed on the
// window's timer, a few per tick, while a thermometer and "N% Completed"
// show how far the run is, and Cancel (or Escape) stops it after asking.
//
// Cancelling asks whether the person is sure; when previewing and some
// pages exist it then asks whether to preview what was made so far: Yes
// ends the run with those pages, No abandons it, Ignore goes on.
#pragma once

#include <cstdint>
#include <string>

#include "crvpo/reports/report_texts.h"

namespace crvpo {

// The records of a report, processed one at a time.
class ReportWork {
 public:
  virtual ~ReportWork() = default;
  // How many records the run will process, for the percentage.
  virtual std::int64_t records() const = 0;
  // Processes the next record; false when none is left.
  virtual bool next() = 0;
  // Pages laid out so far.
  virtual int pages() const = 0;
};

enum class ReportRunEnd {
  Finished,   // every record was processed
  Partial,    // cancelled; the pages made so far are to be shown
  Abandoned,  // cancelled; nothing is to be shown or printed
};

inline constexpr int recordsPerTick = 25;

// Runs `work` under the progress window; `userText` is the report's own
// line under the thermometer (blank for most reports), `name` the window's
// procedure name (the designer reports name theirs).
ReportRunEnd runWithProgress(ReportWork& work, bool previewing, const ReportTexts& texts,
                             const std::string& userText = {}, const std::string& name = "ReportProgress");

}  // namespace crvpo

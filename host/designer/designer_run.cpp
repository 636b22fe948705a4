// The run of a designer report.
#include "host/designer/designer_run.h"

namespace crv::designer {

DesignerRun::DesignerRun(const DesignerLayout& layout, ReportFeed& feed, const TextMeasurer& measurer)
    : layout_(layout), feed_(feed) {
  paginator_.emplace(layout.report(), measurer, feed.pageSink());
}

DesignerRun::~DesignerRun() {
  if (open_) feed_.closeView();
}

bool DesignerRun::start(const std::string& order, const std::string& filter) {
  open_ = feed_.openView(order, filter);
  return open_;
}

bool DesignerRun::next() {
  if (!open_) return false;
  std::uint64_t record = 0;
  const FeedRow row = feed_.next(record);
  if (row == FeedRow::End) return false;
  const bool newRecord = !haveRecord_ || record != record_;
  if (haveRecord_ && newRecord) {
    feed_.saveState(1);
    feed_.restoreState(0);
    print(DefinedBandKind::Footer);
    // The page closes with the ended record's values in its footer.
    if (layout_.restartNumbersPerRecord()) {
      paginator_->restartPageNumbers();
    } else if (layout_.newPagePerRecord()) {
      paginator_->pageBreak();
    }
    feed_.restoreState(1);
  }
  if (newRecord) print(DefinedBandKind::Header);
  if (row == FeedRow::PrimaryAndChild) print(DefinedBandKind::Detail);
  feed_.saveState(0);
  haveRecord_ = true;
  record_ = record;
  ++rows_;
  return true;
}

int DesignerRun::finish() {
  if (haveRecord_) {
    // The view may have cleared the buffers when it found its end.
    feed_.restoreState(0);
    print(DefinedBandKind::Footer);
    print(DefinedBandKind::Summary);
  }
  paginator_->finish();
  if (open_) feed_.closeView();
  open_ = false;
  return paginator_->pagesStarted();
}

void DesignerRun::print(DefinedBandKind kind) {
  for (const DesignerLayout::RunBand& band : layout_.bands(kind))
    if (band.condition.holds()) paginator_->print(band.name);
}

}  // namespace crv::designer

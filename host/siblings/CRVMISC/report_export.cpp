// Report lines to .xlsx or .csv files.
#include "host/siblings/CRVMISC/report_export.h"

#include <exception>
#include <fstream>
#include <optional>
#include <stdexcept>
#include <thread>

#include "host/data/shared_values.h"
#include "host/framework/services/global_request.h"
#include "host/framework/services/hand_over_queue.h"
#include "host/framework/services/message_box.h"
#include "host/framework/services/plugin_library.h"
#include "host/framework/ui/front_end.h"
#include "host/framework/ui/list_csv.h"
#include "host/framework/values/text.h"

namespace crv::siblings {

namespace {

void splitCells(std::string_view line, std::vector<std::string_view>& cells) {
  cells.clear();
  for (std::size_t start = 0;;) {
    const std::size_t tab = line.find('\t', start);
    cells.push_back(line.substr(start, tab == std::string_view::npos ? std::string_view::npos : tab - start));
    if (tab == std::string_view::npos) return;
    start = tab + 1;
  }
}

}  // namespace

int numberDecimals(std::string_view cell) {
  std::size_t at = 0;
  if (at < cell.size() && cell[at] == '-') ++at;
  const std::size_t wholeStart = at;
  std::size_t digitsInGroup = 0;
  bool grouped = false;
  while (at < cell.size() && cell[at] != '.') {
    const char c = cell[at];
    if (c == ',') {
      if (digitsInGroup == 0 || (grouped && digitsInGroup != 3) || (!grouped && digitsInGroup > 3)) return -1;
      grouped = true;
      digitsInGroup = 0;
    } else if (c >= '0' && c <= '9') {
      ++digitsInGroup;
    } else {
      return -1;
    }
    ++at;
  }
  if (at == wholeStart || digitsInGroup == 0 || (grouped && digitsInGroup != 3)) return -1;
  if (at == cell.size()) return -1;  // whole numbers stay text: numbers and codes look alike
  ++at;
  const std::size_t decimals = cell.size() - at;
  if (decimals == 0) return -1;
  for (; at < cell.size(); ++at)
    if (cell[at] < '0' || cell[at] > '9') return -1;
  return static_cast<int>(decimals);
}

namespace {

class CsvFormat final : public ReportFileWriter::Format {
 public:
  explicit CsvFormat(const std::filesystem::path& partial) : out_(partial, std::ios::binary) {
    if (!out_) throw std::runtime_error("the file cannot be created");
  }
  void add(const std::vector<std::string_view>& cells) override {
    for (std::size_t i = 0; i < cells.size(); ++i) {
      if (i) out_ << ',';
      ui::writeCsvField(out_, cells[i]);
    }
    out_ << "\r\n";
    if (!out_) throw std::runtime_error("the file cannot be written");
  }
  void finish() override {
    out_.close();
    if (!out_) throw std::runtime_error("the file cannot be completed");
  }

 private:
  std::ofstream out_;
};

bool isCsv(const std::filesystem::path& file) { return toLowerAscii(file.extension().string()) == ".csv"; }

// Workbooks are written by a library of their own (libxlsxwriter and the zip
// and crypto libraries it links), loaded the first time one is exported.
std::unique_ptr<ReportFileWriter::Format> workbookFormat(const std::filesystem::path& partial) {
  const PluginEntry entry = pluginEntry("crvworkbook", "crvCreateReportWorkbook");
  if (!entry.address) throw std::runtime_error(entry.error);
  using Create = ReportFileWriter::Format*(const std::filesystem::path*);
  return std::unique_ptr<ReportFileWriter::Format>(reinterpret_cast<Create*>(entry.address)(&partial));
}

}  // namespace

// Lines on their way to the format, in batches, written on a thread of
// their own. Only a few batches wait, so memory stays flat however long
// the report; the first failure stops the writing and goes back to the
// caller at its next line or at the end.
class ReportFileWriter::Lines {
 public:
  explicit Lines(Format& format) : format_(format), thread_([this] { write(); }) {}
  // Dropped before finish(): what still waits is not written.
  ~Lines() {
    batches_.drop();
    batches_.closeAndJoin(thread_);
  }
  Lines(const Lines&) = delete;
  Lines& operator=(const Lines&) = delete;

  void add(std::string_view line) {
    batch_.emplace_back(line);
    if (batch_.size() == batchSize) handOver();
  }

  // Waits until every line is written; rethrows the failure that stopped it.
  void finish() {
    if (!batch_.empty()) handOver();
    batches_.closeAndJoin(thread_);
    if (const std::exception_ptr failure = batches_.failure()) std::rethrow_exception(failure);
  }

 private:
  using Batch = std::vector<std::string>;
  static constexpr std::size_t batchSize = 256;
  static constexpr std::size_t batchesAhead = 8;

  void handOver() {
    batches_.give(std::move(batch_));
    batch_.clear();
  }

  void write() {
    try {
      std::vector<std::string_view> cells;
      while (std::optional<Batch> batch = batches_.take()) {
        for (const std::string& line : *batch) {
          splitCells(line, cells);
          format_.add(cells);
        }
      }
    } catch (...) {
      batches_.fail(std::current_exception());
    }
  }

  Format& format_;
  Batch batch_;
  HandOverQueue<Batch> batches_{batchesAhead};
  std::thread thread_;  // last: started once everything above is set up
};

ReportFileWriter::ReportFileWriter(std::filesystem::path file) : file_(std::move(file)) {
  partial_ = file_;
  partial_ += ".part";
  try {
    if (isCsv(file_))
      format_ = std::make_unique<CsvFormat>(partial_);
    else
      format_ = workbookFormat(partial_);
  } catch (const std::exception& error) {
    fail(error);
  }
  lines_ = std::make_unique<Lines>(*format_);
}

ReportFileWriter::~ReportFileWriter() {
  if (finished_) return;
  lines_.reset();
  format_.reset();
  std::error_code ignored;
  std::filesystem::remove(partial_, ignored);
}

void ReportFileWriter::fail(const std::exception& error) {
  std::error_code ignored;
  std::filesystem::remove(partial_, ignored);
  throw std::runtime_error("Cannot write " + file_.string() + ": " + error.what());
}

void ReportFileWriter::add(std::string_view line) {
  try {
    lines_->add(line);
  } catch (const std::exception& error) {
    fail(error);
  }
  ++rows_;
}

int ReportFileWriter::sheets() const { return format_->sheets(); }

void ReportFileWriter::finish() {
  if (finished_) return;
  try {
    lines_->finish();
    format_->finish();
    std::filesystem::rename(partial_, file_);
  } catch (const std::exception& error) {
    fail(error);
  }
  finished_ = true;
}

std::string writeReportFile(const std::vector<std::string>& lines, const std::filesystem::path& file) {
  try {
    ReportFileWriter writer(file);
    for (const std::string& line : lines) writer.add(line);
    writer.finish();
  } catch (const std::exception& error) {
    return error.what();
  }
  return {};
}

}  // namespace crv::siblings

void ReportExport() {
  using namespace crv;
  GlobalResponse = RequestCancelled;
  ui::FileDialogRequest request;
  request.title = "Export This Report";
  request.filter = "Excel Workbook (*.xlsx)|*.xlsx|Comma-Separated Values (*.csv)|*.csv|All Files|*.*";
  std::filesystem::path proposed(std::string(clip(PDFFileName.view())));
  if (proposed.empty()) proposed = std::filesystem::path(DataPath) / "Report.pdf";
  request.folder = proposed.parent_path();
  request.fileName = proposed.replace_extension(".xlsx").filename().string();
  const auto chosen = ui::frontEnd().saveFile(request);
  if (!chosen) return;
  const std::string error = siblings::writeReportFile(RXQUEUE, *chosen);
  if (!error.empty()) {
    message(error, "Export This Report", Icon::Exclamation);
    return;
  }
  GlobalResponse = RequestCompleted;
}

// Report lines to .xlsx (libxlsxwriter) or .csv files.
#include "host/siblings/CRVMISC/report_export.h"

#include <unistd.h>
#include <xlsxwriter.h>

#include <array>
#include <condition_variable>
#include <cstdlib>
#include <deque>
#include <exception>
#include <fstream>
#include <mutex>
#include <optional>
#include <stdexcept>
#include <thread>

#include "host/data/shared_values.h"
#include "host/framework/services/global_request.h"
#include "host/framework/services/message_box.h"
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

std::size_t sequenceLength(unsigned char lead) {
  if (lead < 0x80) return 1;
  if ((lead & 0xE0) == 0xC0) return 2;
  if ((lead & 0xF0) == 0xE0) return 3;
  if ((lead & 0xF8) == 0xF0) return 4;
  return 0;
}

// Text as valid UTF-8: a byte that starts no valid sequence becomes '?', so
// that a stray byte in a stored name cannot spoil the workbook's XML.
std::string validText(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t at = 0; at < text.size();) {
    const std::size_t length = sequenceLength(static_cast<unsigned char>(text[at]));
    bool valid = length != 0 && at + length <= text.size();
    for (std::size_t i = 1; valid && i < length; ++i)
      valid = (static_cast<unsigned char>(text[at + i]) & 0xC0) == 0x80;
    if (valid) {
      out.append(text.substr(at, length));
      at += length;
    } else {
      out += '?';
      ++at;
    }
  }
  return out;
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

class ReportFileWriter::Format {
 public:
  virtual ~Format() = default;
  virtual void add(const std::vector<std::string_view>& cells) = 0;
  virtual void finish() = 0;
  virtual int sheets() const { return 1; }
};

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

class WorkbookFormat final : public ReportFileWriter::Format {
 public:
  explicit WorkbookFormat(const std::filesystem::path& partial) {
    lxw_workbook_options options{};
    options.constant_memory = LXW_TRUE;  // rows go to disk as they are written
    options.use_zip64 = LXW_TRUE;        // a long report may pass 4 GB of XML
    tmpdir_ = partial.parent_path().string();
    options.tmpdir = tmpdir_.data();
    workbook_ = workbook_new_opt(partial.c_str(), &options);
    if (!workbook_) throw std::runtime_error("the file cannot be created");
    newSheet();
  }
  ~WorkbookFormat() override {
    // Closing writes the file; an abandoned export's partial file is
    // removed by the writer afterwards.
    if (workbook_) workbook_close(workbook_);
  }
  WorkbookFormat(const WorkbookFormat&) = delete;
  WorkbookFormat& operator=(const WorkbookFormat&) = delete;

  void add(const std::vector<std::string_view>& cells) override {
    if (row_ == LXW_ROW_MAX) newSheet();
    for (std::size_t i = 0; i < cells.size() && i < LXW_COL_MAX; ++i)
      write(static_cast<lxw_col_t>(i), cells[i]);
    ++row_;
  }
  void finish() override {
    const lxw_error status = workbook_close(workbook_);
    workbook_ = nullptr;
    if (status != LXW_NO_ERROR) throw std::runtime_error(lxw_strerror(status));
  }
  int sheets() const override { return sheets_; }

 private:
  void newSheet() {
    ++sheets_;
    const std::string name = sheets_ == 1 ? "Report" : "Report (" + std::to_string(sheets_) + ")";
    sheet_ = workbook_add_worksheet(workbook_, name.c_str());
    if (!sheet_) throw std::runtime_error("the workbook cannot take another sheet");
    worksheet_set_column(sheet_, 0, 11, 14, nullptr);
    row_ = 0;
  }

  void write(lxw_col_t column, std::string_view cell) {
    if (cell.empty()) return;
    const int decimals = numberDecimals(cell);
    if (decimals > 0 && decimals < static_cast<int>(formats_.size())) {
      std::string plain;
      for (char c : cell)
        if (c != ',') plain += c;
      worksheet_write_number(sheet_, row_, column, std::strtod(plain.c_str(), nullptr),
                             numberFormat(decimals));
      return;
    }
    const std::string text = validText(cell);
    worksheet_write_string(sheet_, row_, column, text.c_str(), nullptr);
  }

  lxw_format* numberFormat(int decimals) {
    lxw_format*& format = formats_[static_cast<std::size_t>(decimals)];
    if (!format) {
      format = workbook_add_format(workbook_);
      format_set_num_format(format,
                            ("#,##0." + std::string(static_cast<std::size_t>(decimals), '0')).c_str());
    }
    return format;
  }

  std::string tmpdir_;
  lxw_workbook* workbook_ = nullptr;
  lxw_worksheet* sheet_ = nullptr;
  lxw_row_t row_ = 0;
  int sheets_ = 0;
  std::array<lxw_format*, 10> formats_{};
};

bool isCsv(const std::filesystem::path& file) { return toLowerAscii(file.extension().string()) == ".csv"; }

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
    {
      std::lock_guard lock(mutex_);
      waiting_.clear();
    }
    stop();
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
    stop();
    if (failure_) std::rethrow_exception(failure_);
  }

 private:
  using Batch = std::vector<std::string>;
  static constexpr std::size_t batchSize = 256;
  static constexpr std::size_t batchesAhead = 8;

  void handOver() {
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [this] { return waiting_.size() < batchesAhead || failure_; });
    if (failure_) std::rethrow_exception(failure_);
    waiting_.push_back(std::move(batch_));
    batch_.clear();
    changed_.notify_all();
  }

  void write() {
    try {
      std::vector<std::string_view> cells;
      while (std::optional<Batch> batch = next()) {
        for (const std::string& line : *batch) {
          splitCells(line, cells);
          format_.add(cells);
        }
      }
    } catch (...) {
      std::lock_guard lock(mutex_);
      failure_ = std::current_exception();
      waiting_.clear();
      changed_.notify_all();
    }
  }

  std::optional<Batch> next() {
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [this] { return !waiting_.empty() || closing_; });
    if (waiting_.empty()) return std::nullopt;
    Batch batch = std::move(waiting_.front());
    waiting_.pop_front();
    changed_.notify_all();
    return batch;
  }

  // Lets the thread write what waits and end.
  void stop() {
    if (!thread_.joinable()) return;
    {
      std::lock_guard lock(mutex_);
      closing_ = true;
    }
    changed_.notify_all();
    thread_.join();
  }

  Format& format_;
  Batch batch_;
  std::mutex mutex_;
  std::condition_variable changed_;
  std::deque<Batch> waiting_;
  bool closing_ = false;
  std::exception_ptr failure_;
  std::thread thread_;  // last: started once everything above is set up
};

ReportFileWriter::ReportFileWriter(std::filesystem::path file) : file_(std::move(file)) {
  partial_ = file_;
  partial_ += ".part";
  try {
    if (isCsv(file_))
      format_ = std::make_unique<CsvFormat>(partial_);
    else
      format_ = std::make_unique<WorkbookFormat>(partial_);
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

// Report lines as workbook rows: amounts and quantities as numbers, the rest
// as text, a new sheet whenever one is full.
#include "host/siblings/CRVMISC/report_workbook.h"

#include <xlsxwriter.h>

#include <array>
#include <cstdlib>
#include <stdexcept>
#include <string>

namespace crv::siblings {
namespace {

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

}  // namespace
}  // namespace crv::siblings

crv::siblings::ReportFileWriter::Format* crvCreateReportWorkbook(const std::filesystem::path* partial) {
  return new crv::siblings::WorkbookFormat(*partial);
}

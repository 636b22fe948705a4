// Reading import files by line.
#include "crvpo/importexport/import_file.h"

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "crvpo/importexport/import_values.h"

namespace crvpo {
namespace {

constexpr std::string_view byteOrderMark = "\xEF\xBB\xBF";

}  // namespace

std::string importFileMessage(const std::filesystem::path& file, std::string_view what) {
  return "The import file, " + file.string() + " " + std::string(what);
}

std::optional<std::string> ImportFile::open(const std::filesystem::path& file) {
  path_ = file;
  std::error_code ec;
  if (!std::filesystem::exists(file, ec)) return importFileMessage(file, "does not exist.");
  if (std::filesystem::is_directory(file, ec)) return importFileMessage(file, "is a folder, not a file.");
  errno = 0;
  file_.reset(std::fopen(file.c_str(), "rb"));
  if (!file_) return importFileMessage(file, "cannot be read: " + std::string(std::strerror(errno)) + ".");
  size_ = std::filesystem::file_size(file, ec);
  if (ec) size_ = 0;
  return std::nullopt;
}

bool ImportFile::fill() {
  if (eof_ || !file_) return false;
  errno = 0;
  const std::size_t n = std::fread(buffer_.data(), 1, buffer_.size(), file_.get());
  if (n == 0) {
    if (std::ferror(file_.get()))
      failure_ = importFileMessage(path_, "cannot be read: " + std::string(std::strerror(errno)) + ".");
    eof_ = true;
    return false;
  }
  at_ = 0;
  end_ = n;
  consumed_ += n;
  return true;
}

bool ImportFile::next(Line& line) {
  line.text.clear();
  line.tooLong = false;
  bool any = false;
  for (;;) {
    if (at_ == end_ && !fill()) break;
    // A line feed that follows the carriage return which ended the last
    // line belongs to that line end.
    if (afterReturn_ && buffer_[at_] == '\n') ++at_;
    afterReturn_ = false;
    if (at_ == end_) continue;
    any = true;
    const char* from = buffer_.data() + at_;
    const char* stop = std::find_if(from, static_cast<const char*>(buffer_.data() + end_),
                                    [](char c) { return c == '\n' || c == '\r'; });
    const auto run = static_cast<std::size_t>(stop - from);
    const std::size_t room = maxLineLength + 1 - std::min(line.text.size(), maxLineLength + 1);
    line.text.append(from, std::min(run, room));
    if (line.text.size() > maxLineLength) line.tooLong = true;
    at_ += run;
    if (at_ < end_) {
      afterReturn_ = buffer_[at_] == '\r';
      ++at_;
      break;
    }
  }
  if (!any) return false;
  line.number = ++number_;
  if (line.number == 1 && line.text.starts_with(byteOrderMark)) line.text.erase(0, byteOrderMark.size());
  if (line.tooLong) line.text.clear();
  line.hasNul = line.text.find('\0') != std::string::npos;
  if (!line.hasNul && !isValidUtf8(line.text)) line.text = windows1252ToUtf8(line.text);
  return true;
}

int ImportFile::percentRead() const {
  if (size_ == 0) return eof_ ? 100 : 0;
  const std::uintmax_t read = consumed_ - (end_ - at_);
  return static_cast<int>(std::min<std::uintmax_t>(100, read * 100 / size_));
}

}  // namespace crvpo

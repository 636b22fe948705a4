// An import file read line by line, in one pass and never whole.
//
// Lines are numbered from 1 as read (the "Record #" of the error list);
// they end with a line feed, a carriage return and a line feed, or a
// carriage return alone (as older Mac programs write), and a UTF-8
// byte-order mark at the start of the file is dropped. A line
// that is not valid UTF-8 is taken to be Windows-1252 and converted. Lines
// are kept up to maxLineLength bytes; a longer one is skipped to its end
// and reported as too long, so a file without line ends cannot fill
// memory.
#pragma once

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace crvpo {

class ImportFile {
 public:
  static constexpr std::size_t maxLineLength = 65536;

  struct Line {
    std::uint32_t number = 0;
    std::string text;
    bool tooLong = false;
    bool hasNul = false;  // a NUL character: not text
  };

  // Why the file cannot be read ("The import file, /x/y.txt cannot be
  // read: Permission denied."), or nothing when it is open.
  std::optional<std::string> open(const std::filesystem::path& file);
  bool next(Line& line);
  // A read error met on the way, or nothing.
  const std::optional<std::string>& failure() const { return failure_; }
  // Share of the file read, 0 to 100.
  int percentRead() const;
  std::uintmax_t size() const { return size_; }

 private:
  bool fill();

  struct Closer {
    void operator()(std::FILE* file) const { std::fclose(file); }
  };
  std::unique_ptr<std::FILE, Closer> file_;
  std::filesystem::path path_;
  std::vector<char> buffer_ = std::vector<char>(1 << 16);
  std::size_t at_ = 0;
  std::size_t end_ = 0;
  std::uintmax_t size_ = 0;
  std::uintmax_t consumed_ = 0;
  std::uint32_t number_ = 0;
  bool eof_ = false;
  bool afterReturn_ = false;
  std::optional<std::string> failure_;
};

// "The import file, <file>" with the text that follows it.
std::string importFileMessage(const std::filesystem::path& file, std::string_view what);

}  // namespace crvpo

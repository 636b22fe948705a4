// Settings files: reading, editing in place and the safe rewrite.
#include "host/framework/services/ini_class.h"

#include <fcntl.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <cstring>
#include <fstream>
#include <optional>
#include <sstream>
#include <vector>

#include "host/framework/services/file_replacement.h"
#include "host/framework/values/text.h"

namespace crv {
namespace {

namespace fs = std::filesystem;

// The file as lines without their line ends, and how it ended them.
struct IniText {
  std::vector<std::string> lines;
  bool crlf = false;
};

IniText splitLines(const std::string& content) {
  IniText text;
  std::size_t start = 0;
  while (start < content.size()) {
    std::size_t end = content.find('\n', start);
    if (end == std::string::npos) end = content.size();
    std::string line = content.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') {
      line.pop_back();
      text.crlf = true;
    }
    text.lines.push_back(std::move(line));
    start = end + 1;
  }
  return text;
}

// Reads the whole file. A missing file is empty; nullopt means the file is
// there but cannot be read, which must never be mistaken for an empty one.
std::optional<std::string> readFile(const fs::path& file, std::string* why = nullptr) {
  std::error_code ec;
  if (!fs::exists(file, ec)) return std::string();
  std::ifstream in(file, std::ios::binary);
  if (!in) {
    if (why) *why = "cannot read " + file.string() + ": " + std::strerror(errno);
    return std::nullopt;
  }
  std::ostringstream content;
  content << in.rdbuf();
  if (in.bad()) {
    if (why) *why = "cannot read " + file.string();
    return std::nullopt;
  }
  return content.str();
}

bool isComment(std::string_view trimmed) {
  return !trimmed.empty() && (trimmed.front() == ';' || trimmed.front() == '#');
}

// The section a header line opens, or nullopt for other lines.
std::optional<std::string_view> sectionOf(std::string_view line) {
  const std::string_view trimmed = trim(line);
  if (trimmed.empty() || trimmed.front() != '[') return std::nullopt;
  const std::size_t close = trimmed.find(']');
  if (close == std::string_view::npos) return std::nullopt;
  return trim(trimmed.substr(1, close - 1));
}

// The key of a "key=value" line and where its "=" is.
struct KeyLine {
  std::string_view key;
  std::size_t equals = 0;
};

std::optional<KeyLine> keyOf(std::string_view line) {
  const std::string_view trimmed = trim(line);
  if (trimmed.empty() || isComment(trimmed) || trimmed.front() == '[') return std::nullopt;
  const std::size_t equals = line.find('=');
  if (equals == std::string_view::npos) return std::nullopt;
  return KeyLine{trim(line.substr(0, equals)), equals};
}

std::string decodeValue(std::string_view raw) {
  const std::string_view value = trim(raw);
  if (value.size() >= 2 && value.front() == '"' && value.back() == '"')
    return std::string(value.substr(1, value.size() - 2));
  return std::string(value);
}

std::string encodeValue(std::string_view value) {
  const bool needsQuotes =
      !value.empty() && (value.front() == ' ' || value.front() == '\t' || value.back() == ' ' ||
                         value.back() == '\t' || value.front() == '"');
  return needsQuotes ? "\"" + std::string(value) + "\"" : std::string(value);
}

bool hasLineBreak(std::string_view text) {
  return text.find('\n') != std::string_view::npos || text.find('\r') != std::string_view::npos;
}

// Index range [first, end) of the lines belonging to a section; the unnamed
// section holds the lines before the first header. first is the header's
// index (or 0 for the unnamed section); nullopt when the section is absent.
struct SectionRange {
  std::size_t first = 0;
  std::size_t end = 0;
  bool hasHeader = false;
};

std::optional<SectionRange> findSection(const std::vector<std::string>& lines, std::string_view section) {
  std::optional<SectionRange> found;
  if (section.empty()) found = SectionRange{0, lines.size(), false};
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const auto name = sectionOf(lines[i]);
    if (!name) continue;
    if (found) {
      found->end = i;
      return found;
    }
    if (equalsIgnoreCase(*name, section)) found = SectionRange{i, lines.size(), true};
  }
  return found;
}

}  // namespace

void INIClass::init(const std::filesystem::path& file) {
  std::lock_guard lock(mutex_);
  file_ = file;
  bound_ = true;
  lastError_.clear();
}

void INIClass::kill() {
  std::lock_guard lock(mutex_);
  file_.clear();
  bound_ = false;
}

bool INIClass::isBound() const {
  std::lock_guard lock(mutex_);
  return bound_;
}

std::filesystem::path INIClass::file() const {
  std::lock_guard lock(mutex_);
  return file_;
}

std::string INIClass::lastError() const {
  std::lock_guard lock(mutex_);
  return lastError_;
}

bool INIClass::fail(std::string message) {
  lastError_ = std::move(message);
  return false;
}

std::string INIClass::fetch(std::string_view section, std::string_view key,
                            std::string_view defaultValue) const {
  fs::path file;
  {
    std::lock_guard lock(mutex_);
    if (!bound_) return std::string(defaultValue);
    file = file_;
  }
  const auto content = readFile(file);
  if (!content) return std::string(defaultValue);
  const IniText text = splitLines(*content);
  const auto range = findSection(text.lines, trim(section));
  if (!range) return std::string(defaultValue);
  for (std::size_t i = range->first + (range->hasHeader ? 1 : 0); i < range->end; ++i) {
    const auto line = keyOf(text.lines[i]);
    if (line && equalsIgnoreCase(line->key, trim(key)))
      return decodeValue(std::string_view(text.lines[i]).substr(line->equals + 1));
  }
  return std::string(defaultValue);
}

std::int64_t INIClass::fetchNumber(std::string_view section, std::string_view key,
                                   std::int64_t defaultValue) const {
  const std::string value = fetch(section, key, {});
  std::string_view digits = trim(value);
  if (!digits.empty() && digits.front() == '+') digits.remove_prefix(1);
  std::int64_t number = 0;
  const auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), number);
  if (digits.empty() || ec != std::errc() || end != digits.data() + digits.size()) return defaultValue;
  return number;
}

bool INIClass::updateNumber(std::string_view section, std::string_view key, std::int64_t value) {
  return update(section, key, std::to_string(value));
}

bool INIClass::update(std::string_view section, std::string_view key, std::string_view value) {
  std::lock_guard lock(mutex_);
  if (!bound_) return fail("no settings file is bound");
  if (trim(key).empty()) return fail("a setting needs a key name");
  if (hasLineBreak(section) || hasLineBreak(key) || hasLineBreak(value))
    return fail("section, key and value must be on one line");
  if (key.find('=') != std::string_view::npos || section.find(']') != std::string_view::npos)
    return fail("the key may not contain \"=\" nor the section \"]\"");

  // A link is followed so that the file it names is rewritten, not replaced
  // by a plain file.
  std::error_code ec;
  fs::path target = file_;
  if (fs::is_symlink(target, ec)) {
    const fs::path resolved = fs::canonical(target, ec);
    if (!ec) target = resolved;
  }

  const fs::file_status status = fs::status(target, ec);
  const bool exists = fs::exists(status);
  if (exists && !fs::is_regular_file(status)) return fail(target.string() + " is not a file");
  // Replacing the file by renaming would succeed even on a read-only file,
  // so its write permission is checked first.
  if (exists && (status.permissions() & fs::perms::owner_write) == fs::perms::none)
    return fail(target.string() + " is read-only");

  std::string why;
  const auto content = readFile(target, &why);
  if (!content) return fail(why);
  IniText text = splitLines(*content);

  const std::string entry = std::string(trim(key)) + "=" + encodeValue(value);
  auto range = findSection(text.lines, trim(section));
  if (range) {
    bool replaced = false;
    std::optional<std::size_t> lastContent;
    if (range->hasHeader) lastContent = range->first;
    for (std::size_t i = range->first + (range->hasHeader ? 1 : 0); i < range->end; ++i) {
      std::string& line = text.lines[i];
      if (!trim(line).empty()) lastContent = i;
      const auto found = keyOf(line);
      if (!found || !equalsIgnoreCase(found->key, trim(key))) continue;
      // Keep the line's own spelling of the key and its spacing.
      const bool spaced = found->equals + 1 < line.size() && line[found->equals + 1] == ' ';
      line = line.substr(0, found->equals + 1) + (spaced ? " " : "") + encodeValue(value);
      replaced = true;
      break;
    }
    // A new key goes after the section's last non-blank line, so that the
    // blank line separating it from the next section stays where it was.
    if (!replaced) {
      const std::size_t at = lastContent ? *lastContent + 1 : 0;
      text.lines.insert(text.lines.begin() + static_cast<std::ptrdiff_t>(at), entry);
    }
  } else {
    if (!text.lines.empty() && !trim(text.lines.back()).empty()) text.lines.emplace_back();
    text.lines.push_back("[" + std::string(trim(section)) + "]");
    text.lines.push_back(entry);
  }

  std::string out;
  const char* eol = text.crlf ? "\r\n" : "\n";
  for (const std::string& line : text.lines) out += line + eol;

  FileReplacement file(target);
  if (!file.write(out)) return fail("cannot write " + target.string() + ": " + file.error());
  if (!file.commit()) return fail("cannot replace " + target.string() + ": " + file.error());
  lastError_.clear();
  return true;
}

}  // namespace crv

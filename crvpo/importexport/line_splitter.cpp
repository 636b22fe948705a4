// Splitting import lines.
#include "crvpo/importexport/line_splitter.h"

#include <algorithm>

#include "host/framework/values/text.h"

namespace crvpo {
namespace {

// The text between an opening quote at `from` and the quote that closes
// it, two quotes read as one; `end` is just past the closing quote, or the
// end of the line when there is none.
bool readQuoted(std::string_view line, std::size_t from, std::string& value, std::size_t& end) {
  std::size_t at = from + 1;
  while (at < line.size()) {
    if (line[at] == '"') {
      if (at + 1 < line.size() && line[at + 1] == '"') {
        value += '"';
        at += 2;
        continue;
      }
      end = at + 1;
      return true;
    }
    const std::size_t run = std::min(line.find('"', at), line.size());
    value.append(line.substr(at, run - at));
    at = run;
  }
  end = line.size();
  return false;
}

// A raw field that starts with a quote: the text between its first and
// last character, two quotes read as one. False when the field does not
// end in a quote (it then runs to its end).
bool unquote(std::string_view raw, std::string& value) {
  raw = crv::clip(raw);
  const bool closed = raw.size() >= 2 && raw.back() == '"';
  const std::string_view inner = raw.substr(1, raw.size() - (closed ? 2 : 1));
  for (std::size_t at = 0; at < inner.size(); ++at) {
    value += inner[at];
    if (inner[at] == '"' && at + 1 < inner.size() && inner[at + 1] == '"') ++at;
  }
  return closed;
}

std::size_t delimiterAt(std::string_view line, std::size_t from, char delimiter) {
  return std::min(line.find(delimiter, from), line.size());
}

}  // namespace

FileFormat fileFormatOf(std::string_view stored) {
  stored = crv::trim(stored);
  if (stored == "T") return FileFormat::Tab;
  if (stored == "F") return FileFormat::Fixed;
  return FileFormat::Comma;
}

void splitLine(std::string_view line, FileFormat format, const std::vector<int>& widths, SplitLine& out) {
  line = crv::clip(line);
  out.values.resize(widths.size());
  out.unclosedQuote = -1;
  std::size_t pos = 0;
  for (std::size_t i = 0; i < widths.size(); ++i) {
    std::string& value = out.values[i];
    value.clear();
    if (pos >= line.size()) continue;
    std::size_t end = 0;
    bool closed = true;
    if (format == FileFormat::Comma && line[pos] == '"') {
      closed = readQuoted(line, pos, value, end);
    } else {
      if (format == FileFormat::Fixed)
        end = std::min(line.size(), pos + static_cast<std::size_t>(std::max(widths[i], 0)));
      else
        end = delimiterAt(line, pos, format == FileFormat::Tab ? '\t' : ',');
      const std::string_view raw = line.substr(pos, end - pos);
      if (!raw.empty() && raw.front() == '"')
        closed = unquote(raw, value);
      else
        value.assign(raw);
    }
    if (!closed && out.unclosedQuote < 0) out.unclosedQuote = static_cast<int>(i);
    pos = format == FileFormat::Fixed ? end : end + 1;
  }
}

}  // namespace crvpo

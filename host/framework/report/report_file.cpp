// Reading and writing report files.
#include "host/framework/report/report_file.h"

#include <charconv>
#include <cstdio>
#include <fstream>
#include <map>
#include <sstream>
#include <vector>

#include "host/framework/services/file_replacement.h"
#include "host/framework/values/picture.h"

namespace crv {
namespace {

// ---- reading ---------------------------------------------------------------

// One line of the file: its keyword, the words after it and its key=value
// attributes. Reading an attribute takes it; attributes left over at the end
// are unknown ones.
class Statement {
 public:
  Statement(std::string_view text, int line) : line_(line) { tokenize(text); }

  int line() const { return line_; }
  const std::string& keyword() const { return words_.front(); }
  const std::vector<std::string>& words() const { return words_; }

  [[noreturn]] void fail(const std::string& what) const {
    throw ReportFileError("line " + std::to_string(line_) + ": " + what);
  }

  std::optional<std::string> take(const std::string& key) {
    auto it = attributes_.find(key);
    if (it == attributes_.end()) return std::nullopt;
    std::string value = std::move(it->second);
    attributes_.erase(it);
    return value;
  }
  std::string text(const std::string& key, std::string fallback = {}) {
    return take(key).value_or(std::move(fallback));
  }
  double number(const std::string& key, double fallback = 0) {
    const auto value = take(key);
    if (!value) return fallback;
    double parsed = 0;
    const auto [end, error] = std::from_chars(value->data(), value->data() + value->size(), parsed);
    if (error != std::errc() || end != value->data() + value->size())
      fail("\"" + *value + "\" is not a number (" + key + ")");
    return parsed;
  }
  bool flag(const std::string& key) {
    const auto value = take(key);
    if (!value || *value == "0") return false;
    if (*value == "1") return true;
    fail("\"" + *value + "\" is neither 1 nor 0 (" + key + ")");
  }
  std::optional<Color> color(const std::string& key) {
    const auto value = take(key);
    if (!value) return std::nullopt;
    unsigned rgb = 0;
    const char* first = value->data() + 1;
    const char* last = value->data() + value->size();
    if (value->size() != 7 || (*value)[0] != '#' || std::from_chars(first, last, rgb, 16).ptr != last)
      fail("\"" + *value + "\" is not a colour written #rrggbb (" + key + ")");
    return Color{static_cast<std::uint8_t>(rgb >> 16), static_cast<std::uint8_t>(rgb >> 8),
                 static_cast<std::uint8_t>(rgb)};
  }
  template <class Enum>
  Enum choice(const std::string& key, std::initializer_list<std::pair<std::string_view, Enum>> choices,
              Enum fallback) {
    const auto value = take(key);
    if (!value) return fallback;
    std::string allowed;
    for (const auto& [name, chosen] : choices) {
      if (name == *value) return chosen;
      allowed += (allowed.empty() ? "" : ", ") + std::string(name);
    }
    fail("\"" + *value + "\" is not one of " + allowed + " (" + key + ")");
  }
  void finish() const {
    if (!attributes_.empty()) fail("unknown attribute \"" + attributes_.begin()->first + "\"");
  }

 private:
  void tokenize(std::string_view text) {
    std::size_t at = 0;
    while (true) {
      while (at < text.size() && (text[at] == ' ' || text[at] == '\t')) ++at;
      if (at >= text.size()) break;
      if (text[at] == '"') {
        words_.push_back(quoted(text, at));
        continue;
      }
      std::size_t end = at;
      while (end < text.size() && text[end] != ' ' && text[end] != '\t' && text[end] != '=') ++end;
      std::string word(text.substr(at, end - at));
      at = end;
      if (at < text.size() && text[at] == '=') {
        ++at;
        std::string value;
        if (at < text.size() && text[at] == '"') {
          value = quoted(text, at);
        } else {
          std::size_t stop = at;
          while (stop < text.size() && text[stop] != ' ' && text[stop] != '\t') ++stop;
          value = std::string(text.substr(at, stop - at));
          at = stop;
        }
        if (!attributes_.emplace(word, std::move(value)).second)
          fail("attribute \"" + word + "\" given twice");
      } else if (words_.empty() || attributes_.empty()) {
        words_.push_back(std::move(word));
      } else {
        fail("\"" + word + "\" needs a value (" + word + "=...)");
      }
    }
  }

  std::string quoted(std::string_view text, std::size_t& at) const {
    std::string value;
    for (++at; at < text.size(); ++at) {
      const char c = text[at];
      if (c == '"') {
        ++at;
        return value;
      }
      if (c != '\\') {
        value += c;
        continue;
      }
      if (++at >= text.size()) break;
      switch (text[at]) {
        case 'n':
          value += '\n';
          break;
        case 't':
          value += '\t';
          break;
        case '"':
        case '\\':
          value += text[at];
          break;
        default:
          fail(std::string("unknown escape \\") + text[at]);
      }
    }
    fail("a quoted text is not closed");
  }

  int line_;
  std::vector<std::string> words_;
  std::map<std::string, std::string> attributes_;
};

Align alignment(Statement& s) {
  return s.choice<Align>("align", {{"Left", Align::Left}, {"Center", Align::Center}, {"Right", Align::Right}},
                         Align::Left);
}

void readTextual(Statement& s, DefinedItem& item) {
  item.text = s.text("text");
  item.name = s.text("name");
  item.picture = s.text("picture");
  item.expression = s.text("expression");
  item.font.family = s.text("font", item.font.family);
  item.font.size = s.number("size", item.font.size);
  item.font.bold = s.flag("bold");
  item.font.italic = s.flag("italic");
  item.align = alignment(s);
  item.wrap = s.flag("wrap");
  if (item.font.size <= 0) s.fail("a font size must be above 0");
  if (item.kind == DefinedItemKind::Field && item.name.empty() && item.expression.empty())
    s.fail("a field needs a name or an expression");
  if (!item.picture.empty()) {
    try {
      Picture::parse(item.picture);
    } catch (const std::invalid_argument&) {
      s.fail("\"" + item.picture + "\" is not a picture");
    }
  }
}

DefinedItem readItem(Statement& s, DefinedItemKind kind) {
  DefinedItem item;
  item.kind = kind;
  item.x = s.number("x");
  item.y = s.number("y");
  item.width = s.number("width");
  item.height = s.number("height");
  if (auto color = s.color("color")) item.color = *color;
  if (item.isTextual()) readTextual(s, item);
  if (kind == DefinedItemKind::Line) {
    item.x2 = s.number("x2");
    item.y2 = s.number("y2");
  }
  if (kind == DefinedItemKind::Line || kind == DefinedItemKind::Box)
    item.thickness = s.number("thickness", 0.5);
  if (kind == DefinedItemKind::Box) item.fill = s.color("fill");
  if (kind == DefinedItemKind::Image) {
    item.file = s.text("file");
    item.fit = s.choice<ImageFit>(
        "fit", {{"KeepAspect", ImageFit::KeepAspect}, {"Stretch", ImageFit::Stretch}}, ImageFit::KeepAspect);
  }
  s.finish();
  return item;
}

DefinedBand readBandStart(Statement& s) {
  if (s.words().size() != 2) s.fail("a band names its kind: band PageHeader ...");
  const auto kind = bandKindNamed(s.words()[1]);
  if (!kind) s.fail("unknown band kind \"" + s.words()[1] + "\"");
  DefinedBand band;
  band.kind = *kind;
  band.name = s.text("name");
  band.height = s.number("height");
  band.when = s.text("when");
  band.newPage = s.flag("new-page");
  band.restartPageNumbers = s.flag("restart-numbers");
  s.finish();
  return band;
}

void readPage(Statement& s, PageSetup& page) {
  page.paper =
      s.choice<PaperSize>("paper", {{"Letter", PaperSize::Letter}, {"A4", PaperSize::A4}}, PaperSize::Letter);
  page.orientation = s.choice<Orientation>(
      "orientation", {{"Portrait", Orientation::Portrait}, {"Landscape", Orientation::Landscape}},
      Orientation::Portrait);
  page.margins.left = s.number("left", page.margins.left);
  page.margins.top = s.number("top", page.margins.top);
  page.margins.right = s.number("right", page.margins.right);
  page.margins.bottom = s.number("bottom", page.margins.bottom);
  s.finish();
}

std::string single(Statement& s) {
  if (s.words().size() != 2) s.fail("\"" + s.keyword() + "\" takes one quoted text");
  s.finish();
  return s.words()[1];
}

void readVersion(Statement& s) {
  if (s.keyword() != reportFileMagic || s.words().size() != 2)
    s.fail("this is not a report file (it does not begin with " + std::string(reportFileMagic) + ")");
  const std::string& version = s.words()[1];
  int number = 0;
  if (std::from_chars(version.data(), version.data() + version.size(), number).ec != std::errc())
    s.fail("\"" + version + "\" is not a format version");
  if (number < 1 || number > ReportDefinition::formatVersion)
    s.fail("the file is in format " + version + "; this program reads format " +
           std::to_string(ReportDefinition::formatVersion) + " and older");
}

// ---- writing ---------------------------------------------------------------

std::string quote(std::string_view text) {
  std::string out = "\"";
  for (char c : text) {
    switch (c) {
      case '"':
        out += "\\\"";
        break;
      case '\\':
        out += "\\\\";
        break;
      case '\n':
        out += "\\n";
        break;
      case '\t':
        out += "\\t";
        break;
      default:
        out += c;
    }
  }
  return out + "\"";
}

std::string number(double value) {
  char buffer[32];
  const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, value);
  return error == std::errc() ? std::string(buffer, end) : std::string("0");
}

std::string colorText(Color color) {
  char buffer[8];
  std::snprintf(buffer, sizeof buffer, "#%02x%02x%02x", color.red, color.green, color.blue);
  return buffer;
}

class Line {
 public:
  explicit Line(std::string_view keyword) : text_(keyword) {}
  Line& text(std::string_view key, std::string_view value) {
    text_ += " " + std::string(key) + "=" + quote(value);
    return *this;
  }
  Line& textIfSet(std::string_view key, std::string_view value) {
    return value.empty() ? *this : text(key, value);
  }
  Line& number(std::string_view key, double value) {
    text_ += " " + std::string(key) + "=" + crv::number(value);
    return *this;
  }
  Line& word(std::string_view key, std::string_view value) {
    text_ += " " + std::string(key) + "=" + std::string(value);
    return *this;
  }
  Line& flag(std::string_view key, bool on) { return on ? word(key, "1") : *this; }
  const std::string& str() const { return text_; }

 private:
  std::string text_;
};

std::string_view alignName(Align align) {
  return align == Align::Right ? "Right" : align == Align::Center ? "Center" : "Left";
}

void writeTextual(Line& line, const DefinedItem& item) {
  line.textIfSet("text", item.text).textIfSet("name", item.name).textIfSet("picture", item.picture);
  line.textIfSet("expression", item.expression);
  line.text("font", item.font.family).number("size", item.font.size);
  line.flag("bold", item.font.bold).flag("italic", item.font.italic);
  if (item.align != Align::Left) line.word("align", alignName(item.align));
  line.flag("wrap", item.wrap);
}

std::string itemLine(const DefinedItem& item) {
  Line line(itemKindName(item.kind));
  line.number("x", item.x).number("y", item.y);
  if (item.kind == DefinedItemKind::Line) {
    line.number("x2", item.x2).number("y2", item.y2);
  } else {
    line.number("width", item.width);
    if (item.height != 0 || !item.isTextual()) line.number("height", item.height);
  }
  if (item.isTextual()) writeTextual(line, item);
  if (item.kind == DefinedItemKind::Line || item.kind == DefinedItemKind::Box)
    line.number("thickness", item.thickness);
  if (item.fill) line.word("fill", colorText(*item.fill));
  if (item.kind == DefinedItemKind::Image) {
    line.text("file", item.file).word("fit", item.fit == ImageFit::Stretch ? "Stretch" : "KeepAspect");
  }
  if (item.color != Color::black()) line.word("color", colorText(item.color));
  return line.str();
}

std::string bandLine(const DefinedBand& band) {
  Line line("band " + std::string(bandKindName(band.kind)));
  line.textIfSet("name", band.name).number("height", band.height).textIfSet("when", band.when);
  line.flag("new-page", band.newPage).flag("restart-numbers", band.restartPageNumbers);
  return line.str();
}

std::string pageLine(const PageSetup& page) {
  Line line("page");
  line.word("paper", page.paper == PaperSize::A4 ? "A4" : "Letter");
  line.word("orientation", page.orientation == Orientation::Landscape ? "Landscape" : "Portrait");
  line.number("left", page.margins.left).number("top", page.margins.top);
  line.number("right", page.margins.right).number("bottom", page.margins.bottom);
  return line.str();
}

}  // namespace

ReportDefinition parseReportDefinition(std::string_view text) {
  ReportDefinition definition;
  DefinedBand* open = nullptr;
  bool versioned = false;
  int lineNumber = 0;
  std::istringstream lines{std::string(text)};
  for (std::string raw; std::getline(lines, raw);) {
    ++lineNumber;
    if (!raw.empty() && raw.back() == '\r') raw.pop_back();
    const auto first = raw.find_first_not_of(" \t");
    if (first == std::string::npos || raw[first] == '#') continue;
    Statement s(raw, lineNumber);
    if (!versioned) {
      readVersion(s);
      versioned = true;
      continue;
    }
    const std::string& keyword = s.keyword();
    if (open) {
      if (keyword == "end") {
        s.finish();
        open = nullptr;
      } else if (const auto kind = itemKindNamed(keyword)) {
        open->items.push_back(readItem(s, *kind));
      } else {
        s.fail("unknown item \"" + keyword + "\" (or a band not closed with end)");
      }
    } else if (keyword == "type") {
      definition.type = single(s);
    } else if (keyword == "name") {
      definition.name = single(s);
    } else if (keyword == "page") {
      readPage(s, definition.page);
    } else if (keyword == "data") {
      definition.order = s.text("order");
      definition.filter = s.text("filter");
      definition.printDialog = s.flag("print-dialog");
      s.finish();
    } else if (keyword == "band") {
      definition.bands.push_back(readBandStart(s));
      open = &definition.bands.back();
    } else {
      s.fail("unknown statement \"" + keyword + "\"");
    }
  }
  if (!versioned) throw ReportFileError("the file is empty");
  if (open)
    throw ReportFileError("line " + std::to_string(lineNumber) + ": the last band is not closed with end");
  if (definition.type.empty()) throw ReportFileError("the file names no report type");
  return definition;
}

std::string reportDefinitionText(const ReportDefinition& definition) {
  std::string out =
      std::string(reportFileMagic) + " " + std::to_string(ReportDefinition::formatVersion) + "\n";
  out += "type " + quote(definition.type) + "\n";
  out += "name " + quote(definition.name) + "\n";
  out += pageLine(definition.page) + "\n";
  out += Line("data")
             .text("order", definition.order)
             .text("filter", definition.filter)
             .flag("print-dialog", definition.printDialog)
             .str() +
         "\n";
  for (const DefinedBand& band : definition.bands) {
    out += "\n" + bandLine(band) + "\n";
    for (const DefinedItem& item : band.items) out += "  " + itemLine(item) + "\n";
    out += "end\n";
  }
  return out;
}

ReportDefinition readReportFile(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  if (!in) throw ReportFileError("The report file " + file.string() + " cannot be opened.");
  std::ostringstream text;
  text << in.rdbuf();
  try {
    return parseReportDefinition(text.str());
  } catch (const ReportFileError& error) {
    throw ReportFileError("The report file " + file.string() + " cannot be read: " + error.what() + ".");
  }
}

void writeReportFile(const std::filesystem::path& file, const ReportDefinition& definition) {
  const std::string failure = replaceFile(file, reportDefinitionText(definition));
  if (!failure.empty())
    throw ReportFileError("The report file " + file.string() + " cannot be written: " + failure + ".");
}

}  // namespace crv

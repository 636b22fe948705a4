// Plain-text listing of a laid-out page, stable across runs and machines so
// that it can be compared with a stored copy.
#include "host/framework/report/laid_out_page.h"

#include <cstdio>
#include <filesystem>

namespace crv {

namespace {

std::string fixed1(double value) {
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "%.1f", value + 0.0);
  std::string text = buffer;
  return text == "-0.0" ? "0.0" : text;
}

std::string color(const Color& c) {
  char buffer[8];
  std::snprintf(buffer, sizeof buffer, "#%02X%02X%02X", c.red, c.green, c.blue);
  return buffer;
}

std::string fontText(const Font& font) {
  std::string text = font.family + " " + fixed1(font.size);
  if (font.bold) text += " bold";
  if (font.italic) text += " italic";
  return text;
}

struct Dumper {
  std::string& out;

  void operator()(const PlacedText& t) const {
    out += "text " + fixed1(t.x) + " " + fixed1(t.y) + " [" + fontText(t.font) + "]";
    if (t.color != Color::black()) out += " " + color(t.color);
    out += " \"" + t.text + "\"\n";
  }
  void operator()(const PlacedLine& l) const {
    out += "line " + fixed1(l.x1) + " " + fixed1(l.y1) + " -> " + fixed1(l.x2) + " " + fixed1(l.y2) + " w" +
           fixed1(l.thickness);
    if (l.color != Color::black()) out += " " + color(l.color);
    out += "\n";
  }
  void operator()(const PlacedBox& b) const {
    out += "box " + fixed1(b.x) + " " + fixed1(b.y) + " " + fixed1(b.width) + "x" + fixed1(b.height) + " w" +
           fixed1(b.thickness);
    if (b.fill) out += " fill " + color(*b.fill);
    out += "\n";
  }
  void operator()(const PlacedImage& i) const {
    out += "image " + fixed1(i.x) + " " + fixed1(i.y) + " " + fixed1(i.width) + "x" + fixed1(i.height) + " ";
    out += i.bytes ? "<" + std::to_string(i.bytes->size()) + " bytes>"
                   : std::filesystem::path(i.path).filename().string();
    out += "\n";
  }
};

}  // namespace

std::string LaidOutPage::dump() const {
  std::string out = "page " + std::to_string(sequence) + " (" + std::to_string(number) + " of " +
                    std::to_string(count) + ") " + fixed1(width) + "x" + fixed1(height) + "\n";
  for (const PagePrimitive& primitive : primitives) std::visit(Dumper{out}, primitive);
  return out;
}

}  // namespace crv

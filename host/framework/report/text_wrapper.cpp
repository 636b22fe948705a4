// Greedy line filling: each word goes on the current line while the line
// still fits, which is what readers of printed forms expect.
#include "host/framework/report/text_wrapper.h"

namespace crv {

namespace {

std::size_t nextCharacter(std::string_view text, std::size_t at) {
  ++at;
  while (at < text.size() && (static_cast<unsigned char>(text[at]) & 0xC0) == 0x80) ++at;
  return at;
}

// Cuts a word that is wider than the box into pieces that fit.
void cutWord(const TextMeasurer& measurer, const Font& font, std::string_view word, double width,
             std::vector<std::string>& lines, std::string& rest) {
  while (!word.empty()) {
    std::size_t end = nextCharacter(word, 0);
    while (end < word.size()) {
      std::size_t longer = nextCharacter(word, end);
      if (measurer.textWidth(font, word.substr(0, longer)) > width) break;
      end = longer;
    }
    if (end >= word.size()) {
      rest = std::string(word);
      return;
    }
    lines.emplace_back(word.substr(0, end));
    word.remove_prefix(end);
  }
}

void wrapParagraph(const TextMeasurer& measurer, const Font& font, std::string_view paragraph, double width,
                   std::vector<std::string>& lines) {
  std::string line;
  std::size_t at = 0;
  bool any = false;
  while (at < paragraph.size()) {
    std::size_t wordStart = paragraph.find_first_not_of(' ', at);
    if (wordStart == std::string_view::npos) break;
    std::size_t wordEnd = paragraph.find(' ', wordStart);
    if (wordEnd == std::string_view::npos) wordEnd = paragraph.size();
    // Spaces between words on one line are kept as typed.
    std::string_view gap = paragraph.substr(at, wordStart - at);
    std::string_view word = paragraph.substr(wordStart, wordEnd - wordStart);
    at = wordEnd;
    any = true;
    if (!line.empty()) {
      std::string candidate = line;
      candidate.append(gap).append(word);
      if (measurer.textWidth(font, candidate) <= width) {
        line = std::move(candidate);
        continue;
      }
      lines.push_back(std::move(line));
      line.clear();
    }
    if (measurer.textWidth(font, word) <= width) {
      line = std::string(word);
    } else {
      cutWord(measurer, font, word, width, lines, line);
    }
  }
  if (!line.empty() || !any) lines.push_back(std::move(line));
}

}  // namespace

std::vector<std::string> splitLines(std::string_view text) {
  std::vector<std::string> lines;
  while (true) {
    std::size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    lines.emplace_back(line);
    if (end == std::string_view::npos) break;
    text.remove_prefix(end + 1);
  }
  return lines;
}

std::vector<std::string> wrapText(const TextMeasurer& measurer, const Font& font, std::string_view text,
                                  double width) {
  std::vector<std::string> lines;
  for (const std::string& paragraph : splitLines(text))
    wrapParagraph(measurer, font, paragraph, width, lines);
  return lines;
}

}  // namespace crv

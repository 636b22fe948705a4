// Text cases and their codes.
#include "host/siblings/CRVMISC/text_case.h"

#include <array>
#include <utility>

namespace crv::siblings {
namespace {

constexpr std::array<std::pair<TextCase, std::string_view>, 5> codes{{
    {TextCase::AsTyped, "DEF"},
    {TextCase::Upper, "UPR"},
    {TextCase::Lower, "LWR"},
    {TextCase::Title, "CAP"},
    {TextCase::Sentence, "SEN"},
}};

bool isLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }
bool isDigit(char c) { return c >= '0' && c <= '9'; }
char upper(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }
char lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

// Bytes of multi-byte characters (high bit set) count as part of a word so
// that a capital is not put in the middle of "Müller".
bool inWord(char c) {
  return isLetter(c) || isDigit(c) || c == '\'' || (static_cast<unsigned char>(c) & 0x80) != 0;
}

}  // namespace

std::string_view textCaseCode(TextCase textCase) {
  for (const auto& [value, code] : codes)
    if (value == textCase) return code;
  return codes[0].second;
}

std::optional<TextCase> textCaseFromCode(std::string_view code) {
  if (code.size() != 3) return std::nullopt;
  for (const auto& [value, known] : codes) {
    bool same = true;
    for (std::size_t i = 0; i < 3; ++i) same = same && upper(code[i]) == known[i];
    if (same) return value;
  }
  return std::nullopt;
}

std::string applyTextCase(std::string_view text, TextCase textCase) {
  std::string out(text);
  switch (textCase) {
    case TextCase::AsTyped:
      break;
    case TextCase::Upper:
      for (char& c : out) c = upper(c);
      break;
    case TextCase::Lower:
      for (char& c : out) c = lower(c);
      break;
    case TextCase::Title: {
      char previous = ' ';
      for (char& c : out) {
        const char typed = c;
        c = inWord(previous) ? lower(c) : upper(c);
        previous = typed;
      }
      break;
    }
    case TextCase::Sentence: {
      bool sentenceStart = true;
      for (char& c : out) {
        if (isLetter(c)) {
          c = sentenceStart ? upper(c) : lower(c);
          sentenceStart = false;
        } else if (c == '.' || c == '!' || c == '?') {
          sentenceStart = true;
        } else if (isDigit(c) || (static_cast<unsigned char>(c) & 0x80) != 0) {
          sentenceStart = false;
        }
      }
      break;
    }
  }
  return out;
}

}  // namespace crv::siblings

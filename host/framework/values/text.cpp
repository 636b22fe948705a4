// String helpers for fixed-width text: clipping, trimming, UTF-8-safe
// cutting, ASCII case folding and clipped comparison.
#include "host/framework/values/text.h"

#include <cstdint>
#include <cstring>

namespace crv {

std::string_view clip(std::string_view text) {
  // Wide fields are mostly padding (a line's notes, an address line): step
  // over it eight bytes at a time before looking at single bytes.
  constexpr std::uint64_t eightSpaces = 0x2020202020202020;
  std::size_t end = text.size();
  for (std::uint64_t word; end >= 8; end -= 8) {
    std::memcpy(&word, text.data() + end - 8, 8);
    if (word != eightSpaces) break;
  }
  while (end > 0 && text[end - 1] == ' ') --end;
  return text.substr(0, end);
}

std::string_view trimLeft(std::string_view text) {
  std::size_t start = text.find_first_not_of(' ');
  return start == std::string_view::npos ? std::string_view() : text.substr(start);
}

std::string_view trim(std::string_view text) { return clip(trimLeft(text)); }

std::size_t utf8CutLength(std::string_view text, std::size_t maxBytes) {
  if (text.size() <= maxBytes) return text.size();
  auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
  if ((byte(maxBytes) & 0xC0) != 0x80) return maxBytes;  // the cut falls between characters
  // Byte maxBytes continues a sequence: find its lead byte at most three
  // bytes back and leave that character out whole. Without a lead byte the
  // text is not UTF-8 and is cut as plain bytes.
  for (std::size_t back = 1; back <= 3 && back <= maxBytes; ++back) {
    unsigned char b = byte(maxBytes - back);
    if ((b & 0xC0) == 0xC0) return maxBytes - back;
    if ((b & 0xC0) != 0x80) break;
  }
  return maxBytes;
}

std::string toUpperAscii(std::string_view text) {
  std::string result(text);
  for (char& c : result) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  return result;
}

std::string toLowerAscii(std::string_view text) {
  std::string result(text);
  for (char& c : result) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return result;
}

bool equalsIgnoreCase(std::string_view a, std::string_view b) { return toLowerAscii(a) == toLowerAscii(b); }

std::strong_ordering compareClipped(std::string_view a, std::string_view b) {
  // char_traits<char>::compare orders bytes as unsigned char.
  int order = clip(a).compare(clip(b));
  return order < 0   ? std::strong_ordering::less
         : order > 0 ? std::strong_ordering::greater
                     : std::strong_ordering::equal;
}

}  // namespace crv

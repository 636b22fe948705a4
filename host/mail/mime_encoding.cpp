// Encodings for message headers and bodies.
#include "host/mail/mime_encoding.h"

#include <array>

namespace crv::mime {

namespace {

constexpr char alphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
constexpr char hexDigits[] = "0123456789ABCDEF";

bool isPlainAscii(std::string_view text) {
  for (unsigned char c : text)
    if (c < 0x20 || c > 0x7E) return false;
  return true;
}

std::size_t characterLength(unsigned char lead) {
  if (lead >= 0xF0) return 4;
  if (lead >= 0xE0) return 3;
  if (lead >= 0xC0) return 2;
  return 1;
}

// Plain ASCII folded at spaces so that lines stay near 78 characters.
std::string foldAscii(std::string_view text, std::size_t used) {
  std::string out;
  std::size_t lineLength = used;
  std::size_t at = 0;
  while (at < text.size()) {
    std::size_t space = text.find(' ', at + 1);
    std::string_view word =
        text.substr(at, space == std::string_view::npos ? std::string_view::npos : space - at);
    if (!out.empty() && lineLength + word.size() > 78 && word.front() == ' ') {
      out += "\r\n";
      lineLength = 0;
    }
    out.append(word);
    lineLength += word.size();
    at += word.size();
  }
  return out;
}

int hexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

}  // namespace

std::string base64(std::span<const std::uint8_t> bytes, std::size_t lineLength) {
  std::string out;
  out.reserve(bytes.size() * 4 / 3 + bytes.size() / 38 + 8);
  std::size_t column = 0;
  for (std::size_t i = 0; i < bytes.size(); i += 3) {
    std::uint32_t group = std::uint32_t{bytes[i]} << 16;
    if (i + 1 < bytes.size()) group |= std::uint32_t{bytes[i + 1]} << 8;
    if (i + 2 < bytes.size()) group |= bytes[i + 2];
    char quad[4] = {alphabet[(group >> 18) & 63], alphabet[(group >> 12) & 63],
                    i + 1 < bytes.size() ? alphabet[(group >> 6) & 63] : '=',
                    i + 2 < bytes.size() ? alphabet[group & 63] : '='};
    if (lineLength && column + 4 > lineLength) {
      out += "\r\n";
      column = 0;
    }
    out.append(quad, 4);
    column += 4;
  }
  return out;
}

std::optional<std::vector<std::uint8_t>> decodeBase64(std::string_view text) {
  std::array<int, 256> values;
  values.fill(-1);
  for (int i = 0; i < 64; ++i) values[static_cast<unsigned char>(alphabet[i])] = i;
  std::vector<std::uint8_t> out;
  std::uint32_t group = 0;
  int bits = 0;
  bool padding = false;
  for (char c : text) {
    if (c == '\r' || c == '\n' || c == ' ' || c == '\t') continue;
    if (c == '=') {
      padding = true;
      continue;
    }
    int value = values[static_cast<unsigned char>(c)];
    if (value < 0 || padding) return std::nullopt;
    group = (group << 6) | static_cast<std::uint32_t>(value);
    bits += 6;
    if (bits >= 8) {
      bits -= 8;
      out.push_back(static_cast<std::uint8_t>((group >> bits) & 0xFF));
    }
  }
  return out;
}

std::string quotedPrintable(std::string_view text) {
  std::string out;
  std::size_t start = 0;
  while (start <= text.size()) {
    std::size_t end = text.find('\n', start);
    std::string_view line =
        text.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    std::size_t column = 0;
    for (std::size_t i = 0; i < line.size(); ++i) {
      auto c = static_cast<unsigned char>(line[i]);
      bool last = i + 1 == line.size();
      bool literal = (c >= 33 && c <= 126 && c != '=') || ((c == ' ' || c == '\t') && !last);
      std::string token = literal ? std::string(1, static_cast<char>(c))
                                  : std::string{'=', hexDigits[c >> 4], hexDigits[c & 15]};
      // Room for a soft break "=" unless this token ends the line.
      std::size_t limit = last ? 76 : 75;
      if (column + token.size() > limit) {
        out += "=\r\n";
        column = 0;
      }
      out += token;
      column += token.size();
    }
    if (end == std::string_view::npos) break;
    out += "\r\n";
    start = end + 1;
  }
  return out;
}

std::string decodeQuotedPrintable(std::string_view text) {
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '=') {
      out += text[i];
      continue;
    }
    if (i + 2 < text.size() && text[i + 1] == '\r' && text[i + 2] == '\n') {
      i += 2;
      continue;
    }
    if (i + 2 < text.size()) {
      int high = hexValue(text[i + 1]);
      int low = hexValue(text[i + 2]);
      if (high >= 0 && low >= 0) {
        out += static_cast<char>(high * 16 + low);
        i += 2;
        continue;
      }
    }
    out += '=';
  }
  return out;
}

std::string encodeHeaderText(std::string_view text, std::size_t firstLineUsed) {
  if (isPlainAscii(text) && text.find("=?") == std::string_view::npos) return foldAscii(text, firstLineUsed);
  // 45 bytes give 60 base64 characters: with "=?UTF-8?B?" and "?=" a word
  // is 72 characters, inside the limit of 75 on a continuation line. The
  // first word shares its line with the header name.
  std::size_t firstRoom = firstLineUsed + 12 + 8 < 75 ? (75 - firstLineUsed - 12) / 4 * 3 : 6;
  std::string out;
  std::size_t at = 0;
  while (at < text.size()) {
    std::size_t chunk = out.empty() ? std::min<std::size_t>(firstRoom, 45) : 45;
    std::size_t end = at;
    while (end < text.size()) {
      std::size_t next = end + characterLength(static_cast<unsigned char>(text[end]));
      if (next - at > chunk && end > at) break;
      end = std::min(next, text.size());
    }
    if (!out.empty()) out += "\r\n ";
    auto piece = text.substr(at, end - at);
    out += "=?UTF-8?B?";
    out += base64(std::span(reinterpret_cast<const std::uint8_t*>(piece.data()), piece.size()), 0);
    out += "?=";
    at = end;
  }
  return out;
}

std::string parameter(std::string_view name, std::string_view value) {
  bool plain = isPlainAscii(value) && value.find_first_of("\"\\") == std::string_view::npos;
  std::string fallback;
  for (std::size_t i = 0; i < value.size();) {
    auto c = static_cast<unsigned char>(value[i]);
    std::size_t length = characterLength(c);
    fallback += (c >= 0x20 && c <= 0x7E && c != '"' && c != '\\') ? static_cast<char>(c) : '_';
    i += c < 0x80 ? 1 : length;
  }
  std::string out = std::string(name) + "=\"" + fallback + "\"";
  if (plain) return out;
  out += ";\r\n " + std::string(name) + "*=UTF-8''";
  for (unsigned char c : value) {
    bool safe = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '.' ||
                c == '-' || c == '_';
    if (safe) {
      out += static_cast<char>(c);
    } else {
      out += '%';
      out += hexDigits[c >> 4];
      out += hexDigits[c & 15];
    }
  }
  return out;
}

}  // namespace crv::mime

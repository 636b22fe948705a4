// Message parsing for tests: enough of the Internet message format to read
// back what the composer writes.
#include "support/mail_reader.h"

#include <cctype>

#include "host/mail/mime_encoding.h"

namespace crv::test {

MessagePart parsePart(const std::string& text) {
  MessagePart part;
  std::size_t end = text.find("\r\n\r\n");
  std::string head = text.substr(0, end);
  part.body = end == std::string::npos ? "" : text.substr(end + 4);
  std::string name;
  std::size_t at = 0;
  while (at < head.size()) {
    std::size_t next = head.find("\r\n", at);
    std::string line = head.substr(at, next == std::string::npos ? std::string::npos : next - at);
    at = next == std::string::npos ? head.size() : next + 2;
    if (!line.empty() && (line[0] == ' ' || line[0] == '\t')) {
      part.headers[name] += line;
      continue;
    }
    std::size_t colon = line.find(':');
    name = line.substr(0, colon);
    for (char& c : name) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    part.headers[name] = colon + 2 <= line.size() ? line.substr(colon + 2) : "";
  }
  return part;
}

std::vector<MessagePart> splitParts(const std::string& body, const std::string& boundary) {
  std::vector<MessagePart> parts;
  std::string delimiter = "--" + boundary;
  std::size_t at = body.find(delimiter);
  while (at != std::string::npos) {
    std::size_t start = at + delimiter.size();
    if (body.compare(start, 2, "--") == 0) break;
    start += 2;  // CRLF after the delimiter
    std::size_t next = body.find("\r\n" + delimiter, start);
    if (next == std::string::npos) break;
    parts.push_back(parsePart(body.substr(start, next - start)));
    at = next + 2;
  }
  return parts;
}

std::string headerParameter(const std::string& value, const std::string& name) {
  std::size_t at = value.find(name + "=\"");
  if (at == std::string::npos) return {};
  at += name.size() + 2;
  return value.substr(at, value.find('"', at) - at);
}

std::string decodeHeader(const std::string& value) {
  std::string out;
  std::size_t at = 0;
  while (at < value.size()) {
    std::size_t word = value.find("=?UTF-8?B?", at);
    if (word == std::string::npos) {
      out += value.substr(at);
      break;
    }
    std::string between = value.substr(at, word - at);
    if (between.find_first_not_of(" \t") != std::string::npos || at == 0) out += between;
    std::size_t end = value.find("?=", word + 10);
    auto bytes = mime::decodeBase64(value.substr(word + 10, end - word - 10));
    if (bytes) out.append(bytes->begin(), bytes->end());
    at = end + 2;
  }
  return out;
}

}  // namespace crv::test

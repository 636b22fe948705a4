// Reading composed messages back in tests: headers unfolded, parts
// split at their boundary, bodies decoded.
#pragma once

#include <map>
#include <string>
#include <vector>

namespace crv::test {

struct MessagePart {
  std::map<std::string, std::string> headers;  // names lower-case, values unfolded
  std::string body;
};

// Splits header block and body at the first empty line.
MessagePart parsePart(const std::string& text);
// The parts of a multipart body with the given boundary.
std::vector<MessagePart> splitParts(const std::string& body, const std::string& boundary);
// The value of a parameter (boundary="...") in a header value.
std::string headerParameter(const std::string& value, const std::string& name);
// Decodes RFC 2047 "B" encoded words of UTF-8 (and joins adjacent ones).
std::string decodeHeader(const std::string& value);

}  // namespace crv::test

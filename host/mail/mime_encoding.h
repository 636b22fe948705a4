// Encodings of the Internet message format used by the message composer:
// base64 (and its decoding, to read messages back), quoted-printable bodies,
// RFC 2047 encoded words for headers and RFC 2231 parameter values.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace crv::mime {

// Lines of at most `lineLength` characters joined by CRLF; 0: one line.
std::string base64(std::span<const std::uint8_t> bytes, std::size_t lineLength = 76);
// Ignores line breaks and spaces; nullopt for any other invalid character.
std::optional<std::vector<std::uint8_t>> decodeBase64(std::string_view text);

// The text with lines ending in CRLF, at most 76 characters a line.
std::string quotedPrintable(std::string_view text);
std::string decodeQuotedPrintable(std::string_view text);

// A header value: as it is when plain ASCII, else UTF-8 "B" encoded words
// of at most 75 characters separated by CRLF and a space (never splitting a
// character). `firstLineUsed` is the length of the header name before it.
std::string encodeHeaderText(std::string_view text, std::size_t firstLineUsed);

// "name=\"value\"" for printable ASCII, else an ASCII fallback followed by
// RFC 2231 "name*=UTF-8''..." with the bytes percent-encoded.
std::string parameter(std::string_view name, std::string_view value);

}  // namespace crv::mime

// Fixed-width text fields and the small string helpers used with them.
//
// A Text<N> is exactly N bytes padded with spaces, the way text fields are
// laid out in record buffers and stored tables. Trailing spaces carry no
// meaning: "AB" and "AB   " compare equal, and view() drops them. Longer
// values are cut at N on assignment; bytes are bytes (no encoding is
// assumed), except that a cut never splits a UTF-8 sequence: when byte N
// would fall inside a multi-byte character, the whole character is dropped
// and its place padded with spaces.
#pragma once

#include <compare>
#include <cstddef>
#include <cstring>
#include <ostream>
#include <string>
#include <string_view>

namespace crv {

// Text without its trailing spaces.
std::string_view clip(std::string_view text);

// Text without leading spaces.
std::string_view trimLeft(std::string_view text);

// Text without leading and trailing spaces.
std::string_view trim(std::string_view text);

// The longest prefix of at most maxBytes bytes that does not end inside a
// UTF-8 multi-byte sequence.
std::size_t utf8CutLength(std::string_view text, std::size_t maxBytes);

// ASCII case folding; other bytes pass unchanged.
std::string toUpperAscii(std::string_view text);
std::string toLowerAscii(std::string_view text);
bool equalsIgnoreCase(std::string_view a, std::string_view b);

// Orders two texts by their bytes (as unsigned), ignoring trailing spaces.
std::strong_ordering compareClipped(std::string_view a, std::string_view b);

template <std::size_t N>
class Text {
  static_assert(N > 0, "a text field holds at least one character");

 public:
  static constexpr std::size_t width = N;

  Text() { clear(); }
  Text(std::string_view value) { assign(value); }
  Text(const char* value) { assign(value ? std::string_view(value) : std::string_view()); }

  Text& operator=(std::string_view value) {
    assign(value);
    return *this;
  }
  Text& operator=(const char* value) {
    assign(value ? std::string_view(value) : std::string_view());
    return *this;
  }

  // Copies `size` raw bytes (cut at N as for assignment) and pads with
  // spaces; used when reading stored fields.
  void assignPadded(const char* bytes, std::size_t size) { assign(std::string_view(bytes, size)); }

  void clear() { std::memset(data_, ' ', N); }

  // The value without trailing spaces; valid while the Text lives.
  std::string_view view() const { return clip(std::string_view(data_, N)); }
  std::string str() const { return std::string(view()); }
  // All N bytes including the padding.
  std::string_view padded() const { return std::string_view(data_, N); }
  bool empty() const { return view().empty(); }

  char* data() { return data_; }
  const char* data() const { return data_; }
  static constexpr std::size_t size() { return N; }

  template <std::size_t M>
  bool operator==(const Text<M>& other) const {
    return view() == other.view();
  }
  bool operator==(std::string_view other) const { return view() == clip(other); }
  template <std::size_t M>
  std::strong_ordering operator<=>(const Text<M>& other) const {
    return compareClipped(view(), other.view());
  }
  std::strong_ordering operator<=>(std::string_view other) const { return compareClipped(view(), other); }

  friend std::ostream& operator<<(std::ostream& out, const Text& text) { return out << text.view(); }

 private:
  void assign(std::string_view value) {
    std::size_t length = value.size() <= N ? value.size() : utf8CutLength(value, N);
    // memmove: the value may be a view of this very field.
    if (length != 0) std::memmove(data_, value.data(), length);
    std::memset(data_ + length, ' ', N - length);
  }

  char data_[N];
};

}  // namespace crv

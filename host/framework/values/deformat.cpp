// Lenient and strict clean-up of formatted numbers (see deformat.h).
#include "host/framework/values/deformat.h"

#include <array>

namespace crv {

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// Currency signs and separators a user may type around a number.
constexpr std::array<std::string_view, 6> kIgnorable = {"$",       ",", " ", "\t", "\xE2\x82\xAC" /* euro */,
                                                        "\xC2\xA3" /* pound */};

std::string removeIgnorable(std::string_view text) {
  std::string result;
  while (!text.empty()) {
    bool skipped = false;
    for (std::string_view sign : kIgnorable) {
      if (text.starts_with(sign)) {
        text.remove_prefix(sign.size());
        skipped = true;
        break;
      }
    }
    if (!skipped) {
      result.push_back(text.front());
      text.remove_prefix(1);
    }
  }
  return result;
}

}  // namespace

std::string deformat(std::string_view shown) {
  std::string result;
  for (char c : shown) {
    if (isDigit(c) || c == '.' || c == '-' || c == '(' || c == ')') result.push_back(c);
  }
  return result;
}

std::optional<std::string> readNumber(std::string_view typed) {
  std::string text = removeIgnorable(typed);
  if (text.empty()) return std::string("0");
  std::string_view body = text;
  bool negative = false;
  if (body.front() == '(' && body.back() == ')' && body.size() >= 2) {
    negative = true;
    body = body.substr(1, body.size() - 2);
  }
  if (!body.empty() && (body.front() == '-' || body.front() == '+')) {
    if (negative) return std::nullopt;
    negative = body.front() == '-';
    body.remove_prefix(1);
  } else if (!body.empty() && body.back() == '-') {
    if (negative) return std::nullopt;
    negative = true;
    body.remove_suffix(1);
  }
  std::string whole;
  std::string fraction;
  bool seenPoint = false;
  for (char c : body) {
    if (c == '.' && !seenPoint) {
      seenPoint = true;
    } else if (isDigit(c)) {
      (seenPoint ? fraction : whole).push_back(c);
    } else {
      return std::nullopt;
    }
  }
  if (whole.empty() && fraction.empty()) return std::nullopt;
  whole.erase(0, whole.find_first_not_of('0'));
  if (whole.empty()) whole.push_back('0');
  std::string result = whole;
  if (!fraction.empty()) result += "." + fraction;
  bool isZero = whole == "0" && fraction.find_first_not_of('0') == std::string::npos;
  if (negative && !isZero) result.insert(0, 1, '-');
  return result;
}

}  // namespace crv

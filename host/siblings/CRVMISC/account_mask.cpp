// Putting account numbers into the company's layout.
#include "host/siblings/CRVMISC/account_mask.h"

#include "host/framework/values/text.h"

namespace crv::siblings {
namespace {

constexpr char place = '#';

bool isSignificant(char c) {
  return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

}  // namespace

AccountMask::AccountMask(std::string_view mask) : mask_(trim(mask)) {}

std::string AccountMask::format(std::string_view account) const {
  const std::string typed(trim(account));
  if (mask_.empty() || typed.empty()) return typed;
  std::string characters;
  for (char c : typed)
    if (isSignificant(c)) characters += c;
  if (characters.empty()) return typed;

  std::string out;
  std::size_t next = 0;
  bool zeroFilling = false;
  for (std::size_t i = 0; i < mask_.size(); ++i) {
    const char m = mask_[i];
    if (m != place) {
      out += m;
      continue;
    }
    if (next < characters.size()) {
      out += characters[next++];
      continue;
    }
    // Out of characters: only a whole group may be completed with zeros.
    const bool groupStart = i == 0 || mask_[i - 1] != place;
    if (!zeroFilling && !groupStart) return typed;
    zeroFilling = true;
    out += '0';
  }
  return next == characters.size() ? out : typed;
}

}  // namespace crv::siblings

// The layout of general-ledger account numbers a company uses
// (SYS:AccountMask), and how a typed account number is put into it.
//
// Grammar: '#' stands for one character of the number (a digit or a
// letter); every other character is a separator written as it stands.
// "####-##" takes "610000" or "6100 00" to "6100-00".
//
// Formatting keeps the letters and digits that were typed, in order, and
// drops whatever separators were typed; then:
// - exactly as many characters as the mask has places: they fill the mask;
// - fewer, ending on a whole group of the mask: the groups left are filled
//   with zeros ("6100" becomes "6100-00");
// - fewer, ending inside a group, or more than the mask holds: the number
//   is left as typed, so nothing is guessed or cut off;
// - a blank mask or a blank number: left as typed.
#pragma once

#include <string>
#include <string_view>

namespace crv::siblings {

class AccountMask {
 public:
  explicit AccountMask(std::string_view mask);

  bool empty() const { return mask_.empty(); }
  const std::string& text() const { return mask_; }
  // The account number in the mask's layout (leading and trailing spaces
  // of the typed text removed).
  std::string format(std::string_view account) const;

 private:
  std::string mask_;
};

}  // namespace crv::siblings

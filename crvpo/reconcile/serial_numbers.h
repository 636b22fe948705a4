// The serial numbers received on one order line, as the line form edits
// them before they are written, and the reading of what a person types or
// pastes into it.
//
// A person adds numbers one at a time, pastes many at once (one per line,
// from a scanner or a spreadsheet column), or types a range "SN-0001..SN-0250"
// that stands for every number from the first to the last. Whichever way
// they come, the same checks apply before anything is added: no blank or
// over-long number, no number twice on the line, and no more numbers than
// units received. A refused addition adds nothing.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_set>
#include <variant>
#include <vector>

#include "host/framework/values/decimal.h"
#include "host/framework/values/scalars.h"

namespace crvpo {

// Characters of a serial number (PODS:SerialNo, INS:SerialNo).
inline constexpr std::size_t serialNumberWidth = 40;

// Why numbers were not taken: the title and text of the message a person
// sees.
struct SerialRefusal {
  std::string title;
  std::string text;
  bool operator==(const SerialRefusal&) const = default;
};

// A quantity in its shortest decimal form: 3, 2.5.
std::string shortestQuantity(crv::Quantity quantity);

// The refusals of a count that does not match the units received.
SerialRefusal tooManySerialNumbers(crv::Quantity unitsReceived);
SerialRefusal notEnoughSerialNumbers(crv::Quantity unitsReceived);

// Reads typed or pasted text: one number per line (surrounding blanks and
// blank lines ignored), a line "first..last" a range. The two ends of a
// range differ only in their last run of digits; the numbers between keep
// the width of the first end's digits ("SN-0001..SN-0250" gives 250 numbers
// from SN-0001). At most `room` numbers are read: more is refused with
// tooManySerialNumbers(unitsReceived) before a range is expanded.
std::variant<std::vector<std::string>, SerialRefusal> readSerialNumbers(std::string_view text,
                                                                        std::size_t room,
                                                                        crv::Quantity unitsReceived);

// One received serial number: its PODetSer row and INSerial record once
// written (0 before), and the number.
struct ReceivedSerial {
  crv::Id recordId = 0;
  crv::Id serialId = 0;
  std::string number;
  bool operator==(const ReceivedSerial&) const = default;
};

class SerialNumberList {
 public:
  // The rows of the line as stored; numbers are taken as they are.
  void load(std::vector<ReceivedSerial> rows);
  const std::vector<ReceivedSerial>& rows() const { return rows_; }
  std::size_t size() const { return rows_.size(); }
  bool contains(std::string_view number) const { return numbers_.count(std::string(number)) != 0; }

  // Adds typed or pasted numbers at the end when every check passes.
  std::optional<SerialRefusal> add(std::string_view text, crv::Quantity unitsReceived);
  // Gives row `index` another number (the row keeps its serial record, which
  // is renamed when the line is written).
  std::optional<SerialRefusal> change(std::size_t index, std::string_view number);
  void remove(std::size_t index);
  void clear();

 private:
  std::optional<SerialRefusal> checkNew(const std::string& number, std::size_t ignoreIndex) const;

  std::vector<ReceivedSerial> rows_;
  std::unordered_set<std::string> numbers_;
};

}  // namespace crvpo

// Reading and checking serial numbers before they are added to a line.
#include "crvpo/reconcile/serial_numbers.h"

#include <cctype>
#include <cstdint>

#include "host/framework/values/text.h"

namespace crvpo {
namespace {

constexpr std::string_view rangeMark = "..";
// A range's numbers are counted in 18 digits at most; longer runs are no
// range a person means.
constexpr std::size_t maxRangeDigits = 18;

SerialRefusal invalidRange(std::string_view line) {
  return {"Invalid Range", "\"" + std::string(line) +
                               "\" is not a range of serial numbers. A range runs from a first to a last "
                               "number that differ only in their last digits, such as SN-0001..SN-0250."};
}

SerialRefusal tooLong(std::string_view number) {
  return {"Serial Number Too Long", "The serial number " + std::string(number) + " is longer than " +
                                        std::to_string(serialNumberWidth) + " characters."};
}

SerialRefusal duplicate(std::string_view number) {
  return {"Duplicate Serial Number", "The serial number " + std::string(number) + " is already in the list."};
}

SerialRefusal noNumber() {
  return {"No Serial Number", "You must supply a serial number for serialized inventory."};
}

// A number split around its last run of digits.
struct Parts {
  std::string_view head;
  std::string_view digits;
  std::string_view tail;
};

std::optional<Parts> splitAtLastDigits(std::string_view number) {
  std::size_t end = number.size();
  while (end > 0 && !std::isdigit(static_cast<unsigned char>(number[end - 1]))) --end;
  std::size_t begin = end;
  while (begin > 0 && std::isdigit(static_cast<unsigned char>(number[begin - 1]))) --begin;
  if (begin == end || end - begin > maxRangeDigits) return std::nullopt;
  return Parts{number.substr(0, begin), number.substr(begin, end - begin), number.substr(end)};
}

std::uint64_t valueOf(std::string_view digits) {
  std::uint64_t value = 0;
  for (char c : digits) value = value * 10 + static_cast<unsigned>(c - '0');
  return value;
}

std::string numberAt(const Parts& first, std::uint64_t value) {
  std::string digits = std::to_string(value);
  if (digits.size() < first.digits.size()) digits.insert(0, first.digits.size() - digits.size(), '0');
  return std::string(first.head) + digits + std::string(first.tail);
}

// Expands one range line into `out`; a refusal when it is no range or
// would bring more than `room` numbers.
std::optional<SerialRefusal> expandRange(std::string_view line, std::size_t mark, std::size_t& room,
                                         crv::Quantity unitsReceived, std::vector<std::string>& out) {
  const std::string_view from = crv::trim(line.substr(0, mark));
  const std::string_view to = crv::trim(line.substr(mark + rangeMark.size()));
  const auto first = splitAtLastDigits(from);
  const auto last = splitAtLastDigits(to);
  if (!first || !last || first->head != last->head || first->tail != last->tail) return invalidRange(line);
  const std::uint64_t low = valueOf(first->digits);
  const std::uint64_t high = valueOf(last->digits);
  if (high < low) return invalidRange(line);
  if (high - low >= room) return tooManySerialNumbers(unitsReceived);
  room -= static_cast<std::size_t>(high - low + 1);
  for (std::uint64_t value = low;; ++value) {
    std::string number = numberAt(*first, value);
    if (number.size() > serialNumberWidth) return tooLong(number);
    out.push_back(std::move(number));
    if (value == high) break;
  }
  return std::nullopt;
}

}  // namespace

std::string shortestQuantity(crv::Quantity quantity) {
  std::string text = quantity.toString();
  while (text.back() == '0') text.pop_back();
  if (text.back() == '.') text.pop_back();
  return text;
}

SerialRefusal tooManySerialNumbers(crv::Quantity unitsReceived) {
  return {"Too Many Serial Numbers", "You must supply only one serial number for each of the " +
                                         shortestQuantity(unitsReceived) + " units received."};
}

SerialRefusal notEnoughSerialNumbers(crv::Quantity unitsReceived) {
  return {"Not Enough Serial Numbers", "You must supply one serial number for each of the " +
                                           shortestQuantity(unitsReceived) + " units received."};
}

std::variant<std::vector<std::string>, SerialRefusal> readSerialNumbers(std::string_view text,
                                                                        std::size_t room,
                                                                        crv::Quantity unitsReceived) {
  std::vector<std::string> numbers;
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    const std::string_view raw = text.substr(0, end);
    text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
    // Pasted lines may carry a carriage return or tabs around the number.
    std::string_view line = raw;
    while (!line.empty() && std::isspace(static_cast<unsigned char>(line.front()))) line.remove_prefix(1);
    while (!line.empty() && std::isspace(static_cast<unsigned char>(line.back()))) line.remove_suffix(1);
    if (line.empty()) continue;
    if (const std::size_t mark = line.find(rangeMark); mark != std::string_view::npos) {
      if (auto refusal = expandRange(line, mark, room, unitsReceived, numbers)) return *refusal;
      continue;
    }
    if (line.size() > serialNumberWidth) return tooLong(line);
    if (room == 0) return tooManySerialNumbers(unitsReceived);
    --room;
    numbers.emplace_back(line);
  }
  if (numbers.empty()) return noNumber();
  return numbers;
}

void SerialNumberList::load(std::vector<ReceivedSerial> rows) {
  rows_ = std::move(rows);
  numbers_.clear();
  for (const ReceivedSerial& row : rows_) numbers_.insert(row.number);
}

std::optional<SerialRefusal> SerialNumberList::add(std::string_view text, crv::Quantity unitsReceived) {
  // Whole units only: a fractional quantity leaves room for the units below it.
  const std::int64_t units = unitsReceived.raw() / crv::Quantity::scale;
  const std::size_t room = units > static_cast<std::int64_t>(rows_.size())
                               ? static_cast<std::size_t>(units) - rows_.size()
                               : std::size_t(0);
  auto read = readSerialNumbers(text, room, unitsReceived);
  if (auto* refusal = std::get_if<SerialRefusal>(&read)) return *refusal;
  auto& numbers = std::get<std::vector<std::string>>(read);
  std::unordered_set<std::string> seen;
  for (const std::string& number : numbers)
    if (contains(number) || !seen.insert(number).second) return duplicate(number);
  for (std::string& number : numbers) {
    numbers_.insert(number);
    rows_.push_back({0, 0, std::move(number)});
  }
  return std::nullopt;
}

std::optional<SerialRefusal> SerialNumberList::checkNew(const std::string& number,
                                                        std::size_t ignoreIndex) const {
  if (number.empty()) return noNumber();
  if (number.size() > serialNumberWidth) return tooLong(number);
  for (std::size_t i = 0; i < rows_.size(); ++i)
    if (i != ignoreIndex && rows_[i].number == number) return duplicate(number);
  return std::nullopt;
}

std::optional<SerialRefusal> SerialNumberList::change(std::size_t index, std::string_view number) {
  if (index >= rows_.size()) return std::nullopt;
  const std::string typed(crv::trim(number));
  if (auto refusal = checkNew(typed, index)) return refusal;
  numbers_.erase(rows_[index].number);
  numbers_.insert(typed);
  rows_[index].number = typed;
  return std::nullopt;
}

void SerialNumberList::remove(std::size_t index) {
  if (index >= rows_.size()) return;
  numbers_.erase(rows_[index].number);
  rows_.erase(rows_.begin() + static_cast<std::ptrdiff_t>(index));
}

void SerialNumberList::clear() {
  rows_.clear();
  numbers_.clear();
}

}  // namespace crvpo
